#include "DbError.h"
#include "IniFile.h"
#include "Session.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The administrator's command line, run as the built executable.
class TestSportsDb : public QObject
{
    Q_OBJECT

    struct Run
    {
        int exitCode = -1;
        QString out, err;
    };

    static QString tool() { return QCoreApplication::applicationDirPath() + QStringLiteral("/../tools/sportsdb"); }

    static Run run(const QStringList &args)
    {
        QProcess p;
        p.start(tool(), args);
        if (!p.waitForFinished(120000)) {
            p.kill();
            p.waitForFinished();
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }

    // Target arguments of a fresh database on the engine; PostgreSQL databases
    // are dropped in cleanup().
    QStringList target(const QString &engine, const QTemporaryDir &dir)
    {
        if (engine == QLatin1String("sqlite"))
            return {QStringLiteral("--sqlite"), dir.filePath(QStringLiteral("demo.db"))};
        m_pgDatabase = QStringLiteral("sports_tool_%1_%2").arg(QCoreApplication::applicationPid()).arg(QDateTime::currentMSecsSinceEpoch() % 100000);
        const QString port = qEnvironmentVariable("SPORTS_TEST_PG_PORT", QStringLiteral("5432"));
        QStringList t{QStringLiteral("--pg"),
                      QStringLiteral("%1:%2/%3").arg(qEnvironmentVariable("SPORTS_TEST_PG_HOST"), port, m_pgDatabase),
                      QStringLiteral("--user"), qEnvironmentVariable("SPORTS_TEST_PG_USER", QStringLiteral("postgres"))};
        if (!qEnvironmentVariableIsEmpty("SPORTS_TEST_PG_PASSWORD"))
            t << QStringLiteral("--password") << qEnvironmentVariable("SPORTS_TEST_PG_PASSWORD");
        return t;
    }

    QString m_pgDatabase;

private slots:
    void initTestCase() { QVERIFY2(QFile::exists(tool()), qPrintable(tool())); }

    void cleanup()
    {
        if (m_pgDatabase.isEmpty())
            return;
        ConnectionSettings admin;
        admin.engine = Dialect::Engine::Postgres;
        admin.host = qEnvironmentVariable("SPORTS_TEST_PG_HOST");
        admin.port = qEnvironmentVariableIntValue("SPORTS_TEST_PG_PORT") ? qEnvironmentVariableIntValue("SPORTS_TEST_PG_PORT") : 5432;
        admin.user = qEnvironmentVariable("SPORTS_TEST_PG_USER", QStringLiteral("postgres"));
        admin.password = qEnvironmentVariable("SPORTS_TEST_PG_PASSWORD");
        admin.database = QStringLiteral("postgres");
        try {
            Session s(admin);
            s.open();
            s.execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_pgDatabase));
        } catch (const DbError &) {
        }
        m_pgDatabase.clear();
    }

    // create --demo, then statements through the tool: rows with a header, the
    // count of a change, and a failing statement with the engine's message.
    void createDemoAndQuery_data() { addEngineRows(); }
    void createDemoAndQuery()
    {
        QFETCH(QString, engine);
        QTemporaryDir dir;
        const QStringList db = target(engine, dir);

        Run r = run(QStringList{QStringLiteral("create")} + db + QStringList{QStringLiteral("--demo")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));

        r = run(QStringList{QStringLiteral("sql")} + db
                + QStringList{QStringLiteral("SELECT MEMBER_NO, MEMBER_NAME FROM BB010VE WHERE MEMBER_NAME LIKE :NAME AND "
                                             "CANCEL_DATE IS NULL ORDER BY MEMBER_NO"),
                              QStringLiteral("NAME=%김%")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out, QStringLiteral("MEMBER_NO\tMEMBER_NAME\n0000000101\t김철수\n0000000537\t김수진\n20040002\t김영희\n"));

        r = run(QStringList{QStringLiteral("sql")} + db
                + QStringList{QStringLiteral("UPDATE BB010MS SET REMARK = :R WHERE MEMBER_GROUP_CODE = '44'"),
                              QStringLiteral("R=제휴 갱신")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out.trimmed(), QStringLiteral("4"));

        // A second create on the same database is refused and changes nothing.
        r = run(QStringList{QStringLiteral("create")} + db);
        QVERIFY(r.exitCode != 0);
        r = run(QStringList{QStringLiteral("sql")} + db + QStringList{QStringLiteral("SELECT COUNT(*) AS N FROM ZA050MS")});
        QCOMPARE(r.out, QStringLiteral("N\n67\n"));

        r = run(QStringList{QStringLiteral("sql")} + db + QStringList{QStringLiteral("SELECT NO_SUCH_COLUMN FROM ZX010MS")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(QStringLiteral("에러내용:")), qPrintable(r.err));
        QVERIFY2(r.err.contains(QLatin1String("no_such_column"), Qt::CaseInsensitive), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // Command lines the tool refuses before touching a database (exit code 2).
    void refusesBadCommandLines_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << QStringLiteral("사용법");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("drop")} << QStringLiteral("알 수 없는 명령");
        QTest::newRow("two targets") << QStringList{QStringLiteral("demo"), QStringLiteral("--sqlite"), QStringLiteral("a.db"),
                                                    QStringLiteral("--pg"), QStringLiteral("h/db"), QStringLiteral("--user"),
                                                    QStringLiteral("u")}
                                     << QStringLiteral("하나로");
        QTest::newRow("pg without user") << QStringList{QStringLiteral("create"), QStringLiteral("--pg"), QStringLiteral("localhost/x")}
                                         << QStringLiteral("--user");
        QTest::newRow("pg address without database")
            << QStringList{QStringLiteral("create"), QStringLiteral("--pg"), QStringLiteral("localhost:5432"), QStringLiteral("--user"),
                           QStringLiteral("u")}
            << QStringLiteral("형식");
        QTest::newRow("missing sqlite file") << QStringList{QStringLiteral("sql"), QStringLiteral("--sqlite"),
                                                            QStringLiteral("/nonexistent/x.db"), QStringLiteral("SELECT 1")}
                                             << QStringLiteral("파일이 없습니다");
        QTest::newRow("unknown procedure") << QStringList{QStringLiteral("call"), QStringLiteral("--sqlite"), QStringLiteral("x.db"),
                                                          QStringLiteral("PR_NOPE_01")}
                                           << QStringLiteral("PR_NOPE_01");
        QTest::newRow("password too long") << QStringList{QStringLiteral("password"), QStringLiteral("--write"),
                                                          QDir::tempPath(), QStringLiteral("abcdefghijklmnopq")}
                                           << QStringLiteral("16자");
        QTest::newRow("password not ASCII") << QStringList{QStringLiteral("password"), QStringLiteral("--write"),
                                                           QDir::tempPath(), QStringLiteral("비밀번호")}
                                            << QStringLiteral("16자");
    }
    void refusesBadCommandLines()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run r = run(args);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
    }

    void sqlParameterErrors()
    {
        QTemporaryDir dir;
        const QStringList db{QStringLiteral("--sqlite"), dir.filePath(QStringLiteral("p.db"))};
        QCOMPARE(run(QStringList{QStringLiteral("create")} + db).exitCode, 0);
        const QString sql = QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = :HEAD");
        Run r = run(QStringList{QStringLiteral("sql")} + db + QStringList{sql});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QLatin1String("HEAD")), qPrintable(r.err));
        r = run(QStringList{QStringLiteral("sql")} + db + QStringList{sql, QStringLiteral("HEAD=Z9999"), QStringLiteral("OTHER=1")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains(QLatin1String("OTHER")), qPrintable(r.err));
        r = run(QStringList{QStringLiteral("sql")} + db
                + QStringList{QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES (:H, :D, :N, :I)"),
                              QStringLiteral("H=Z9999"), QStringLiteral("D=ADMIN"), QStringLiteral("N=관리\t자"),
                              QStringLiteral("I=")});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        QCOMPARE(r.out, QStringLiteral("1\n"));
        // Names without regard to case; an empty value is NULL; a tab inside a value is escaped.
        r = run(QStringList{QStringLiteral("sql")} + db
                + QStringList{QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND ITEM1 IS NULL"),
                              QStringLiteral("head=Z9999")});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QStringLiteral("DETAIL\tDETAIL_NAME\nADMIN\t관리\\t자\n"));
    }

    // What "password --write" puts into QVUpdate.ini is what the client reads back.
    void passwordReachesTheDataModule_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("plain") << QStringLiteral("tluser01");
        QTest::newRow("sixteen characters") << QStringLiteral("Abcdefghij123456");
        QTest::newRow("symbols") << QStringLiteral("p@ss!w0rd#=;");
        QTest::newRow("one character") << QStringLiteral("x");
    }
    void passwordReachesTheDataModule()
    {
        QFETCH(QString, password);
        QTemporaryDir dir;
        Run r = run({QStringLiteral("password"), QStringLiteral("--write"), dir.path(), password});
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));

        PresenterGuard presenter;
        TfrmZZD000 module;
        const QString savedExeDir = Login::ExeDir;
        Login::ExeDir = dir.path() + QLatin1Char('/');
        const std::optional<QString> read = module.ReadLauncherPassword();
        Login::ExeDir = savedExeDir;
        QVERIFY(read.has_value());
        QCOMPARE(*read, password);
        QVERIFY(presenter->messages.isEmpty());

        const QString stored = IniFile(dir.filePath(QStringLiteral("QVUpdate.ini"))).readString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"));
        r = run({QStringLiteral("password"), QStringLiteral("--check"), stored});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, password + QLatin1Char('\n'));
    }

    // Writing the password keeps the rest of an existing QVUpdate.ini.
    void passwordKeepsOtherSettings()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("QVUpdate.ini"));
        IniFile before(path);
        before.writeString(QStringLiteral("PROGRAM"), QStringLiteral("VERSION"), QStringLiteral("1.2.3"));
        before.writeString(QStringLiteral("SERVER"), QStringLiteral("HOST"), QStringLiteral("10.0.0.5"));
        QVERIFY(before.save());
        QCOMPARE(run({QStringLiteral("password"), QStringLiteral("--write"), dir.path(), QStringLiteral("abc")}).exitCode, 0);
        const IniFile after(path);
        QCOMPARE(after.readString(QStringLiteral("PROGRAM"), QStringLiteral("VERSION")), QStringLiteral("1.2.3"));
        QCOMPARE(after.readString(QStringLiteral("SERVER"), QStringLiteral("HOST")), QStringLiteral("10.0.0.5"));
        QCOMPARE(DecipherPassword(after.readString(QStringLiteral("PROGRAM"), QStringLiteral("PASS")), LauncherStartKey),
                 std::optional<QString>(QStringLiteral("abc")));
    }

    void checkRefusesMalformedValues()
    {
        const Run r = run({QStringLiteral("password"), QStringLiteral("--check"), QStringLiteral("12AB")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!r.err.isEmpty());
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSportsDb)
#include "tst_sportsdb.moc"
