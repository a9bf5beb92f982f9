#include "EquipmentFixture.h"
#include "TestSupport.h"
#include <QTest>
#include <atomic>
#include <chrono>
#include <latch>
#include <thread>

using namespace EquipmentFixture;

// Several desks on one database: each desk is its own connection (threads of
// their own where they must really meet at the same moment).
class TestEquipmentDesks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ProcCatalog::instance(); // registered before any desk thread asks for it
    }

    // Both desks press "선택" on the same piece at once: one gets it, the other the message.
    void twoDesksHoldTheSamePiece_data() { addEngineRows(); }
    void twoDesksHoldTheSamePiece()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        QString pieces;
        for (int i = 10; i < 20; ++i)
            pieces += QStringLiteral("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN) "
                                     "VALUES ('M', 'CS', '000%1', '170', 'Y');").arg(i);
        db.exec(pieces);
        const ConnectionSettings settings = db.settings();

        for (int i = 10; i < 20; ++i) {
            const QString no = QStringLiteral("000%1").arg(i);
            std::latch start(2);
            QString results[2];
            auto desk = [&](int n) {
                try {
                    Session s(settings);
                    s.open();
                    start.arrive_and_wait();
                    results[n] = failure(s, QStringLiteral("PR_EBI040_03"), hold(no, QStringLiteral("2"), QStringLiteral("10.0.0.%1").arg(n + 1)));
                } catch (const DbError &e) {
                    results[n] = QStringLiteral("connection: ") + e.message();
                }
            };
            std::thread a(desk, 0), b(desk, 1);
            a.join();
            b.join();
            QStringList got{results[0], results[1]};
            got.sort();
            QCOMPARE(got, (QStringList{QString(), kBusy}));
        }
        QCOMPARE(scalar(db.session(), QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("10"));
    }

    // What one desk holds, the other desk neither lists nor can take.
    void heldPieceMissingFromOtherDesk_data() { addEngineRows(); }
    void heldPieceMissingFromOtherDesk()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &deskA = db.session();
        std::unique_ptr<Session> deskB = db.openAnother();

        call(deskA, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.1")));
        QCOMPARE(freeList(*deskB), QStringList{QStringLiteral("00002")});
        QCOMPARE(failure(*deskB, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.2"))),
                 kBusy);
        // Desk B releasing what it sees on a saved row does not free desk A's hold.
        call(*deskB, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("3"), QStringLiteral("10.0.0.2")));
        QCOMPARE(freeList(*deskB), QStringList{QStringLiteral("00002")});
        // Holds are per date: the same piece is free on another day.
        QVariantHash tomorrow = hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.2"));
        tomorrow.insert(QStringLiteral("ARENT_DATE"), QStringLiteral("20040106"));
        QCOMPARE(failure(*deskB, QStringLiteral("PR_EBI040_03"), tomorrow), QString());

        call(deskA, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("3"), QStringLiteral("10.0.0.1")));
        QCOMPARE(freeList(*deskB), (QStringList{QStringLiteral("00001"), QStringLiteral("00002")}));
    }

    // Two desks save a new rental at the same moment; each gets its own number.
    void simultaneousNewRentalsGetDifferentNumbers_data() { addEngineRows(); }
    void simultaneousNewRentalsGetDifferentNumbers()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        const ConnectionSettings settings = db.settings();
        const QStringList pieces{QStringLiteral("00001"), QStringLiteral("00002")};
        std::latch start(2);
        QString numbers[2];
        auto desk = [&](int n) {
            try {
                Session s(settings);
                s.open();
                const QString ip = QStringLiteral("10.0.0.%1").arg(n + 1);
                call(s, QStringLiteral("PR_EBI040_03"), hold(pieces.at(n), QStringLiteral("2"), ip));
                start.arrive_and_wait();
                Transaction tx(s);
                const QString no = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"), {}, QStringLiteral("M"), ip))
                                       .value(QStringLiteral("ANEW_RENT_NO"))
                                       .toString();
                std::this_thread::sleep_for(std::chrono::milliseconds(100)); // the other desk is inside its save now
                call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), no, QString(), QStringLiteral("D"), pieces.at(n), {}, {}, ip));
                tx.commit();
                numbers[n] = no;
            } catch (const DbError &e) {
                numbers[n] = QStringLiteral("error: ") + e.message();
            }
        };
        std::thread a(desk, 0), b(desk, 1);
        a.join();
        b.join();
        QStringList got{numbers[0], numbers[1]};
        got.sort();
        QCOMPARE(got, (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(scalar(db.session(), QStringLiteral("SELECT COUNT(*) FROM EB040DT")), QStringLiteral("2"));
        QCOMPARE(scalar(db.session(), QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("0"));
    }

    // The same meeting step by step: the second desk waits on the counter row
    // until the first commits, for a counter that is new and for one in use.
    void secondDeskWaitsForTheFirstNumber_data() { addEngineRows(); }
    void secondDeskWaitsForTheFirstNumber()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &deskA = db.session();
        const ConnectionSettings settings = db.settings();

        for (const QString &expected : {QStringLiteral("1:2"), QStringLiteral("3:4")}) {
            deskA.startTransaction();
            const QString first = call(deskA, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2")))
                                      .value(QStringLiteral("ANEW_RENT_NO"))
                                      .toString();
            std::atomic<bool> done{false};
            QString second;
            std::thread b([&] {
                try {
                    Session s(settings);
                    s.open();
                    Transaction tx(s);
                    second = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"), {}, QStringLiteral("M"), QStringLiteral("10.0.0.2")))
                                 .value(QStringLiteral("ANEW_RENT_NO"))
                                 .toString();
                    tx.commit();
                } catch (const DbError &e) {
                    second = QStringLiteral("error: ") + e.message();
                }
                done = true;
            });
            std::this_thread::sleep_for(std::chrono::milliseconds(400));
            const bool finishedEarly = done;
            deskA.commit();
            b.join();
            QVERIFY2(!finishedEarly, qPrintable(second));
            QCOMPARE(first + QLatin1Char(':') + second, expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestEquipmentDesks)
#include "tst_equipment_desks.moc"
