#include "ZZI000.h"
#include "FormHelpers.h"
#include "IniFile.h"
#include "InputColor.h"
#include "SqlQuery.h"
#include "StatusBar.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include "ZZMain.h"
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
enum Panel { PanelProgram = 0, PanelMessage = 1, PanelUser = 2, PanelPlace = 3 };
constexpr int PanelPadding = 20;
} // namespace

TfrmZZI000::TfrmZZI000(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    setFont(f);
    resize(1008, 670);

    const FormFrame frame = BuildFormFrame(this);
    m_formLayout = frame.formLayout;
    m_panMain = frame.panMain;
    m_panButtons = frame.panButtons;
    m_bvlButtons = frame.bvlButtons;
    m_barLayout = frame.barLayout;
    m_bbtClose = MakeButton(QStringLiteral("종료(F12)"), QStringLiteral("bbtClose"), m_panButtons);
    m_barLayout->addWidget(m_bbtClose);

    m_stbMessage = new StatusBar(this);
    m_stbMessage->setObjectName(QStringLiteral("stbMessage"));
    m_stbMessage->addPanel(Qt::AlignHCenter, 120);
    m_stbMessage->addPanel(Qt::AlignLeft, 650);
    m_stbMessage->addPanel(Qt::AlignHCenter, 120);
    m_stbMessage->addPanel(Qt::AlignHCenter, 500);
    m_formLayout->addWidget(m_stbMessage);

    m_inputColors = new InputColorFilter(this);

    connect(m_bbtClose, &QPushButton::clicked, this, [this] { bbtCloseClick(); });
    // While docked, F12 belongs to the main window's hidden entry; a form of its own
    // window takes it itself.
    m_closeKey = addHotkey(QStringLiteral("popHotkeyClose"), QStringLiteral("종료"), QKeySequence(Qt::Key_F12));
    m_closeKey->setEnabled(isWindow());
    connect(m_closeKey, &QAction::triggered, this, [this] { bbtCloseClick(); });

    connect(this, &QObject::objectNameChanged, this, &TfrmZZI000::updateProgramId);
    m_stbMessage->setPanelText(PanelUser, QStringLiteral("사용자 : ") + Login::UserName);
    readRole();
    updateProgramId();
}

TfrmZZI000::~TfrmZZI000() = default;

QString TfrmZZI000::programId() const
{
    return ProgramIdOf(objectName());
}

void TfrmZZI000::updateProgramId()
{
    m_stbMessage->setPanelText(PanelProgram, programId());
    layoutStatusBar();
}

QString TfrmZZI000::screenIniPath()
{
    return Login::ExeDir + QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName()
           + QStringLiteral(".ini");
}

void TfrmZZI000::readRole()
{
    const IniFile ini(screenIniPath());
    const QString section = QStringLiteral("Role");
    const int type = ini.readInteger(section, QStringLiteral("Type"), 0);
    const QString code = ini.readString(section, QStringLiteral("Code"));
    const QString name = ini.readString(section, QStringLiteral("Name"));
    QString prefix;
    switch (type) {
    case 1:
        Login::WorkplaceCode = code;
        Login::WorkplaceName = name;
        prefix = QStringLiteral("사업장 - ");
        break;
    case 2:
        Login::TeamCode = code;
        Login::TeamName = name;
        prefix = QStringLiteral("팀 - ");
        break;
    case 3:
        Login::BusinessPlaceCode = code;
        Login::BusinessPlaceName = name;
        prefix = QStringLiteral("영업장 - ");
        break;
    default:
        return;
    }
    if (!name.isEmpty())
        m_stbMessage->setPanelText(PanelPlace, prefix + name);
}

void TfrmZZI000::layoutStatusBar()
{
    const auto fit = [this](int panel) {
        const QString t = m_stbMessage->panelText(panel);
        return t.isEmpty() && panel == PanelPlace ? 0 : m_stbMessage->textWidth(t) + PanelPadding;
    };
    const int w0 = fit(PanelProgram), w2 = fit(PanelUser), w3 = fit(PanelPlace);
    m_stbMessage->setPanelWidth(PanelProgram, w0);
    m_stbMessage->setPanelWidth(PanelUser, w2);
    m_stbMessage->setPanelWidth(PanelPlace, w3);
    m_stbMessage->setPanelWidth(PanelMessage, width() - w0 - w2 - w3);
}

void TfrmZZI000::ShowStatus(const QString &text)
{
    m_stbMessage->setPanelText(PanelMessage, text);
}

QString TfrmZZI000::statusText() const
{
    return m_stbMessage->panelText(PanelMessage);
}

void TfrmZZI000::SetInputColor(QWidget *control, const QColor &color)
{
    ::SetInputColor(control, color);
}

void TfrmZZI000::edtEnter(QWidget *control)
{
    ::SetInputColor(control, FocusColor());
}

void TfrmZZI000::edtExit(QWidget *control)
{
    ::SetInputColor(control, Qt::white);
}

void TfrmZZI000::watchInput(QWidget *input)
{
    m_inputColors->watch(input);
}

void TfrmZZI000::watchInputs(QWidget *root)
{
    m_inputColors->watchAll(root);
}

void TfrmZZI000::hostResized(int width, int height)
{
    resize(width, height);
}

TfrmZZMain *TfrmZZI000::host() const
{
    return isWindow() ? nullptr : qobject_cast<TfrmZZMain *>(window());
}

SqlQuery &TfrmZZI000::qryQuery()
{
    if (!m_qryQuery)
        m_qryQuery = std::make_unique<SqlQuery>(Db());
    return *m_qryQuery;
}

QAction *TfrmZZI000::addHotkey(const QString &name, const QString &text, const QKeySequence &key)
{
    return AddHotkey(this, name, text, key, Qt::WidgetWithChildrenShortcut);
}

void TfrmZZI000::addBarButton(QWidget *button)
{
    button->setParent(m_panButtons);
    m_barLayout->insertWidget(m_barLayout->indexOf(m_bbtClose), button);
}

void TfrmZZI000::addBarButtonLeft(QWidget *button)
{
    button->setParent(m_panButtons);
    m_barLayout->insertWidget(m_leftButtons++, button);
}

bool TfrmZZI000::bbtCloseClick()
{
    if (!ButtonUsable(m_bbtClose, this))
        return false;
    ShowStatus(QString());
    if (TfrmZZMain *main = host())
        main->closeActiveProgram();
    else
        close();
    return true;
}

void TfrmZZI000::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!canClose())
        return;
    // Our queries hold no cursor (results are fetched whole); dropping the main
    // query releases its cached rows.
    m_qryQuery.reset();
    TfrmZZMain *main = host();
    if (!main) {
        event->accept();
        return;
    }
    // Docked: the main window frees the tab and this form with it.
    main->screenClosed(this);
}

void TfrmZZI000::setSearchPanel(QWidget *panel, QWidget *searchButton)
{
    m_searchPanel = panel;
    m_searchButton = searchButton;
}

void TfrmZZI000::arrangeTabOrder()
{
    ArrangeTabOrder(this, [this](QWidget *w) {
        if (m_searchPanel && m_searchPanel->isAncestorOf(w))
            return w == m_searchButton ? 1 : 0;
        if (w->parentWidget() == m_panButtons) {
            const int at = m_barLayout->indexOf(w);
            return 3 + (at < 0 ? m_barLayout->count() : at);
        }
        return 2;
    });
}

void TfrmZZI000::showEvent(QShowEvent *event)
{
    if (!m_tabOrderArranged) {
        m_tabOrderArranged = true;
        arrangeTabOrder();
        prepareForm();
    }
    QWidget::showEvent(event);
}

void TfrmZZI000::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutStatusBar();
}

void TfrmZZI000::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        m_closeKey->setEnabled(isWindow());
    QWidget::changeEvent(event);
}
