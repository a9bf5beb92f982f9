#include "SqlScript.h"
#include "DbError.h"
#include "Session.h"
#include "SqlQuery.h"
#include <QFile>

QStringList SqlScript::split(const QString &script)
{
    QStringList out;
    QString current;
    bool inQuote = false;
    const int n = int(script.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = script.at(i);
        if (!inQuote && c == QLatin1Char('-') && i + 1 < n && script.at(i + 1) == QLatin1Char('-')) {
            while (i < n && script.at(i) != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
            continue;
        }
        if (c == QLatin1Char('\''))
            inQuote = !inQuote;
        if (!inQuote && c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                out << current.trimmed();
            current.clear();
            continue;
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

void SqlScript::run(Session &session, const QString &script)
{
    for (const QString &statement : split(script)) {
        try {
            SqlQuery q(session, statement);
            q.exec();
        } catch (const DbError &e) {
            throw DbError(e.message() + QStringLiteral("\n-- in statement:\n") + statement.left(400), e.sqlState());
        }
    }
}

void SqlScript::runResource(Session &session, const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("script %1 is missing").arg(path));
    run(session, QString::fromUtf8(f.readAll()));
}
