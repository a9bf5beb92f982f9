#pragma once
#include <QString>
#include <QVariantHash>

// Statements of the rental and storage reports (EBS060 .. EBS130). Each screen
// runs its statement and hands the same text and values to its print template;
// they live apart from the widgets so that they can be run on their own.
//
// Summary reports count per first key and equipment kind. Each first key gets
// its detail rows (EQUIP_GUBUN_INDEX 0, one per kind) followed by one subtotal
// row (EQUIP_GUBUN_INDEX 1, "소계" in the kind column, no first key shown).
// The levels are a UNION ALL of two groupings, ordered by first key, level and
// kind code, so every engine returns the same rows in the same order. The grand
// total comes from the report's separate total statement.
namespace EquipmentReports {

// Code heads of the name subqueries ("GC_EQUIP_GUBUN_CODE" -> "E0009", ...).
const QVariantHash &codeHeads();

// EBS060: the rental rows of a date and an area; a chosen state or ticket kind
// adds its condition (":RENT_STAT", ":TICKET_KIND").
QString dailyRentals(bool byState, bool byTicketKind);
// EBS070: pieces of an area now out on a multi-day rental, with the rental row
// and header that hold them.
QString multiDayRentals();
// EBS080: rentals of a date and an area by hour of the rental time.
QString hourlyRentals();
QString hourlyRentalsTotal();
// EBS090: rentals of an area by rental date within a period (an empty bound is
// open).
QString periodRentals();
QString periodRentalsTotal();

// EBS100: stored items of a season and an area; each chosen filter adds its
// condition, the owner's name matches anywhere (":KEEP_NAME" = "%" + text + "%").
struct StorageFilter
{
    bool state = false;
    bool storageKind = false;
    bool equipKind = false;
    bool equipName = false;
    bool ownerName = false;
};
QString storedItems(const StorageFilter &filter);
// EBS110: items of an area still stored (":KEEP_STAT" = "K") whose release date
// is before the reference date (":CHULGO_DATE").
QString overdueItems();
// EBS120: stored items of a season and an area within an intake period, by
// storage kind.
QString byStorageKind();
QString byStorageKindTotal();
// EBS130: the same items by the region of the owner's zip code; items without a
// zip code are left out of rows and total alike.
QString byRegion();
QString byRegionTotal();

} // namespace EquipmentReports
