#include "EZH000.h"
#include "DataGrid.h"
#include "DbError.h"
#include "FormHelpers.h"
#include "SportsGrid.h"
#include "SqlQuery.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TfrmEZH000::TfrmEZH000(QWidget *parent) : TfrmZZH020(parent)
{
    m_rgrGrid->setColors(SportsGridColors());
}

QString TfrmEZH000::Like(const QString &text)
{
    return QLatin1Char('%') + text + QLatin1Char('%');
}

DataGridColumn TfrmEZH000::column(const QString &field, const QString &title, int width)
{
    DataGridColumn c;
    c.fieldName = field;
    c.title = title;
    c.width = width;
    return c;
}

void TfrmEZH000::setGridColumns(const QVector<DataGridColumn> &columns)
{
    m_rgrGrid->setColumns(columns);
}

DataGrid *TfrmEZH000::addDetailGrid(const QVector<DataGridColumn> &columns, const QString &keyField, const QString &sql,
                                     const std::function<QVariantHash(const QString &key)> &params)
{
    auto *detail = new DataGrid(m_panMain);
    detail->setObjectName(QStringLiteral("rgrDetailGrid"));
    detail->setOptions(DataGrid::RowSelect | DataGrid::ColumnSizing);
    detail->setColumns(columns);
    detail->setColors(m_rgrGrid->colors());
    m_panMain->layout()->addWidget(detail);
    connect(m_rgrGrid, &DataGrid::rowChange, detail, [this, detail, keyField, sql, params] {
        detail->clearRows();
        const QString key = currentValue(keyField);
        if (key.isEmpty())
            return;
        try {
            detail->fill(SqlQuery::select(Db(), sql, params(key)));
        } catch (const DbError &e) {
            ShowError(e.message());
        }
    });
    return detail;
}

QLineEdit *TfrmEZH000::addSearchInput(const QString &name, const QString &label)
{
    if (!label.isEmpty())
        addSearchField(new QLabel(label));
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    addSearchField(edit);
    edit->installEventFilter(this);
    watchInput(edit);
    if (!m_inputs.isEmpty())
        setTabOrder(m_inputs.constLast(), edit);
    setTabOrder(edit, m_bbtSearch);
    m_inputs << edit;
    return edit;
}

bool TfrmEZH000::searchesOnShow() const
{
    return !m_inputs.isEmpty() && !m_inputs.constFirst()->text().isEmpty();
}

void TfrmEZH000::showEvent(QShowEvent *event)
{
    TfrmZZH020::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    if (!m_inputs.isEmpty())
        m_inputs.constFirst()->setFocus();
    // Searched once the dialog is on screen, so that a "nothing found" box has its owner.
    if (searchesOnShow())
        QTimer::singleShot(0, this, [this] { bbtSearchClick(); });
}

bool TfrmEZH000::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    closeQuery();
    setParams();
    try {
        openQuery();
    } catch (const DbError &e) {
        ShowError(e.message());
        return false;
    }
    if (m_rgrGrid->rowCount() > 0) {
        m_rgrGrid->setFocus();
    } else {
        ShowInfo(QStringLiteral("조회할 내용이 없습니다."));
        if (m_refocusOnEmpty && !m_inputs.isEmpty())
            m_inputs.constFirst()->setFocus();
    }
    return TfrmZZH020::bbtSearchClick();
}

bool TfrmEZH000::takeResults()
{
    for (const QString &field : std::as_const(m_resultFields))
        m_result.insert(field, currentValue(field));
    return true;
}

bool TfrmEZH000::bbtOKClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtOK, this))
        return false;
    m_result.clear();
    if (!isQueryOpen() || currentRecord() < 0)
        return false; // nothing to choose: the dialog stays open
    if (!takeResults()) {
        m_result.clear();
        return false;
    }
    return TfrmZZH020::bbtOKClick();
}

bool TfrmEZH000::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            // Next input; buttons other than the search button are passed over once.
            focusNextChild();
            QWidget *focused = focusWidget();
            if (qobject_cast<QPushButton *>(focused) && focused != m_bbtSearch) {
                focusNextChild();
                focused = focusWidget();
            }
            if (focused == m_bbtSearch)
                bbtSearchClick();
            return true;
        }
    }
    return TfrmZZH020::eventFilter(watched, event);
}
