// Time of the rental desk's free-equipment list and single-piece check with a
// large fleet: 50,000 pieces and 200,000 rental rows (2,000 a day over 100
// days), plus a few hundred holds. Runs on SQLite, and on PostgreSQL when
// SPORTS_TEST_PG_HOST is set. Each statement is timed with the indexes of the
// schema and once more without them, to show what they are worth.
#include "SqlQuery.h"
#include "TestSupport.h"
#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTextStream>
#include <cstdio>

namespace {

const QStringList kAreas = {QStringLiteral("M"), QStringLiteral("S")};
const QStringList kKinds = {QStringLiteral("CS"), QStringLiteral("NS"), QStringLiteral("SB")};
constexpr int kPieces = 50000;
constexpr int kRows = 200000;
constexpr int kDays = 100;
const QString kToday = QStringLiteral("20040301");

QString sizeOf(int i) { return QString::number(100 + 5 * (i % 19)); }

// Multi-row inserts in batches: far fewer round trips than one statement per row.
class Batch
{
public:
    Batch(Session &s, QString head) : m_session(s), m_head(std::move(head)) {}
    ~Batch() { flush(); }
    void add(const QString &values)
    {
        m_values << values;
        if (m_values.size() >= 500)
            flush();
    }
    void flush()
    {
        if (m_values.isEmpty())
            return;
        m_session.execute(m_head + m_values.join(QLatin1Char(',')));
        m_values.clear();
    }

private:
    Session &m_session;
    QString m_head;
    QStringList m_values;
};

void load(Session &s)
{
    Transaction tx(s);
    {
        Batch pieces(s, QStringLiteral("INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, "
                                       "SVRL_RENT_YN) VALUES "));
        for (int i = 0; i < kPieces; ++i) {
            const QString area = kAreas.at(i % 2), kind = kKinds.at((i / 2) % 3);
            pieces.add(QStringLiteral("('%1','%2','%3','%4','%5','%6')")
                           .arg(area, kind, QStringLiteral("%1").arg(i / 6, 5, 10, QLatin1Char('0')), sizeOf(i / 6),
                                i % 50 == 0 ? QStringLiteral("N") : QStringLiteral("Y"),
                                i % 97 == 0 ? QStringLiteral("Y") : QStringLiteral("N")));
        }
    }
    {
        Batch rows(s, QStringLiteral("INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, RENT_STAT, EQUIP_GUBUN, "
                                     "EQUIP_NO, RENT_NAME, RENT_TIME) VALUES "));
        const QDate today = QDate::fromString(kToday, QStringLiteral("yyyyMMdd"));
        const int perDay = kRows / kDays;
        for (int i = 0; i < kRows; ++i) {
            const int day = i / perDay;
            const int n = i % perDay;
            const QString date = today.addDays(day - kDays + 1).toString(QStringLiteral("yyyyMMdd"));
            // Past days are returned; today about two thirds are still out.
            const QString state = day == kDays - 1 && n % 3 ? QStringLiteral("D") : QStringLiteral("R");
            const int piece = (n * 7 + day * 13) % kPieces;
            rows.add(QStringLiteral("('%1','%2',%3,%4,'%5','%6','%7','홍길동','1030')")
                         .arg(date, kAreas.at(piece % 2))
                         .arg(n / 3 + 1)
                         .arg(n % 3 + 1)
                         .arg(state, kKinds.at((piece / 2) % 3), QStringLiteral("%1").arg(piece / 6, 5, 10, QLatin1Char('0'))));
        }
    }
    {
        Batch holds(s, QStringLiteral("INSERT INTO EB020TM (RENT_DATE, AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, U_IP) VALUES "));
        for (int i = 0; i < 300; ++i) {
            const int piece = (i * 131 + 5) % kPieces;
            holds.add(QStringLiteral("('%1','%2','%3','%4','10.0.0.1')")
                          .arg(kToday, kAreas.at(piece % 2), kKinds.at((piece / 2) % 3),
                               QStringLiteral("%1").arg(piece / 6, 5, 10, QLatin1Char('0'))));
        }
    }
    tx.commit();
    s.execute(QStringLiteral("ANALYZE"));
}

const QString kFreeList = QStringLiteral(
    "SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND "
    "EQUIP_SIZE_GUBUN = :EQUIP_SIZE_GUBUN AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND EQUIP_NO NOT IN "
    "(SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND "
    "EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT) AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM "
    "EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN) "
    "ORDER BY EQUIP_NO");

const QString kSingle = QStringLiteral(
    "SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO "
    "AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT WHERE "
    "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT "
    "AND EQUIP_NO = :EQUIP_NO) AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND "
    "AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO)");

struct Timing
{
    double freeMs, singleMs;
    int listed;
};

Timing measure(Session &s)
{
    constexpr int runs = 40;
    QElapsedTimer t;
    int listed = 0;
    t.start();
    for (int i = 0; i < runs; ++i) {
        const RowSet r = SqlQuery::select(s, kFreeList,
                                          {{QStringLiteral("AREA_GUBUN"), kAreas.at(i % 2)},
                                           {QStringLiteral("EQUIP_GUBUN"), kKinds.at(i % 3)},
                                           {QStringLiteral("EQUIP_SIZE_GUBUN"), sizeOf(i)},
                                           {QStringLiteral("RENT_DATE"), kToday},
                                           {QStringLiteral("RENT_STAT"), QStringLiteral("D")}});
        listed += r.rowCount();
    }
    const double freeMs = t.nsecsElapsed() / 1e6 / runs;
    t.restart();
    for (int i = 0; i < runs; ++i)
        SqlQuery::select(s, kSingle,
                         {{QStringLiteral("AREA_GUBUN"), kAreas.at(i % 2)},
                          {QStringLiteral("EQUIP_GUBUN"), kKinds.at(i % 3)},
                          {QStringLiteral("EQUIP_NO"), QStringLiteral("%1").arg(i * 97 % 8000, 5, 10, QLatin1Char('0'))},
                          {QStringLiteral("RENT_DATE"), kToday},
                          {QStringLiteral("RENT_STAT"), QStringLiteral("D")}});
    return {freeMs, t.nsecsElapsed() / 1e6 / runs, listed / runs};
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    for (const QString &engine : testEngines()) {
        TestDatabase db(engine);
        Session &s = db.session();
        QElapsedTimer loadTime;
        loadTime.start();
        load(s);
        out << engine << ": loaded " << kPieces << " pieces, " << kRows << " rental rows in " << loadTime.elapsed() << " ms\n";
        const Timing with = measure(s);
        out << QStringLiteral("  with indexes:    free list %1 ms (%2 pieces listed), single-piece check %3 ms\n")
                   .arg(with.freeMs, 0, 'f', 2)
                   .arg(with.listed)
                   .arg(with.singleMs, 0, 'f', 2);
        s.execute(QStringLiteral("DROP INDEX EB020MS_FREE"));
        s.execute(QStringLiteral("DROP INDEX EB040DT_EQUIP"));
        s.execute(QStringLiteral("ANALYZE"));
        const Timing without = measure(s);
        out << QStringLiteral("  without indexes: free list %1 ms, single-piece check %2 ms\n")
                   .arg(without.freeMs, 0, 'f', 2)
                   .arg(without.singleMs, 0, 'f', 2);
        out.flush();
    }
    return 0;
}
