#pragma once
#include <QString>

// The one place where SQLite and PostgreSQL differ. Nothing outside the server
// layer asks which engine it talks to; it asks the dialect for the piece it needs.
class Dialect
{
public:
    enum class Engine { Sqlite, Postgres };

    explicit Dialect(Engine engine) : m_engine(engine) {}
    Engine engine() const { return m_engine; }
    bool isPostgres() const { return m_engine == Engine::Postgres; }

    // Opening statement of a write transaction. SQLite takes the write lock at
    // once so two desks queue instead of failing on a lock upgrade.
    QString beginTransaction() const;
    // Row lock for "read the guarding row, then update it"; SQLite already holds
    // the database write lock inside a transaction.
    QString forUpdate() const;
    // Text of an auto-increment-free integer key type, for scripts.
    QString name() const { return isPostgres() ? QStringLiteral("PostgreSQL") : QStringLiteral("SQLite"); }
    // True when the engine message means the server refused for too many sessions.
    static bool isTooManyConnections(const QString &message, const QString &sqlState);

private:
    Engine m_engine;
};
