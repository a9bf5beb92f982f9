#include "Presenter.h"
#include "ZZC000.h"
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace {
std::unique_ptr<Presenter> &slot()
{
    static std::unique_ptr<Presenter> p = std::make_unique<WidgetPresenter>();
    return p;
}

QString displayText(const QString &text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
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
