#include "SingleInstance.h"
#include <QLocalServer>
#include <QLocalSocket>

SingleInstance::SingleInstance(const QString &baseName, QObject *parent) : QObject(parent)
{
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    m_name = baseName + QLatin1Char('_') + user;
}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

bool SingleInstance::acquire()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(500)) {
        probe.write("RAISE\n");
        probe.waitForBytesWritten(500);
        probe.disconnectFromServer();
        return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name)) {
        // A stale socket of a crashed instance: nobody answered, so take it over.
        QLocalServer::removeServer(m_name);
        if (!m_server->listen(m_name))
            return true; // run without a guard rather than not at all
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *s = m_server->nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("RAISE"))
                    emit raiseRequested();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    return true;
}
