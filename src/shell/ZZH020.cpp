#include "ZZH020.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include "SqlQuery.h"
#include "StatusBar.h"
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TfrmZZH020::TfrmZZH020(QWidget *parent) : TfrmZZH010(parent)
{
    resize(519, 294);
    // Enter belongs to the grid here.
    m_bbtOK->setDefault(false);

    m_rgrGrid = new DataGrid(m_panMain);
    m_rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    m_rgrGrid->setOptions(DataGrid::RowSelect | DataGrid::ColumnSizing);
    auto *box = new QVBoxLayout(m_panMain);
    box->setContentsMargins(0, 0, 0, 0);
    box->addWidget(m_rgrGrid);
    connect(m_rgrGrid, &DataGrid::cellDoubleClicked, this, [this] { chooseCurrentRow(); });
    connect(m_rgrGrid, &DataGrid::keyDown, this, [this](QKeyEvent *event, bool &handled) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            handled = true;
            chooseCurrentRow();
        }
    });

    struct Nav { QToolButton **button; const char *name; QStyle::StandardPixmap icon; const char *hint; bool (DataGrid::*move)(); };
    const Nav navs[] = {{&m_sbtFirst, "sbtFirst", QStyle::SP_MediaSkipBackward, "처음 자료", &DataGrid::first},
                        {&m_sbtPrior, "sbtPrior", QStyle::SP_MediaSeekBackward, "앞 자료", &DataGrid::prior},
                        {&m_sbtNext, "sbtNext", QStyle::SP_MediaSeekForward, "다음 자료", &DataGrid::next},
                        {&m_sbtLast, "sbtLast", QStyle::SP_MediaSkipForward, "마지막 자료", &DataGrid::last}};
    for (const Nav &n : navs) {
        auto *b = new QToolButton;
        b->setObjectName(QLatin1String(n.name));
        b->setIcon(style()->standardIcon(n.icon));
        b->setToolTip(QString::fromUtf8(n.hint));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        addBarButtonLeft(b);
        *n.button = b;
        const auto move = n.move;
        connect(b, &QToolButton::clicked, this, [this, move] { navigate(move); });
    }

    m_stbMessage = new StatusBar(this);
    m_stbMessage->setObjectName(QStringLiteral("stbMessage"));
    m_stbMessage->addPanel(Qt::AlignHCenter, 120);
    m_stbMessage->addPanel(Qt::AlignLeft, 650);
    m_formLayout->addWidget(m_stbMessage);
    const auto showId = [this] { m_stbMessage->setPanelText(0, programId()); };
    connect(this, &QObject::objectNameChanged, this, showId);
    showId();
}

QString TfrmZZH020::programId() const
{
    return ProgramIdOf(objectName());
}

void TfrmZZH020::ShowStatus(const QString &text)
{
    m_stbMessage->setPanelText(1, text);
}

QString TfrmZZH020::statusText() const
{
    return m_stbMessage->panelText(1);
}

void TfrmZZH020::setResult(const RowSet &rows)
{
    if (m_rgrGrid->columnCount() > 0) {
        for (const QString &field : rows.fields()) {
            if (m_rgrGrid->columnOfField(field) >= 0)
                continue;
            DataGridColumn c;
            c.title = field;
            c.fieldName = field;
            c.visible = false;
            m_rgrGrid->addColumn(c);
        }
    }
    m_cdsQuery = rows;
    m_open = true;
    m_rgrGrid->fill(rows);
    m_rgrGrid->first();
}

void TfrmZZH020::openQuery()
{
    setResult(qryQuery().open());
}

void TfrmZZH020::closeQuery()
{
    m_open = false;
    m_cdsQuery = RowSet();
    m_rgrGrid->clearRows();
}

int TfrmZZH020::currentRecord() const
{
    return m_open ? m_rgrGrid->currentRow() : -1;
}

QString TfrmZZH020::currentValue(const QString &field) const
{
    const int row = currentRecord();
    const int column = m_rgrGrid->columnOfField(field);
    return row < 0 || column < 0 ? QString() : m_rgrGrid->cell(row, column);
}

bool TfrmZZH020::chooseCurrentRow()
{
    if (!m_open || m_cdsQuery.fieldCount() == 0 || currentValue(m_cdsQuery.fields().constFirst()).isEmpty())
        return false;
    return bbtOKClick();
}

bool TfrmZZH020::bbtSearchClick()
{
    ShowStatus(QString());
    return TfrmZZH010::bbtSearchClick();
}

bool TfrmZZH020::bbtOKClick()
{
    ShowStatus(QString());
    return TfrmZZH010::bbtOKClick();
}

bool TfrmZZH020::bbtCloseClick()
{
    ShowStatus(QString());
    return TfrmZZH010::bbtCloseClick();
}

void TfrmZZH020::navigate(bool (DataGrid::*move)())
{
    if (m_open)
        (m_rgrGrid->*move)();
}
