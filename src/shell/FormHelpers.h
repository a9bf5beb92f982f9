#pragma once
#include <QKeySequence>
#include <QString>
#include <functional>

class QAbstractButton;
class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class QWidget;

// Small pieces the screen and dialog bases share.

// The program ID of a form: its object name from the 4th character on
// ("frmEBI040" gives "EBI040").
QString ProgramIdOf(const QString &formName);

// A button handler runs only when its button would be visible in its form and is
// enabled; otherwise the handler and its hotkey end silently.
bool ButtonUsable(const QAbstractButton *button, const QWidget *form);

// Moves the focus to the first input below `container` that takes focus by the
// Tab key, as a Tab press into the container would. Returns false when there is none.
bool FocusFirstInput(QWidget *container);

// Orders the Tab chain of a form by rank (lower first; equal ranks keep their
// present order). Compound inputs (a combo box with its edit, a grid with its
// viewport) move as one and are ranked by their outer widget.
void ArrangeTabOrder(QWidget *form, const std::function<int(QWidget *)> &rank);

// An invisible hotkey entry of a form: an action on `owner` that is never shown
// in a menu; its key works while the focus is inside `owner` (context chosen by
// the caller).
QAction *AddHotkey(QWidget *owner, const QString &name, const QString &text, const QKeySequence &key,
                   Qt::ShortcutContext context);

// The frame screens and pickers share: the body panel `panMain` over the bottom
// bar `panButtons` (a top bevel and a right-aligned row of buttons).
struct FormFrame
{
    QVBoxLayout *formLayout;
    QWidget *panMain;
    QWidget *panButtons;
    QFrame *bvlButtons;
    QHBoxLayout *barLayout; // buttons go after its leading stretch
};
FormFrame BuildFormFrame(QWidget *form);

// The raised search panel `panSearch` with "조회(F3)" at its right; conditions go
// before the stretch. The caller places the panel.
struct SearchPanel
{
    QFrame *panel;
    QHBoxLayout *layout;
    QPushButton *bbtSearch;
};
SearchPanel BuildSearchPanel(QWidget *form);

// A bar or panel button of the standard size.
QPushButton *MakeButton(const QString &text, const QString &objectName, QWidget *parent = nullptr);
