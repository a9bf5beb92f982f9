#include "EZH030.h"
#include "DataGrid.h"
#include "SqlQuery.h"
#include "ZZC000.h"
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>

TfrmEZH030::TfrmEZH030(QWidget *parent) : TfrmEZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH030"));
    setWindowTitle(QStringLiteral("회원"));
    resize(640, 460);
    m_edtMemberName = addSearchInput(QStringLiteral("edtMemberName"), QStringLiteral("회원명"));
    setGridColumns({column(QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 80),
                    column(QStringLiteral("MEMBER_NAME"), QStringLiteral("회원명"), 100),
                    column(QStringLiteral("ID_NO"), QStringLiteral("주민/사업번호"), 110),
                    column(QStringLiteral("MEMBER_GROUP_NAME"), QStringLiteral("회원구분"), 100),
                    column(QStringLiteral("SEX_NAME"), QStringLiteral("성별"), 50),
                    column(QStringLiteral("CANCEL_DATE"), QStringLiteral("해약일자"), 80)});
    m_resultFields = {QStringLiteral("MEMBER_NO"), QStringLiteral("MEMBER_NAME")};
    qryQuery().setSql(QStringLiteral(
        "SELECT /*+ RULE */ MEMBER_NO, MEMBER_NAME, ID_NO, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
        ":GC_MEMBER_GROUP_CODE AND DETAIL = MEMBER_GROUP_CODE) AS MEMBER_GROUP_NAME, (SELECT DETAIL_NAME FROM ZX010MS "
        "WHERE HEAD = :GC_SEX_CODE AND DETAIL = SEX_CODE) AS SEX_NAME, CANCEL_DATE, MAIN_MEMBER_NAME, MEMBER_INFO, "
        "HOME_TEL, HOME_POST, HOME_ADDRESS1, HOME_ADDRESS2, OFFICE_TEL, OFFICE_POST, OFFICE_ADDRESS1, OFFICE_ADDRESS2, "
        "MOBILE_TEL FROM BB010VE WHERE MEMBER_NAME LIKE :MEMBER_NAME"));

    auto *details = new QWidget(m_panMain);
    details->setObjectName(QStringLiteral("panDetail"));
    auto *grid = new QGridLayout(details);
    grid->setContentsMargins(4, 4, 4, 4);
    const struct { const char *caption; QStringList fields; } rows[] = {
        {"대표자명", {QStringLiteral("MAIN_MEMBER_NAME")}},
        {"분양정보", {QStringLiteral("MEMBER_INFO")}},
        {"자택전호", {QStringLiteral("HOME_TEL")}},
        {"자택주소", {QStringLiteral("HOME_POST"), QStringLiteral("HOME_ADDRESS1"), QStringLiteral("HOME_ADDRESS2")}},
        {"회사주소", {QStringLiteral("OFFICE_POST"), QStringLiteral("OFFICE_ADDRESS1"), QStringLiteral("OFFICE_ADDRESS2")}},
        {"회사전호", {QStringLiteral("OFFICE_TEL")}},
        {"핸드폰", {QStringLiteral("MOBILE_TEL")}},
    };
    int at = 0;
    for (const auto &r : rows) {
        grid->addWidget(new QLabel(QString::fromUtf8(r.caption), details), at, 0);
        auto *edit = new QLineEdit(details);
        edit->setObjectName(QStringLiteral("edt") + r.fields.constFirst());
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(edit, at++, 1);
        m_details.append({edit, r.fields});
    }
    m_panMain->layout()->addWidget(details);
    connect(m_rgrGrid, &DataGrid::rowChange, this, &TfrmEZH030::showDetails);
}

void TfrmEZH030::setParams()
{
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("MEMBER_NAME"), Like(m_edtMemberName->text()));
    q.setParam(QStringLiteral("GC_MEMBER_GROUP_CODE"), QStringLiteral("B0001"));
    q.setParam(QStringLiteral("GC_SEX_CODE"), QStringLiteral("Z0008"));
}

void TfrmEZH030::showDetails()
{
    for (const auto &[edit, fields] : std::as_const(m_details)) {
        QStringList parts;
        for (const QString &f : fields)
            if (const QString v = currentValue(f); !v.isEmpty())
                parts << v;
        edit->setText(parts.join(QLatin1Char(' ')));
    }
}

bool TfrmEZH030::takeResults()
{
    if (!currentValue(QStringLiteral("CANCEL_DATE")).isEmpty()) {
        ShowInfo(QStringLiteral("해약된 회원입니다"));
        return false;
    }
    return TfrmEZH000::takeResults();
}
