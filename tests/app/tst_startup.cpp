#include "TestSupport.h"
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
const char *const StandaloneMessage = "[error] 이 프로그램은 단독으로 실행되지 않습니다.\n"
                                      "메인 프로그램(Talvo.exe)으로 실행하십시오.";
} // namespace

// The real program, started as the launcher would (or would not) start it.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/sports");
        QVERIFY2(QFile::exists(built), qPrintable(built));
        m_program = m_dir.filePath(QStringLiteral("sports"));
        QVERIFY(QFile::copy(built, m_program));
        // A desktop user of our own, so that no other running client is in the way.
        m_user = QStringLiteral("tst_startup_%1").arg(QCoreApplication::applicationPid());
    }

    void wrongArgumentCount_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("three") << QStringList{QStringLiteral("DEMO"), QStringLiteral("tluser"), QStringLiteral("E001")};
        QTest::newRow("five") << QStringList{QStringLiteral("DEMO"), QStringLiteral("tluser"), QStringLiteral("E001"),
                                             QStringLiteral("홍길동"), QStringLiteral("extra")};
        QTest::newRow("none") << QStringList{};
    }
    void wrongArgumentCount()
    {
        QFETCH(QStringList, arguments);
        QProcess p;
        setUp(p);
        p.start(m_program, arguments);
        QVERIFY(p.waitForFinished(15000)); // no main window: no message loop keeps it running
        QVERIFY(p.exitCode() != 0);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(QString::fromUtf8(StandaloneMessage)), qPrintable(err));
    }

    // A second start ends at once and silently while the first runs.
    void secondInstanceEndsSilently()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        QFile ini(m_dir.filePath(QStringLiteral("databases.ini")));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[DEMO]\r\nDriver=SQLITE\r\nFile=" + db.settings().file.toLocal8Bit() + "\r\n");
        ini.close();
        const QStringList arguments{QStringLiteral("DEMO"), QStringLiteral("tluser"), QStringLiteral("E001"),
                                    QStringLiteral("홍길동")};

        QProcess first;
        setUp(first);
        first.start(m_program, arguments);
        QVERIFY(first.waitForStarted());
        QLocalSocket probe;
        QTRY_VERIFY_WITH_TIMEOUT((probe.connectToServer(QStringLiteral("Talvo_E_") + m_user),
                                  probe.waitForConnected(100)),
                                 15000);
        probe.disconnectFromServer();
        QTest::qWait(1000);
        QCOMPARE(first.state(), QProcess::Running); // connected, main window up
        QCOMPARE(first.readAllStandardError().contains("[error]"), false);

        QProcess second;
        setUp(second);
        QElapsedTimer clock;
        clock.start();
        second.start(m_program, arguments);
        QVERIFY(second.waitForFinished(15000));
        QVERIFY(clock.elapsed() < 10000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        const QByteArray err = second.readAllStandardError();
        QVERIFY2(!err.contains("[error]") && !err.contains("[info]"), err.constData());
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(15000));
    }

private:
    void setUp(QProcess &p) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SPORTS_MESSAGES_TO_STDERR"), QStringLiteral("1"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("USER"), m_user);
        p.setProcessEnvironment(env);
    }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_user;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
