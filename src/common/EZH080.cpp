#include "EZH080.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH080::TfrmEZH080(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH080"));
    setWindowTitle(QStringLiteral("강사"));
    resize(560, 294);
    m_edtLecturerName = addSearchInput(QStringLiteral("edtLecturerName"), QStringLiteral("강사명"));
    DataGridColumn groupCode = column(QStringLiteral("EMP_WORK_GRP_CODE"), QStringLiteral("조코드"));
    DataGridColumn dutyCode = column(QStringLiteral("EMP_WORK_GRP_DUTY_CODE"), QStringLiteral("구분코드"));
    groupCode.visible = dutyCode.visible = false;
    setGridColumns({column(QStringLiteral("EMP_NO"), QStringLiteral("강사사번"), 80),
                    column(QStringLiteral("EMP_K_NAME"), QStringLiteral("강사명"), 90),
                    column(QStringLiteral("EMP_WORK_GRP_NAME"), QStringLiteral("조"), 90),
                    column(QStringLiteral("EMP_WORK_GRP_DUTY_NAME"), QStringLiteral("구분"), 90),
                    column(QStringLiteral("EMP_TYPE_NAME"), QStringLiteral("근무형태"), 80), groupCode, dutyCode});
    m_resultFields = {QStringLiteral("EMP_NO"),           QStringLiteral("EMP_K_NAME"),
                      QStringLiteral("EMP_WORK_GRP_CODE"), QStringLiteral("EMP_WORK_GRP_NAME"),
                      QStringLiteral("EMP_WORK_GRP_DUTY_CODE"), QStringLiteral("EMP_WORK_GRP_DUTY_NAME")};
    qryQuery().setSql(QStringLiteral(
        "select EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, (select DETAIL_NAME from ZX010MS where HEAD = 'Q043' and DETAIL = "
        "A.EMP_WORK_GRP_CODE) EMP_WORK_GRP_NAME, EMP_WORK_GRP_DUTY_CODE, (select DETAIL_NAME from ZX010MS where HEAD = "
        "'Q044' and DETAIL = A.EMP_WORK_GRP_DUTY_CODE) EMP_WORK_GRP_DUTY_NAME, decode(EMP_POS_CODE,'21','상용직','정규직') "
        "EMP_TYPE_NAME from QA010MS A where EMP_WORK_CODE = '81' and EMP_STAY_CODE = '01' and EMP_K_NAME like :EMP_K_NAME "
        "union select LAB_NO, LAB_K_NAME, LAB_WORK_GRP, (select DETAIL_NAME from ZX010MS where HEAD = 'Q043' and DETAIL = "
        "A.LAB_WORK_GRP), LAB_WORK_DUTY, (select DETAIL_NAME from ZX010MS where HEAD = 'Q044' and DETAIL = "
        "A.LAB_WORK_DUTY), 'A/B' from QG010MS A where nvl(LAB_END_DATE, sysdate()) >= sysdate() and LAB_WORK_CODE = '81' "
        "and LAB_K_NAME like :EMP_K_NAME"));
}

void TfrmEZH080::setParams()
{
    qryQuery().setParam(QStringLiteral("EMP_K_NAME"), Like(m_edtLecturerName->text()));
}
