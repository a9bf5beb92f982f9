#include "SqlQuery.h"
#include "TestSupport.h"
#include <QDate>
#include <QTest>
#include <map>
#include <memory>

// The Oracle functions and idioms the screens' statements rely on give Oracle's
// results on every engine. One table of statement -> expected text; a result of
// several rows is compared as its first column joined with ",".
class TestOracle : public QObject
{
    Q_OBJECT

    std::map<QString, std::unique_ptr<TestDatabase>> m_dbs;

    Session &sessionFor(const QString &engine)
    {
        auto &db = m_dbs[engine];
        if (!db) {
            db = std::make_unique<TestDatabase>(engine);
            // T_ORA: numbers, texts and NULLs of the shapes the statements read.
            db->exec(QStringLiteral(
                "CREATE TABLE T_ORA (K VARCHAR(2) PRIMARY KEY, N NUMERIC(10,2), S VARCHAR(10), Y NUMERIC(1), A1 VARCHAR(20), A2 VARCHAR(20));"
                "INSERT INTO T_ORA VALUES ('01', 1, '21', 2, '서울특별시', NULL);"
                "INSERT INTO T_ORA VALUES ('02', 2, '11', 3, '강원도', '평창군');"
                "INSERT INTO T_ORA VALUES ('03', 2, NULL, 2, NULL, NULL);"
                "INSERT INTO T_ORA VALUES ('04', NULL, '', NULL, NULL, NULL);"
                // Rights: level L1 has A and B; E1 is at L1, gets C added and B removed;
                // E2 has no level and gets D added.
                "INSERT INTO ZA050MS VALUES ('PRJ', 'M1', 'A', '에이', 1);"
                "INSERT INTO ZA050MS VALUES ('PRJ', 'M1', 'B', '비', 2);"
                "INSERT INTO ZA050MS VALUES ('PRJ', 'M1', 'C', '씨', 3);"
                "INSERT INTO ZA050MS VALUES ('PRJ', 'M1', 'D', '디', 4);"
                "INSERT INTO ZA050MS VALUES ('PRJ', 'M1', 'H', '숨김', 0);"
                "INSERT INTO ZA130MS VALUES ('E1', 'PRJ', 'L1');"
                "INSERT INTO ZA140MS VALUES ('PRJ', 'L1', 'A');"
                "INSERT INTO ZA140MS VALUES ('PRJ', 'L1', 'B');"
                "INSERT INTO ZA140MS VALUES ('PRJ', 'L1', 'H');"
                "INSERT INTO ZA150MS VALUES ('E1', 'PRJ', 'C', 'Y');"
                "INSERT INTO ZA150MS VALUES ('E1', 'PRJ', 'B', 'N');"
                "INSERT INTO ZA150MS VALUES ('E2', 'PRJ', 'D', 'Y');"));
        }
        return db->session();
    }

private slots:
    void cleanupTestCase() { m_dbs.clear(); }

    void statement_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantHash>("params");
        QTest::addColumn<QString>("expected");

        const QString menu = QStringLiteral(
            "SELECT PROGRAM_ID FROM ZA050MS WHERE PROJECT_ID = :P0 AND MENU_ID = :P1 AND PROGRAM_ID IN ("
            "SELECT PROGRAM_ID FROM ZA140MS WHERE PROJECT_ID = :P0 AND PROJECT_LEVEL = "
            "(SELECT PROJECT_LEVEL FROM ZA130MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0) "
            "UNION ALL SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'Y' "
            "EXCEPT SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'N') "
            "AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ");
        auto rights = [](const char *emp) {
            return QVariantHash{{QStringLiteral("P0"), QStringLiteral("PRJ")}, {QStringLiteral("P1"), QStringLiteral("M1")},
                                {QStringLiteral("P2"), QString::fromLatin1(emp)}};
        };
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));

        struct Case { const char *name; QString sql; QVariantHash params; QString expected; };
        const QList<Case> cases = {
            // NVL: NULL and the empty text are both "no value".
            {"NVL of NULL", QStringLiteral("SELECT NVL(NULL, 'x') FROM T_ORA WHERE K = '01'"), {}, QStringLiteral("x")},
            {"NVL of empty text", QStringLiteral("SELECT NVL('', 'x') FROM T_ORA WHERE K = '01'"), {}, QStringLiteral("x")},
            {"NVL of an empty parameter", QStringLiteral("SELECT NVL(:P, 'x') FROM T_ORA WHERE K = '01'"),
             {{QStringLiteral("P"), QString()}}, QStringLiteral("x")},
            {"NVL keeps a value", QStringLiteral("SELECT NVL(S, 'x') FROM T_ORA ORDER BY K"), {}, QStringLiteral("21,11,x,x")},
            {"NVL of a NULL number", QStringLiteral("SELECT NVL(N, 0) FROM T_ORA ORDER BY K"), {}, QStringLiteral("1,2,2,0")},
            {"NVL of an empty sum", QStringLiteral("SELECT NVL(SUM(N), 0) FROM T_ORA WHERE K = 'zz'"), {}, QStringLiteral("0")},
            // DECODE: text and numeric expressions, NULL search, default or none.
            {"DECODE text match", QStringLiteral("SELECT decode(S,'21','상용직','정규직') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("상용직,정규직,정규직,정규직")},
            {"DECODE numeric counts", QStringLiteral("SELECT SUM(DECODE(Y,2,1,0)) FROM T_ORA"), {}, QStringLiteral("2")},
            {"DECODE without default", QStringLiteral("SELECT NVL(DECODE(S,'21','hit'), '-') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("hit,-,-,-")},
            {"DECODE NULL search matches NULL", QStringLiteral("SELECT DECODE(S, NULL, 'none', S) FROM T_ORA ORDER BY K"), {},
             QStringLiteral("21,11,none,none")},
            {"DECODE NULL search with a text default",
             QStringLiteral("SELECT NVL(DECODE(A1, NULL, NULL, SUBSTR(A1,1,2)||'-'), '~') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("서울-,강원-,~,~")},
            {"DECODE numeric expression, NULL result", QStringLiteral(
                 "SELECT NVL(DECODE(N, 1, NULL, SUBSTR(K,1,1) || '-' || K), '~') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("~,0-02,0-03,0-04")},
            {"DECODE of a count", QStringLiteral("SELECT DECODE(COUNT(*), 4, '넷', NULL) FROM T_ORA"), {}, QStringLiteral("넷")},
            {"DECODE nested", QStringLiteral(
                 "SELECT DECODE(Y, 2, K, DECODE(N, 2, '소계', '')) FROM T_ORA ORDER BY K"), {}, QStringLiteral("01,소계,03,")},
            {"DECODE text expression, numeric result", QStringLiteral("SELECT SUM(DECODE(K,'02',N)) FROM T_ORA"), {},
             QStringLiteral("2")},
            {"DECODE zero guard", QStringLiteral(
                 "SELECT DECODE(COUNT(N) - 3, 0, '  00.00', TO_CHAR(COUNT(N))) FROM T_ORA"), {}, QStringLiteral("  00.00")},
            // TO_CHAR number masks.
            {"TO_CHAR FM0000000000", QStringLiteral("SELECT TO_CHAR(12345, 'FM0000000000') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("0000012345")},
            {"TO_CHAR FM000000 of a column", QStringLiteral("SELECT TO_CHAR(N, 'FM000000') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("000001,000002,000002,")},
            {"TO_CHAR FM9,999,999,999", QStringLiteral("SELECT TO_CHAR(1234567, 'FM9,999,999,999') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("1,234,567")},
            {"TO_CHAR FM9,999,999,999 of zero", QStringLiteral("SELECT TO_CHAR(0, 'FM9,999,999,999') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("0")},
            {"TO_CHAR FM9,999,999,999 negative", QStringLiteral("SELECT TO_CHAR(-1234, 'FM9,999,999,999') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("-1,234")},
            {"TO_CHAR FM009", QStringLiteral(
                 "SELECT TO_CHAR(5, 'FM009') || ' ' || TO_CHAR(65, 'FM009') || ' ' || TO_CHAR(159, 'FM009') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("005 065 159")},
            {"age band from FM009", QStringLiteral("SELECT SUBSTR(TO_CHAR(65, 'FM009'), 1, 2) FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("06")},
            {"TO_CHAR 99900.99 pads", QStringLiteral(
                 "SELECT '[' || TO_CHAR(ROUND(100 / 3.0, 2), '99900.99') || ']' FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("[    33.33]")},
            // Dates.
            {"TO_CHAR of SYSDATE is today", QStringLiteral("SELECT TO_CHAR(SYSDATE(), 'YYYYMMDD') FROM T_ORA WHERE K = '01'"), {}, today},
            {"TO_DATE round trip", QStringLiteral("SELECT TO_CHAR(TO_DATE('20040227'), 'YYYYMMDD') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("20040227")},
            {"ADD_DAYS over a leap day", QStringLiteral("SELECT ADD_DAYS('20040227', 3) FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("20040301")},
            {"ADD_DAYS by a code's day count", QStringLiteral(
                 "SELECT TO_CHAR(ADD_DAYS(:IPGO_DATE, TO_NUMBER(' 5 ')), 'YYYYMMDD') FROM T_ORA WHERE K = '01'"),
             {{QStringLiteral("IPGO_DATE"), QStringLiteral("20041230")}}, QStringLiteral("20050104")},
            {"DAYS_BETWEEN", QStringLiteral("SELECT DAYS_BETWEEN('20040301', '20040227') FROM T_ORA WHERE K = '01'"), {},
             QStringLiteral("3")},
            {"date text compared with the server's today", QStringLiteral(
                 "SELECT K FROM T_ORA WHERE :D >= TO_CHAR(SYSDATE(), 'YYYYMMDD') ORDER BY K"),
             {{QStringLiteral("D"), today}}, QStringLiteral("01,02,03,04")},
            // Numbers and texts.
            {"TO_NUMBER trims", QStringLiteral("SELECT TO_NUMBER(' 12 ') + 1 FROM T_ORA WHERE K = '01'"), {}, QStringLiteral("13")},
            {"TO_NUMBER of a decimal", QStringLiteral("SELECT TO_NUMBER('12.50') FROM T_ORA WHERE K = '01'"), {}, QStringLiteral("12.5")},
            {"TO_NUMBER in BETWEEN", QStringLiteral("SELECT K FROM T_ORA WHERE 250 BETWEEN TO_NUMBER(S) * 10 AND TO_NUMBER(S) * 20 ORDER BY K"), {},
             QStringLiteral("01")},
            {"CONCAT with NULL", QStringLiteral(
                 "SELECT CONCAT(A1, ' ') || CONCAT(A2, ' ') || CONCAT(NULL, ' ') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("서울특별시   ,강원도 평창군  ,   ,   ")},
            {"SUBSTR joined with dashes", QStringLiteral(
                 "SELECT SUBSTR(:Z,1,3) ||'-'|| SUBSTR(:Z,4,3) FROM T_ORA WHERE K = '01'"),
             {{QStringLiteral("Z"), QStringLiteral("135080")}}, QStringLiteral("135-080")},
            {"ROUND of AVG", QStringLiteral("SELECT ROUND(AVG(N), 2) FROM T_ORA"), {}, QStringLiteral("1.67")},
            {"blank text is no value", QStringLiteral(
                 "SELECT K FROM T_ORA WHERE NULLIF(TRIM(S), '') IS NOT NULL ORDER BY K"), {}, QStringLiteral("01,02")},
            {"LPAD, INSTR, NVL2", QStringLiteral(
                 "SELECT LPAD('7', 3, '0') || INSTR('ABC', 'B') || NVL2(S, 'y', 'n') FROM T_ORA ORDER BY K"), {},
             QStringLiteral("0072y,0072y,0072n,0072n")},
            {"personal field function", QStringLiteral("SELECT FN_ZA010MS_04(:ID) FROM T_ORA WHERE K = '01'"),
             {{QStringLiteral("ID"), QStringLiteral("6503121234567")}}, QStringLiteral("6503121234567")},
            // Set operators apply left to right: (level + added) - removed.
            {"rights: level plus added minus removed", menu, rights("E1"), QStringLiteral("A,C")},
            {"rights: no level, only added", menu, rights("E2"), QStringLiteral("D")},
            {"rights: unknown employee", menu, rights("E9"), QString()},
        };
        for (const QString &engine : testEngines())
            for (const Case &c : cases)
                QTest::addRow("%s: %s", qPrintable(engine), c.name) << engine << c.sql << c.params << c.expected;
    }

    void statement()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QVariantHash, params);
        QFETCH(QString, expected);
        const RowSet rows = SqlQuery::select(sessionFor(engine), sql, params);
        QStringList got;
        for (int r = 0; r < rows.rowCount(); ++r)
            got << rows.text(r, 0);
        QCOMPARE(got.join(QLatin1Char(',')), expected);
    }

    // Oracle evaluates SYSDATE once per statement; a statement that compares it
    // with itself must not see the clock move while it runs.
    void sysdateIsOneInstantPerStatement_data() { addEngineRows(); }
    void sysdateIsOneInstantPerStatement()
    {
        QFETCH(QString, engine);
        const QString sql = QStringLiteral(
            "WITH RECURSIVE R(I) AS (SELECT 1 FROM T_ORA WHERE K = '01' UNION ALL SELECT I + 1 FROM R WHERE I < 400000) "
            "SELECT COUNT(*) FROM R WHERE NVL(NULL, SYSDATE()) >= SYSDATE()");
        QCOMPARE(SqlQuery::select(sessionFor(engine), sql).scalarText(), QStringLiteral("400000"));
    }
};

QTEST_GUILESS_MAIN(TestOracle)
#include "tst_oracle.moc"
