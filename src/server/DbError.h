#pragma once
#include <QString>
#include <stdexcept>

// Every failure of the database side: an engine error carries the engine's own
// message text, a broken business rule inside a procedure carries a Korean text.
// Screens show what() after "에러내용:".
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString &message, const QString &sqlState = {})
        : std::runtime_error(message.toStdString()), m_message(message), m_sqlState(sqlState) {}
    QString message() const { return m_message; }
    // SQLSTATE (PostgreSQL) or the SQLite result code as text; empty for business rules.
    QString sqlState() const { return m_sqlState; }
private:
    QString m_message;
    QString m_sqlState;
};

class QSqlError;
// The engine's own message of a driver error, with its native code.
DbError dbErrorFrom(const QSqlError &error);
