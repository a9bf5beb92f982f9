#pragma once
#include <QApplication>

// The application object. A database error that a screen did not handle itself
// (a lookup whose statement fails, say) is shown with the engine's message instead
// of ending the program in the middle of a desk's work.
class SportsApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
