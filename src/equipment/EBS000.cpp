#include "EBS000.h"
#include <QStringList>

namespace EquipmentReports {

namespace {

// Name of a code column from the common code table, named after the column.
QString codeName(const QString &headParam, const QString &column, const QString &alias = {})
{
    const QString bare = column.section(QLatin1Char('.'), -1);
    return QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :%1 AND DETAIL = %2) AS %3")
        .arg(headParam, column, alias.isEmpty() ? bare + QStringLiteral("_NAME") : alias);
}

// yyyymmdd shown as yyyy-mm-dd; an empty date stays empty.
QString dashed(const QString &column)
{
    const QString bare = column.section(QLatin1Char('.'), -1);
    return QStringLiteral("DECODE(%1, NULL, NULL, SUBSTR(%1,1,4)||'-'||SUBSTR(%1,5,2)||'-'||SUBSTR(%1,7,2)) AS %2")
        .arg(column, bare);
}

// The two rollup levels over (first key, equipment kind), see the header.
// keyShown is the first key as the detail rows show it, written over
// LEVELS.FIRST_KEY; join may add a table to look it up.
QString kindRollup(const QString &keyExpr, const QString &keyShown, const QString &keyAlias, const QString &countName,
                   const QString &count, const QString &fromWhere, const QString &join = {})
{
    return QStringLiteral(
               "SELECT LEVELS.EQUIP_GUBUN_INDEX, DECODE(LEVELS.EQUIP_GUBUN_INDEX, 1, NULL, %2) AS %3, "
               "DECODE(LEVELS.EQUIP_GUBUN_INDEX, 0, LEVELS.EQUIP_GUBUN_NAME, '소계') AS EQUIP_GUBUN_NAME, LEVELS.%4 "
               "FROM ( SELECT 0 AS EQUIP_GUBUN_INDEX, %1 AS FIRST_KEY, EQUIP_GUBUN, "
               "(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_EQUIP_GUBUN_CODE AND DETAIL = EQUIP_GUBUN) AS EQUIP_GUBUN_NAME, "
               "%5 AS %4 %6 GROUP BY %1, EQUIP_GUBUN "
               "UNION ALL "
               "SELECT 1, %1, NULL, NULL, %5 %6 GROUP BY %1 ) LEVELS %7"
               "ORDER BY COALESCE(LEVELS.FIRST_KEY, ''), LEVELS.EQUIP_GUBUN_INDEX, COALESCE(LEVELS.EQUIP_GUBUN, '')")
        .arg(keyExpr, keyShown, keyAlias, countName, count, fromWhere, join.isEmpty() ? QString() : join + QLatin1Char(' '));
}

QString rentalPeriod()
{
    return QStringLiteral("FROM EB040DT WHERE RENT_DATE BETWEEN NVL(:RENT_DATE_FROM,'00000000') AND NVL(:RENT_DATE_TO,'99999999') "
                          "AND AREA_GUBUN = :AREA_GUBUN");
}

QString rentalDay()
{
    return QStringLiteral("FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN");
}

QString storedInPeriod()
{
    return QStringLiteral("FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN "
                          "AND IPGO_DATE BETWEEN NVL(:IPGO_DATE_FROM,'00000000') AND NVL(:IPGO_DATE_TO,'99999999')");
}

QString storedWithZip()
{
    return storedInPeriod() + QStringLiteral(" AND ZIP_CODE IS NOT NULL");
}

QString poles(const QString &column)
{
    return QStringLiteral("DECODE(%1, 'Y', '유', 'N', '무', %1) AS %1").arg(column);
}

} // namespace

const QVariantHash &codeHeads()
{
    static const QVariantHash heads{
        {QStringLiteral("GC_RENT_STAT_CODE"), QStringLiteral("E0012")},
        {QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("E0009")},
        {QStringLiteral("GC_EQUIP_SIZE_GUBUN_CODE"), QStringLiteral("E0010")},
        {QStringLiteral("GC_SHOES_SIZE_CODE"), QStringLiteral("E0011")},
        {QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("I0005")},
        {QStringLiteral("GC_KEEP_KIND_GUBUN_CODE"), QStringLiteral("E0013")},
        {QStringLiteral("GC_KEEP_STAT_CODE"), QStringLiteral("E0015")},
        {QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("E0016")},
        {QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("E0021")},
    };
    return heads;
}

QString dailyRentals(bool byState, bool byTicketKind)
{
    QString sql = QStringLiteral("SELECT TO_CHAR(RENT_NO, 'FM0000000000') AS RENT_NO, RENT_SEQ, ")
        + codeName(QStringLiteral("GC_RENT_STAT_CODE"), QStringLiteral("RENT_STAT")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN"))
        + QStringLiteral(", EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT, ")
        + codeName(QStringLiteral("GC_SHOES_SIZE_CODE"), QStringLiteral("SHOES_SIZE")) + QStringLiteral(", BINDING, ")
        + codeName(QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("TICKET_KIND")) + QStringLiteral(", ")
        + dashed(QStringLiteral("SVRL_RENT_FROM_DATE")) + QStringLiteral(", ") + dashed(QStringLiteral("SVRL_RENT_TO_DATE"))
        + QLatin1Char(' ') + rentalDay() + QLatin1Char(' ');
    if (byState)
        sql += QStringLiteral("AND RENT_STAT = :RENT_STAT ");
    if (byTicketKind)
        sql += QStringLiteral("AND TICKET_KIND = :TICKET_KIND ");
    return sql + QStringLiteral("ORDER BY EB040DT.RENT_NO, EB040DT.RENT_SEQ");
}

QString multiDayRentals()
{
    // Only the multi-day row holds the piece: a day rental of the same piece on
    // the same date, returned before it went out again, is not listed with it.
    return QStringLiteral("SELECT ") + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("T1.EQUIP_GUBUN"))
        + QStringLiteral(", T1.EQUIP_NO, ")
        + codeName(QStringLiteral("GC_EQUIP_SIZE_GUBUN_CODE"), QStringLiteral("T1.EQUIP_SIZE_GUBUN"))
        + QStringLiteral(", TO_CHAR(T2.RENT_NO, 'FM0000000000') AS RENT_NO, T2.RENT_NAME, T2.TEL_NO, ")
        + codeName(QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("T2.TICKET_KIND")) + QStringLiteral(", ")
        + dashed(QStringLiteral("T2.SVRL_RENT_FROM_DATE")) + QStringLiteral(", ") + dashed(QStringLiteral("T2.SVRL_RENT_TO_DATE"))
        + QStringLiteral(", T3.DEAL_NAME, ") + codeName(QStringLiteral("GC_KEEP_KIND_GUBUN_CODE"), QStringLiteral("T3.KEEP_KIND_GUBUN"))
        + QStringLiteral(", T3.KEEP_BOX_NO "
                         "FROM EB020MS T1, EB040DT T2, EB040MS T3 WHERE T1.AREA_GUBUN = :AREA_GUBUN AND T1.SVRL_RENT_YN = 'Y' "
                         "AND T1.SVRL_FROM_DATE = T2.RENT_DATE AND T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.EQUIP_GUBUN = T2.EQUIP_GUBUN "
                         "AND T1.EQUIP_NO = T2.EQUIP_NO AND T2.RENT_STAT = 'S' AND T2.RENT_DATE = T3.RENT_DATE "
                         "AND T2.AREA_GUBUN = T3.AREA_GUBUN AND T2.RENT_NO = T3.RENT_NO "
                         "ORDER BY T1.EQUIP_GUBUN, T1.EQUIP_NO");
}

QString hourlyRentals()
{
    return kindRollup(QStringLiteral("SUBSTR(RENT_TIME,1,2)"),
                      QStringLiteral("LEVELS.FIRST_KEY || ':00 - ' || LEVELS.FIRST_KEY || ':59'"),
                      QStringLiteral("RENT_TIME"), QStringLiteral("RENT_COUNT"), QStringLiteral("COUNT(RENT_NO)"), rentalDay());
}

QString hourlyRentalsTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + rentalDay();
}

QString periodRentals()
{
    return kindRollup(QStringLiteral("RENT_DATE"),
                      QStringLiteral("SUBSTR(LEVELS.FIRST_KEY,1,4) ||'-'|| SUBSTR(LEVELS.FIRST_KEY,5,2) ||'-'|| SUBSTR(LEVELS.FIRST_KEY,7,2)"),
                      QStringLiteral("RENT_DATE"), QStringLiteral("RENT_COUNT"), QStringLiteral("COUNT(RENT_NO)"), rentalPeriod());
}

QString periodRentalsTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + rentalPeriod();
}

QString storedItems(const StorageFilter &filter)
{
    QString sql = QStringLiteral("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, ")
        + codeName(QStringLiteral("GC_KEEP_STAT_CODE"), QStringLiteral("KEEP_STAT")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("KEEP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("EQUIP_NAME_GUBUN"))
        + QStringLiteral(", MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, GUEST_NO, GUEST_NAME, EQUIP_NAME_ETC, NATIVE_NO, ")
        + poles(QStringLiteral("POELS_YN")) + QStringLiteral(", POELS_NAME, ") + dashed(QStringLiteral("IPGO_DATE"))
        + QStringLiteral(", ") + dashed(QStringLiteral("CHULGO_DATE"))
        + QStringLiteral(", DECODE(ZIP_CODE, NULL, NULL, SUBSTR(ZIP_CODE,1,3)||'-'||SUBSTR(ZIP_CODE,4,3)) AS ZIP_CODE, "
                         "ADDR1, ADDR2, MOBILE_NO, TEL_NO, REMARK, CONF_QUESTION, CONF_ANSWER "
                         "FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN ");
    if (filter.state)
        sql += QStringLiteral("AND KEEP_STAT = :KEEP_STAT ");
    if (filter.storageKind)
        sql += QStringLiteral("AND KEEP_GUBUN = :KEEP_GUBUN ");
    if (filter.equipKind)
        sql += QStringLiteral("AND EQUIP_GUBUN = :EQUIP_GUBUN ");
    if (filter.equipName)
        sql += QStringLiteral("AND EQUIP_NAME_GUBUN = :EQUIP_NAME_GUBUN ");
    if (filter.ownerName)
        sql += QStringLiteral("AND KEEP_NAME LIKE :KEEP_NAME ");
    return sql + QStringLiteral("ORDER BY EB050MS.KEEP_NO");
}

QString overdueItems()
{
    return QStringLiteral("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, ")
        + codeName(QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("KEEP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("EQUIP_NAME_GUBUN"))
        + QStringLiteral(", EQUIP_NAME_ETC, NATIVE_NO, ") + poles(QStringLiteral("POELS_YN"))
        + QStringLiteral(", POELS_NAME, ") + dashed(QStringLiteral("IPGO_DATE")) + QStringLiteral(", ")
        + dashed(QStringLiteral("CHULGO_DATE"))
        + QStringLiteral(", MOBILE_NO FROM EB050MS WHERE AREA_GUBUN = :AREA_GUBUN AND CHULGO_DATE < :CHULGO_DATE "
                         "AND KEEP_STAT = :KEEP_STAT ORDER BY EB050MS.CHULGO_DATE, EB050MS.KEEP_NO");
}

QString byStorageKind()
{
    return kindRollup(QStringLiteral("KEEP_GUBUN"),
                      QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_GUBUN_CODE AND DETAIL = LEVELS.FIRST_KEY)"),
                      QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("KEEP_COUNT"), QStringLiteral("COUNT(KEEP_NO)"),
                      storedInPeriod());
}

QString byStorageKindTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + storedInPeriod();
}

QString byRegion()
{
    // One region per zip-code prefix (the first address pair in code order), so
    // that a prefix spread over several districts is counted once. A prefix the
    // zip-code table does not know is shown as it is rather than dropped, which
    // keeps the rows in step with the total.
    return kindRollup(QStringLiteral("SUBSTR(ZIP_CODE,1,3)"), QStringLiteral("NVL(REGION.ADDRESS, LEVELS.FIRST_KEY)"),
                      QStringLiteral("ADDRESS"), QStringLiteral("KEEP_COUNT"), QStringLiteral("COUNT(KEEP_NO)"), storedWithZip(),
                      QStringLiteral("LEFT JOIN (SELECT SUBSTR(ZIP_CODE,1,3) AS ZIP_PREFIX, "
                                     "MIN(TRIM(COALESCE(ADDRESS1,'') || ' ' || COALESCE(ADDRESS2,''))) AS ADDRESS "
                                     "FROM ZX030MS GROUP BY SUBSTR(ZIP_CODE,1,3)) REGION ON REGION.ZIP_PREFIX = LEVELS.FIRST_KEY"));
}

QString byRegionTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + storedWithZip();
}

} // namespace EquipmentReports
