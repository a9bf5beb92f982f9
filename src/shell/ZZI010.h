#pragma once
#include "ZZI000.h"

class QAction;
class QHBoxLayout;
class QPushButton;

// Search-and-edit screen base: a search panel `panSearch` with "조회(F3)" on top,
// "저장(F2)" and "취소(F8)" in the button bar, and two modes. In search mode the
// search conditions are usable and the body and the bar (except the close button)
// are locked; in edit mode the reverse. Created in search mode; a search switches
// to edit mode, cancel back.
class TfrmZZI010 : public TfrmZZI000
{
    Q_OBJECT
public:
    explicit TfrmZZI010(QWidget *parent = nullptr);

    // Controls inside panMain (up to six parent levels) or directly on panButtons
    // get enabled = !on, every other control enabled = on; bbtClose, panMain and
    // panButtons stay enabled. Turning search mode on puts the focus on the first
    // search condition when the form is showing.
    void SetSearchMode(bool on);
    bool isSearchMode() const { return m_searchMode; }
    // Edit mode, focus on the body.
    void BeginEdit();

    // A search condition: placed in panSearch before the search button.
    void addSearchField(QWidget *field);

    // Handlers of the buttons and their hotkeys F3, F2, F8. Each clears the message
    // line first and returns false when it ended silently because its button is
    // hidden or disabled; derived screens call the base first and stop on false.
    virtual bool bbtSearchClick();
    virtual bool bbtSaveClick();
    virtual bool bbtCancelClick();

protected:
    // The mode is applied again on first show, to the controls derived screens added.
    void prepareForm() override;

    QWidget *m_panSearch = nullptr;
    QPushButton *m_bbtSearch = nullptr;
    QPushButton *m_bbtSave = nullptr;
    QPushButton *m_bbtCancel = nullptr;
    QAction *m_popHotkeySearch = nullptr;
    QAction *m_popHotkeySave = nullptr;
    QAction *m_popHotkeyCancel = nullptr;

private:
    QHBoxLayout *m_searchLayout = nullptr;
    bool m_searchMode = true;
};
