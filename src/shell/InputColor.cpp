#include "InputColor.h"
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolTip>
#include <optional>

QColor ReadOnlyColor()
{
    return QColor(128, 128, 128);
}

QColor FocusColor()
{
    return QToolTip::palette().color(QPalette::Active, QPalette::ToolTipBase);
}

namespace {
void setBase(QWidget *w, const QColor &color, bool button)
{
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, QPalette::Base, color);
        if (button)
            p.setColor(g, QPalette::Button, color);
    }
    w->setPalette(p);
}

// An input that can be read-only: plain and masked edits, memos, numeric edits.
std::optional<bool> readOnlyState(QWidget *w)
{
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->isReadOnly();
    if (auto *e = qobject_cast<QTextEdit *>(w))
        return e->isReadOnly();
    if (auto *e = qobject_cast<QPlainTextEdit *>(w))
        return e->isReadOnly();
    if (auto *e = qobject_cast<QAbstractSpinBox *>(w))
        return e->isReadOnly();
    return std::nullopt;
}
} // namespace

void SetInputColor(QWidget *control, const QColor &color)
{
    if (!control)
        return;
    if (qobject_cast<QComboBox *>(control)) {
        setBase(control, color, true);
        return;
    }
    if (const std::optional<bool> readOnly = readOnlyState(control))
        setBase(control, *readOnly ? ReadOnlyColor() : color, false);
}

void InputColorFilter::watch(QWidget *input)
{
    input->installEventFilter(this);
}

void InputColorFilter::watchAll(QWidget *root)
{
    for (QWidget *w : root->findChildren<QWidget *>()) {
        // The line edit inside a combo or spin box belongs to its owner.
        if (qobject_cast<QComboBox *>(w->parentWidget()) || qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
            continue;
        if (qobject_cast<QComboBox *>(w) || readOnlyState(w))
            watch(w);
    }
}

bool InputColorFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        SetInputColor(static_cast<QWidget *>(watched), FocusColor());
    else if (event->type() == QEvent::FocusOut)
        SetInputColor(static_cast<QWidget *>(watched), Qt::white);
    return QObject::eventFilter(watched, event);
}
