// sportsdb: the administrator's command line for the sports client's database.
// Creates the schema (optionally with the demo resort), loads demo data, runs one
// statement or one catalog procedure, writes the launcher's enciphered password
// file, and lists the procedure catalog. Exit codes: 0 done, 1 the database or the
// file system refused, 2 the command line was wrong.
#include "DbError.h"
#include "IniFile.h"
#include "ProcCatalog.h"
#include "Schema.h"
#include "Session.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>
#include <optional>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

const char kUsage[] =
    "사용법:\n"
    "  sportsdb create <대상> [--demo]        스키마를 만듭니다 (--demo: 데모 자료도 넣습니다).\n"
    "                                         --pg 대상의 데이터베이스가 없으면 먼저 만듭니다.\n"
    "  sportsdb demo <대상>                   스키마가 있는 데이터베이스에 데모 자료를 넣습니다.\n"
    "  sportsdb sql <대상> \"SQL\" [이름=값 ...]  문장 하나를 실행합니다. SELECT는 탭으로 구분한 행을,\n"
    "                                         그 밖의 문장은 처리한 행 수를 출력합니다.\n"
    "  sportsdb call <대상> PR_이름 [A이름=값 ...] 프로시저 하나를 자체 트랜잭션으로 실행하고\n"
    "                                         출력 매개변수를 이름=값 줄로 출력합니다.\n"
    "  sportsdb password --write 폴더 비밀번호  폴더/QVUpdate.ini [PROGRAM] PASS에 암호화해 씁니다.\n"
    "  sportsdb password --check 값           암호화된 값을 풀어 출력합니다.\n"
    "  sportsdb procedures                    프로시저 목록과 매개변수를 출력합니다.\n"
    "\n"
    "<대상>:\n"
    "  --sqlite 파일\n"
    "  --pg 호스트[:포트]/데이터베이스 --user 사용자 [--password 비밀번호]\n"
    "  --alias 별칭 --ini databases.ini경로 --user 사용자 [--password 비밀번호]\n"
    "    (별칭의 비밀번호를 주지 않으면 databases.ini 옆 QVUpdate.ini의 값, 없으면 사용자 이름)\n";

struct UsageError
{
    QString message;
};

[[noreturn]] void usage(const QString &message)
{
    throw UsageError{message};
}

// Options of the command line after the subcommand: "--name value" pairs and
// switches, everything else positional, in order.
struct Args
{
    QHash<QString, QString> options;
    QStringList switches;
    QStringList positional;

    bool has(const QString &name) const { return options.contains(name); }
    QString value(const QString &name) const { return options.value(name); }
};

Args parse(const QStringList &list, const QStringList &valueOptions, const QStringList &switchOptions)
{
    Args a;
    for (int i = 0; i < list.size(); ++i) {
        const QString &arg = list.at(i);
        if (valueOptions.contains(arg)) {
            if (i + 1 >= list.size())
                usage(QStringLiteral("%1 다음에 값이 없습니다.").arg(arg));
            if (a.options.contains(arg))
                usage(QStringLiteral("%1을(를) 두 번 지정했습니다.").arg(arg));
            a.options.insert(arg, list.at(++i));
        } else if (switchOptions.contains(arg)) {
            a.switches << arg;
        } else if (arg.startsWith(QLatin1String("--"))) {
            usage(QStringLiteral("알 수 없는 옵션입니다: %1").arg(arg));
        } else {
            a.positional << arg;
        }
    }
    return a;
}

const QStringList kTargetOptions = {QStringLiteral("--sqlite"), QStringLiteral("--pg"), QStringLiteral("--user"),
                                    QStringLiteral("--password"), QStringLiteral("--alias"), QStringLiteral("--ini")};

// The password of an alias when none is given: as the client does, QVUpdate.ini
// beside the executable (here: beside databases.ini), else the account name.
QString aliasPassword(const QString &iniPath, const QString &user)
{
    const IniFile ini(QFileInfo(iniPath).absoluteDir().filePath(QStringLiteral("QVUpdate.ini")));
    const QString stored = ini.readString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"));
    if (stored.isEmpty())
        return user;
    const std::optional<QString> plain = DecipherPassword(stored, LauncherStartKey);
    if (!plain)
        usage(QStringLiteral("QVUpdate.ini의 비밀번호(PASS)가 올바르지 않습니다. --password로 지정하십시오."));
    return *plain;
}

ConnectionSettings targetFrom(const Args &a)
{
    const int kinds = int(a.has(QStringLiteral("--sqlite"))) + int(a.has(QStringLiteral("--pg")))
                      + int(a.has(QStringLiteral("--alias")));
    if (kinds != 1)
        usage(QStringLiteral("대상은 --sqlite, --pg, --alias 중 하나로 지정하십시오."));
    ConnectionSettings s;
    if (a.has(QStringLiteral("--sqlite"))) {
        s.engine = Dialect::Engine::Sqlite;
        s.file = a.value(QStringLiteral("--sqlite"));
        return s;
    }
    s.user = a.value(QStringLiteral("--user"));
    s.password = a.value(QStringLiteral("--password"));
    if (a.has(QStringLiteral("--pg"))) {
        // HOST[:PORT]/DATABASE
        static const QRegularExpression re(QStringLiteral("^([^:/]+)(?::(\\d+))?/(.+)$"));
        const QRegularExpressionMatch m = re.match(a.value(QStringLiteral("--pg")));
        if (!m.hasMatch())
            usage(QStringLiteral("--pg는 호스트[:포트]/데이터베이스 형식이어야 합니다: %1").arg(a.value(QStringLiteral("--pg"))));
        if (s.user.isEmpty())
            usage(QStringLiteral("--pg에는 --user가 필요합니다."));
        s.engine = Dialect::Engine::Postgres;
        s.host = m.captured(1);
        s.port = m.captured(2).isEmpty() ? 5432 : m.captured(2).toInt();
        s.database = m.captured(3);
        return s;
    }
    const QString ini = a.value(QStringLiteral("--ini"));
    if (ini.isEmpty())
        usage(QStringLiteral("--alias에는 --ini가 필요합니다."));
    if (!QFileInfo::exists(ini))
        usage(QStringLiteral("databases.ini 파일이 없습니다: %1").arg(ini));
    QString error;
    if (!TfrmZZD000::resolveAlias(ini, a.value(QStringLiteral("--alias")), &s, &error))
        usage(error);
    s.user = a.value(QStringLiteral("--user"));
    if (s.engine == Dialect::Engine::Postgres) {
        if (s.user.isEmpty())
            usage(QStringLiteral("PostgreSQL 별칭에는 --user가 필요합니다."));
        if (!a.has(QStringLiteral("--password")))
            s.password = aliasPassword(ini, s.user);
        else
            s.password = a.value(QStringLiteral("--password"));
    }
    return s;
}

// The target of a command that works on an existing database: a SQLite file that
// is not there would be created empty by the driver, so it is refused instead.
ConnectionSettings existingTarget(const Args &a)
{
    const ConnectionSettings s = targetFrom(a);
    if (s.engine == Dialect::Engine::Sqlite && !QFileInfo(s.file).isFile())
        usage(QStringLiteral("데이터베이스 파일이 없습니다: %1").arg(s.file));
    return s;
}

// PostgreSQL: the database of the target is created when it is missing (through
// the server's "postgres" database).
void ensurePgDatabase(const ConnectionSettings &target)
{
    ConnectionSettings admin = target;
    admin.database = QStringLiteral("postgres");
    Session s(admin);
    s.open();
    const RowSet found = SqlQuery::select(s, QStringLiteral("SELECT 1 FROM pg_database WHERE datname = :NAME"),
                                          {{QStringLiteral("NAME"), target.database}});
    if (!found.isEmpty())
        return;
    QString quoted = target.database;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    s.execute(QStringLiteral("CREATE DATABASE \"%1\" ENCODING 'UTF8' TEMPLATE template0").arg(quoted));
    out() << QStringLiteral("데이터베이스 %1을(를) 만들었습니다.").arg(target.database) << Qt::endl;
}

int cmdCreate(const QStringList &rest)
{
    const Args a = parse(rest, kTargetOptions, {QStringLiteral("--demo")});
    if (!a.positional.isEmpty())
        usage(QStringLiteral("필요 없는 인수입니다: %1").arg(a.positional.join(QLatin1Char(' '))));
    const ConnectionSettings target = targetFrom(a);
    if (target.engine == Dialect::Engine::Sqlite && QFileInfo(target.file).size() > 0)
        usage(QStringLiteral("이미 있는 파일입니다. 다른 이름을 지정하거나 파일을 지우십시오: %1").arg(target.file));
    if (target.engine == Dialect::Engine::Postgres)
        ensurePgDatabase(target);
    Session s(target);
    s.open();
    Schema::create(s);
    out() << QStringLiteral("스키마를 만들었습니다.") << Qt::endl;
    if (a.switches.contains(QStringLiteral("--demo"))) {
        Schema::loadDemoData(s);
        out() << QStringLiteral("데모 자료를 넣었습니다.") << Qt::endl;
    }
    return 0;
}

int cmdDemo(const QStringList &rest)
{
    const Args a = parse(rest, kTargetOptions, {});
    if (!a.positional.isEmpty())
        usage(QStringLiteral("필요 없는 인수입니다: %1").arg(a.positional.join(QLatin1Char(' '))));
    Session s(existingTarget(a));
    s.open();
    Schema::loadDemoData(s);
    out() << QStringLiteral("데모 자료를 넣었습니다.") << Qt::endl;
    return 0;
}

// NAME=VALUE arguments; an empty value is NULL, as everywhere in the client.
QList<QPair<QString, QString>> assignments(const QStringList &list)
{
    QList<QPair<QString, QString>> result;
    for (const QString &item : list) {
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq <= 0)
            usage(QStringLiteral("매개변수는 이름=값 형식이어야 합니다: %1").arg(item));
        result.append({item.left(eq), item.mid(eq + 1)});
    }
    return result;
}

bool returnsRows(const QString &sql)
{
    static const QRegularExpression lead(QStringLiteral("^(?:\\s+|--[^\\n]*\\n?|/\\*.*?\\*/|\\()*(\\w+)"),
                                         QRegularExpression::DotMatchesEverythingOption);
    const QString word = lead.match(sql).captured(1).toUpper();
    return word == QLatin1String("SELECT") || word == QLatin1String("WITH") || word == QLatin1String("VALUES")
           || word == QLatin1String("PRAGMA") || word == QLatin1String("SHOW") || word == QLatin1String("EXPLAIN");
}

// Tabs and line breaks inside a value would break the table; they are shown escaped.
QString cell(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    t.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    t.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    t.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return t;
}

int cmdSql(const QStringList &rest)
{
    const Args a = parse(rest, kTargetOptions, {});
    if (a.positional.isEmpty())
        usage(QStringLiteral("실행할 SQL 문장이 없습니다."));
    const QString sql = a.positional.first();
    Session s(existingTarget(a));
    s.open();
    SqlQuery q(s, sql);
    for (const auto &p : assignments(a.positional.mid(1))) {
        if (!q.hasParam(p.first))
            usage(QStringLiteral("문장에 없는 매개변수입니다: %1").arg(p.first));
        q.setParam(p.first, p.second);
    }
    if (!q.unsetParams().isEmpty())
        usage(QStringLiteral("값이 없는 매개변수가 있습니다: %1").arg(q.unsetParams().join(QStringLiteral(", "))));
    if (!returnsRows(sql)) {
        out() << q.exec() << Qt::endl;
        return 0;
    }
    const RowSet &rows = q.open();
    out() << rows.fields().join(QLatin1Char('\t')) << '\n';
    for (int r = 0; r < rows.rowCount(); ++r) {
        QStringList line;
        for (int c = 0; c < rows.fieldCount(); ++c)
            line << cell(rows.text(r, c));
        out() << line.join(QLatin1Char('\t')) << '\n';
    }
    out().flush();
    return 0;
}

int cmdCall(const QStringList &rest)
{
    const Args a = parse(rest, kTargetOptions, {});
    if (a.positional.isEmpty())
        usage(QStringLiteral("실행할 프로시저 이름이 없습니다."));
    const QString name = a.positional.first();
    if (!ProcCatalog::instance().find(name))
        usage(QStringLiteral("없는 프로시저입니다: %1").arg(name));
    const auto inputs = assignments(a.positional.mid(1));
    Session s(existingTarget(a));
    s.open();
    StoredProc proc(s, name);
    for (const auto &p : inputs) {
        if (!proc.hasParam(p.first))
            usage(QStringLiteral("%1에 없는 매개변수입니다: %2").arg(proc.procName(), p.first));
        proc.setParam(p.first, p.second);
    }
    proc.execProc(); // outside a transaction: a transaction of its own
    for (const ProcParam &p : proc.params())
        if (p.direction == ProcParam::Out)
            out() << p.name << '=' << RowSet::toText(proc.output(p.name)) << '\n';
    out().flush();
    return 0;
}

int cmdPassword(const QStringList &rest)
{
    if (rest.size() == 3 && rest.at(0) == QLatin1String("--write")) {
        const QString dir = rest.at(1);
        const std::optional<QString> value = EncipherPassword(rest.at(2), LauncherStartKey);
        if (!value)
            usage(QStringLiteral("비밀번호는 1자에서 16자까지의 영문, 숫자, 기호여야 합니다."));
        if (!QFileInfo(dir).isDir())
            usage(QStringLiteral("폴더가 없습니다: %1").arg(dir));
        const QString path = QDir(dir).filePath(QStringLiteral("QVUpdate.ini"));
        IniFile ini(path);
        ini.writeString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"), *value);
        if (!ini.save()) {
            err() << QStringLiteral("파일을 저장하지 못했습니다: %1").arg(path) << Qt::endl;
            return 1;
        }
        out() << QStringLiteral("%1에 비밀번호를 저장했습니다.").arg(path) << Qt::endl;
        return 0;
    }
    if (rest.size() == 2 && rest.at(0) == QLatin1String("--check")) {
        const std::optional<QString> plain = DecipherPassword(rest.at(1), LauncherStartKey);
        if (!plain) {
            err() << QStringLiteral("올바른 암호화 값이 아닙니다 (16진수 64자리).") << Qt::endl;
            return 1;
        }
        out() << *plain << Qt::endl;
        return 0;
    }
    usage(QStringLiteral("password --write 폴더 비밀번호, 또는 password --check 값"));
}

int cmdProcedures(const QStringList &rest)
{
    if (!rest.isEmpty())
        usage(QStringLiteral("필요 없는 인수입니다: %1").arg(rest.join(QLatin1Char(' '))));
    const ProcCatalog &catalog = ProcCatalog::instance();
    for (const QString &name : catalog.names()) {
        QStringList params;
        for (const ProcParam &p : catalog.find(name)->params)
            params << (p.direction == ProcParam::Out ? QStringLiteral("OUT ") + p.name : p.name);
        out() << name << '(' << params.join(QStringLiteral(", ")) << ")\n";
    }
    out().flush();
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        (args.isEmpty() ? err() : out()) << QString::fromUtf8(kUsage);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    try {
        if (command == QLatin1String("create"))
            return cmdCreate(args);
        if (command == QLatin1String("demo"))
            return cmdDemo(args);
        if (command == QLatin1String("sql"))
            return cmdSql(args);
        if (command == QLatin1String("call"))
            return cmdCall(args);
        if (command == QLatin1String("password"))
            return cmdPassword(args);
        if (command == QLatin1String("procedures"))
            return cmdProcedures(args);
        usage(QStringLiteral("알 수 없는 명령입니다: %1").arg(command));
    } catch (const UsageError &e) {
        err() << e.message << '\n' << QStringLiteral("사용법은 sportsdb --help 로 보십시오.") << Qt::endl;
        return 2;
    } catch (const DbError &e) {
        err() << QStringLiteral("데이터베이스 작업을 하지 못했습니다.\n에러내용:\n") << e.message() << Qt::endl;
        return 1;
    }
}
