#include "IniFile.h"
#include "LauncherLink.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include "ZZI000.h"
#include "ZZMain.h"
#include <QAction>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

namespace {
// A hosted screen that may refuse to close.
class TestScreen : public TfrmZZI000
{
public:
    explicit TestScreen(const QString &programId)
    {
        setObjectName(QStringLiteral("frm") + programId);
    }
    bool refuse = false;

protected:
    bool canClose() override { return !refuse; }
};

// Program IDs starting with "T" have a screen; any other creates nothing.
class TestMain : public TfrmZZMain
{
public:
    TestMain() : TfrmZZMain(QStringLiteral("스포츠관리")) {}
    TestScreen *screen(int index) const { return static_cast<TestScreen *>(programAt(index)); }

protected:
    QWidget *CreateProgram(const QString &programId) override
    {
        if (!programId.startsWith(QLatin1Char('T')))
            return nullptr;
        return DockProgram(new TestScreen(programId));
    }
};

// Menu groups and rights of project TST: levels A and B, programs in four groups,
// a group and a program with DISPLAY_SEQ 0, and a grant of another project.
const char *const MenuFixture = R"(
INSERT INTO ZA040MS VALUES ('TST', 'M1', '장비', 1);
INSERT INTO ZA040MS VALUES ('TST', 'M2', '강습', 2);
INSERT INTO ZA040MS VALUES ('TST', 'M3', '숨김', 0);
INSERT INTO ZA040MS VALUES ('TST', 'M4', '기상', 3);
INSERT INTO ZA050MS VALUES ('TST', 'M1', 'EBI020', '장비등록', 2);
INSERT INTO ZA050MS VALUES ('TST', 'M1', 'EBI010', '운영정보', 1);
INSERT INTO ZA050MS VALUES ('TST', 'M1', 'EBS060', '일일대여', 3);
INSERT INTO ZA050MS VALUES ('TST', 'M1', 'EBI030', '부츠재고', 0);
INSERT INTO ZA050MS VALUES ('TST', 'M2', 'ECI010', '스키클럽', 1);
INSERT INTO ZA050MS VALUES ('TST', 'M2', 'ECI020', '스키학교', 2);
INSERT INTO ZA050MS VALUES ('TST', 'M3', 'EAS010', '기상등록', 1);
INSERT INTO ZA050MS VALUES ('TST', 'M4', 'EAS020', '기상조회', 1);
INSERT INTO ZA140MS VALUES ('TST', 'A', 'EBI010');
INSERT INTO ZA140MS VALUES ('TST', 'A', 'EBI020');
INSERT INTO ZA140MS VALUES ('TST', 'A', 'EBS060');
INSERT INTO ZA140MS VALUES ('TST', 'A', 'EBI030');
INSERT INTO ZA140MS VALUES ('TST', 'A', 'ECI010');
INSERT INTO ZA140MS VALUES ('TST', 'A', 'EAS010');
INSERT INTO ZA140MS VALUES ('TST', 'B', 'ECI010');
INSERT INTO ZA140MS VALUES ('TST', 'B', 'ECI020');
INSERT INTO ZA140MS VALUES ('OTHER', 'A', 'ECI020');
INSERT INTO ZA130MS VALUES ('E1', 'TST', 'A');
INSERT INTO ZA130MS VALUES ('E2', 'TST', 'A');
INSERT INTO ZA130MS VALUES ('E3', 'TST', 'B');
INSERT INTO ZA130MS VALUES ('E5', 'TST', 'A');
INSERT INTO ZA130MS VALUES ('E2', 'OTHER', 'B');
INSERT INTO ZA150MS VALUES ('E2', 'TST', 'EAS020', 'Y');
INSERT INTO ZA150MS VALUES ('E2', 'TST', 'EBI020', 'N');
INSERT INTO ZA150MS VALUES ('E2', 'TST', 'EBI010', 'Y');
INSERT INTO ZA150MS VALUES ('E3', 'TST', 'ECI010', 'N');
INSERT INTO ZA150MS VALUES ('E3', 'TST', 'ECI020', 'N');
INSERT INTO ZA150MS VALUES ('E4', 'TST', 'EBS060', 'Y');
INSERT INTO ZA150MS VALUES ('E5', 'TST', 'EBI010', 'N');
INSERT INTO ZA150MS VALUES ('E5', 'TST', 'EBI020', 'N');
INSERT INTO ZA150MS VALUES ('E5', 'TST', 'EBS060', 'N');
)";

// The menu as "group=PROGRAM,PROGRAM", window menu left out.
QStringList menuOf(TfrmZZMain &w)
{
    QStringList out;
    for (QAction *a : w.menuBar()->actions()) {
        if (!a->menu() || a->menu() == w.windowMenu())
            continue;
        QStringList ids;
        for (QAction *item : a->menu()->actions())
            ids << item->data().toString();
        out << a->text() + QLatin1Char('=') + ids.join(QLatin1Char(','));
    }
    return out;
}

void showActive(QWidget *w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

QAction *windowEntry(TfrmZZMain &w, const QString &programId)
{
    for (QAction *a : w.windowMenu()->actions())
        if (a->data().toString() == programId)
            return a;
    return nullptr;
}
} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        TfrmZZMain::setProjectId(QStringLiteral("TST"));
    }
    void init()
    {
        Login::ExeDir = m_dir.path() + QLatin1Char('/');
        QFile::remove(Login::ExeDir + QStringLiteral("Main.ini"));
    }

    // Level programs plus added ones, minus removed ones; empty groups and
    // DISPLAY_SEQ 0 do not appear.
    void menuByRights_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("empNo");
        QTest::addColumn<QStringList>("menu");
        for (const QString &engine : testEngines()) {
            const auto row = [&engine](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(engine + QLatin1String(": ") + QLatin1String(name))) << engine;
            };
            row("level only") << QStringLiteral("E1")
                               << QStringList{QStringLiteral("장비=EBI010,EBI020,EBS060"), QStringLiteral("강습=ECI010")};
            row("added and removed") << QStringLiteral("E2")
                                      << QStringList{QStringLiteral("장비=EBI010,EBS060"), QStringLiteral("강습=ECI010"),
                                                     QStringLiteral("기상=EAS020")};
            row("every program of a group removed") << QStringLiteral("E3") << QStringList{};
            row("no level row: added programs only") << QStringLiteral("E4")
                                                      << QStringList{QStringLiteral("장비=EBS060")};
            row("group emptied, other group kept") << QStringLiteral("E5") << QStringList{QStringLiteral("강습=ECI010")};
        }
    }
    void menuByRights()
    {
        QFETCH(QString, engine);
        QFETCH(QString, empNo);
        QFETCH(QStringList, menu);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(MenuFixture));
        db.attachToDataModule();
        Login::EmpNo = empNo;
        PresenterGuard presenter;
        TestMain w;
        QVERIFY(w.connectionOpen());
        QCOMPARE(menuOf(w), menu);
        QCOMPARE(presenter->messages.size(), 0);
        // Choosing a menu entry opens its program with the entry's caption.
        if (!menu.isEmpty()) {
            QAction *group = w.menuBar()->actions().constFirst();
            QAction *item = group->menu()->actions().constFirst();
            item->trigger();
            QCOMPARE(w.programCount(), 0); // no screen for E programs in this window
        }
    }

    void noConnectionBuildsNothing()
    {
        TestMain w;
        QVERIFY(!w.connectionOpen());
        QVERIFY(menuOf(w).isEmpty());
    }

    // A program that is already open is activated, not opened twice.
    void reactivates()
    {
        TestMain w;
        QVERIFY(w.OpenProgram(QStringLiteral("장비등록"), QStringLiteral("T1")));
        QVERIFY(w.OpenProgram(QStringLiteral("대여"), QStringLiteral("T2")));
        QCOMPARE(w.activeIndex(), 1);
        QVERIFY(!w.OpenProgram(QStringLiteral("장비등록"), QStringLiteral("T1")));
        QCOMPARE(w.programCount(), 2);
        QCOMPARE(w.activeIndex(), 0);
        QCOMPARE(w.tabs()->tabIcon(0).cacheKey(), TfrmZZMain::tabImage(1).cacheKey());
        QCOMPARE(w.tabs()->tabIcon(1).cacheKey(), TfrmZZMain::tabImage(0).cacheKey());
        QCOMPARE(windowEntry(w, QStringLiteral("T1"))->icon().cacheKey(), TfrmZZMain::tabImage(1).cacheKey());
    }

    void programLimit_data()
    {
        QTest::addColumn<QString>("count"); // PROGRAM_COUNT; empty: no Main.ini
        QTest::addColumn<int>("opened");
        QTest::addColumn<QString>("message");
        QTest::newRow("limit 10") << QStringLiteral("10") << 10
                                  << QStringLiteral("최대 10개의 프로그램만 동시에 실행할 수 있습니다.");
        QTest::newRow("limit 0") << QStringLiteral("0") << 0 << QStringLiteral("최대 0개의 프로그램만 동시에 실행할 수 있습니다.");
        QTest::newRow("limit 3") << QStringLiteral("3") << 3 << QStringLiteral("최대 3개의 프로그램만 동시에 실행할 수 있습니다.");
        QTest::newRow("no Main.ini") << QString() << 10 << QStringLiteral("최대 10개의 프로그램만 동시에 실행할 수 있습니다.");
    }
    void programLimit()
    {
        QFETCH(QString, count);
        QFETCH(int, opened);
        QFETCH(QString, message);
        if (!count.isEmpty()) {
            IniFile ini(Login::ExeDir + QStringLiteral("Main.ini"));
            ini.writeString(QStringLiteral("MAIN"), QStringLiteral("PROGRAM_COUNT"), count);
            QVERIFY(ini.save());
        }
        PresenterGuard presenter;
        TestMain w;
        for (int i = 0; i < 11; ++i)
            w.OpenProgram(QStringLiteral("화면 %1").arg(i), QStringLiteral("T%1").arg(i));
        QCOMPARE(w.programCount(), opened);
        QCOMPARE(presenter->messages.size(), 11 - opened);
        QCOMPARE(presenter->lastText(), message);
        QCOMPARE(presenter->messages.constLast().icon, Presenter::Icon::Error);
    }

    void captionLosesAccelerator()
    {
        TestMain w;
        QVERIFY(w.OpenProgram(QStringLiteral("장비등록(&A)"), QStringLiteral("T1")));
        QCOMPARE(w.tabs()->tabText(0), QStringLiteral("장비등록"));
        QCOMPARE(windowEntry(w, QStringLiteral("T1"))->text(), QStringLiteral("장비등록"));
        QCOMPARE(w.programIdAt(0), QStringLiteral("T1"));
    }

    // A program ID without a screen opens nothing and says nothing.
    void unknownProgramLeavesNoTab()
    {
        PresenterGuard presenter;
        TestMain w;
        QVERIFY(!w.OpenProgram(QStringLiteral("없는 화면"), QStringLiteral("XYZ999")));
        QCOMPARE(w.programCount(), 0);
        QVERIFY(w.tabs()->isHidden());
        QCOMPARE(windowEntry(w, QStringLiteral("XYZ999")), nullptr);
        QVERIFY(presenter->messages.isEmpty());
    }

    void windowMenuSwitchesTabs()
    {
        TestMain w;
        w.OpenProgram(QStringLiteral("하나"), QStringLiteral("T1"));
        w.OpenProgram(QStringLiteral("둘"), QStringLiteral("T2"));
        w.OpenProgram(QStringLiteral("셋"), QStringLiteral("T3"));
        const QList<QAction *> entries = w.windowMenu()->actions();
        QCOMPARE(entries.size(), 4); // the hidden close entry, then one per tab in tab order
        QVERIFY(!entries.at(0)->isVisible());
        QCOMPARE(entries.at(2)->data().toString(), QStringLiteral("T2"));
        entries.at(1)->trigger();
        QCOMPARE(w.activeIndex(), 0);
        QCOMPARE(w.programCount(), 3);
        QCOMPARE(entries.at(1)->icon().cacheKey(), TfrmZZMain::tabImage(1).cacheKey());
        QCOMPARE(entries.at(3)->icon().cacheKey(), TfrmZZMain::tabImage(0).cacheKey());
    }

    // F12 and the screen's close button close the active tab through the main window.
    void closingTabs()
    {
        TestMain w;
        showActive(&w);
        w.OpenProgram(QStringLiteral("하나"), QStringLiteral("T1"));
        w.OpenProgram(QStringLiteral("둘"), QStringLiteral("T2"));
        w.OpenProgram(QStringLiteral("셋"), QStringLiteral("T3"));
        QPointer<QWidget> third = w.programAt(2);
        QTest::keyClick(w.focusWidget(), Qt::Key_F12);
        QCOMPARE(w.programCount(), 2);
        QCOMPARE(w.programIdAt(1), QStringLiteral("T2"));
        QTRY_VERIFY(third.isNull());
        QCOMPARE(w.windowMenu()->actions().size(), 3);

        w.screen(1)->refuse = true;
        QTest::keyClick(w.focusWidget(), Qt::Key_F12);
        QCOMPARE(w.programCount(), 2);

        w.tabs()->setCurrentIndex(0);
        QTest::mouseClick(w.screen(0)->findChild<QPushButton *>(QStringLiteral("bbtClose")), Qt::LeftButton);
        QCOMPARE(w.programCount(), 1);
        QCOMPARE(w.programIdAt(0), QStringLiteral("T2"));
        QCOMPARE(w.tabs()->tabIcon(0).cacheKey(), TfrmZZMain::tabImage(1).cacheKey());
        w.screen(0)->refuse = false;
        QTest::keyClick(w.focusWidget(), Qt::Key_F12);
        QCOMPARE(w.programCount(), 0);
        QVERIFY(w.tabs()->isHidden());
    }

    // Closing the main window closes every tab first; one refusing screen keeps it
    // open. The launcher hears of the close request either way.
    void closeRequest_data()
    {
        QTest::addColumn<int>("refusing"); // index of a refusing screen, -1 none
        QTest::addColumn<bool>("closes");
        QTest::newRow("all agree") << -1 << true;
        QTest::newRow("one refuses") << 1 << false;
    }
    void closeRequest()
    {
        QFETCH(int, refusing);
        QFETCH(bool, closes);
        QLocalServer launcher;
        const QString name = QStringLiteral("tst_main_") + QUuid::createUuid().toString(QUuid::Id128);
        QVERIFY(launcher.listen(name));
        LauncherLink::setServerName(name);

        TestMain w;
        showActive(&w);
        for (int i = 0; i < 3; ++i)
            w.OpenProgram(QStringLiteral("화면"), QStringLiteral("T%1").arg(i));
        if (refusing >= 0)
            w.screen(refusing)->refuse = true;
        QCOMPARE(w.close(), closes);
        QCOMPARE(w.isVisible(), !closes);
        QCOMPARE(w.programCount() == 0, closes);

        QVERIFY(launcher.waitForNewConnection(2000));
        QLocalSocket *notice = launcher.nextPendingConnection();
        QVERIFY(notice->bytesAvailable() > 0 || notice->waitForReadyRead(2000));
        QVERIFY(notice->readAll().startsWith("CLOSED"));
        LauncherLink::setServerName(QStringLiteral("Tfrm_0Main"));
    }

    // The size of the tab reaches every docked screen, not only the visible one.
    void resizeReachesEveryScreen()
    {
        TestMain w;
        showActive(&w);
        w.OpenProgram(QStringLiteral("하나"), QStringLiteral("T1"));
        w.OpenProgram(QStringLiteral("둘"), QStringLiteral("T2"));
        w.resize(1300, 900);
        QWidget *page = w.tabs()->currentWidget();
        QTRY_COMPARE(w.screen(1)->size(), page->size());
        QCOMPARE(w.screen(0)->size(), page->size());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_main.moc"
