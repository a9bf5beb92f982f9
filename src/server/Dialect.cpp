#include "Dialect.h"

QString Dialect::beginTransaction() const
{
    return isPostgres() ? QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED")
                        : QStringLiteral("BEGIN IMMEDIATE");
}

QString Dialect::forUpdate() const
{
    return isPostgres() ? QStringLiteral(" FOR UPDATE") : QString();
}

bool Dialect::isTooManyConnections(const QString &message, const QString &sqlState)
{
    return sqlState == QLatin1String("53300") || message.contains(QLatin1String("ORA-00018"))
        || message.contains(QLatin1String("ORA-00019"))
        || message.contains(QLatin1String("too many clients"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("too many connections"), Qt::CaseInsensitive)
        || message.contains(QLatin1String("remaining connection slots"), Qt::CaseInsensitive);
}
