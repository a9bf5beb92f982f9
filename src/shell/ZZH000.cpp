#include "ZZH000.h"
#include "FormHelpers.h"
#include "InputColor.h"
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TfrmZZH000::TfrmZZH000(QWidget *parent) : QDialog(parent)
{
    resize(414, 149);
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    setFont(f);

    m_formLayout = new QVBoxLayout(this);
    m_formLayout->setContentsMargins(0, 0, 0, 0);
    m_formLayout->setSpacing(0);
    m_panMain = new QWidget(this);
    m_panMain->setObjectName(QStringLiteral("panMain"));
    m_formLayout->addWidget(m_panMain, 1);

    m_panButtons = new QWidget(this);
    m_panButtons->setObjectName(QStringLiteral("panButtons"));
    m_panButtons->setFixedHeight(40);
    auto *barBox = new QVBoxLayout(m_panButtons);
    barBox->setContentsMargins(0, 0, 0, 0);
    barBox->setSpacing(0);
    m_bvlButtons = new QFrame(m_panButtons);
    m_bvlButtons->setObjectName(QStringLiteral("bvlButtons"));
    m_bvlButtons->setFrameShape(QFrame::HLine);
    m_bvlButtons->setFrameShadow(QFrame::Sunken);
    barBox->addWidget(m_bvlButtons);
    m_barLayout = new QHBoxLayout;
    m_barLayout->setContentsMargins(4, 6, 4, 6);
    m_barLayout->setSpacing(4);
    barBox->addLayout(m_barLayout, 1);
    m_barLayout->addStretch(1);
    m_bbtOK = new QPushButton(QStringLiteral("확인(F10)"), m_panButtons);
    m_bbtOK->setObjectName(QStringLiteral("bbtOK"));
    m_bbtOK->setFixedSize(80, 25);
    m_bbtOK->setFocusPolicy(Qt::NoFocus); // not a tab stop
    m_bbtOK->setAutoDefault(false);
    m_bbtOK->setDefault(true);
    m_barLayout->addWidget(m_bbtOK);
    m_bbtClose = new QPushButton(QStringLiteral("종료(F12)"), m_panButtons);
    m_bbtClose->setObjectName(QStringLiteral("bbtClose"));
    m_bbtClose->setFixedSize(80, 25);
    m_bbtClose->setAutoDefault(false);
    m_barLayout->addWidget(m_bbtClose);
    m_formLayout->addWidget(m_panButtons);

    m_inputColors = new InputColorFilter(this);

    const auto ok = [this] { bbtOKClick(); };
    const auto close = [this] { bbtCloseClick(); };
    connect(m_bbtOK, &QPushButton::clicked, this, ok);
    connect(m_bbtClose, &QPushButton::clicked, this, close);
    connect(addHotkey(QStringLiteral("popHotkeyOK"), QStringLiteral("확인"), QKeySequence(Qt::Key_F10)),
            &QAction::triggered, this, ok);
    connect(addHotkey(QStringLiteral("popHotkeyClose"), QStringLiteral("종료"), QKeySequence(Qt::Key_F12)),
            &QAction::triggered, this, close);
}

bool TfrmZZH000::bbtOKClick()
{
    if (!ButtonUsable(m_bbtOK, this))
        return false;
    accept();
    return true;
}

bool TfrmZZH000::bbtCloseClick()
{
    if (!ButtonUsable(m_bbtClose, this))
        return false;
    reject();
    return true;
}

void TfrmZZH000::edtEnter(QWidget *control)
{
    SetInputColor(control, FocusColor());
}

void TfrmZZH000::edtExit(QWidget *control)
{
    SetInputColor(control, Qt::white);
}

void TfrmZZH000::watchInput(QWidget *input)
{
    m_inputColors->watch(input);
}

void TfrmZZH000::watchInputs(QWidget *root)
{
    m_inputColors->watchAll(root);
}

QAction *TfrmZZH000::addHotkey(const QString &name, const QString &text, const QKeySequence &key)
{
    return AddHotkey(this, name, text, key, Qt::WindowShortcut);
}

void TfrmZZH000::addBarButtonLeft(QWidget *button)
{
    button->setParent(m_panButtons);
    m_barLayout->insertWidget(m_leftButtons++, button);
}

void TfrmZZH000::keyPressEvent(QKeyEvent *event)
{
    // Escape is the close button's key: it obeys the same hidden-or-disabled test.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        bbtCloseClick();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
