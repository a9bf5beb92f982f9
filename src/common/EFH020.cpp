#include "EFH020.h"
#include "SqlQuery.h"

TfrmEFH020::TfrmEFH020(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEFH020"));
    setWindowTitle(QStringLiteral("코드"));
    m_refocusOnEmpty = false;
    setGridColumns({column(QStringLiteral("UPJANG_CODE"), QStringLiteral("영업장코드"), 90),
                    column(QStringLiteral("UPJANG_NAME"), QStringLiteral("영업장명"), 290)});
    m_resultFields = {QStringLiteral("UPJANG_CODE"), QStringLiteral("UPJANG_NAME")};
    qryQuery().setSql(QStringLiteral("SELECT UPJANG_CODE, UPJANG_NAME FROM JA010MS WHERE UPJANG_TYPE = :UPJANG_TYPE"));
}

void TfrmEFH020::setPlaceType(const QString &title, const QString &placeType)
{
    setWindowTitle(title);
    m_placeType = placeType;
}

void TfrmEFH020::setParams()
{
    qryQuery().setParam(QStringLiteral("UPJANG_TYPE"), m_placeType);
}
