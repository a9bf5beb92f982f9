#include "ZZI010.h"
#include "FormHelpers.h"
#include "StatusBar.h"
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// How far up a control may sit below panMain and still count as part of the body.
constexpr int BodyDepth = 6;

// Plain containers are walked into; any other widget (an edit, a combo, a grid) is
// one control whose inner parts follow it.
bool isContainer(const QWidget *w)
{
    const QByteArray cls = w->metaObject()->className();
    return cls == "QWidget" || cls == "QFrame" || cls == "QGroupBox" || cls == "QSplitter"
           || cls == "QStackedWidget" || cls == "QTabWidget" || cls == "QScrollArea";
}

// Labels and bevels are drawn, not operated: the mode leaves them alone.
bool isDrawnOnly(const QWidget *w)
{
    if (w->inherits("QLabel"))
        return true;
    if (const auto *f = qobject_cast<const QFrame *>(w))
        return QByteArray(w->metaObject()->className()) == "QFrame"
               && (f->frameShape() == QFrame::HLine || f->frameShape() == QFrame::VLine);
    return false;
}
} // namespace

TfrmZZI010::TfrmZZI010(QWidget *parent) : TfrmZZI000(parent)
{
    const SearchPanel searchPanel = BuildSearchPanel(this);
    m_panSearch = searchPanel.panel;
    m_searchLayout = searchPanel.layout;
    m_bbtSearch = searchPanel.bbtSearch;
    m_formLayout->insertWidget(0, m_panSearch);
    setSearchPanel(m_panSearch, m_bbtSearch);

    m_bbtSave = MakeButton(QStringLiteral("저장(F2)"), QStringLiteral("bbtSave"));
    addBarButton(m_bbtSave);
    m_bbtCancel = MakeButton(QStringLiteral("취소(F8)"), QStringLiteral("bbtCancel"));
    addBarButton(m_bbtCancel);

    m_popHotkeySearch = addHotkey(QStringLiteral("popHotkeySearch"), QStringLiteral("조회"), QKeySequence(Qt::Key_F3));
    m_popHotkeySave = addHotkey(QStringLiteral("popHotkeySave"), QStringLiteral("저장"), QKeySequence(Qt::Key_F2));
    m_popHotkeyCancel = addHotkey(QStringLiteral("popHotkeyCancel"), QStringLiteral("취소"), QKeySequence(Qt::Key_F8));
    // Keys and buttons share one handler, so the hidden-or-disabled test holds for both.
    const auto search = [this] { bbtSearchClick(); };
    const auto save = [this] { bbtSaveClick(); };
    const auto cancel = [this] { bbtCancelClick(); };
    connect(m_bbtSearch, &QPushButton::clicked, this, search);
    connect(m_popHotkeySearch, &QAction::triggered, this, search);
    connect(m_bbtSave, &QPushButton::clicked, this, save);
    connect(m_popHotkeySave, &QAction::triggered, this, save);
    connect(m_bbtCancel, &QPushButton::clicked, this, cancel);
    connect(m_popHotkeyCancel, &QAction::triggered, this, cancel);

    SetSearchMode(true);
}

void TfrmZZI010::prepareForm()
{
    SetSearchMode(m_searchMode);
}

void TfrmZZI010::addSearchField(QWidget *field)
{
    field->setParent(m_panSearch);
    m_searchLayout->insertWidget(m_searchLayout->count() - 2, field);
}

void TfrmZZI010::SetSearchMode(bool on)
{
    m_searchMode = on;
    // Walk the form's controls; a control's own parts follow it and are not set apart.
    QList<QWidget *> pending{this};
    while (!pending.isEmpty()) {
        QWidget *parentWidget = pending.takeFirst();
        for (QObject *child : parentWidget->children()) {
            auto *w = qobject_cast<QWidget *>(child);
            if (!w || w->isWindow() || w == m_stbMessage)
                continue;
            if (isContainer(w))
                pending.append(w);
            if (isDrawnOnly(w))
                continue;
            bool inBody = w->parentWidget() == m_panButtons;
            QWidget *p = w->parentWidget();
            for (int level = 1; !inBody && p && level <= BodyDepth; ++level, p = p->parentWidget())
                inBody = p == m_panMain;
            w->setEnabled(inBody ? !on : on);
        }
    }
    if (on && isVisible())
        FocusFirstInput(m_panSearch);
    m_bbtClose->setEnabled(true);
    m_panMain->setEnabled(true);
    m_panButtons->setEnabled(true);
}

void TfrmZZI010::BeginEdit()
{
    SetSearchMode(false);
    m_panMain->setFocus(Qt::OtherFocusReason);
}

bool TfrmZZI010::bbtSearchClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    BeginEdit();
    return true;
}

bool TfrmZZI010::bbtSaveClick()
{
    ShowStatus(QString());
    return ButtonUsable(m_bbtSave, this);
}

bool TfrmZZI010::bbtCancelClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtCancel, this))
        return false;
    SetSearchMode(true);
    return true;
}
