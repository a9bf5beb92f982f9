#include "LauncherLink.h"
#include <QLocalSocket>

namespace {
QString s_name = QStringLiteral("Tfrm_0Main");
int s_sent = 0;
} // namespace

bool LauncherLink::notifyClosed()
{
    ++s_sent;
    QLocalSocket socket;
    socket.connectToServer(s_name);
    if (!socket.waitForConnected(200))
        return false;
    socket.write("CLOSED 1924\n"); // WM_USER+900 on the launcher's side
    socket.waitForBytesWritten(200);
    socket.disconnectFromServer();
    return true;
}

void LauncherLink::setServerName(const QString &name)
{
    s_name = name;
}

QString LauncherLink::serverName()
{
    return s_name;
}

int LauncherLink::notificationsSent()
{
    return s_sent;
}
