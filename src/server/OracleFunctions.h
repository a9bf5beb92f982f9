#pragma once
#include <QSqlDatabase>
#include <QStringList>

// The Oracle functions that the screens' statements use, with Oracle's results on
// both engines: NVL, NVL2, DECODE, TO_CHAR (the formats in use), TO_DATE,
// TO_NUMBER, two-argument CONCAT, LPAD/RPAD, INSTR, ROUND of a float, SYSDATE(),
// FN_ZA010MS_04, and the portable date helpers ADD_DAYS(yyyymmdd, n) and
// DAYS_BETWEEN(yyyymmdd, yyyymmdd) that replace Oracle's date arithmetic.
// Oracle treats an empty text as NULL; NVL and DECODE follow that rule.
namespace OracleFunctions {
// Registers the functions on the connection handle of an open SQLite database.
void registerOnSqlite(QSqlDatabase &db);
// CREATE OR REPLACE FUNCTION statements for PostgreSQL, run by the schema script.
QStringList postgresDefinitions();

// The pure formatting rules, shared by the SQLite functions and the tests.
QString formatNumber(double value, const QString &format);
QString formatDateTime(const QString &isoText, const QString &format);
} // namespace OracleFunctions
