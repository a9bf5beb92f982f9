#include "FormHelpers.h"
#include <QAbstractButton>
#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
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

FormFrame BuildFormFrame(QWidget *form)
{
    FormFrame f{};
    f.formLayout = new QVBoxLayout(form);
    f.formLayout->setContentsMargins(0, 0, 0, 0);
    f.formLayout->setSpacing(0);
    f.panMain = new QWidget(form);
    f.panMain->setObjectName(QStringLiteral("panMain"));
    f.formLayout->addWidget(f.panMain, 1);

    f.panButtons = new QWidget(form);
    f.panButtons->setObjectName(QStringLiteral("panButtons"));
    f.panButtons->setFixedHeight(40);
    auto *barBox = new QVBoxLayout(f.panButtons);
    barBox->setContentsMargins(0, 0, 0, 0);
    barBox->setSpacing(0);
    f.bvlButtons = new QFrame(f.panButtons);
    f.bvlButtons->setObjectName(QStringLiteral("bvlButtons"));
    f.bvlButtons->setFrameShape(QFrame::HLine);
    f.bvlButtons->setFrameShadow(QFrame::Sunken);
    barBox->addWidget(f.bvlButtons);
    f.barLayout = new QHBoxLayout;
    f.barLayout->setContentsMargins(4, 6, 4, 6);
    f.barLayout->setSpacing(4);
    barBox->addLayout(f.barLayout, 1);
    f.barLayout->addStretch(1);
    f.formLayout->addWidget(f.panButtons);
    return f;
}

SearchPanel BuildSearchPanel(QWidget *form)
{
    SearchPanel s{};
    s.panel = new QFrame(form);
    s.panel->setObjectName(QStringLiteral("panSearch"));
    s.panel->setFrameShape(QFrame::Panel);
    s.panel->setFrameShadow(QFrame::Raised);
    s.panel->setFixedHeight(40);
    s.layout = new QHBoxLayout(s.panel);
    s.layout->setContentsMargins(6, 4, 6, 4);
    s.layout->setSpacing(6);
    s.layout->addStretch(1);
    s.bbtSearch = MakeButton(QStringLiteral("조회(F3)"), QStringLiteral("bbtSearch"), s.panel);
    s.layout->addWidget(s.bbtSearch);
    return s;
}

QPushButton *MakeButton(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setFixedSize(80, 25);
    return b;
}
