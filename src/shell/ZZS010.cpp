#include "ZZS010.h"
#include "FormHelpers.h"
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *makeButton(const QString &name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setFixedSize(80, 25);
    return b;
}
} // namespace

TfrmZZS010::TfrmZZS010(QWidget *parent) : TfrmZZI000(parent)
{
    m_panSearch = new QFrame(this);
    m_panSearch->setObjectName(QStringLiteral("panSearch"));
    m_panSearch->setFrameShape(QFrame::Panel);
    m_panSearch->setFrameShadow(QFrame::Raised);
    m_panSearch->setFixedHeight(40);
    m_searchLayout = new QHBoxLayout(m_panSearch);
    m_searchLayout->setContentsMargins(6, 4, 6, 4);
    m_searchLayout->setSpacing(6);
    m_searchLayout->addStretch(1);
    m_bbtSearch = makeButton(QStringLiteral("bbtSearch"), QStringLiteral("조회(F3)"));
    m_bbtSearch->setParent(m_panSearch);
    m_searchLayout->addWidget(m_bbtSearch);
    m_formLayout->insertWidget(0, m_panSearch);
    setSearchPanel(m_panSearch, m_bbtSearch);

    m_bbtPrint = makeButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"));
    addBarButton(m_bbtPrint);
    m_bbtPreview = makeButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"));
    addBarButton(m_bbtPreview);

    m_popHotkeySearch = addHotkey(QStringLiteral("popHotkeySearch"), QStringLiteral("조회"), QKeySequence(Qt::Key_F3));
    m_popHotkeyPrint = addHotkey(QStringLiteral("popHotkeyPrint"), QStringLiteral("출력"), QKeySequence(Qt::Key_F11));
    m_popHotkeyPreview = addHotkey(QStringLiteral("popHotkeyPreview"), QStringLiteral("미리보기"),
                                   QKeySequence(Qt::SHIFT | Qt::Key_F11));
    // Keys and buttons share one handler, so the hidden-or-disabled test holds for both.
    const auto search = [this] { bbtSearchClick(); };
    const auto print = [this] { bbtPrintClick(); };
    const auto preview = [this] { bbtPreviewClick(); };
    connect(m_bbtSearch, &QPushButton::clicked, this, search);
    connect(m_popHotkeySearch, &QAction::triggered, this, search);
    connect(m_bbtPrint, &QPushButton::clicked, this, print);
    connect(m_popHotkeyPrint, &QAction::triggered, this, print);
    connect(m_bbtPreview, &QPushButton::clicked, this, preview);
    connect(m_popHotkeyPreview, &QAction::triggered, this, preview);
}

void TfrmZZS010::addSearchField(QWidget *field)
{
    field->setParent(m_panSearch);
    m_searchLayout->insertWidget(m_searchLayout->count() - 2, field);
}

bool TfrmZZS010::bbtSearchClick()
{
    ShowStatus(QString());
    return ButtonUsable(m_bbtSearch, this);
}

bool TfrmZZS010::bbtPrintClick()
{
    ShowStatus(QString());
    return ButtonUsable(m_bbtPrint, this);
}

bool TfrmZZS010::bbtPreviewClick()
{
    ShowStatus(QString());
    return ButtonUsable(m_bbtPreview, this);
}
