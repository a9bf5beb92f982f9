#include "EquipmentNumbering.h"
#include "ProcCatalog.h"

namespace EquipmentNumbering {

qlonglong next(ProcContext &ctx, const QString &kind, const QString &key1, const QString &key2,
               const std::function<qlonglong()> &seed, const std::function<bool(qlonglong)> &taken)
{
    const QVariantHash key{{QStringLiteral("NUM_KIND"), kind},
                           {QStringLiteral("NUM_KEY1"), key1},
                           {QStringLiteral("NUM_KEY2"), key2}};
    const QString bump = QStringLiteral("UPDATE EB000MS SET LAST_NO = LAST_NO + 1 "
                                        "WHERE NUM_KIND = :NUM_KIND AND NUM_KEY1 = :NUM_KEY1 AND NUM_KEY2 = :NUM_KEY2");
    const QString read = QStringLiteral("SELECT LAST_NO FROM EB000MS "
                                        "WHERE NUM_KIND = :NUM_KIND AND NUM_KEY1 = :NUM_KEY1 AND NUM_KEY2 = :NUM_KEY2");
    qlonglong number = 0;
    if (ctx.exec(bump, key) == 1) {
        number = ctx.scalar(read, key).toLongLong();
    } else {
        // First use: create the row. A desk that creates it at the same moment
        // wins; this one then waits on the row like any later desk.
        QVariantHash first = key;
        first.insert(QStringLiteral("LAST_NO"), seed() + 1);
        if (ctx.exec(QStringLiteral("INSERT INTO EB000MS (NUM_KIND, NUM_KEY1, NUM_KEY2, LAST_NO) "
                                    "VALUES (:NUM_KIND, :NUM_KEY1, :NUM_KEY2, :LAST_NO) ON CONFLICT DO NOTHING"),
                     first) == 1) {
            number = first.value(QStringLiteral("LAST_NO")).toLongLong();
        } else {
            ctx.exec(bump, key);
            number = ctx.scalar(read, key).toLongLong();
        }
    }
    // Rows written without the counter (imports) must not be given twice.
    while (taken(number)) {
        ctx.exec(bump, key);
        number = ctx.scalar(read, key).toLongLong();
    }
    return number;
}

} // namespace EquipmentNumbering
