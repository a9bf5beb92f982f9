#include "FormHelpers.h"
#include <QAbstractButton>
#include <QAction>
#include <QWidget>
#include <algorithm>
#include <numeric>

QString ProgramIdOf(const QString &formName)
{
    return formName.mid(3);
}

bool ButtonUsable(const QAbstractButton *button, const QWidget *form)
{
    return button && button->isVisibleTo(form) && button->isEnabled();
}

bool FocusFirstInput(QWidget *container)
{
    if (!container)
        return false;
    for (QWidget *w = container->nextInFocusChain(); w && w != container; w = w->nextInFocusChain()) {
        if (!container->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(container)) {
            w->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

QAction *AddHotkey(QWidget *owner, const QString &name, const QString &text, const QKeySequence &key,
                   Qt::ShortcutContext context)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(name);
    action->setShortcut(key);
    action->setShortcutContext(context);
    owner->addAction(action);
    return action;
}

namespace {
bool takesTab(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->isWindow();
}

// The outermost Tab-focus widgets of a form, in their present chain order.
QList<QWidget *> tabStops(QWidget *form)
{
    QList<QWidget *> out;
    for (QWidget *w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain()) {
        if (!form->isAncestorOf(w) || !takesTab(w) || out.contains(w))
            continue;
        QWidget *outer = w;
        for (QWidget *p = w->parentWidget(); p && p != form; p = p->parentWidget())
            if (takesTab(p) || p->focusProxy())
                outer = p;
        if (!out.contains(outer))
            out.append(outer);
    }
    return out;
}
} // namespace

void ArrangeTabOrder(QWidget *form, const std::function<int(QWidget *)> &rank)
{
    QList<QWidget *> order = tabStops(form);
    QList<int> ranks;
    for (QWidget *w : order)
        ranks.append(rank(w));
    QList<qsizetype> index(order.size());
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](qsizetype a, qsizetype b) { return ranks.at(a) < ranks.at(b); });
    for (qsizetype i = 1; i < index.size(); ++i)
        QWidget::setTabOrder(order.at(index.at(i - 1)), order.at(index.at(i)));
}
