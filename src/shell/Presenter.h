#pragma once
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

// Every message box, file dialog, "open with the spreadsheet program" and print
// hand-off of the program goes through the one presenter, so tests replace it
// with a scripted one that records texts and answers questions.
class Presenter
{
public:
    enum class Icon { Information, Error, Question };
    virtual ~Presenter() = default;

    // Texts are kept exactly, with their \r; the presenter shows \r as a line break.
    virtual void message(Icon icon, const QString &text) = 0;
    virtual bool ask(const QString &text) = 0;
    // Save-file dialog; empty when cancelled.
    virtual QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) = 0;
    // Opens a file with the program the desktop associates with it.
    virtual bool openDocument(const QString &path) = 0;

    static Presenter &current();
    // Installs a presenter (tests); returns the previous one.
    static std::unique_ptr<Presenter> install(std::unique_ptr<Presenter> presenter);
};

// The desktop presenter: modal QMessageBox captioned with the application title.
class WidgetPresenter : public Presenter
{
public:
    void message(Icon icon, const QString &text) override;
    bool ask(const QString &text) override;
    QString saveFileName(const QString &caption, const QString &suggested, const QString &filter) override;
    bool openDocument(const QString &path) override;
};
