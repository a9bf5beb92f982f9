#include "EZH070.h"
#include "SqlQuery.h"
#include <QLineEdit>

TfrmEZH070::TfrmEZH070(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH070"));
    setWindowTitle(QStringLiteral("접수번호"));
    resize(560, 294);
    m_edtAddress = addSearchInput(QStringLiteral("edtAddress"), QStringLiteral("참가자명"));
    setGridColumns({column(QStringLiteral("RECV_NO"), QStringLiteral("접수번호"), 70),
                    column(QStringLiteral("ENTRY_NAME_KOR"), QStringLiteral("참가자명"), 90),
                    column(QStringLiteral("APPLY_DATE"), QStringLiteral("신청일"), 90),
                    column(QStringLiteral("ID_NO"), QStringLiteral("주민등록번호"), 120),
                    column(QStringLiteral("APPLY_CLASS"), QStringLiteral("신청급수"), 90)});
    qryQuery().setSql(QStringLiteral(
        "SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO, ENTRY_NAME_KOR, SUBSTR(APPLY_DATE,1,4) ||'-'|| "
        "SUBSTR(APPLY_DATE,5,2) ||'-'|| SUBSTR(APPLY_DATE,7,2) AS APPLY_DATE, SUBSTR(ID_NO,1,6) ||'-'|| SUBSTR(ID_NO,7,7) "
        "AS ID_NO, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_APPLY_CLASS_CODE AND DETAIL = APPLY_CLASS) AS "
        "APPLY_CLASS FROM ED020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND ENTRY_NAME_KOR LIKE :ENTRY_NAME_KOR"));
}

void TfrmEZH070::setParams()
{
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("GC_APPLY_CLASS_CODE"), QStringLiteral("E0026"));
    q.setParam(QStringLiteral("SEASON_GUBUN"), m_season);
    q.setParam(QStringLiteral("ENTRY_NAME_KOR"), Like(m_edtAddress->text()));
}

bool TfrmEZH070::takeResults()
{
    const auto undashed = [this](const QString &field) { return currentValue(field).remove(QLatin1Char('-')); };
    m_result.insert(QStringLiteral("RECV_NO"), currentValue(QStringLiteral("RECV_NO")));
    m_result.insert(QStringLiteral("ENTRY_NAME_KOR"), currentValue(QStringLiteral("ENTRY_NAME_KOR")));
    m_result.insert(QStringLiteral("APPLY_DATE"), undashed(QStringLiteral("APPLY_DATE")));
    m_result.insert(QStringLiteral("ID_NO"), undashed(QStringLiteral("ID_NO")));
    m_result.insert(QStringLiteral("APPLY_CLASS"), currentValue(QStringLiteral("APPLY_CLASS")));
    return true;
}
