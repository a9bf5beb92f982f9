#include "Startup.h"
#include "SingleInstance.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QApplication>
#include <QMainWindow>

int runSports(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance guard;
    if (!guard.acquire())
        return 0; // the running instance raises itself
    app.setApplicationName(AppTitle());
    app.setApplicationDisplayName(AppTitle());

    TfrmZZD000 dataModule;
    const QStringList args = app.arguments().mid(1);
    if (!dataModule.start(args) || !dataModule.isConnected())
        return 1;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("스포츠관리"));
    QObject::connect(&guard, &SingleInstance::raiseRequested, &window, [&window] {
        window.showMaximized();
        window.raise();
        window.activateWindow();
    });
    window.showMaximized();
    const int rc = app.exec();
    dataModule.CloseConnection();
    return rc;
}
