#include "EZS000.h"
#include "DataGrid.h"
#include "DbError.h"
#include "Focus.h"
#include "FormHelpers.h"
#include "SportsGrid.h"
#include "SqlQuery.h"
#include "WaitCursor.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include "ZZP010.h"
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

TfrmEZS000::TfrmEZS000(QWidget *parent) : TfrmZZS020(parent)
{
    m_bbtCancel = new QPushButton(QStringLiteral("취소(F8)"));
    m_bbtCancel->setObjectName(QStringLiteral("bbtCancel"));
    m_bbtCancel->setFixedSize(80, 25);
    addBarButton(m_bbtCancel);
    m_popHotkeyCencel = addHotkey(QStringLiteral("popHotkeyCencel"), QStringLiteral("취소"), QKeySequence(Qt::Key_F8));
    connect(m_bbtCancel, &QPushButton::clicked, this, [this] { bbtCancelClick(); });
    connect(m_popHotkeyCencel, &QAction::triggered, m_bbtCancel, &QPushButton::click);

    m_rgrGrid->setColors(SportsGridColors());
    m_rgrGrid->setFooterVisible(true);
    m_searchDate = TodayText();
}

TfrmEZS000::~TfrmEZS000() = default;

SqlQuery &TfrmEZS000::qryFooter()
{
    if (!m_qryFooter)
        m_qryFooter = std::make_unique<SqlQuery>(Db());
    return *m_qryFooter;
}

void TfrmEZS000::ResetFooter()
{
    for (int c = 1; c < m_rgrGrid->columnCount(); ++c)
        m_rgrGrid->setFooterText(c, QStringLiteral("0"));
}

bool TfrmEZS000::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    QWidget *starter = focusWidget();
    try {
        WaitCursor wait;
        openData();
        ResetFooter();
    } catch (const DbError &e) {
        ResetFooter();
        ShowError(e.message());
        return false;
    }
    if (m_rgrGrid->rowCount() > 0) {
        m_rgrGrid->setFocus();
    } else {
        ShowInfo(QStringLiteral("조회할 내용이 없습니다."));
        if (QWidget *next = starter && isAncestorOf(starter) ? NextTabStop(starter) : nullptr)
            next->setFocus(Qt::TabFocusReason);
    }
    return TfrmZZS020::bbtSearchClick();
}

bool TfrmEZS000::bbtCancelClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtCancel, this))
        return false;
    closeData();
    ResetFooter();
    FocusFirstInput(m_panSearch);
    return true;
}

bool TfrmEZS000::bbtPrintClick()
{
    return PrintOut(false);
}

bool TfrmEZS000::bbtPreviewClick()
{
    return PrintOut(true);
}

bool TfrmEZS000::PrintOut(bool preview)
{
    // Print and preview share the print button's rule.
    if (!TfrmZZS010::bbtPrintClick())
        return false;
    std::unique_ptr<TfrmZZP010> report = CreateReport();
    if (!report)
        return false;
    try {
        WaitCursor wait;
        report->copyQuery(qryQuery());
        report->openData();
    } catch (const DbError &e) {
        ShowError(e.message());
        return false;
    }
    return preview ? report->Preview(this) : report->Print();
}

QString TfrmEZS000::ConditionText(const QString &label, const QString &value)
{
    return label + QStringLiteral(": ") + value;
}

QString TfrmEZS000::ConditionLine(const QStringList &conditions)
{
    return conditions.join(QStringLiteral("   "));
}

void TfrmEZS000::addCondition(QWidget *condition)
{
    addSearchField(condition);
    condition->installEventFilter(this);
    watchInput(condition);
}

void TfrmEZS000::WatchDatePicker(QDateEdit *picker)
{
    m_dtpDate = picker;
    watchInput(picker);
    picker->setDate(QDate::currentDate());
    m_searchDate = TodayText();
    connect(picker, &QDateEdit::dateChanged, this, [this] {
        m_searchDate = ToCompactDate(m_dtpDate->date().toString(QStringLiteral("yyyy-MM-dd")));
    });
}

void TfrmEZS000::showEvent(QShowEvent *event)
{
    if (!m_dtpDate)
        if (auto *picker = findChild<QDateEdit *>(QStringLiteral("dtpDate")))
            WatchDatePicker(picker);
    TfrmZZS020::showEvent(event);
}

bool TfrmEZS000::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            focusNextChild();
            if (focusWidget() == m_bbtSearch)
                m_bbtSearch->click();
            return true;
        }
    }
    return TfrmZZS020::eventFilter(watched, event);
}
