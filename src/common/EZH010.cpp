#include "EZH010.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH010::TfrmEZH010(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH010"));
    setWindowTitle(QStringLiteral("우편번호"));
    m_edtAddress = addSearchInput(QStringLiteral("edtAddress"), QStringLiteral("검색조건"));
    setGridColumns({column(QStringLiteral("ZIP_CODE"), QStringLiteral("우편번호"), 70),
                    column(QStringLiteral("ADDRESS"), QStringLiteral("주소"), 380)});
    qryQuery().setSql(QStringLiteral(
        "SELECT SUBSTR(ZIP_CODE,1,3) ||'-'|| SUBSTR(ZIP_CODE,4,3) AS ZIP_CODE, CONCAT(ADDRESS1, ' ') || "
        "CONCAT(ADDRESS2, ' ') || CONCAT(ADDRESS3, ' ') || CONCAT(POST_BOX, ' ') AS ADDRESS FROM ZX030MS "
        "WHERE ADDRESS1 LIKE :ADDRESS OR ADDRESS2 LIKE :ADDRESS OR ADDRESS3 LIKE :ADDRESS"));
}

void TfrmEZH010::setParams()
{
    qryQuery().setParam(QStringLiteral("ADDRESS"), Like(m_edtAddress->text()));
}

bool TfrmEZH010::takeResults()
{
    const QString shown = currentValue(QStringLiteral("ZIP_CODE"));
    m_result.insert(QStringLiteral("ZIP_CODE"), shown.mid(0, 3) + shown.mid(4, 3));
    m_result.insert(QStringLiteral("ADDRESS"), currentValue(QStringLiteral("ADDRESS")));
    return true;
}
