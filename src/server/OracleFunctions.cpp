#include "OracleFunctions.h"
#include "DbError.h"
#include <QDate>
#include <QDateTime>
#include <QVariant>
#include <QSqlDriver>
#include <cmath>
#include <sqlite3.h>

namespace OracleFunctions {

QString formatNumber(double value, const QString &format)
{
    if (format.isEmpty()) {
        if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e15)
            return QString::number(static_cast<qlonglong>(value));
        return QString::number(value, 'g', 15);
    }
    QString f = format.toUpper();
    bool fillMode = f.startsWith(QLatin1String("FM"));
    if (fillMode)
        f = f.mid(2);
    const int dot = f.indexOf(QLatin1Char('.'));
    const QString intPart = dot < 0 ? f : f.left(dot);
    const QString fracPart = dot < 0 ? QString() : f.mid(dot + 1);
    const int decimals = fracPart.size();
    const bool negative = value < 0;
    QString digits = QString::number(std::fabs(value), 'f', decimals);
    QString intDigits = decimals ? digits.section(QLatin1Char('.'), 0, 0) : digits;
    const QString fracDigits = decimals ? digits.section(QLatin1Char('.'), 1, 1) : QString();

    int slotCount = 0;
    int zeroFrom = -1; // slot index (from the left) of the first '0'
    for (QChar c : intPart) {
        if (c == QLatin1Char('0') || c == QLatin1Char('9')) {
            if (c == QLatin1Char('0') && zeroFrom < 0)
                zeroFrom = slotCount;
            ++slotCount;
        }
    }
    if (intDigits.size() > slotCount)
        return QString(intPart.size() + (decimals ? decimals + 1 : 0) + 1, QLatin1Char('#'));
    const int minDigits = zeroFrom < 0 ? (decimals ? 0 : 1) : slotCount - zeroFrom;
    if (intDigits == QLatin1String("0") && minDigits == 0)
        intDigits.clear();
    while (intDigits.size() < minDigits)
        intDigits.prepend(QLatin1Char('0'));

    // Lay the digits into the mask from the right, dropping separators left of the number.
    QString out;
    int di = intDigits.size() - 1;
    for (int i = intPart.size() - 1; i >= 0 && di >= 0; --i) {
        const QChar c = intPart.at(i);
        if (c == QLatin1Char('0') || c == QLatin1Char('9'))
            out.prepend(intDigits.at(di--));
        else if (c == QLatin1Char(','))
            out.prepend(QLatin1Char(','));
    }
    while (out.startsWith(QLatin1Char(',')))
        out.remove(0, 1);
    if (decimals)
        out += QLatin1Char('.') + fracDigits;
    if (negative && value != 0.0)
        out.prepend(QLatin1Char('-'));
    else if (!fillMode)
        out.prepend(QLatin1Char(' '));
    if (!fillMode) {
        const int width = intPart.size() + (decimals ? decimals + 1 : 0) + 1;
        while (out.size() < width)
            out.prepend(QLatin1Char(' '));
    }
    return out;
}

static QDateTime parseDateTime(const QString &text)
{
    const QString t = text.trimmed();
    for (const char *fmt : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd", "yyyyMMddHHmmss", "yyyyMMdd", "yyyy-MM-ddTHH:mm:ss"}) {
        QDateTime dt = QDateTime::fromString(t, QLatin1String(fmt));
        if (dt.isValid())
            return dt;
    }
    return {};
}

QString formatDateTime(const QString &isoText, const QString &format)
{
    const QDateTime dt = parseDateTime(isoText);
    if (!dt.isValid())
        return {};
    QString f = format.toUpper();
    QString out;
    for (int i = 0; i < f.size();) {
        auto take = [&](const char *token) {
            const int n = int(qstrlen(token));
            if (f.mid(i, n) == QLatin1String(token)) { i += n; return true; }
            return false;
        };
        if (take("YYYY")) out += dt.toString(QStringLiteral("yyyy"));
        else if (take("HH24")) out += dt.toString(QStringLiteral("HH"));
        else if (take("MM")) out += dt.toString(QStringLiteral("MM"));
        else if (take("DD")) out += dt.toString(QStringLiteral("dd"));
        else if (take("MI")) out += dt.toString(QStringLiteral("mm"));
        else if (take("SS")) out += dt.toString(QStringLiteral("ss"));
        else if (take("YY")) out += dt.toString(QStringLiteral("yy"));
        else { out += f.at(i); ++i; }
    }
    return out;
}

namespace {

QString argText(sqlite3_value *v)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_value_text(v));
    return p ? QString::fromUtf8(p, sqlite3_value_bytes(v)) : QString();
}

// Oracle: an empty text is NULL.
bool isNull(sqlite3_value *v)
{
    const int t = sqlite3_value_type(v);
    return t == SQLITE_NULL || (t == SQLITE_TEXT && sqlite3_value_bytes(v) == 0);
}

bool isNumber(sqlite3_value *v)
{
    const int t = sqlite3_value_type(v);
    return t == SQLITE_INTEGER || t == SQLITE_FLOAT;
}

void resultText(sqlite3_context *ctx, const QString &s)
{
    if (s.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    const QByteArray b = s.toUtf8();
    sqlite3_result_text(ctx, b.constData(), b.size(), SQLITE_TRANSIENT);
}

// Compare as Oracle does after converting to the first argument's type.
bool sameValue(sqlite3_value *a, sqlite3_value *b)
{
    if (isNull(a) || isNull(b))
        return isNull(a) && isNull(b);
    if (isNumber(a) || isNumber(b)) {
        bool okA = true, okB = true;
        const double x = isNumber(a) ? sqlite3_value_double(a) : argText(a).trimmed().toDouble(&okA);
        const double y = isNumber(b) ? sqlite3_value_double(b) : argText(b).trimmed().toDouble(&okB);
        if (okA && okB)
            return x == y;
    }
    return argText(a) == argText(b);
}

void fnNvl(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[1] : argv[0]);
}

void fnNvl2(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    sqlite3_result_value(ctx, isNull(argv[0]) ? argv[2] : argv[1]);
}

void fnDecode(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc < 3) {
        sqlite3_result_error(ctx, "DECODE needs at least three arguments", -1);
        return;
    }
    int i = 1;
    for (; i + 1 < argc; i += 2) {
        if (sameValue(argv[0], argv[i])) {
            sqlite3_result_value(ctx, argv[i + 1]);
            return;
        }
    }
    if (i < argc)
        sqlite3_result_value(ctx, argv[i]);
    else
        sqlite3_result_null(ctx);
}

void fnToChar(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString fmt = argc > 1 ? argText(argv[1]) : QString();
    if (isNumber(argv[0])) {
        resultText(ctx, formatNumber(sqlite3_value_double(argv[0]), fmt));
        return;
    }
    const QString text = argText(argv[0]);
    if (fmt.isEmpty()) {
        resultText(ctx, text);
        return;
    }
    const QString upper = fmt.toUpper();
    if (upper.contains(QLatin1String("YY")) || upper.contains(QLatin1String("HH")) || upper.contains(QLatin1String("MI"))
        || upper.contains(QLatin1String("DD"))) {
        resultText(ctx, formatDateTime(text, fmt));
        return;
    }
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    if (!ok) {
        sqlite3_result_error(ctx, "ORA-01722: invalid number", -1);
        return;
    }
    resultText(ctx, formatNumber(d, fmt));
}

void fnToDate(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString text = argText(argv[0]).trimmed();
    QString fmt = argc > 1 ? argText(argv[1]).toUpper() : QStringLiteral("YYYYMMDD");
    fmt.replace(QLatin1String("YYYY"), QLatin1String("yyyy")).replace(QLatin1String("HH24"), QLatin1String("HH"))
        .replace(QLatin1String("MI"), QLatin1String("mm")).replace(QLatin1String("DD"), QLatin1String("dd"))
        .replace(QLatin1String("SS"), QLatin1String("ss"));
    const QDateTime dt = QDateTime::fromString(text, fmt);
    if (!dt.isValid()) {
        sqlite3_result_error(ctx, "ORA-01858: a non-numeric character was found where a numeric was expected", -1);
        return;
    }
    resultText(ctx, dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void fnToNumber(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0])) {
        sqlite3_result_null(ctx);
        return;
    }
    if (isNumber(argv[0])) {
        sqlite3_result_value(ctx, argv[0]);
        return;
    }
    const QString t = argText(argv[0]).trimmed();
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (ok) {
        sqlite3_result_int64(ctx, n);
        return;
    }
    const double d = t.toDouble(&ok);
    if (!ok) {
        sqlite3_result_error(ctx, "ORA-01722: invalid number", -1);
        return;
    }
    sqlite3_result_double(ctx, d);
}

void fnConcat(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    resultText(ctx, argText(argv[0]) + argText(argv[1]));
}

void pad(sqlite3_context *ctx, int argc, sqlite3_value **argv, bool left)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QString s = argText(argv[0]);
    const int n = sqlite3_value_int(argv[1]);
    const QString fill = argc > 2 ? argText(argv[2]) : QStringLiteral(" ");
    if (n <= 0 || fill.isEmpty()) {
        sqlite3_result_null(ctx);
        return;
    }
    if (s.size() >= n) {
        resultText(ctx, left ? s.left(n) : s.left(n));
        return;
    }
    QString padding;
    while (padding.size() < n - s.size())
        padding += fill;
    padding.truncate(n - s.size());
    resultText(ctx, left ? padding + s : s + padding);
}

void fnLpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) { pad(ctx, argc, argv, true); }
void fnRpad(sqlite3_context *ctx, int argc, sqlite3_value **argv) { pad(ctx, argc, argv, false); }

void fnSysdate(sqlite3_context *ctx, int, sqlite3_value **)
{
    resultText(ctx, QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

void fnAddDays(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate d = QDate::fromString(argText(argv[0]).trimmed().left(8), QStringLiteral("yyyyMMdd"));
    if (!d.isValid()) {
        sqlite3_result_error(ctx, "ORA-01858: a non-numeric character was found where a numeric was expected", -1);
        return;
    }
    resultText(ctx, d.addDays(sqlite3_value_int64(argv[1])).toString(QStringLiteral("yyyyMMdd")));
}

void fnDaysBetween(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    if (isNull(argv[0]) || isNull(argv[1])) {
        sqlite3_result_null(ctx);
        return;
    }
    const QDate a = QDate::fromString(argText(argv[0]).trimmed().left(8), QStringLiteral("yyyyMMdd"));
    const QDate b = QDate::fromString(argText(argv[1]).trimmed().left(8), QStringLiteral("yyyyMMdd"));
    if (!a.isValid() || !b.isValid()) {
        sqlite3_result_null(ctx);
        return;
    }
    sqlite3_result_int64(ctx, b.daysTo(a));
}

// Personal fields are stored as they are; the function is the one hook where a
// resort that encrypts them at rest would decrypt.
void fnPersonal(sqlite3_context *ctx, int, sqlite3_value **argv)
{
    sqlite3_result_value(ctx, argv[0]);
}

} // namespace

void registerOnSqlite(QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DbError(QStringLiteral("SQLite handle is not available"));
    sqlite3 *h = *static_cast<sqlite3 *const *>(handle.data());
    struct Def { const char *name; int args; void (*fn)(sqlite3_context *, int, sqlite3_value **); bool deterministic; };
    const Def defs[] = {
        {"NVL", 2, fnNvl, true},         {"NVL2", 3, fnNvl2, true},       {"DECODE", -1, fnDecode, true},
        {"TO_CHAR", 1, fnToChar, true},  {"TO_CHAR", 2, fnToChar, true},  {"TO_DATE", 1, fnToDate, true},
        {"TO_DATE", 2, fnToDate, true},  {"TO_NUMBER", 1, fnToNumber, true}, {"CONCAT", 2, fnConcat, true},
        {"LPAD", 2, fnLpad, true},       {"LPAD", 3, fnLpad, true},       {"RPAD", 2, fnRpad, true},
        // SYSDATE is flagged deterministic on purpose: SQLite then evaluates it once
        // per statement, as Oracle does, so "NVL(d, SYSDATE) >= SYSDATE" cannot see
        // the clock tick between its two calls.
        {"RPAD", 3, fnRpad, true},       {"SYSDATE", 0, fnSysdate, true},  {"ADD_DAYS", 2, fnAddDays, true},
        {"DAYS_BETWEEN", 2, fnDaysBetween, true}, {"FN_ZA010MS_04", 1, fnPersonal, true},
    };
    for (const Def &d : defs) {
        const int flags = SQLITE_UTF8 | (d.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(h, d.name, d.args, flags, nullptr, d.fn, nullptr, nullptr, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(h)));
    }
}

QStringList postgresDefinitions()
{
    QStringList s;
    auto fn = [&](const QString &sig, const QString &ret, const QString &body) {
        s << QStringLiteral("CREATE OR REPLACE FUNCTION %1 RETURNS %2 LANGUAGE sql IMMUTABLE AS $f$ %3 $f$")
                 .arg(sig, ret, body);
    };
    fn(QStringLiteral("nvl(text, text)"), QStringLiteral("text"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' THEN $2 ELSE $1 END"));
    fn(QStringLiteral("nvl(numeric, numeric)"), QStringLiteral("numeric"), QStringLiteral("SELECT COALESCE($1, $2)"));
    fn(QStringLiteral("nvl(timestamp, timestamp)"), QStringLiteral("timestamp"), QStringLiteral("SELECT COALESCE($1, $2)"));
    for (const QString &r : {QStringLiteral("text"), QStringLiteral("numeric")}) {
        fn(QStringLiteral("nvl2(text, %1, %1)").arg(r), r,
           QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' THEN $3 ELSE $2 END"));
        fn(QStringLiteral("nvl2(numeric, %1, %1)").arg(r), r, QStringLiteral("SELECT CASE WHEN $1 IS NULL THEN $3 ELSE $2 END"));
    }
    // DECODE: expression and search values of one type, results of one type; the
    // expression's type decides the comparison as in Oracle.
    const QStringList types = {QStringLiteral("text"), QStringLiteral("numeric")};
    for (const QString &xt : types) {
        for (const QString &st : types) {
            for (const QString &rt : types) {
                for (int argc = 3; argc <= 31; ++argc) {
                    QStringList sig{xt};
                    QString body = QStringLiteral("SELECT CASE");
                    int i = 2;
                    for (; i + 1 <= argc; i += 2) {
                        sig << st << rt;
                        // Texts compare with Oracle's rule that '' is NULL.
                        const bool numeric = xt == st && xt == QLatin1String("numeric");
                        const QString x = numeric ? QStringLiteral("$1") : QStringLiteral("NULLIF($1::text, '')");
                        const QString v = numeric ? QStringLiteral("$%1").arg(i) : QStringLiteral("NULLIF($%1::text, '')").arg(i);
                        body += QStringLiteral(" WHEN %1 IS NOT DISTINCT FROM %2 THEN $%3").arg(x, v).arg(i + 1);
                    }
                    if (i == argc) {
                        sig << rt;
                        body += QStringLiteral(" ELSE $%1").arg(argc);
                    }
                    body += QStringLiteral(" END");
                    fn(QStringLiteral("decode(%1)").arg(sig.join(QLatin1Char(','))), rt, body);
                }
            }
        }
    }
    fn(QStringLiteral("to_char(numeric)"), QStringLiteral("text"),
       QStringLiteral("SELECT CASE WHEN $1 = trunc($1) THEN trunc($1)::text ELSE trim(trailing '0' from $1::text) END"));
    fn(QStringLiteral("to_char(text)"), QStringLiteral("text"), QStringLiteral("SELECT $1"));
    fn(QStringLiteral("to_char(text, text)"), QStringLiteral("text"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' THEN NULL"
                      " WHEN upper($2) ~ '(YY|MM|DD|HH|MI|SS)' THEN to_char(to_timestamp($1, CASE WHEN length($1) = 8 THEN 'YYYYMMDD' ELSE 'YYYY-MM-DD HH24:MI:SS' END), $2)"
                      " ELSE to_char($1::numeric, $2) END"));
    fn(QStringLiteral("to_date(text)"), QStringLiteral("timestamp"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' THEN NULL ELSE to_date($1, 'YYYYMMDD')::timestamp END"));
    fn(QStringLiteral("to_number(text)"), QStringLiteral("numeric"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR trim($1) = '' THEN NULL ELSE trim($1)::numeric END"));
    fn(QStringLiteral("to_number(numeric)"), QStringLiteral("numeric"), QStringLiteral("SELECT $1"));
    fn(QStringLiteral("instr(text, text)"), QStringLiteral("integer"), QStringLiteral("SELECT strpos($1, $2)"));
    fn(QStringLiteral("round(double precision, integer)"), QStringLiteral("numeric"),
       QStringLiteral("SELECT round($1::numeric, $2)"));
    s << QStringLiteral("CREATE OR REPLACE FUNCTION sysdate() RETURNS timestamp LANGUAGE sql STABLE AS $f$ SELECT LOCALTIMESTAMP(0) $f$");
    fn(QStringLiteral("add_days(text, numeric)"), QStringLiteral("text"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' OR $2 IS NULL THEN NULL"
                      " ELSE to_char(to_date(substr($1, 1, 8), 'YYYYMMDD') + $2::integer, 'YYYYMMDD') END"));
    fn(QStringLiteral("days_between(text, text)"), QStringLiteral("integer"),
       QStringLiteral("SELECT CASE WHEN $1 IS NULL OR $1 = '' OR $2 IS NULL OR $2 = '' THEN NULL"
                      " ELSE to_date(substr($1, 1, 8), 'YYYYMMDD') - to_date(substr($2, 1, 8), 'YYYYMMDD') END"));
    fn(QStringLiteral("fn_za010ms_04(text)"), QStringLiteral("text"), QStringLiteral("SELECT $1"));
    // Oracle compares a number with LIKE as its text ("RENT_NO LIKE '%12%'");
    // SQLite does so by itself.
    fn(QStringLiteral("number_like(numeric, text)"), QStringLiteral("boolean"), QStringLiteral("SELECT $1::text LIKE $2"));
    s << QStringLiteral("DO $d$ BEGIN CREATE OPERATOR ~~ (LEFTARG = numeric, RIGHTARG = text, FUNCTION = number_like); "
                        "EXCEPTION WHEN duplicate_function THEN NULL; END $d$");
    return s;
}

} // namespace OracleFunctions
