#pragma once
#include "Dialect.h"
#include <QSqlDatabase>
#include <QString>

// Where a session connects to. An alias of databases.ini resolves to one of these.
struct ConnectionSettings
{
    Dialect::Engine engine = Dialect::Engine::Sqlite;
    QString file;      // SQLite database file
    QString host;      // PostgreSQL
    int port = 5432;
    QString database;
    QString user;
    QString password;
};

// One database connection with its dialect and transaction state. The client
// process owns exactly one (through the data module); tests open several to play
// several desks.
class Session
{
public:
    explicit Session(const ConnectionSettings &settings);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    // Throws DbError with the engine's message when the connection fails.
    void open();
    void close();
    bool isOpen() const;

    const Dialect &dialect() const { return m_dialect; }
    const ConnectionSettings &settings() const { return m_settings; }
    QSqlDatabase &database() { return m_db; }

    // Starts a transaction when none is active; returns true when it started one.
    bool startTransaction();
    bool inTransaction() const { return m_inTransaction; }
    void commit();
    void rollback();

    // Runs a statement without parameters (DDL, script lines). Throws DbError.
    void execute(const QString &sql);

private:
    ConnectionSettings m_settings;
    Dialect m_dialect;
    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_inTransaction = false;
};

// Commits explicitly; rolls back when it goes out of scope uncommitted. Joins a
// transaction that is already active without owning it.
class Transaction
{
public:
    explicit Transaction(Session &session) : m_session(session), m_owner(session.startTransaction()) {}
    ~Transaction();
    void commit();
private:
    Session &m_session;
    bool m_owner;
    bool m_done = false;
};
