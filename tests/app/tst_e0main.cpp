#include "E0Main.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include "ZZI000.h"
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// The dispatch table of the sports main window.
class TestE0Main : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        Login::ExeDir = m_dir.path() + QLatin1Char('/');
        TfrmZZMain::setProjectId(QStringLiteral("SPORTS"));
    }

    void unknownProgramOpensNothing()
    {
        PresenterGuard presenter;
        TfrmE0Main w;
        QVERIFY(!w.OpenProgram(QStringLiteral("없는 프로그램"), QStringLiteral("EZZ999")));
        QCOMPARE(w.programCount(), 0);
        QVERIFY(presenter->messages.isEmpty());
    }

    // Every program with a screen opens it in a tab, named after its program ID;
    // EEI010 opens the patrol accident entry TfrmEEI020.
    void everyScreenOpens()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.attachToDataModule();
        PresenterGuard presenter;
        TfrmE0Main w;
        w.show();
        int opened = 0;
        for (const QString &id : TfrmE0Main::programIds()) {
            if (!TfrmE0Main::hasScreen(id))
                continue;
            QVERIFY2(w.OpenProgram(id, id), qPrintable(id));
            auto *screen = qobject_cast<TfrmZZI000 *>(w.programAt(w.activeIndex()));
            QVERIFY2(screen, qPrintable(id));
            const QString expected = id == QLatin1String("EEI010") ? QStringLiteral("EEI020") : id;
            QCOMPARE(screen->programId(), expected);
            QCOMPARE(QString::fromLatin1(screen->metaObject()->className()), QStringLiteral("Tfrm") + expected);
            w.closeActiveProgram();
            QCOMPARE(w.programCount(), 0);
            ++opened;
        }
        QVERIFY2(presenter->messages.isEmpty(), qPrintable(presenter->texts().join(QLatin1Char('|'))));
        QVERIFY(TfrmE0Main::hasScreen(QStringLiteral("EBI040")));
        QVERIFY(opened > 0);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestE0Main)
#include "tst_e0main.moc"
