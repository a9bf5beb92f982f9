#include "DbError.h"
#include "Session.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestSupport.h"
#include <QTest>
#include <thread>

// The storage desk's row procedure: numbers per season and area, changes and
// deletions of saved items, and two desks numbering at the same time.
namespace {

void saveItem(Session &s, const QString &status, const QString &season, const QString &area,
              const QString &keepNo = {}, const QString &owner = QStringLiteral("홍길동"))
{
    StoredProc p(s, QStringLiteral("PR_EBI050_01"));
    p.setParam(QStringLiteral("ASEASON_GUBUN"), season);
    p.setParam(QStringLiteral("AAREA_GUBUN"), area);
    p.setParam(QStringLiteral("AKEEP_NO"), keepNo);
    p.setParam(QStringLiteral("AKEEP_STAT"), QStringLiteral("K"));
    p.setParam(QStringLiteral("AIPGO_DATE"), QStringLiteral("20040227"));
    p.setParam(QStringLiteral("ACHULGO_DATE"), QStringLiteral("20040301"));
    p.setParam(QStringLiteral("AKEEP_GUBUN"), QStringLiteral("01"));
    p.setParam(QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("NS"));
    p.setParam(QStringLiteral("AEQUIP_NAME_GUBUN"), QStringLiteral("01"));
    p.setParam(QStringLiteral("ANATIVE_NO"), QStringLiteral("SN-1"));
    p.setParam(QStringLiteral("AKEEP_NAME"), owner);
    p.setParam(QStringLiteral("ATEL_NO"), QStringLiteral("02-123-4567"));
    p.setParam(QStringLiteral("AKEEP_BOX_NO"), QStringLiteral("B-1"));
    p.setParam(QStringLiteral("AU_EMP_NO"), QStringLiteral("E001"));
    p.setParam(QStringLiteral("AU_IP"), QStringLiteral("10.0.0.1"));
    p.setParam(QStringLiteral("AEDITSTATUS"), status);
    p.execProc();
}

QStringList keepNumbers(Session &s, const QString &season, const QString &area)
{
    const RowSet r = SqlQuery::select(s,
                                      QStringLiteral("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO FROM EB050MS "
                                                     "WHERE SEASON_GUBUN = :S AND AREA_GUBUN = :A ORDER BY KEEP_NO"),
                                      {{QStringLiteral("S"), season}, {QStringLiteral("A"), area}});
    QStringList out;
    for (int i = 0; i < r.rowCount(); ++i)
        out << r.text(i, 0);
    return out;
}

} // namespace

class TestStorageKeep : public QObject
{
    Q_OBJECT
private slots:
    void numbersPerSeasonAndArea_data() { addEngineRows(); }
    void numbersPerSeasonAndArea()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &s = db.session();
        // A row written without the counter (an imported item) is not numbered again.
        db.exec(QStringLiteral("INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT) VALUES ('05', '2', 7, 'K');"));
        saveItem(s, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));
        saveItem(s, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));
        saveItem(s, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("2"));
        saveItem(s, QStringLiteral("2"), QStringLiteral("05"), QStringLiteral("2"));
        QCOMPARE(keepNumbers(s, QStringLiteral("04"), QStringLiteral("1")),
                 (QStringList{QStringLiteral("0000000001"), QStringLiteral("0000000002")}));
        QCOMPARE(keepNumbers(s, QStringLiteral("04"), QStringLiteral("2")), QStringList{QStringLiteral("0000000001")});
        QCOMPARE(keepNumbers(s, QStringLiteral("05"), QStringLiteral("2")),
                 (QStringList{QStringLiteral("0000000007"), QStringLiteral("0000000008")}));

        // A deleted last number is not given again.
        saveItem(s, QStringLiteral("3"), QStringLiteral("04"), QStringLiteral("1"), QStringLiteral("0000000002"));
        saveItem(s, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));
        QCOMPARE(keepNumbers(s, QStringLiteral("04"), QStringLiteral("1")),
                 (QStringList{QStringLiteral("0000000001"), QStringLiteral("0000000003")}));

        const RowSet row = SqlQuery::select(s, QStringLiteral("SELECT IPGO_DATE, KEEP_NAME, INPUT_EMP_NO, U_IP, GUEST_NO, "
                                                              "INPUT_DATE FROM EB050MS WHERE KEEP_NO = 1 AND AREA_GUBUN = '1'"));
        QCOMPARE(row.text(0, QStringLiteral("IPGO_DATE")), QStringLiteral("20040227"));
        QCOMPARE(row.text(0, QStringLiteral("KEEP_NAME")), QStringLiteral("홍길동"));
        QCOMPARE(row.text(0, QStringLiteral("INPUT_EMP_NO")), QStringLiteral("E001"));
        QCOMPARE(row.text(0, QStringLiteral("U_IP")), QStringLiteral("10.0.0.1"));
        QVERIFY(row.value(0, QStringLiteral("GUEST_NO")).isNull());
        QCOMPARE(row.text(0, QStringLiteral("INPUT_DATE")).size(), 19);
    }

    void changeAndDelete_data() { addEngineRows(); }
    void changeAndDelete()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &s = db.session();
        saveItem(s, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));
        saveItem(s, QStringLiteral("1"), QStringLiteral("04"), QStringLiteral("1"), QStringLiteral("0000000001"),
                 QStringLiteral("김철수"));
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT KEEP_NAME FROM EB050MS")).scalarText(), QStringLiteral("김철수"));
        saveItem(s, QStringLiteral("3"), QStringLiteral("04"), QStringLiteral("1"), QStringLiteral("0000000001"));
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT COUNT(*) FROM EB050MS")).scalarText(), QStringLiteral("0"));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("keepNo");
        QTest::addColumn<QString>("message");
        for (const QString &e : testEngines()) {
            const QByteArray p = e.toUtf8() + ": ";
            QTest::newRow(p + "change of an item that is gone") << e << "1" << "04" << "0000000009"
                                                                << "수정할 보관자료가 없습니다";
            QTest::newRow(p + "deletion of an item that is gone") << e << "3" << "04" << "0000000009"
                                                                  << "삭제할 보관자료가 없습니다";
            QTest::newRow(p + "change without a number") << e << "1" << "04" << "" << "보관번호가 올바르지 않습니다";
            QTest::newRow(p + "no season") << e << "2" << "" << "" << "시즌과 지역구분이 없는";
            QTest::newRow(p + "unknown edit status") << e << "7" << "04" << "" << "작업구분이 올바르지 않습니다";
        }
    }
    void refusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, status);
        QFETCH(QString, season);
        QFETCH(QString, keepNo);
        QFETCH(QString, message);
        TestDatabase db(engine);
        try {
            saveItem(db.session(), status, season, QStringLiteral("1"), keepNo);
            QFAIL("the procedure accepted the row");
        } catch (const DbError &e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
        QCOMPARE(SqlQuery::select(db.session(), QStringLiteral("SELECT COUNT(*) FROM EB050MS")).scalarText(),
                 QStringLiteral("0"));
    }

    // The second desk saves while the first one's transaction is still open: it
    // waits for the commit and takes the next number instead of the same one.
    void twoDesksGetDistinctNumbers_data() { addEngineRows(); }
    void twoDesksGetDistinctNumbers()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &first = db.session();
        Transaction tx(first); // also creates the counter row, uncommitted
        saveItem(first, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));

        QString secondError;
        const ConnectionSettings settings = db.settings();
        std::thread other([&] {
            try {
                Session second(settings);
                second.open();
                Transaction tx2(second);
                saveItem(second, QStringLiteral("2"), QStringLiteral("04"), QStringLiteral("1"));
                tx2.commit();
            } catch (const DbError &e) {
                secondError = e.message();
            }
        });
        QTest::qWait(400);
        tx.commit();
        other.join();
        QVERIFY2(secondError.isEmpty(), qPrintable(secondError));
        QCOMPARE(keepNumbers(first, QStringLiteral("04"), QStringLiteral("1")),
                 (QStringList{QStringLiteral("0000000001"), QStringLiteral("0000000002")}));
    }
};

QTEST_GUILESS_MAIN(TestStorageKeep)
#include "tst_storage_keep.moc"
