#include "EZC000.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "RowSet.h"
#include "SqlQuery.h"
#include "ZZD000.h"
#include <QDate>

namespace {

constexpr int MaxItemFilters = 15;

Session &lookupSession()
{
    if (TfrmZZD000 *dm = TfrmZZD000::instance(); dm && !dm->isConnected())
        dm->OpenConnection();
    return Db();
}

RowSet lookup(const QString &sql, const QVariantHash &params)
{
    SqlQuery q(lookupSession(), sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.setParam(it.key(), it.value());
    return q.open();
}

QString first(const RowSet &r, const QString &field)
{
    return r.isEmpty() ? QString() : r.text(0, field);
}

// One "AND ITEMn = :ITEMn" line per non-empty filter, with its value bound.
QString itemFilterLines(const QStringList &filters, QVariantHash &params)
{
    QString lines;
    for (int i = 0; i < filters.size() && i < MaxItemFilters; ++i) {
        if (filters.at(i).isEmpty())
            continue;
        const QString name = QStringLiteral("ITEM%1").arg(i + 1);
        lines += QStringLiteral("\nAND %1 = :%1").arg(name);
        params.insert(name, filters.at(i));
    }
    return lines;
}

const QString CodeListSql =
    QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND NULLIF(TRIM(DETAIL),'') IS NOT NULL");

RowSet codeList(const QString &head, const QStringList &filters)
{
    QVariantHash params{{QStringLiteral("HEAD"), head}};
    const QString sql = CodeListSql + itemFilterLines(filters, params);
    return lookup(sql, params);
}

// Reads a whole number (NULL reads as 0); false when the text is not a number.
bool readInt(const QString &text, int *value)
{
    if (text.trimmed().isEmpty()) {
        *value = 0;
        return true;
    }
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok)
        return false;
    *value = int(d);
    return true;
}

} // namespace

bool FillCodeCombo(CodeCombo *combo, const QString &head, const QStringList &filters)
{
    const RowSet r = codeList(head, filters);
    if (!combo)
        return false;
    for (int i = 0; i < r.rowCount(); ++i)
        combo->addItemValue(r.text(i, 1), r.text(i, 0));
    return true;
}

bool FillCodeComboByItem2(CodeCombo *combo, const QString &head, const QString &firstFilter,
                          const QString &secondFilter, const QStringList &moreFilters)
{
    return FillCodeCombo(combo, head, QStringList{secondFilter, firstFilter} + moreFilters);
}

bool FillCodeColumn(DataGrid *grid, int column, const QString &head, const QStringList &filters)
{
    const RowSet r = codeList(head, filters);
    if (!grid || column < 0 || column >= grid->columnCount())
        return false;
    QStringList items = grid->column(column).pickItems;
    QStringList values = grid->column(column).pickValues;
    if (values.isEmpty())
        values = items; // a list without values stores its items
    for (int i = 0; i < r.rowCount(); ++i) {
        items << r.text(i, 1);
        values << r.text(i, 0);
    }
    grid->setPickList(column, items, values);
    return true;
}

QString GetCodeName(const QString &head, const QString &code, const QStringList &filters)
{
    QVariantHash params{{QStringLiteral("HEAD"), head}, {QStringLiteral("DETAIL"), code}};
    const QString sql = QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND TRIM(DETAIL) = :DETAIL")
                        + itemFilterLines(filters, params);
    return first(lookup(sql, params), QStringLiteral("DETAIL_NAME"));
}

QString GetMemberName(const QString &memberNo)
{
    return first(lookup(QStringLiteral("SELECT MEMBER_NAME FROM BB010VE WHERE MEMBER_NO = :MEMBER_NO AND CANCEL_DATE IS NULL"),
                        {{QStringLiteral("MEMBER_NO"), memberNo}}),
                 QStringLiteral("MEMBER_NAME"));
}

QString GetPartnerGroupName(const QString &groupNo)
{
    return first(lookup(QStringLiteral("SELECT /*+ RULE */ MEMBER_NAME AS EVENT_NAME FROM BB010MS WHERE MEMBER_NO > ' ' "
                                       "AND MEMBER_GROUP_CODE = :MEMBER_GROUP_CODE AND MEMBER_NO = :EVENT_NO "
                                       "AND CANCEL_DATE IS NULL"),
                        {{QStringLiteral("MEMBER_GROUP_CODE"), QStringLiteral("44")}, {QStringLiteral("EVENT_NO"), groupNo}}),
                 QStringLiteral("EVENT_NAME"));
}

QString GetStaffName(const QString &staffNo)
{
    return first(lookup(QStringLiteral("SELECT MEMBER_NAME AS EMP_NAME FROM BB010VE WHERE MEMBER_NO = :MEMBER_NO "
                                       "AND SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE"),
                        {{QStringLiteral("MEMBER_NO"), staffNo}, {QStringLiteral("GC_SAWON_CODE"), QStringLiteral("10")}}),
                 QStringLiteral("EMP_NAME"));
}

EmployeeInfo GetEmployeeInfo(const QString &empNo)
{
    const RowSet r = lookup(
        QStringLiteral(
            "select EMP_K_NAME, EMP_WORK_GRP_CODE, (select CODE_NAME from ZX900DT where GRP_NO = :GC_EMP_WORK_GRP_CODE "
            "and CODE_NO = A.EMP_WORK_GRP_CODE) EMP_WORK_GRP_NAME, EMP_WORK_GRP_DUTY_CODE, (select CODE_NAME from ZX900DT "
            "where GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE and CODE_NO = A.EMP_WORK_GRP_DUTY_CODE) EMP_WORK_GRP_DUTY_NAME "
            "from QA010MS A where EMP_WORK_CODE = '81' and EMP_STAY_CODE = '01' and EMP_NO = :EMP_NO "
            "union select LAB_K_NAME, LAB_WORK_GRP, (select CODE_NAME from ZX900DT where GRP_NO = :GC_EMP_WORK_GRP_CODE "
            "and CODE_NO = A.LAB_WORK_GRP), LAB_WORK_DUTY, (select CODE_NAME from ZX900DT where "
            "GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE and CODE_NO = A.LAB_WORK_DUTY) LAB_WORK_DUTY_NAME from QG010MS A "
            "where nvl(LAB_END_DATE, sysdate()) >= sysdate() and LAB_NO = :EMP_NO"),
        {{QStringLiteral("GC_EMP_WORK_GRP_CODE"), QStringLiteral("Q043")},
         {QStringLiteral("GC_EMP_WORK_GRP_DUTY_CODE"), QStringLiteral("Q044")},
         {QStringLiteral("EMP_NO"), empNo}});
    EmployeeInfo info;
    if (r.isEmpty())
        return info;
    // Positional: the union's column names come from its first branch.
    info.name = r.text(0, 0);
    info.workGroupCode = r.text(0, 1);
    info.workGroupName = r.text(0, 2);
    info.dutyCode = r.text(0, 3);
    info.dutyName = r.text(0, 4);
    return info;
}

LessonReceipt GetLessonReceipt(const QString &season, const QString &receiptNo)
{
    const RowSet r = lookup(QStringLiteral("SELECT ENTER_DATE, RECEIPT_NAME FROM EC020MS WHERE SEASON_GUBUN = :SEASON_GUBUN "
                                           "AND RECEIPT_NO = :RECEIPT_NO"),
                            {{QStringLiteral("SEASON_GUBUN"), season}, {QStringLiteral("RECEIPT_NO"), receiptNo}});
    return {first(r, QStringLiteral("ENTER_DATE")), first(r, QStringLiteral("RECEIPT_NAME"))};
}

BadgeEntry GetBadgeEntry(const QString &season, const QString &recvNo)
{
    const RowSet r = lookup(
        QStringLiteral("SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO, ENTRY_NAME_KOR, APPLY_DATE, ID_NO, "
                       "(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_APPLY_CLASS_CODE AND DETAIL = APPLY_CLASS) AS APPLY_CLASS "
                       "FROM ED020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECV_NO = :RECV_NO"),
        {{QStringLiteral("GC_APPLY_CLASS_CODE"), QStringLiteral("E0026")},
         {QStringLiteral("SEASON_GUBUN"), season},
         {QStringLiteral("RECV_NO"), recvNo}});
    return {first(r, QStringLiteral("RECV_NO")), first(r, QStringLiteral("ENTRY_NAME_KOR")),
            first(r, QStringLiteral("APPLY_DATE")), first(r, QStringLiteral("ID_NO")),
            first(r, QStringLiteral("APPLY_CLASS"))};
}

QString GetZipAddress(const QString &zipCode)
{
    return first(lookup(QStringLiteral("SELECT CONCAT(ADDRESS1, ' ') || CONCAT(ADDRESS2, ' ') || CONCAT(ADDRESS3, ' ') "
                                       "AS ADDRESS FROM ZX030MS WHERE ZIP_CODE = :ZIP_CODE"),
                        {{QStringLiteral("ZIP_CODE"), zipCode}}),
                 QStringLiteral("ADDRESS"));
}

QString GetReleaseDate(const QString &storageDate, const QString &storageKind)
{
    return first(lookup(QStringLiteral("SELECT ADD_DAYS(:IPGO_DATE, TO_NUMBER(ITEM1)) AS CHULGO_DATE FROM ZX010MS "
                                       "WHERE HEAD = :GC_KEEP_GUBUN_CODE AND DETAIL = :GC_KEEP_GUBUN"),
                        {{QStringLiteral("IPGO_DATE"), storageDate},
                         {QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("E0016")},
                         {QStringLiteral("GC_KEEP_GUBUN"), storageKind}}),
                 QStringLiteral("CHULGO_DATE"));
}

bool IsFacilityDayEmpty(const QString &runDate)
{
    const RowSet r = lookup(QStringLiteral("SELECT COUNT(*) AS FAC_COUNT FROM EB010MS WHERE RUN_DATE = :RUN_DATE"),
                            {{QStringLiteral("RUN_DATE"), runDate}});
    int count = 0;
    if (r.isEmpty() || !readInt(r.text(0, 0), &count))
        return false;
    return count < 1;
}

bool IsEquipUnavailable(const QString &rentDate, const QString &area, const QString &equipKind, const QString &equipNo)
{
    const RowSet r = lookup(
        QStringLiteral("SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN "
                       "AND EQUIP_NO = :EQUIP_NO AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' "
                       "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE "
                       "AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT "
                       "AND EQUIP_NO = :EQUIP_NO) "
                       "AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM WHERE RENT_DATE = :RENT_DATE "
                       "AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO)"),
        {{QStringLiteral("RENT_DATE"), rentDate},
         {QStringLiteral("AREA_GUBUN"), area},
         {QStringLiteral("EQUIP_GUBUN"), equipKind},
         {QStringLiteral("EQUIP_NO"), equipNo},
         {QStringLiteral("RENT_STAT"), QStringLiteral("D")}});
    return r.isEmpty();
}

bool IsSizeInGroup(const QString &sizeSet, const QString &equipKind, const QString &sizeCode)
{
    // Kinds without size groups keep the head empty (NULL), which matches no group.
    QString groupHead;
    if (equipKind == QLatin1String("NS") || equipKind == QLatin1String("CS")) {
        if (sizeSet == QLatin1String("M"))
            groupHead = QStringLiteral("E0018");
        else if (sizeSet == QLatin1String("S"))
            groupHead = QStringLiteral("E0019");
    } else if (equipKind == QLatin1String("SB")) {
        groupHead = QStringLiteral("E0020");
    }
    const RowSet r = lookup(
        QStringLiteral("SELECT T1.DETAIL FROM ZX010MS T1, (SELECT TO_NUMBER(DETAIL_NAME) AS EQUIP_SIZE FROM ZX010MS "
                       "WHERE HEAD = :GC_SIZE_GUBUN AND DETAIL = :EQUIP_SIZE_CODE) T2 WHERE T1.HEAD = :GC_SIZEGROUP_GUBUN "
                       "AND NULLIF(TRIM(T1.DETAIL),'') IS NOT NULL AND T2.EQUIP_SIZE BETWEEN TO_NUMBER(ITEM1) AND TO_NUMBER(ITEM2)"),
        {{QStringLiteral("GC_SIZE_GUBUN"), QStringLiteral("E0010")},
         {QStringLiteral("EQUIP_SIZE_CODE"), sizeCode},
         {QStringLiteral("GC_SIZEGROUP_GUBUN"), groupHead}});
    return !r.isEmpty();
}

namespace {
QVariantHash lessonParams(const QString &date, const QString &item, const QString &rec, const QString &detail)
{
    return {{QStringLiteral("YAEYAK_DATE"), date},
            {QStringLiteral("LECTURE_ITEM_GUBUN"), item},
            {QStringLiteral("LECTURE_REC_GUBUN"), rec},
            {QStringLiteral("LECTURE_DETAIL_GUBUN"), detail}};
}
} // namespace

bool IsNotReservedBy(const QString &date, const QString &lectureItem, const QString &lectureRec,
                     const QString &lectureDetail, const QString &empNo)
{
    QVariantHash params = lessonParams(date, lectureItem, lectureRec, lectureDetail);
    params.insert(QStringLiteral("EMP_NO"), empNo);
    const RowSet r = lookup(QStringLiteral("SELECT EMP_NAME FROM EC050MS WHERE YAEYAK_DATE = :YAEYAK_DATE "
                                           "AND LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN "
                                           "AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN AND TRIM(EMP_NO) = :EMP_NO"),
                            params);
    return r.isEmpty();
}

int GetReservationCapacity(const QString &date, const QString &lectureItem, const QString &lectureRec,
                           const QString &lectureDetail)
{
    const RowSet r = lookup(QStringLiteral("SELECT YAEYAK_ABILITY_CNT FROM EC040MS WHERE YAEYAK_DATE = :YAEYAK_DATE "
                                           "AND LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN "
                                           "AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN"),
                            lessonParams(date, lectureItem, lectureRec, lectureDetail));
    if (r.isEmpty())
        return 0;
    int capacity = 0;
    return readInt(r.text(0, 0), &capacity) ? capacity : -1;
}

int GetReservedCount(const QString &date, const QString &lectureItem, const QString &lectureRec,
                     const QString &lectureDetail)
{
    const RowSet r = lookup(QStringLiteral("SELECT NVL(SUM(YAEYAK_CNT),0) AS YAEYAK_CNT FROM EC050MS WHERE YAEYAK_DATE = :YAEYAK_DATE "
                                           "AND LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN "
                                           "AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN"),
                            lessonParams(date, lectureItem, lectureRec, lectureDetail));
    int count = 0;
    if (r.isEmpty() || !readInt(r.text(0, 0), &count))
        return -1;
    return count;
}

bool IsValidYmd(const QString &text)
{
    QString t = text;
    t.remove(QLatin1Char(' '));
    if (t.size() != 8)
        return false;
    bool okY = false, okM = false, okD = false;
    const int y = t.left(4).toInt(&okY);
    const int m = t.mid(4, 2).toInt(&okM);
    const int d = t.mid(6, 2).toInt(&okD);
    if (!okY || !okM || !okD || y < 1 || y > 9999 || m < 1 || m > 12 || d < 1)
        return false;
    return d <= QDate(y, m, 1).daysInMonth();
}

QString PadZeros(const QString &text, int width)
{
    return text.rightJustified(width, QLatin1Char('0'));
}
