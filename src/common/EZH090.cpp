#include "EZH090.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH090::TfrmEZH090(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH090"));
    setWindowTitle(QStringLiteral("사원"));
    m_edtEmpName = addSearchInput(QStringLiteral("edtEmpName"), QStringLiteral("사원명"));
    setGridColumns({column(QStringLiteral("EMP_NO"), QStringLiteral("사원번호"), 90),
                    column(QStringLiteral("EMP_NAME"), QStringLiteral("사원명"), 100),
                    column(QStringLiteral("MEMBER_GROUP_NAME"), QStringLiteral("사원구분"), 120),
                    column(QStringLiteral("SEX_NAME"), QStringLiteral("성별"), 60)});
    m_resultFields = {QStringLiteral("EMP_NO"), QStringLiteral("EMP_NAME")};
    qryQuery().setSql(QStringLiteral(
        "SELECT MEMBER_NO AS EMP_NO, MEMBER_NAME AS EMP_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
        ":GC_MEMBER_GROUP_CODE AND DETAIL = MEMBER_GROUP_CODE) AS MEMBER_GROUP_NAME, (SELECT DETAIL_NAME FROM ZX010MS "
        "WHERE HEAD = :GC_SEX_CODE AND DETAIL = SEX_CODE) AS SEX_NAME FROM BB010VE WHERE MEMBER_NAME LIKE :MEMBER_NAME "
        "AND SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE"));
}

void TfrmEZH090::setParams()
{
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("MEMBER_NAME"), Like(m_edtEmpName->text()));
    q.setParam(QStringLiteral("GC_MEMBER_GROUP_CODE"), QStringLiteral("B0001"));
    q.setParam(QStringLiteral("GC_SEX_CODE"), QStringLiteral("Z0008"));
    q.setParam(QStringLiteral("GC_SAWON_CODE"), QStringLiteral("10"));
}
