#pragma once
#include <QColor>
#include <QWidget>
#include <memory>

class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class InputColorFilter;
class SqlQuery;
class StatusBar;
class TfrmZZMain;

// Base of every screen the main window docks as a tab: body panel `panMain`, bottom
// button bar `panButtons` with the close button, and the four-panel status bar
// (program ID, message line, user, the user's place). A screen closes through the
// main window while docked and by itself when shown as a window of its own; a
// closed form is freed (WA_DeleteOnClose: create screens with new). Derived screens
// set their object name ("frmEBI040") in their constructor; the program ID follows it.
class TfrmZZI000 : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmZZI000(QWidget *parent = nullptr);
    ~TfrmZZI000() override;

    // Object name from the 4th character on ("frmEBI040" gives "EBI040").
    QString programId() const;

    // Message line (status panel 1), repainted at once; an equal text changes nothing.
    void ShowStatus(const QString &text);
    QString statusText() const;

    // Input colours: see InputColor.h. edtEnter/edtExit are the focus-in and
    // focus-out handlers; watchInput binds them to an input, watchInputs to every
    // input below a widget.
    void SetInputColor(QWidget *control, const QColor &color);
    void edtEnter(QWidget *control);
    void edtExit(QWidget *control);
    void watchInput(QWidget *input);
    void watchInputs(QWidget *root);

    // The main window's resize message: the tab's width and height.
    void hostResized(int width, int height);

    // The main window hosting this form as a tab; nullptr when the form is a
    // window of its own.
    TfrmZZMain *host() const;
    bool isDocked() const { return host() != nullptr; }

    // The screen's main query on the program's connection (created on first use).
    SqlQuery &qryQuery();

    // ExeDir + the executable's base name + ".ini": the screen settings file.
    static QString screenIniPath();

    // Close button and F12. Returns false when it ended silently (button hidden or
    // disabled) or the closing was refused.
    virtual bool bbtCloseClick();

    // Buttons of derived bases: right-hand group (before the close button, in call
    // order) and left-hand group (navigation buttons).
    void addBarButton(QWidget *button);
    void addBarButtonLeft(QWidget *button);

protected:
    // Asked on every close request, docked or not; false keeps the screen open.
    virtual bool canClose() { return true; }
    // Helper for derived bases: an invisible hotkey entry working while the focus is
    // inside the form.
    QAction *addHotkey(const QString &name, const QString &text, const QKeySequence &key);

    // A base with a search panel at the top names it here: its inputs come first in
    // the Tab order, the search button last among them.
    void setSearchPanel(QWidget *panel, QWidget *searchButton);

    // Tab order on first show: search panel, body, then the button bar from left
    // to right.
    void arrangeTabOrder();
    // Runs once when the form is first shown, after the derived constructors have
    // added their controls (and after arrangeTabOrder).
    virtual void prepareForm() {}

    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

    // Panels 0 and 2 (and 3 when it has a text) fit their text plus 20 pixels; the
    // message line takes the rest of the form's width.
    void layoutStatusBar();

    QVBoxLayout *m_formLayout = nullptr; // panMain, panButtons, stbMessage (top to bottom)
    QWidget *m_panMain = nullptr;
    QWidget *m_panButtons = nullptr;
    QFrame *m_bvlButtons = nullptr;
    QPushButton *m_bbtClose = nullptr;
    StatusBar *m_stbMessage = nullptr;

private:
    void readRole();
    void updateProgramId();

    QHBoxLayout *m_barLayout = nullptr;
    QWidget *m_searchPanel = nullptr;
    QWidget *m_searchButton = nullptr;
    bool m_tabOrderArranged = false;
    int m_leftButtons = 0;
    QAction *m_closeKey = nullptr;
    InputColorFilter *m_inputColors = nullptr;
    std::unique_ptr<SqlQuery> m_qryQuery;
};
