#include "ZZMain.h"
#include "DbError.h"
#include "FormHelpers.h"
#include "IniFile.h"
#include "LauncherLink.h"
#include "SqlQuery.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include "ZZI000.h"
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QString s_projectId;

// One tab: the program ID (the tab's hint), the docked screen and its entry in
// the window menu.
class TabSheet : public QWidget
{
public:
    explicit TabSheet(const QString &programId) : programId(programId)
    {
        auto *box = new QVBoxLayout(this);
        box->setContentsMargins(0, 0, 0, 0);
        box->setSpacing(0);
    }
    QString programId;
    QPointer<QWidget> form;
    QAction *entry = nullptr;
};

QPixmap drawMark(bool active)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (active) {
        p.setPen(QPen(QColor(0, 96, 0), 1));
        p.setBrush(QColor(40, 170, 60));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        const QPointF play[] = {{6, 4.5}, {11.5, 8}, {6, 11.5}};
        p.drawPolygon(play, 3);
    } else {
        p.setPen(QPen(QColor(110, 110, 110), 1));
        p.setBrush(QColor(215, 215, 215));
        p.drawRect(QRectF(3.5, 2.5, 9, 11));
        p.setPen(QPen(QColor(140, 140, 140), 1));
        for (int y = 5; y <= 11; y += 2)
            p.drawLine(QPointF(5, y + 0.5), QPointF(11, y + 0.5));
    }
    return pm;
}
} // namespace

QIcon TfrmZZMain::tabImage(int index)
{
    static const QIcon images[2] = {QIcon(drawMark(false)), QIcon(drawMark(true))};
    return images[index == 1 ? 1 : 0];
}

QString TfrmZZMain::projectId()
{
    if (!s_projectId.isEmpty())
        return s_projectId;
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toUpper();
}

void TfrmZZMain::setProjectId(const QString &id)
{
    s_projectId = id;
}

TfrmZZMain::TfrmZZMain(const QString &caption, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmZZMain"));
    setMinimumSize(1024, 746);
    QFont f(QStringLiteral("굴림체"));
    f.setPixelSize(12);
    setFont(f);

    auto *central = new QWidget(this);
    auto *box = new QVBoxLayout(central);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    m_pgcTabs = new QTabWidget(central);
    m_pgcTabs->setObjectName(QStringLiteral("pgcTabs"));
    m_pgcTabs->setDocumentMode(true);
    box->addWidget(m_pgcTabs);
    m_panTabs = new QWidget(central);
    m_panTabs->setObjectName(QStringLiteral("panTabs"));
    m_panTabs->setAutoFillBackground(true);
    QPalette pal = m_panTabs->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Dark));
    m_panTabs->setPalette(pal);
    box->addWidget(m_panTabs);
    setCentralWidget(central);
    connect(m_pgcTabs, &QTabWidget::currentChanged, this, [this] { refreshTabMarks(); });

    menuBar()->setObjectName(QStringLiteral("mmuMenu"));
    m_mmuMenuWindow = menuBar()->addMenu(QStringLiteral("창(&W)"));
    m_mmuMenuWindow->setObjectName(QStringLiteral("mmuMenuWindow"));
    m_mmuMenuWindowClose = m_mmuMenuWindow->addAction(QStringLiteral("종료"));
    m_mmuMenuWindowClose->setObjectName(QStringLiteral("mmuMenuWindowClose"));
    m_mmuMenuWindowClose->setShortcut(QKeySequence(Qt::Key_F12));
    m_mmuMenuWindowClose->setVisible(false);
    connect(m_mmuMenuWindowClose, &QAction::triggered, this, &TfrmZZMain::closeActiveProgram);
    // A hidden menu entry takes no keys in Qt; the key is bound beside it.
    m_closeKey = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(m_closeKey, &QShortcut::activated, this, &TfrmZZMain::closeActiveProgram);

    updateTabsVisible();
    loadProgramLimit();
    m_connectionOpen = TfrmZZD000::instance() && TfrmZZD000::instance()->isConnected();
    if (m_connectionOpen)
        buildMenu();
    setWindowTitle(caption + QLatin1Char('(') + Login::DbTitle + QLatin1Char(')'));
}

TfrmZZMain::~TfrmZZMain() = default;

void TfrmZZMain::loadProgramLimit()
{
    const IniFile ini(Login::ExeDir + QStringLiteral("Main.ini"));
    m_programLimit = ini.readInteger(QStringLiteral("MAIN"), QStringLiteral("PROGRAM_COUNT"), 10);
}

void TfrmZZMain::buildMenu()
{
    try {
        Session &db = Db();
        const QString project = projectId();
        Login::DbTitle = SqlQuery::select(db,
                                          QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z9999' AND DETAIL = :P0"),
                                          {{QStringLiteral("P0"), TfrmZZD000::instance()->account().toUpper()}})
                             .scalarText();
        const RowSet groups = SqlQuery::select(
            db, QStringLiteral("SELECT MENU_ID, MENU_NAME FROM ZA040MS WHERE PROJECT_ID = :P0 AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ"),
            {{QStringLiteral("P0"), project}});
        // (programs of the employee's level UNION ALL programs added for him) EXCEPT
        // programs removed for him: both engines apply the set operators left to right.
        SqlQuery programs(db, QStringLiteral(
            "SELECT MENU_ID, PROGRAM_ID, PROGRAM_NAME FROM ZA050MS WHERE PROJECT_ID = :P0 AND MENU_ID = :P1 "
            "AND PROGRAM_ID IN (SELECT PROGRAM_ID FROM ZA140MS WHERE PROJECT_ID = :P0 AND PROJECT_LEVEL = "
            "(SELECT PROJECT_LEVEL FROM ZA130MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0) "
            "UNION ALL SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'Y' "
            "EXCEPT SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'N') "
            "AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ"));
        programs.setParam(QStringLiteral("P0"), project);
        programs.setParam(QStringLiteral("P2"), Login::EmpNo);
        for (int g = 0; g < groups.rowCount(); ++g) {
            const QString menuId = groups.text(g, QStringLiteral("MENU_ID"));
            programs.setParam(QStringLiteral("P1"), menuId);
            const RowSet &rows = programs.open();
            if (rows.isEmpty())
                continue; // a group without a permitted program does not appear
            auto *group = new QMenu(groups.text(g, QStringLiteral("MENU_NAME")), menuBar());
            group->setObjectName(QStringLiteral("mmu") + menuId);
            menuBar()->insertMenu(m_mmuMenuWindow->menuAction(), group);
            for (int r = 0; r < rows.rowCount(); ++r) {
                const QString caption = rows.text(r, QStringLiteral("PROGRAM_NAME"));
                const QString id = rows.text(r, QStringLiteral("PROGRAM_ID"));
                QAction *item = group->addAction(caption);
                item->setObjectName(QStringLiteral("mnu") + id);
                item->setData(id);
                item->setStatusTip(id);
                connect(item, &QAction::triggered, this, [this, caption, id] { OpenProgram(caption, id); });
            }
        }
    } catch (const DbError &e) {
        // Whatever was read stays usable; the user learns why the rest is missing.
        ShowError(QStringLiteral("메뉴를 읽지 못했습니다.\r\r에러내용:\r") + e.message());
    }
}

int TfrmZZMain::programCount() const
{
    return m_pgcTabs->count();
}

QString TfrmZZMain::programIdAt(int index) const
{
    auto *sheet = static_cast<TabSheet *>(m_pgcTabs->widget(index));
    return sheet ? sheet->programId : QString();
}

QWidget *TfrmZZMain::programAt(int index) const
{
    auto *sheet = static_cast<TabSheet *>(m_pgcTabs->widget(index));
    return sheet ? sheet->form.data() : nullptr;
}

int TfrmZZMain::activeIndex() const
{
    return m_pgcTabs->currentIndex();
}

int TfrmZZMain::indexOfForm(const QWidget *form) const
{
    for (int i = 0; i < m_pgcTabs->count(); ++i)
        if (form && m_pgcTabs->widget(i)->isAncestorOf(form))
            return i;
    return -1;
}

bool TfrmZZMain::OpenProgram(const QString &caption, const QString &programId)
{
    for (int i = 0; i < m_pgcTabs->count(); ++i) {
        if (programIdAt(i) == programId) {
            m_pgcTabs->setCurrentIndex(i);
            refreshTabMarks();
            return false;
        }
    }
    if (m_pgcTabs->count() == m_programLimit) {
        ShowError(QStringLiteral("최대 %1개의 프로그램만 동시에 실행할 수 있습니다.").arg(m_programLimit));
        return false;
    }
    QString text = caption;
    const int accel = int(text.indexOf(QStringLiteral("(&")));
    if (accel >= 0)
        text.truncate(accel);

    auto *sheet = new TabSheet(programId);
    const int index = m_pgcTabs->addTab(sheet, text);
    m_pgcTabs->setTabToolTip(index, programId);
    updateTabsVisible();
    m_pgcTabs->setCurrentIndex(index);

    QWidget *form = nullptr;
    try {
        form = CreateProgram(programId);
    } catch (const DbError &e) {
        // A screen that cannot read its start-up data is not opened half-way.
        ShowError(QStringLiteral("프로그램을 열지 못했습니다.\r\r에러내용:\r") + e.message());
        form = nullptr;
    }
    bool added = false;
    if (!form) {
        m_pgcTabs->removeTab(m_pgcTabs->indexOf(sheet));
        delete sheet;
        updateTabsVisible();
    } else {
        if (!sheet->isAncestorOf(form))
            DockProgram(form);
        sheet->form = form;
        sheet->entry = m_mmuMenuWindow->addAction(text);
        sheet->entry->setData(programId);
        connect(sheet->entry, &QAction::triggered, this, [this, text, programId] { OpenProgram(text, programId); });
        added = true;
    }
    refreshTabMarks();
    return added;
}

QWidget *TfrmZZMain::DockProgram(QWidget *form)
{
    auto *sheet = static_cast<TabSheet *>(m_pgcTabs->widget(m_pgcTabs->count() - 1));
    if (!sheet || !form)
        return nullptr;
    form->setParent(sheet);
    sheet->layout()->addWidget(form);
    form->show();
    FocusFirstInput(form);
    return form;
}

void TfrmZZMain::closeActiveProgram()
{
    const int index = m_pgcTabs->currentIndex();
    if (index < 0)
        return;
    QPointer<QWidget> form = programAt(index);
    if (!form)
        return;
    // A hosted screen answers by calling screenClosed itself; any other widget that
    // agrees to close is taken out here.
    if (form->close() && indexOfForm(form) >= 0)
        screenClosed(form);
}

void TfrmZZMain::screenClosed(QWidget *form)
{
    int index = indexOfForm(form);
    if (index < 0)
        index = m_pgcTabs->currentIndex();
    if (index < 0)
        return;
    auto *sheet = static_cast<TabSheet *>(m_pgcTabs->widget(index));
    delete sheet->entry;
    sheet->entry = nullptr;
    m_pgcTabs->removeTab(index);
    // The screen is still inside its close handler: free the tab (and the screen
    // with it) once that has returned.
    sheet->hide();
    sheet->deleteLater();
    updateTabsVisible();
    refreshTabMarks();
}

void TfrmZZMain::refreshTabMarks()
{
    const int active = m_pgcTabs->currentIndex();
    for (int i = 0; i < m_pgcTabs->count(); ++i) {
        const QIcon mark = tabImage(i == active ? 1 : 0);
        m_pgcTabs->setTabIcon(i, mark);
        if (QAction *entry = static_cast<TabSheet *>(m_pgcTabs->widget(i))->entry)
            entry->setIcon(mark);
    }
}

void TfrmZZMain::updateTabsVisible()
{
    const bool any = m_pgcTabs->count() > 0;
    m_pgcTabs->setVisible(any);
    m_panTabs->setVisible(!any);
}

QWidget *TfrmZZMain::CreateProgram(const QString &)
{
    return nullptr;
}

void TfrmZZMain::closeEvent(QCloseEvent *event)
{
    // Close every tab as F12 does; a screen that refuses keeps the program open.
    const int tabs = m_pgcTabs->count();
    for (int i = 0; i < tabs; ++i)
        closeActiveProgram();
    event->setAccepted(m_pgcTabs->count() == 0);
    LauncherLink::notifyClosed();
}

void TfrmZZMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    propagateSize();
}

void TfrmZZMain::propagateSize()
{
    QWidget *page = m_pgcTabs->currentWidget();
    if (!page)
        return;
    const int w = page->width(), h = page->height();
    for (int i = 0; i < m_pgcTabs->count(); ++i) {
        QWidget *form = programAt(i);
        if (auto *screen = qobject_cast<TfrmZZI000 *>(form))
            screen->hostResized(w, h);
        else if (form)
            form->resize(w, h);
    }
}
