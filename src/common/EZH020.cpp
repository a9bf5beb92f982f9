#include "EZH020.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH020::TfrmEZH020(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH020"));
    setWindowTitle(QStringLiteral("대여번호"));
    resize(600, 420);
    m_edtRentNo = addSearchInput(QStringLiteral("edtRentNo"), QStringLiteral("대여번호"));
    m_edtRentName = addSearchInput(QStringLiteral("edtRentName"), QStringLiteral("대여자명"));
    setGridColumns({column(QStringLiteral("RENT_NO"), QStringLiteral("대여번호"), 80),
                    column(QStringLiteral("DEAL_NAME"), QStringLiteral("취급자"), 100),
                    column(QStringLiteral("KEEP_KIND_GUBUN_NAME"), QStringLiteral("보관내용"), 120),
                    column(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 90)});
    m_resultFields = {QStringLiteral("RENT_NO")};
    // RENT_NO is a number: compared with the pattern as text.
    qryQuery().setSql(QStringLiteral(
        "SELECT T2.RENT_NO, T2.DEAL_NAME, T3.KEEP_KIND_GUBUN_NAME, T2.KEEP_BOX_NO FROM ( SELECT RENT_DATE, AREA_GUBUN, "
        "RENT_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NAME LIKE :RENT_NAME "
        "GROUP BY RENT_DATE, AREA_GUBUN, RENT_NO ) T1, EB040MS T2, ( SELECT DETAIL AS KEEP_KIND_GUBUN, DETAIL_NAME AS "
        "KEEP_KIND_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_KIND_GUBUN ) T3 WHERE T1.RENT_DATE = T2.RENT_DATE AND "
        "T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.RENT_NO = T2.RENT_NO AND TO_CHAR(T2.RENT_NO) LIKE :RENT_NO AND "
        "T2.KEEP_KIND_GUBUN = T3.KEEP_KIND_GUBUN"));

    addDetailGrid({column(QStringLiteral("RENT_SEQ"), QStringLiteral("순번"), 40),
                               column(QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 100),
                               column(QStringLiteral("RENT_STAT_GUBUN_NAME"), QStringLiteral("대여상태"), 80),
                               column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비"), 100),
                               column(QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 70),
                               column(QStringLiteral("TICKET_KIND_GUBUN_NAME"), QStringLiteral("권종"), 100)},
                  QStringLiteral("RENT_NO"),
                  QStringLiteral(
                "SELECT T1.RENT_SEQ, T1.RENT_NAME, T2.RENT_STAT_GUBUN_NAME, T3.EQUIP_GUBUN_NAME, T1.EQUIP_NO, "
                "T4.TICKET_KIND_GUBUN_NAME FROM EB040DT T1, (SELECT DETAIL AS RENT_STAT_GUBUN, DETAIL_NAME AS "
                "RENT_STAT_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_RENT_STAT_GUBUN) T2, (SELECT DETAIL AS EQUIP_GUBUN, "
                "DETAIL_NAME AS EQUIP_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_EQUIP_GUBUN) T3, (SELECT DETAIL AS "
                "TICKET_KIND_GUBUN, DETAIL_NAME AS TICKET_KIND_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_TICKET_KIND_GUBUN) T4 "
                "WHERE T1.RENT_DATE = :RENT_DATE AND T1.AREA_GUBUN = :AREA_GUBUN AND T1.RENT_NO = :RENT_NO AND "
                "T1.RENT_STAT = T2.RENT_STAT_GUBUN AND T1.EQUIP_GUBUN = T3.EQUIP_GUBUN AND T1.TICKET_KIND = T4.TICKET_KIND_GUBUN"),
                  [this](const QString &key) -> QVariantHash {
                      return {{QStringLiteral("GC_RENT_STAT_GUBUN"), QStringLiteral("E0012")},
             {QStringLiteral("GC_EQUIP_GUBUN"), QStringLiteral("E0009")},
             {QStringLiteral("GC_TICKET_KIND_GUBUN"), QStringLiteral("I0005")},
             {QStringLiteral("RENT_DATE"), m_rentDate},
             {QStringLiteral("AREA_GUBUN"), m_area},
             {QStringLiteral("RENT_NO"), key}};
                  });
}

void TfrmEZH020::setRental(const QString &rentDate, const QString &area)
{
    m_rentDate = rentDate;
    m_area = area;
}

void TfrmEZH020::setParams()
{
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("RENT_DATE"), m_rentDate);
    q.setParam(QStringLiteral("AREA_GUBUN"), m_area);
    q.setParam(QStringLiteral("RENT_NAME"), Like(m_edtRentName->text()));
    q.setParam(QStringLiteral("RENT_NO"), Like(m_edtRentNo->text()));
    q.setParam(QStringLiteral("GC_KEEP_KIND_GUBUN"), QStringLiteral("E0013"));
}

