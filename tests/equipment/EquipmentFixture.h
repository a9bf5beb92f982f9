#pragma once
#include "DbError.h"
#include "Session.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include <QStringList>
#include <QVariantHash>

// Small fixture of the rental tests: a few codes, a handful of pieces, and the
// desk's statements word for word.
namespace EquipmentFixture {

inline const QString kDate = QStringLiteral("20040105");
inline const QString kBusy = QStringLiteral("선택하신 장비는 이미 대여되었거나 작업중입니다");

// Area M: carving skis 00001..00003 of size 150 (00003 not rentable), one of
// size 160; area S: one carving ski 00001 of size 150.
inline QString script()
{
    return QStringLiteral(
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0005', 'C', '코스', NULL, NULL);"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0005', 'L', '리프트', NULL, NULL);"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0006', 'C01', '펭귄', 'C', '1');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0006', 'C02', '실버', 'C', '2');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0006', ' ', '빈코드', 'C', '2');"
        "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0007', 'L01', '곤돌라', 'L', NULL);"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('M', 'CS', '00001', '150', 'Y');"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('M', 'CS', '00002', '150', 'Y');"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('M', 'CS', '00003', '150', 'N');"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('M', 'CS', '00004', '160', 'Y');"
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) VALUES ('S', 'CS', '00001', '150', 'Y');");
}

// Runs a procedure; returns its outputs. Throws DbError.
inline QVariantHash call(Session &s, const QString &proc, const QVariantHash &params)
{
    StoredProc p(s, proc);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        p.setParam(it.key(), it.value());
    p.execProc();
    QVariantHash out;
    for (const ProcParam &pp : p.params())
        if (pp.direction == ProcParam::Out)
            out.insert(pp.name, p.output(pp.name));
    return out;
}

// The message of a failing call, empty when it succeeded.
inline QString failure(Session &s, const QString &proc, const QVariantHash &params)
{
    try {
        call(s, proc, params);
        return {};
    } catch (const DbError &e) {
        return e.message();
    }
}

inline QVariantHash hold(const QString &no, const QString &status = QStringLiteral("2"),
                         const QString &ip = QStringLiteral("10.0.0.1"), const QString &area = QStringLiteral("M"))
{
    return {{QStringLiteral("ARENT_DATE"), kDate},     {QStringLiteral("AAREA_GUBUN"), area},
            {QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("CS")}, {QStringLiteral("AEQUIP_NO"), no},
            {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")}, {QStringLiteral("AU_IP"), ip},
            {QStringLiteral("AEDITSTATUS"), status}};
}

inline QVariantHash header(const QString &status, const QString &rentNo = {}, const QString &area = QStringLiteral("M"),
                           const QString &ip = QStringLiteral("10.0.0.1"))
{
    return {{QStringLiteral("ARENT_DATE"), kDate},
            {QStringLiteral("AAREA_GUBUN"), area},
            {QStringLiteral("ARENT_NO"), rentNo},
            {QStringLiteral("ADEAL_NAME"), QStringLiteral("김대리")},
            {QStringLiteral("AKEEP_KIND_GUBUN"), QStringLiteral("01")},
            {QStringLiteral("AKEEP_BOX_NO"), QStringLiteral("A12")},
            {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")},
            {QStringLiteral("AU_IP"), ip},
            {QStringLiteral("AEDITSTATUS"), status}};
}

inline QVariantHash row(const QString &status, const QString &rentNo, const QString &seq, const QString &state,
                        const QString &equipNo, const QString &from = {}, const QString &to = {},
                        const QString &ip = QStringLiteral("10.0.0.1"))
{
    return {{QStringLiteral("ARENT_DATE"), kDate},
            {QStringLiteral("AAREA_GUBUN"), QStringLiteral("M")},
            {QStringLiteral("ARENT_NO"), rentNo},
            {QStringLiteral("ARENT_SEQ"), seq},
            {QStringLiteral("ATICKET_KIND"), QStringLiteral("01")},
            {QStringLiteral("ARENT_STAT"), state},
            {QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("CS")},
            {QStringLiteral("AEQUIP_NO"), equipNo},
            {QStringLiteral("ARENT_NAME"), QStringLiteral("홍길동")},
            {QStringLiteral("ATEL_NO"), QStringLiteral("010-1234-5678")},
            {QStringLiteral("AHEIGHT"), QStringLiteral("175")},
            {QStringLiteral("AWEIGHT"), QStringLiteral("70")},
            {QStringLiteral("ASHOES_SIZE"), QStringLiteral("270")},
            {QStringLiteral("ABINDING"), QStringLiteral("6")},
            {QStringLiteral("AZIP_CODE"), QString()},
            {QStringLiteral("AADDR1"), QString()},
            {QStringLiteral("AADDR2"), QString()},
            {QStringLiteral("ASVRL_RENT_FROM_DATE"), from},
            {QStringLiteral("ASVRL_RENT_TO_DATE"), to},
            {QStringLiteral("AREMARK"), QString()},
            {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")},
            {QStringLiteral("AU_IP"), ip},
            {QStringLiteral("AEDITSTATUS"), status}};
}

// The desk's free-list statement.
inline QStringList freeList(Session &s, const QString &area = QStringLiteral("M"), const QString &size = QStringLiteral("150"))
{
    const RowSet r = SqlQuery::select(
        s,
        QStringLiteral("SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND "
                       "EQUIP_SIZE_GUBUN = :EQUIP_SIZE_GUBUN AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND EQUIP_NO NOT IN "
                       "(SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND "
                       "EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT) AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM "
                       "EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN) "
                       "ORDER BY EQUIP_NO"),
        {{QStringLiteral("RENT_DATE"), kDate},
         {QStringLiteral("AREA_GUBUN"), area},
         {QStringLiteral("EQUIP_GUBUN"), QStringLiteral("CS")},
         {QStringLiteral("EQUIP_SIZE_GUBUN"), size},
         {QStringLiteral("RENT_STAT"), QStringLiteral("D")}});
    QStringList out;
    for (int i = 0; i < r.rowCount(); ++i)
        out << r.text(i, 0);
    return out;
}

inline QString scalar(Session &s, const QString &sql)
{
    return SqlQuery::select(s, sql).scalarText();
}

} // namespace EquipmentFixture
