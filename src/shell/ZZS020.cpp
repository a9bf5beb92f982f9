#include "ZZS020.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include "Presenter.h"
#include "SqlQuery.h"
#include "XlsExport.h"
#include "ZZC000.h"
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QSplitter>
#include <QToolButton>

TfrmZZS020::TfrmZZS020(QWidget *parent) : TfrmZZS010(parent)
{
    auto *body = new QHBoxLayout(m_panMain);
    body->setContentsMargins(0, 0, 0, 0);
    m_splSplitter = new QSplitter(Qt::Horizontal, m_panMain);
    m_splSplitter->setObjectName(QStringLiteral("splSplitter"));
    body->addWidget(m_splSplitter);
    m_rgrGrid = new DataGrid(m_splSplitter);
    m_rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    m_rgrGrid->setOptions(DataGrid::RowSelect | DataGrid::ColumnMoving | DataGrid::ColumnSizing
                          | DataGrid::EnterMovesNext);
    m_panInfo = new QWidget(m_splSplitter);
    m_panInfo->setObjectName(QStringLiteral("panInfo"));
    m_panInfo->hide();
    m_splSplitter->setStretchFactor(0, 1);

    m_popGrid = new QMenu(this);
    m_popGrid->setObjectName(QStringLiteral("popGrid"));
    for (QWidget *w : {static_cast<QWidget *>(m_rgrGrid), static_cast<QWidget *>(m_rgrGrid->horizontalHeader())}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint &pos) {
            if (!m_popGrid->isEmpty())
                m_popGrid->popup(w == m_rgrGrid ? m_rgrGrid->viewport()->mapToGlobal(pos) : w->mapToGlobal(pos));
        });
    }

    // Navigation at the left of the bar, as flat buttons that take no focus.
    struct Nav { QToolButton **button; const char *name; const char *glyph; const char *hint; bool (DataGrid::*move)(); };
    const Nav navs[] = {
        {&m_sbtFirst, "sbtFirst", "|◀", "처음 자료", &DataGrid::first},
        {&m_sbtPrior, "sbtPrior", "◀", "앞 자료", &DataGrid::prior},
        {&m_sbtNext, "sbtNext", "▶", "다음 자료", &DataGrid::next},
        {&m_sbtLast, "sbtLast", "▶|", "마지막 자료", &DataGrid::last},
    };
    for (const Nav &n : navs) {
        auto *b = new QToolButton;
        b->setObjectName(QLatin1String(n.name));
        b->setText(QString::fromUtf8(n.glyph));
        b->setToolTip(QString::fromUtf8(n.hint));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(25, 25);
        addBarButtonLeft(b);
        connect(b, &QToolButton::clicked, this, [this, move = n.move] {
            if (m_dataOpen)
                (m_rgrGrid->*move)();
        });
        *n.button = b;
    }

    // "Excel" comes first in the bar's tab order: print and preview move behind it.
    m_bbtExcel = new QPushButton(QStringLiteral("Excel"));
    m_bbtExcel->setObjectName(QStringLiteral("bbtExcel"));
    m_bbtExcel->setFixedSize(80, 25);
    addBarButton(m_bbtExcel);
    for (QPushButton *b : {m_bbtPrint, m_bbtPreview}) {
        b->setParent(nullptr);
        addBarButton(b);
        b->show();
    }
    m_popHotkeyExcel = addHotkey(QStringLiteral("popHotkeyExcel"), QStringLiteral("Excel"),
                                 QKeySequence(Qt::CTRL | Qt::Key_F11));
    connect(m_bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    connect(m_popHotkeyExcel, &QAction::triggered, this, [this] { bbtExcelClick(); });
}

void TfrmZZS020::openData()
{
    closeData();
    m_cdsQuery = qryQuery().open();
    m_dataOpen = true;
    m_rgrGrid->fill(m_cdsQuery);
    if (m_rgrGrid->rowCount() > 0)
        m_rgrGrid->setCurrentRow(0);
}

void TfrmZZS020::closeData()
{
    m_dataOpen = false;
    m_cdsQuery = RowSet();
    m_rgrGrid->clearRows();
}

bool TfrmZZS020::bbtSearchClick()
{
    if (!TfrmZZS010::bbtSearchClick())
        return false;
    rebuildColumnMenu();
    return true;
}

void TfrmZZS020::rebuildColumnMenu()
{
    m_popGrid->clear();
    for (int i = 0; i < m_rgrGrid->columnCount(); ++i) {
        QAction *a = m_popGrid->addAction(m_rgrGrid->column(i).title);
        a->setCheckable(true);
        a->setChecked(m_rgrGrid->isColumnVisible(i));
        connect(a, &QAction::toggled, this, [this, i](bool on) { m_rgrGrid->setColumnVisible(i, on); });
    }
}

QString TfrmZZS020::ExportToExcel()
{
    if (!m_dataOpen) {
        ShowStatus(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        return {};
    }
    // Rows are read where they stand: the current row stays as it was.
    return ExportGridToExcel(*m_rgrGrid, windowTitle(), programId(), [this](const QString &t) { ShowStatus(t); });
}

bool TfrmZZS020::bbtExcelClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtExcel, this))
        return false;
    QString written;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restore = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        written = ExportToExcel();
    }
    if (!written.isEmpty()
        && AskYesNo(QStringLiteral("저장한 파일(") + QFileInfo(written).fileName() + QStringLiteral(")을 Excel로 불러올까요?")))
        Presenter::current().openDocument(written);
    return true;
}
