#pragma once
#include <QStringList>

class Session;

// Runs the schema and demo scripts: statements end with ";" outside quotes;
// "--" comments are skipped.
namespace SqlScript {
QStringList split(const QString &script);
void run(Session &session, const QString &script);
void runResource(Session &session, const QString &path);
} // namespace SqlScript
