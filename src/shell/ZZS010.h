#pragma once
#include "ZZI000.h"

class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;

// Base of the inquiry-and-print screens: a search panel `panSearch` with
// "조회(F3)", and "출력(F11)" and "미리보기" (Shift+F11) in the button bar.
// Screens extend the handlers: the search opens the result, print and preview
// hand it to a print template.
class TfrmZZS010 : public TfrmZZI000
{
    Q_OBJECT
public:
    explicit TfrmZZS010(QWidget *parent = nullptr);

    // A search condition: placed in panSearch before the search button.
    void addSearchField(QWidget *field);

    // Each clears the message line and returns false when it ended silently
    // because its button is hidden or disabled; derived screens call the base
    // first and stop on false. The hotkeys call the same handlers.
    virtual bool bbtSearchClick();
    virtual bool bbtPrintClick();
    virtual bool bbtPreviewClick();

protected:
    QFrame *m_panSearch = nullptr;
    QPushButton *m_bbtSearch = nullptr;
    QPushButton *m_bbtPrint = nullptr;
    QPushButton *m_bbtPreview = nullptr;
    QAction *m_popHotkeySearch = nullptr;
    QAction *m_popHotkeyPrint = nullptr;
    QAction *m_popHotkeyPreview = nullptr;

private:
    QHBoxLayout *m_searchLayout = nullptr;
};
