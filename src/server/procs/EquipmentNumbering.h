#pragma once
#include <QString>
#include <functional>

class ProcContext;

// Counters of the equipment area kept in EB000MS: rental numbers per date and
// area, equipment numbers per area and kind, storage numbers per season and area.
namespace EquipmentNumbering {

// The next number of a counter, inside the caller's transaction. The counter row
// is updated first, so a second desk asking at the same moment waits on it and
// gets the following number. A counter used for the first time starts after
// seed() (the highest number already stored); numbers for which taken() answers
// true are skipped.
qlonglong next(ProcContext &ctx, const QString &kind, const QString &key1, const QString &key2,
               const std::function<qlonglong()> &seed, const std::function<bool(qlonglong)> &taken);

} // namespace EquipmentNumbering
