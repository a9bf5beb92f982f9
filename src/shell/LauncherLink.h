#pragma once
#include <QString>

// Tells the launcher that the main window is being closed: a local-socket message
// "Tfrm_0Main" carrying the close notice. No launcher listening means nothing is sent.
namespace LauncherLink {
// Returns true when a launcher received the notice.
bool notifyClosed();
// Tests replace the server name and count notices.
void setServerName(const QString &name);
QString serverName();
int notificationsSent();
} // namespace LauncherLink
