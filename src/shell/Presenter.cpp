#include "Presenter.h"
#include "ZZC000.h"
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

namespace {
QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

// With SPORTS_MESSAGES_TO_STDERR=1 the program runs unattended: every text goes to
// stderr instead of a modal box, questions are answered No, no dialog opens.
class StderrPresenter : public Presenter
{
public:
    void message(Icon icon, const QString &text) override
    {
        write(icon == Icon::Error ? "error" : "info", text);
    }
    bool ask(const QString &text) override
    {
        write("question", text);
        return false;
    }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    bool openDocument(const QString &) override { return false; }

private:
    static void write(const char *kind, const QString &text)
    {
        std::fprintf(stderr, "[%s] %s\n", kind, displayText(text).toUtf8().constData());
        std::fflush(stderr);
    }
};

std::unique_ptr<Presenter> &slot()
{
    static std::unique_ptr<Presenter> p = qEnvironmentVariableIntValue("SPORTS_MESSAGES_TO_STDERR") == 1
                                              ? std::unique_ptr<Presenter>(std::make_unique<StderrPresenter>())
                                              : std::make_unique<WidgetPresenter>();
    return p;
}
} // namespace

Presenter &Presenter::current()
{
    return *slot();
}

std::unique_ptr<Presenter> Presenter::install(std::unique_ptr<Presenter> presenter)
{
    std::unique_ptr<Presenter> old = std::move(slot());
    slot() = std::move(presenter);
    return old;
}

void WidgetPresenter::message(Icon icon, const QString &text)
{
    QMessageBox box(icon == Icon::Error ? QMessageBox::Critical : QMessageBox::Information, AppTitle(),
                    displayText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool WidgetPresenter::ask(const QString &text)
{
    QMessageBox box(QMessageBox::Question, AppTitle(), displayText(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetPresenter::saveFileName(const QString &caption, const QString &suggested, const QString &filter)
{
    // The overwrite question is the caller's, with the program's own text.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggested, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool WidgetPresenter::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
