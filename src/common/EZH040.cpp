#include "EZH040.h"
#include "SqlQuery.h"

TfrmEZH040::TfrmEZH040(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH040"));
    setWindowTitle(QStringLiteral("코드"));
    m_refocusOnEmpty = false;
    setGridColumns({column(QStringLiteral("DETAIL"), QStringLiteral("코드"), 80),
                    column(QStringLiteral("DETAIL_NAME"), QStringLiteral("코드명"), 300)});
    m_resultFields = {QStringLiteral("DETAIL"), QStringLiteral("DETAIL_NAME")};
    qryQuery().setSql(QStringLiteral(
        "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND NULLIF(TRIM(DETAIL),'') IS NOT NULL"));
}

void TfrmEZH040::setGroup(const QString &title, const QString &head)
{
    setWindowTitle(title);
    m_head = head;
}

void TfrmEZH040::setParams()
{
    qryQuery().setParam(QStringLiteral("HEAD"), m_head);
}
