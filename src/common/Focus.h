#pragma once
#include <QWidget>

// The widget the Tab key would reach after `from`, passing over disabled and
// hidden widgets and `from`'s own inner parts; an inner part (the edit of a combo)
// stands for its owner. nullptr when there is none.
inline QWidget *NextTabStop(QWidget *from)
{
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (from->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled()
            || !w->isVisibleTo(from->window()))
            continue;
        QWidget *outer = w;
        while (outer->parentWidget() && outer->parentWidget()->focusProxy() == outer)
            outer = outer->parentWidget();
        return outer;
    }
    return nullptr;
}
