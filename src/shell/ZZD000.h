#pragma once
#include "Session.h"
#include <QObject>
#include <QStringList>
#include <memory>
#include <optional>

// The data module: owns the program's one database connection. The launcher's
// alias is looked up in databases.ini beside the executable; the account is the
// database user; the password comes from QVUpdate.ini or is the account name.
class TfrmZZD000 : public QObject
{
    Q_OBJECT
public:
    explicit TfrmZZD000(QObject *parent = nullptr);
    ~TfrmZZD000() override;

    static TfrmZZD000 *instance();

    // The data-module start: login values from the arguments (alias, account,
    // employee number, user name) and the connection when there are exactly four.
    // Returns false when the argument count is wrong (after the message).
    bool start(const QStringList &arguments);

    bool OpenConnection();
    void CloseConnection();
    bool isConnected() const;
    // The launcher's password, or the account name when QVUpdate.ini has none;
    // std::nullopt when the stored value is malformed (after the message).
    std::optional<QString> ReadLauncherPassword();

    QString alias() const { return m_alias; }
    QString account() const { return m_account; }
    // The connection; throws DbError when there is none.
    Session &session();
    // Tests and tools hand in a session of their own (not owned).
    void useSession(Session *session);

    // Resolves an alias of databases.ini; on failure returns false with a reason.
    static bool resolveAlias(const QString &iniPath, const QString &alias, ConnectionSettings *settings, QString *error);

private:
    std::unique_ptr<Session> m_owned;
    Session *m_session = nullptr;
    QString m_alias, m_account, m_password;
    bool m_configured = false;
    QString m_configError;
};

// The program's connection, as every screen and lookup reaches it.
Session &Db();
