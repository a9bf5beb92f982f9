#include "EZH050.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH050::TfrmEZH050(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH050"));
    setWindowTitle(QStringLiteral("접수번호"));
    resize(620, 420);
    m_edtReceiptName = addSearchInput(QStringLiteral("edtReceiptName"), QStringLiteral("접수자명"));
    setGridColumns({column(QStringLiteral("RECEIPT_NO"), QStringLiteral("접수번호"), 90),
                    column(QStringLiteral("ENTER_DATE"), QStringLiteral("등록일자"), 90),
                    column(QStringLiteral("RECEIPT_NAME"), QStringLiteral("접수자명"), 120)});
    m_resultFields = {QStringLiteral("RECEIPT_NO"), QStringLiteral("ENTER_DATE"), QStringLiteral("RECEIPT_NAME")};
    qryQuery().setSql(QStringLiteral(
        "SELECT RECEIPT_NO, SUBSTR(ENTER_DATE,1,4)||'-'||SUBSTR(ENTER_DATE,5,2)||'-'||SUBSTR(ENTER_DATE,7,2) AS ENTER_DATE, "
        "RECEIPT_NAME FROM EC020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECEIPT_NAME LIKE :RECEIPT_NAME ORDER BY RECEIPT_NO"));

    addDetailGrid({column(QStringLiteral("RECEIPT_SEQ"), QStringLiteral("순번"), 40),
                   column(QStringLiteral("TRAINER_NAME"), QStringLiteral("수강자명"), 100),
                   column(QStringLiteral("SEX"), QStringLiteral("성별"), 50),
                   column(QStringLiteral("AGE"), QStringLiteral("나이"), 40),
                   column(QStringLiteral("LECTURE_ITEM_GUBUN"), QStringLiteral("강습종목"), 100),
                   column(QStringLiteral("LECTURE_REC_GUBUN"), QStringLiteral("강습접수"), 100),
                   column(QStringLiteral("LECTURE_DETAIL_GUBUN"), QStringLiteral("강습세부"), 100)},
                  QStringLiteral("RECEIPT_NO"),
                  QStringLiteral(
                      "SELECT T1.RECEIPT_SEQ, T1.TRAINER_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_SEX_CODE "
                      "AND DETAIL = T1.SEX) AS SEX, T1.AGE, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
                      ":GC_LECTURE_ITEM_CODE AND DETAIL = T1.LECTURE_ITEM_GUBUN) AS LECTURE_ITEM_GUBUN, (SELECT DETAIL_NAME "
                      "FROM ZX010MS WHERE HEAD = :GC_LECTURE_REC_CODE AND DETAIL = T1.LECTURE_REC_GUBUN) AS "
                      "LECTURE_REC_GUBUN, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_LECTURE_DETAIL_CODE AND DETAIL = "
                      "T1.LECTURE_DETAIL_GUBUN) AS LECTURE_DETAIL_GUBUN FROM EC020DT T1 WHERE T1.SEASON_GUBUN = "
                      ":SEASON_GUBUN AND T1.RECEIPT_NO = :RECEIPT_NO"),
                  [this](const QString &key) -> QVariantHash {
                      return {{QStringLiteral("GC_SEX_CODE"), QStringLiteral("Z0008")},
                              {QStringLiteral("GC_LECTURE_ITEM_CODE"), QStringLiteral("E0022")},
                              {QStringLiteral("GC_LECTURE_REC_CODE"), QStringLiteral("E0023")},
                              {QStringLiteral("GC_LECTURE_DETAIL_CODE"), QStringLiteral("E0024")},
                              {QStringLiteral("SEASON_GUBUN"), m_season},
                              {QStringLiteral("RECEIPT_NO"), key}};
                  });
}

void TfrmEZH050::setParams()
{
    qryQuery().setParam(QStringLiteral("SEASON_GUBUN"), m_season);
    qryQuery().setParam(QStringLiteral("RECEIPT_NAME"), Like(m_edtReceiptName->text()));
}
