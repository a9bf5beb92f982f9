#include "Schema.h"
#include "OracleFunctions.h"
#include "Session.h"
#include "SqlScript.h"
#include "procs/Registry.h"
#include <QDir>

namespace {
QStringList scripts(const QString &folder)
{
    QStringList files = QDir(QStringLiteral(":/server/") + folder).entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (QString &f : files)
        f = QStringLiteral(":/server/%1/%2").arg(folder, f);
    return files;
}
} // namespace

void Schema::create(Session &session)
{
    Transaction tx(session);
    if (session.dialect().isPostgres())
        for (const QString &statement : OracleFunctions::postgresDefinitions())
            session.execute(statement);
    for (const QString &file : scripts(QStringLiteral("schema")))
        SqlScript::runResource(session, file);
    tx.commit();
}

void Schema::loadDemoData(Session &session)
{
    Transaction tx(session);
    for (const QString &file : scripts(QStringLiteral("demo")))
        SqlScript::runResource(session, file);
    generateDemoData(session);
    tx.commit();
}
