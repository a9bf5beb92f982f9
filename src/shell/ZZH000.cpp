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

    const FormFrame frame = BuildFormFrame(this);
    m_formLayout = frame.formLayout;
    m_panMain = frame.panMain;
    m_panButtons = frame.panButtons;
    m_bvlButtons = frame.bvlButtons;
    m_barLayout = frame.barLayout;
    m_bbtOK = MakeButton(QStringLiteral("확인(F10)"), QStringLiteral("bbtOK"), m_panButtons);
    m_bbtOK->setFocusPolicy(Qt::NoFocus); // not a tab stop
    m_bbtOK->setAutoDefault(false);
    m_bbtOK->setDefault(true);
    m_barLayout->addWidget(m_bbtOK);
    m_bbtClose = MakeButton(QStringLiteral("종료(F12)"), QStringLiteral("bbtClose"), m_panButtons);
    m_bbtClose->setAutoDefault(false);
    m_barLayout->addWidget(m_bbtClose);

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
