#include "DbError.h"
#include "Session.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "TestSupport.h"
#include <QTest>

// The statement and procedure layer behaves the same on both engines.
class TestSession : public QObject
{
    Q_OBJECT
private slots:
    void namedParameters_data() { addEngineRows(); }
    void namedParameters()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(QStringLiteral("CREATE TABLE T1 (A VARCHAR(10), B VARCHAR(10), N NUMERIC(10,2));"
                               "INSERT INTO T1 VALUES ('x', 'x', 12.5);"
                               "INSERT INTO T1 VALUES ('x', 'y', 3);"));
        SqlQuery q(db.session(), QStringLiteral("SELECT a, b AS lower_name, n FROM T1 WHERE A = :P0 AND B = :p0 -- :NOTAPARAM\n AND 'x:y' = 'x:y'"));
        QCOMPARE(q.paramNames(), QStringList{QStringLiteral("P0")});
        q.setParam(QStringLiteral("P0"), QStringLiteral("x"));
        const RowSet &r = q.open();
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.fields(), (QStringList{QStringLiteral("A"), QStringLiteral("LOWER_NAME"), QStringLiteral("N")}));
        QCOMPARE(r.text(0, QStringLiteral("n")), QStringLiteral("12.5"));
    }

    void emptyTextIsNull_data() { addEngineRows(); }
    void emptyTextIsNull()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(QStringLiteral("CREATE TABLE T2 (A VARCHAR(10));"));
        SqlQuery::execute(db.session(), QStringLiteral("INSERT INTO T2 VALUES (:A)"), {{QStringLiteral("A"), QString()}});
        SqlQuery::execute(db.session(), QStringLiteral("INSERT INTO T2 VALUES (:A)"), {{QStringLiteral("A"), QStringLiteral("")}});
        QCOMPARE(SqlQuery::select(db.session(), QStringLiteral("SELECT COUNT(*) FROM T2 WHERE A IS NULL")).scalarText(),
                 QStringLiteral("2"));
    }

    void missingParameterStops_data() { addEngineRows(); }
    void missingParameterStops()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        SqlQuery q(db.session(), QStringLiteral("SELECT HEAD FROM ZX010MS WHERE HEAD = :HEAD"));
        QCOMPARE(q.unsetParams(), QStringList{QStringLiteral("HEAD")});
        QVERIFY_THROWS_EXCEPTION(DbError, q.open());
    }

    void engineMessageReachesCaller_data() { addEngineRows(); }
    void engineMessageReachesCaller()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        try {
            SqlQuery::select(db.session(), QStringLiteral("SELECT NO_SUCH_COLUMN FROM ZX010MS"));
            QFAIL("expected an error");
        } catch (const DbError &e) {
            QVERIFY2(e.message().contains(QLatin1String("NO_SUCH_COLUMN"), Qt::CaseInsensitive), qPrintable(e.message()));
        }
    }

    void procedureErrorRollsBackWholeSave_data() { addEngineRows(); }
    void procedureErrorRollsBackWholeSave()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(QStringLiteral("CREATE TABLE T3 (K VARCHAR(10) PRIMARY KEY, V VARCHAR(10));"));
        ProcCatalog::instance().add(QStringLiteral("PR_TEST_01"), {QStringLiteral("AK"), QStringLiteral("AV")},
                                    [](ProcContext &c) {
                                        c.exec(QStringLiteral("INSERT INTO T3 (K, V) VALUES (:K, :V)"),
                                               {{QStringLiteral("K"), c.in(QStringLiteral("AK"))},
                                                {QStringLiteral("V"), c.in(QStringLiteral("AV"))}});
                                        if (c.in(QStringLiteral("AV")) == QLatin1String("bad"))
                                            ProcContext::fail(QStringLiteral("잘못된 값입니다."));
                                    });
        Session &s = db.session();
        QVERIFY(s.startTransaction());
        StoredProc p(s, QStringLiteral("pr_test_01"));
        p.setParam(QStringLiteral("ak"), QStringLiteral("1"));
        p.setParam(QStringLiteral("AV"), QStringLiteral("ok"));
        p.execProc();
        p.setParam(QStringLiteral("AK"), QStringLiteral("2"));
        p.setParam(QStringLiteral("AV"), QStringLiteral("bad"));
        try {
            p.execProc();
            QFAIL("expected the business rule to fail");
        } catch (const DbError &e) {
            QCOMPARE(e.message(), QStringLiteral("잘못된 값입니다."));
            s.rollback();
        }
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT COUNT(*) FROM T3")).scalarText(), QStringLiteral("0"));

        // A transaction that keeps going after a failed call still commits the good rows.
        Transaction tx(s);
        p.setParam(QStringLiteral("AK"), QStringLiteral("3"));
        p.setParam(QStringLiteral("AV"), QStringLiteral("ok"));
        p.execProc();
        QVERIFY_THROWS_EXCEPTION(DbError, [&] {
            p.setParam(QStringLiteral("AK"), QStringLiteral("4"));
            p.setParam(QStringLiteral("AV"), QStringLiteral("bad"));
            p.execProc();
        }());
        tx.commit();
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT K FROM T3")).scalarText(), QStringLiteral("3"));
        ProcCatalog::instance().remove(QStringLiteral("PR_TEST_01"));
    }

    void transactionGuardRollsBack_data() { addEngineRows(); }
    void transactionGuardRollsBack()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        {
            Transaction tx(db.session());
            db.session().execute(QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL) VALUES ('T', '1')"));
        }
        QVERIFY(!db.session().inTransaction());
        QCOMPARE(SqlQuery::select(db.session(), QStringLiteral("SELECT COUNT(*) FROM ZX010MS WHERE HEAD = 'T'")).scalarText(),
                 QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
