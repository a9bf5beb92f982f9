#pragma once
#include <QObject>
#include <QString>

class QLocalServer;

// One client per desktop user. The first instance listens on a local socket named
// from "Talvo_E" and the user; a second start asks it to come to the front and
// ends silently.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(const QString &baseName = QStringLiteral("Talvo_E"), QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the first; otherwise the running one was asked to raise itself.
    bool acquire();
    QString serverName() const { return m_name; }

signals:
    void raiseRequested();

private:
    QString m_name;
    QLocalServer *m_server = nullptr;
};
