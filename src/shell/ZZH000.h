#pragma once
#include <QColor>
#include <QDialog>

class QAction;
class QFrame;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;
class InputColorFilter;

// Frame of the modal pickers: body panel `panMain`, bottom bar `panButtons` with
// "확인(F10)" (the default button) and "종료(F12)" (Escape). A picker hands its
// results back in fields of its own, which the opener reads after an OK.
class TfrmZZH000 : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmZZH000(QWidget *parent = nullptr);

    // OK and close, from the buttons and from F10 / F12 / Escape. Each returns false
    // when it ended silently because its button is hidden or disabled.
    virtual bool bbtOKClick();
    virtual bool bbtCloseClick();

    // Input colours as on the hosted screens (InputColor.h).
    void edtEnter(QWidget *control);
    void edtExit(QWidget *control);
    void watchInput(QWidget *input);
    void watchInputs(QWidget *root);

protected:
    // An invisible hotkey entry of the dialog.
    QAction *addHotkey(const QString &name, const QString &text, const QKeySequence &key);
    // Navigation buttons of derived dialogs go to the left end of the bar.
    void addBarButtonLeft(QWidget *button);

    void keyPressEvent(QKeyEvent *event) override;

    QVBoxLayout *m_formLayout = nullptr; // panMain, panButtons (top to bottom)
    QWidget *m_panMain = nullptr;
    QWidget *m_panButtons = nullptr;
    QFrame *m_bvlButtons = nullptr;
    QPushButton *m_bbtOK = nullptr;
    QPushButton *m_bbtClose = nullptr;

private:
    QHBoxLayout *m_barLayout = nullptr;
    int m_leftButtons = 0;
    InputColorFilter *m_inputColors = nullptr;
};
