#pragma once
#include <QColor>
#include <QObject>

class QWidget;

// Input colouring shared by the hosted screens and the pickers: the focused input
// takes the tooltip background, a left input turns white, and a read-only edit is
// always grey so that the user sees at once that it cannot be typed into.

// RGB(128,128,128): the colour of read-only edits.
QColor ReadOnlyColor();
// The platform's "info background" (tooltip base) colour.
QColor FocusColor();

// Line edits and text edits get ReadOnlyColor() when read-only and `color`
// otherwise; combo boxes always get `color`; other widgets are left alone.
void SetInputColor(QWidget *control, const QColor &color);

// Applies FocusColor() on focus-in and white on focus-out to the inputs it is
// installed on (the screens' edtEnter / edtExit handlers).
class InputColorFilter : public QObject
{
    Q_OBJECT
public:
    explicit InputColorFilter(QObject *parent = nullptr) : QObject(parent) {}
    // Installs the filter on one input.
    void watch(QWidget *input);
    // Installs it on every line edit, text edit and combo box below `root`.
    void watchAll(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
