#include "Startup.h"
#include "E0Main.h"
#include "SingleInstance.h"
#include "SportsApplication.h"
#include "ZZC000.h"
#include "ZZC010.h"
#include "ZZD000.h"
#include <QApplication>
#include <QFont>
#include <memory>

namespace {
// The screens name the Korean Windows fonts; NanumGothic stands in for them.
void substituteFonts()
{
    QFont::insertSubstitutions(QStringLiteral("굴림"), {QStringLiteral("NanumGothic")});
    QFont::insertSubstitutions(QStringLiteral("돋움"), {QStringLiteral("NanumGothic")});
    QFont::insertSubstitutions(QStringLiteral("굴림체"), {QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")});
}
} // namespace

int runSports(int argc, char *argv[])
{
    SportsApplication app(argc, argv);
    SingleInstance guard;
    if (!guard.acquire())
        return 0; // the running instance comes to the front; this one ends silently
    app.setApplicationName(AppTitle());
    app.setApplicationDisplayName(AppTitle());
    substituteFonts();

    // Without its picture file the splash has no shape and is never shown.
    auto splash = std::make_unique<TfrmZZC010>(app.applicationDirPath() + QStringLiteral("/MainImg.rcc"));
    if (!splash->shape().isEmpty()) {
        splash->show();
        splash->repaint();
    }

    TfrmZZD000 dataModule;
    dataModule.start(app.arguments().mid(1));

    TfrmE0Main window;
    splash.reset();
    // Without a connection (wrong arguments or a refused login, both reported
    // already) the program ends without showing the main window.
    if (!window.connectionOpen())
        return 1;
    QObject::connect(&guard, &SingleInstance::raiseRequested, &window, [&window] {
        window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
        window.show();
        window.raise();
        window.activateWindow();
    });
    window.showMaximized();
    return app.exec();
}
