#include "Session.h"
#include "DbError.h"
#include "OracleFunctions.h"
#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt s_connectionCounter;
} // namespace

DbError dbErrorFrom(const QSqlError &error)
{
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.text().trimmed();
    return DbError(text, error.nativeErrorCode());
}

Session::Session(const ConnectionSettings &settings)
    : m_settings(settings), m_dialect(settings.engine),
      m_connectionName(QStringLiteral("sports-%1").arg(s_connectionCounter.fetchAndAddRelaxed(1)))
{
}

Session::~Session()
{
    close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Session::open()
{
    if (isOpen())
        return;
    if (!m_db.isValid()) {
        m_db = QSqlDatabase::addDatabase(m_dialect.isPostgres() ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE"),
                                         m_connectionName);
    }
    if (m_dialect.isPostgres()) {
        m_db.setHostName(m_settings.host);
        m_db.setPort(m_settings.port);
        m_db.setDatabaseName(m_settings.database);
        m_db.setUserName(m_settings.user);
        m_db.setPassword(m_settings.password);
        m_db.setConnectOptions(QStringLiteral("connect_timeout=10;application_name=sports"));
    } else {
        if (m_settings.file.isEmpty())
            throw DbError(QStringLiteral("SQLite database file is not configured"));
        m_db.setDatabaseName(m_settings.file);
        // Several desks on one machine wait for each other's write lock.
        m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=15000"));
    }
    if (!m_db.open())
        throw dbErrorFrom(m_db.lastError());
    m_inTransaction = false;
    if (m_dialect.isPostgres()) {
        execute(QStringLiteral("SET client_encoding TO 'UTF8'"));
    } else {
        execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        execute(QStringLiteral("PRAGMA foreign_keys=ON"));
        OracleFunctions::registerOnSqlite(m_db);
    }
}

void Session::close()
{
    if (m_db.isValid() && m_db.isOpen()) {
        if (m_inTransaction)
            rollback();
        m_db.close();
    }
    m_inTransaction = false;
}

bool Session::isOpen() const
{
    return m_db.isValid() && m_db.isOpen();
}

bool Session::startTransaction()
{
    if (m_inTransaction)
        return false;
    execute(m_dialect.beginTransaction());
    m_inTransaction = true;
    return true;
}

void Session::commit()
{
    if (!m_inTransaction)
        return;
    try {
        execute(QStringLiteral("COMMIT"));
    } catch (...) {
        // A failed commit leaves no usable transaction behind on either engine.
        m_inTransaction = false;
        try { execute(QStringLiteral("ROLLBACK")); } catch (...) {}
        throw;
    }
    m_inTransaction = false;
}

void Session::rollback()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    execute(QStringLiteral("ROLLBACK"));
}

void Session::execute(const QString &sql)
{
    if (!isOpen())
        throw DbError(QStringLiteral("not connected to the database"));
    QSqlQuery q(m_db);
    if (!q.exec(sql))
        throw dbErrorFrom(q.lastError());
}

Transaction::~Transaction()
{
    if (m_owner && !m_done) {
        try { m_session.rollback(); } catch (...) {}
    }
}

void Transaction::commit()
{
    m_done = true;
    if (m_owner)
        m_session.commit();
}
