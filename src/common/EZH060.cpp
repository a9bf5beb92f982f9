#include "EZH060.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH060::TfrmEZH060(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH060"));
    setWindowTitle(QStringLiteral("제휴단체"));
    m_edtMemberName = addSearchInput(QStringLiteral("edtMemberName"), QStringLiteral("제휴단체명"));
    setGridColumns({column(QStringLiteral("MEMBER_NO"), QStringLiteral("제휴단체번호"), 100),
                    column(QStringLiteral("MEMBER_NAME"), QStringLiteral("제휴단체명"), 280)});
    m_resultFields = {QStringLiteral("MEMBER_NO"), QStringLiteral("MEMBER_NAME")};
    qryQuery().setSql(QStringLiteral(
        "SELECT /*+ RULE */ T1.MEMBER_NO, T1.MEMBER_NAME FROM BB010MS T1 WHERE T1.MEMBER_NO > ' ' AND "
        "T1.MEMBER_GROUP_CODE = :MEMBER_GROUP_CODE AND T1.MEMBER_NAME LIKE :MEMBER_NAME AND T1.CANCEL_DATE IS NULL"));
}

void TfrmEZH060::setParams()
{
    qryQuery().setParam(QStringLiteral("MEMBER_GROUP_CODE"), QStringLiteral("44"));
    qryQuery().setParam(QStringLiteral("MEMBER_NAME"), Like(m_edtMemberName->text()));
}
