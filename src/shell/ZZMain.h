#pragma once
#include <QIcon>
#include <QList>
#include <QMainWindow>

class QAction;
class QMenu;
class QShortcut;
class QTabWidget;

// The program's frame: a maximised window whose menu is built from the menu tables
// filtered by the employee's rights, and a tab strip in which every opened program
// (screen) lives as one tab. It re-activates a program that is already open, limits
// how many are open at once, closes the active one on F12, and tells the launcher
// when it is asked to close. Derived main windows supply CreateProgram.
class TfrmZZMain : public QMainWindow
{
    Q_OBJECT
public:
    // `caption` is the program's title; "(" + DbTitle + ")" follows it once the
    // menu is read. Without an open connection nothing is read and
    // connectionOpen() is false: the program must end without showing the window.
    explicit TfrmZZMain(const QString &caption, QWidget *parent = nullptr);
    ~TfrmZZMain() override;

    // The executable's file name without folder and extension, in upper case;
    // tests set their own (an empty text restores the default).
    static QString projectId();
    static void setProjectId(const QString &id);

    bool connectionOpen() const { return m_connectionOpen; }
    int programLimit() const { return m_programLimit; }

    // Opens a program in a new tab or re-activates its tab; true only when a new tab
    // with a screen was added.
    bool OpenProgram(const QString &caption, const QString &programId);
    // Docks a freshly created screen into the newest tab and focuses its first input.
    QWidget *DockProgram(QWidget *form);

    // The hidden F12 entry: asks the active tab's screen to close.
    void closeActiveProgram();
    // A docked screen agreed to close: its tab (and the screen with it) goes.
    void screenClosed(QWidget *form);

    int programCount() const;
    QString programIdAt(int index) const;
    QWidget *programAt(int index) const;
    int activeIndex() const;
    QTabWidget *tabs() const { return m_pgcTabs; }
    QMenu *windowMenu() const { return m_mmuMenuWindow; }

    // Tab images: 0 inactive, 1 the active program.
    static QIcon tabImage(int index);

protected:
    // Creates and docks the screen of a program ID (through DockProgram) and returns
    // it; nullptr for a program ID without a screen.
    virtual QWidget *CreateProgram(const QString &programId);

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void loadProgramLimit();
    void buildMenu();
    void refreshTabMarks();
    void updateTabsVisible();
    void propagateSize();
    int indexOfForm(const QWidget *form) const;

    QTabWidget *m_pgcTabs = nullptr;
    QWidget *m_panTabs = nullptr;
    QMenu *m_mmuMenuWindow = nullptr;
    QAction *m_mmuMenuWindowClose = nullptr;
    QShortcut *m_closeKey = nullptr;
    int m_programLimit = 10;
    bool m_connectionOpen = false;
};
