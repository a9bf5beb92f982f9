#include "IniFile.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include "ZZC010.h"
#include "ZZD000.h"
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// Utilities every screen relies on, the launcher password, and the data-module start.
class TestZZC000 : public QObject
{
    Q_OBJECT
private slots:
    void digitsOnly_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("leading minus kept") << "-12a3" << "-123";
        QTest::newRow("minus in the middle dropped") << "1-2" << "12";
        QTest::newRow("dashed date") << "2004-01-15" << "20040115";
        QTest::newRow("nothing") << "abc" << "";
    }
    void digitsOnly()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DigitsOnly(input), expected);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("dashed");
        QTest::addColumn<QString>("compact");
        QTest::addColumn<bool>("isDate");
        QTest::newRow("30 February stays as typed") << "20040230" << "20040230" << "20040230" << false;
        QTest::newRow("dotted date") << "2004.01.15" << "2004-01-15" << "2004.01.15" << true;
        QTest::newRow("dashed date") << "2004-01-15" << "2004-01-15" << "20040115" << true;
        QTest::newRow("9-character dashed date") << "2004-1-15" << "2004-1-15" << "2004-1-15" << false;
        QTest::newRow("month 13 day 45") << "20041345" << "20041345" << "20041345" << false;
        QTest::newRow("10 characters that are no date") << "abcdefghij" << "abcdefghij" << "abcdefghij" << true;
        QTest::newRow("29 February of a leap year") << "20040229" << "2004-02-29" << "20040229" << true;
        QTest::newRow("29 February 2003") << "20030229" << "20030229" << "20030229" << false;
    }
    void dates()
    {
        QFETCH(QString, input);
        QFETCH(QString, dashed);
        QFETCH(QString, compact);
        QFETCH(bool, isDate);
        QCOMPARE(ToDashedDate(input), dashed);
        QCOMPARE(ToCompactDate(input), compact);
        QCOMPARE(IsDateText(input), isDate);
    }

    void dayOfWeek_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1 January 2004") << "20040101" << "목요일";
        QTest::newRow("a Sunday") << "20040104" << "일요일";
        QTest::newRow("a Saturday") << "20040103" << "토요일";
        QTest::newRow("dashed text is not 8 characters") << "2004-01-01" << "";
        QTest::newRow("not a date") << "20040230" << "";
    }
    void dayOfWeek()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DayOfWeekName(input), expected);
    }

    void integers_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("blanks") << "   " << qint64(0);
        QTest::newRow("digits then a letter") << "12a" << qint64(0);
        QTest::newRow("negative with blanks") << " -42 " << qint64(-42);
        QTest::newRow("large") << "9000000000" << qint64(9000000000LL);
    }
    void integers()
    {
        QFETCH(QString, input);
        QFETCH(qint64, expected);
        QCOMPARE(TextToInt64(input), expected);
        QCOMPARE(Int64ToText(expected), QString::number(expected));
    }

    void todayIsCompact()
    {
        QCOMPARE(TodayText(), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
    }

    void passwordRoundTrip_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("account-like") << "TLUSER";
        QTest::newRow("one character") << "x";
        QTest::newRow("sixteen characters") << "Abc!123456789xyZ";
        QTest::newRow("with blanks inside") << "a b";
    }
    void passwordRoundTrip()
    {
        QFETCH(QString, password);
        const std::optional<QString> stored = EncipherPassword(password, LauncherStartKey);
        QVERIFY(stored.has_value());
        QCOMPARE(stored->size(), 64);
        QCOMPARE(DecipherPassword(*stored, LauncherStartKey), std::optional<QString>(password));
        // Another start key reads something else: the key really takes part.
        QVERIFY(DecipherPassword(*stored, LauncherStartKey ^ 0x8000) != std::optional<QString>(password));
    }

    void malformedPasswordRefused_data()
    {
        QTest::addColumn<QString>("stored");
        const QString good = *EncipherPassword(QStringLiteral("secret"), LauncherStartKey);
        QTest::newRow("63 digits") << good.left(63);
        QTest::newRow("not hexadecimal") << QString(good).replace(0, 2, QStringLiteral("zz"));
        QTest::newRow("plain text") << "password";
        // An outer layer whose inner text is not hexadecimal.
        QTest::newRow("garbage inner layer") << QString(64, QLatin1Char('A'));
    }
    void malformedPasswordRefused()
    {
        QFETCH(QString, stored);
        QVERIFY(!DecipherPassword(stored, LauncherStartKey).has_value());
    }

    void launcherPasswordSources()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        Login::ExeDir = dir.path() + QLatin1Char('/');
        TfrmZZD000 dm;
        // No QVUpdate.ini: the account is the password.
        QVERIFY(!dm.start({QStringLiteral("NOALIAS"), QStringLiteral("TLUSER"), QStringLiteral("1"), QStringLiteral("u")})
                 || !dm.isConnected());
        Login::ExeDir = dir.path() + QLatin1Char('/');
        QCOMPARE(dm.ReadLauncherPassword(), std::optional<QString>(QStringLiteral("TLUSER")));

        IniFile ini(dir.filePath(QStringLiteral("QVUpdate.ini")));
        ini.writeString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"), *EncipherPassword(QStringLiteral("s3cret"), LauncherStartKey));
        QVERIFY(ini.save());
        QCOMPARE(dm.ReadLauncherPassword(), std::optional<QString>(QStringLiteral("s3cret")));

        ini.writeString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"), QStringLiteral("garbage"));
        QVERIFY(ini.save());
        presenter->clear();
        QVERIFY(!dm.ReadLauncherPassword().has_value());
        QCOMPARE(presenter->messages.size(), 1);
        QVERIFY(presenter->lastText().contains(QLatin1String("QVUpdate.ini")));
    }

    void malformedPasswordMakesNoConnectionAttempt()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        IniFile ini(dir.filePath(QStringLiteral("QVUpdate.ini")));
        ini.writeString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"), QStringLiteral("12345"));
        QVERIFY(ini.save());
        IniFile dbs(dir.filePath(QStringLiteral("databases.ini")));
        dbs.writeString(QStringLiteral("DEMO"), QStringLiteral("Driver"), QStringLiteral("SQLITE"));
        dbs.writeString(QStringLiteral("DEMO"), QStringLiteral("File"), QStringLiteral("demo.db"));
        QVERIFY(dbs.save());
        TfrmZZD000 dm;
        // start() sets ExeDir from the executable; point it at the fixture first.
        Login::ExeDir = dir.path() + QLatin1Char('/');
        QVERIFY(!dm.ReadLauncherPassword().has_value());
        presenter->clear();
        QVERIFY(!dm.OpenConnection());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("demo.db"))));
    }

    void argumentCount_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("three") << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        QTest::newRow("five") << QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("E")};
        QTest::newRow("none") << QStringList{};
    }
    void argumentCount()
    {
        QFETCH(QStringList, args);
        PresenterGuard presenter;
        TfrmZZD000 dm;
        QVERIFY(!dm.start(args));
        QVERIFY(!dm.isConnected());
        QCOMPARE(presenter->texts(),
                 QStringList{QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Talvo.exe)으로 실행하십시오.")});
        QCOMPARE(Login::EmpNo, args.value(2));
        QCOMPARE(Login::UserName, args.value(3));
    }

    void unknownAliasFailsWithTheConnectionMessage()
    {
        PresenterGuard presenter;
        TfrmZZD000 dm;
        QVERIFY(dm.start({QStringLiteral("NO_SUCH_ALIAS"), QStringLiteral("TLUSER"), QStringLiteral("1"), QStringLiteral("u")}));
        QVERIFY(!dm.isConnected());
        QCOMPARE(presenter->messages.size(), 1);
        QVERIFY(presenter->lastText().startsWith(QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r")));
        QVERIFY(presenter->lastText().contains(QLatin1String("NO_SUCH_ALIAS")));
    }

    void splashRegionFromMask()
    {
        // Row 0: black 2..5 then white; row 1: black to the end of a 16-pixel-wide row
        // (widened bits are 1, so the run ends); row 2 lies at the form's height.
        QImage mask(13, 3, QImage::Format_RGB32);
        mask.fill(Qt::white);
        for (int x = 2; x <= 5; ++x)
            mask.setPixel(x, 0, qRgb(0, 0, 0));
        for (int x = 7; x < 13; ++x)
            mask.setPixel(x, 1, qRgb(0, 0, 0));
        mask.setPixel(0, 2, qRgb(0, 0, 0));
        const QRegion r = TfrmZZC010::regionFromMask(mask, 2);
        QCOMPARE(r, QRegion(QRect(2, 0, 4, 1)) + QRegion(QRect(7, 1, 6, 1)));
    }

    void splashFromTheShippedResource()
    {
        const QString rcc = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/app/MainImg.rcc");
        if (!QFile::exists(rcc))
            QSKIP("MainImg.rcc is built by the mainimg target");
        TfrmZZC010 splash(rcc);
        QVERIFY(splash.hasPicture());
        // The rounded card: corners cut away, the middle kept.
        QVERIFY(splash.shape().contains(QPoint(268, 142)));
        QVERIFY(!splash.shape().contains(QPoint(0, 0)));
    }

    void splashWithoutResourceIsInvisible()
    {
        TfrmZZC010 splash(QStringLiteral("/nonexistent/MainImg.rcc"));
        QVERIFY(splash.shape().isEmpty());
        QVERIFY(!splash.hasPicture());
    }
};

QTEST_MAIN(TestZZC000)
#include "tst_zzc000.moc"
