#include "Registry.h"
#include "Session.h"
#include "SqlQuery.h"
#include <QDate>
#include <QRandomGenerator>
#include <QSet>
#include <QStringList>

// The demo fleet and its rentals: a few hundred pieces per area, rentals of the
// last ten days (mostly returned), several multi-day rentals still out, and a
// handful of day rentals of today. Random but repeatable.

namespace {

struct Kind
{
    const char *code;
    int from, to, perSize; // sizes in cm, pieces per size
};

QString randomName(QRandomGenerator &rnd)
{
    static const QStringList family = {QStringLiteral("김"), QStringLiteral("이"), QStringLiteral("박"), QStringLiteral("최"),
                                       QStringLiteral("정"), QStringLiteral("강"), QStringLiteral("조"), QStringLiteral("윤"),
                                       QStringLiteral("장"), QStringLiteral("임"), QStringLiteral("한"), QStringLiteral("오")};
    static const QStringList given = {QStringLiteral("민준"), QStringLiteral("서연"), QStringLiteral("도윤"), QStringLiteral("지우"),
                                      QStringLiteral("하준"), QStringLiteral("수아"), QStringLiteral("예준"), QStringLiteral("하은"),
                                      QStringLiteral("시우"), QStringLiteral("지민"), QStringLiteral("현우"), QStringLiteral("유진"),
                                      QStringLiteral("성민"), QStringLiteral("은지"), QStringLiteral("재원"), QStringLiteral("소희")};
    return family.at(rnd.bounded(int(family.size()))) + given.at(rnd.bounded(int(given.size())));
}

QString pad(qlonglong n, int width)
{
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

struct Piece
{
    QString area, kind, no;
};

} // namespace

void generateEquipmentDemoData(Session &session)
{
    QRandomGenerator rnd(20040105);
    const QDate today = QDate::currentDate();
    const QStringList areas = {QStringLiteral("M"), QStringLiteral("S")};
    const Kind kinds[] = {{"CS", 140, 180, 5}, {"NS", 100, 180, 6}, {"SB", 120, 165, 6}};

    SqlQuery insertPiece(session, QStringLiteral(
        "INSERT INTO EB020MS (AREA_GUBUN, EQUIP_GUBUN, EQUIP_NO, EQUIP_SIZE_GUBUN, EQUIP_RENT_YN, BUY_DATE, REMARK, "
        "SVRL_RENT_YN, INPUT_EMP_NO, INPUT_DATE) VALUES (:AREA_GUBUN, :EQUIP_GUBUN, :EQUIP_NO, :EQUIP_SIZE_GUBUN, "
        ":EQUIP_RENT_YN, :BUY_DATE, :REMARK, 'N', '20040001', :BUY_DATE)"));
    QList<Piece> fleet;
    for (const QString &area : areas) {
        for (const Kind &k : kinds) {
            int number = 0;
            for (int size = k.from; size <= k.to; size += 5) {
                // The second area is smaller.
                const int count = area == QLatin1String("M") ? k.perSize : k.perSize - 2;
                for (int i = 0; i < count; ++i) {
                    const QString no = pad(++number, 5);
                    const bool repair = rnd.bounded(40) == 0;
                    insertPiece.setParam(QStringLiteral("AREA_GUBUN"), area);
                    insertPiece.setParam(QStringLiteral("EQUIP_GUBUN"), QString::fromLatin1(k.code));
                    insertPiece.setParam(QStringLiteral("EQUIP_NO"), no);
                    insertPiece.setParam(QStringLiteral("EQUIP_SIZE_GUBUN"), QString::number(size));
                    insertPiece.setParam(QStringLiteral("EQUIP_RENT_YN"), repair ? QStringLiteral("N") : QStringLiteral("Y"));
                    insertPiece.setParam(QStringLiteral("BUY_DATE"),
                                         today.addDays(-200 - rnd.bounded(1200)).toString(QStringLiteral("yyyyMMdd")));
                    insertPiece.setParam(QStringLiteral("REMARK"), repair ? QStringLiteral("엣지 수리중") : QString());
                    insertPiece.exec();
                    if (!repair)
                        fleet.append({area, QString::fromLatin1(k.code), no});
                }
            }
        }
    }

    SqlQuery header(session, QStringLiteral(
        "INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO, DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO, INPUT_EMP_NO, INPUT_DATE) "
        "VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :DEAL_NAME, :KEEP_KIND_GUBUN, :KEEP_BOX_NO, '20040001', :RENT_DATE)"));
    SqlQuery line(session, QStringLiteral(
        "INSERT INTO EB040DT (RENT_DATE, AREA_GUBUN, RENT_NO, RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, "
        "RENT_NAME, TEL_NO, HEIGHT, WEIGHT, SHOES_SIZE, BINDING, SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE, RENT_TIME, "
        "INPUT_EMP_NO, INPUT_DATE) VALUES (:RENT_DATE, :AREA_GUBUN, :RENT_NO, :RENT_SEQ, :TICKET_KIND, :RENT_STAT, "
        ":EQUIP_GUBUN, :EQUIP_NO, :RENT_NAME, :TEL_NO, :HEIGHT, :WEIGHT, :SHOES_SIZE, :BINDING, :SVRL_RENT_FROM_DATE, "
        ":SVRL_RENT_TO_DATE, :RENT_TIME, '20040001', :RENT_DATE)"));
    SqlQuery multiDay(session, QStringLiteral(
        "UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = :RENT_DATE WHERE AREA_GUBUN = :AREA_GUBUN "
        "AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO"));
    const QStringList clerks = {QStringLiteral("김대리"), QStringLiteral("박주임"), QStringLiteral("이사원")};

    // Pieces out on a multi-day rental are kept aside for the later days.
    QSet<QString> away;
    for (int back = 9; back >= 0; --back) {
        const QDate day = today.addDays(-back);
        const QString date = day.toString(QStringLiteral("yyyyMMdd"));
        for (const QString &area : areas) {
            QList<Piece> pool;
            for (const Piece &p : std::as_const(fleet))
                if (p.area == area && !away.contains(p.kind + p.no))
                    pool.append(p);
            const int rentals = back == 0 ? 6 : 10 + rnd.bounded(8);
            for (int no = 1; no <= rentals && !pool.isEmpty(); ++no) {
                header.setParam(QStringLiteral("RENT_DATE"), date);
                header.setParam(QStringLiteral("AREA_GUBUN"), area);
                header.setParam(QStringLiteral("RENT_NO"), no);
                header.setParam(QStringLiteral("DEAL_NAME"), clerks.at(rnd.bounded(int(clerks.size()))));
                header.setParam(QStringLiteral("KEEP_KIND_GUBUN"), pad(1 + rnd.bounded(5), 2));
                header.setParam(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("%1%2").arg(area).arg(100 + rnd.bounded(300)));
                header.exec();
                const int renters = 1 + rnd.bounded(4);
                for (int seq = 1; seq <= renters && !pool.isEmpty(); ++seq) {
                    const Piece piece = pool.takeAt(rnd.bounded(int(pool.size())));
                    // Past days are over: their day rentals came back. A few
                    // guests of the last days took their piece for several days.
                    QString state = back == 0 ? QStringLiteral("D") : QStringLiteral("R");
                    if (back == 0 && rnd.bounded(4) == 0)
                        state = QStringLiteral("R");
                    QString from, to;
                    if (back > 0 && back <= 3 && rnd.bounded(8) == 0) {
                        state = QStringLiteral("S");
                        from = date;
                        to = day.addDays(2 + rnd.bounded(3)).toString(QStringLiteral("yyyyMMdd"));
                    }
                    const int height = 150 + rnd.bounded(40);
                    line.setParam(QStringLiteral("RENT_DATE"), date);
                    line.setParam(QStringLiteral("AREA_GUBUN"), area);
                    line.setParam(QStringLiteral("RENT_NO"), no);
                    line.setParam(QStringLiteral("RENT_SEQ"), seq);
                    line.setParam(QStringLiteral("TICKET_KIND"), pad(1 + rnd.bounded(7), 2));
                    line.setParam(QStringLiteral("RENT_STAT"), state);
                    line.setParam(QStringLiteral("EQUIP_GUBUN"), piece.kind);
                    line.setParam(QStringLiteral("EQUIP_NO"), piece.no);
                    line.setParam(QStringLiteral("RENT_NAME"), randomName(rnd));
                    line.setParam(QStringLiteral("TEL_NO"), QStringLiteral("010-%1-%2").arg(pad(rnd.bounded(10000), 4), pad(rnd.bounded(10000), 4)));
                    line.setParam(QStringLiteral("HEIGHT"), height);
                    line.setParam(QStringLiteral("WEIGHT"), height - 110 + rnd.bounded(25));
                    line.setParam(QStringLiteral("SHOES_SIZE"), QString::number(220 + 5 * rnd.bounded(13)));
                    line.setParam(QStringLiteral("BINDING"), 3 + rnd.bounded(7));
                    line.setParam(QStringLiteral("SVRL_RENT_FROM_DATE"), from);
                    line.setParam(QStringLiteral("SVRL_RENT_TO_DATE"), to);
                    line.setParam(QStringLiteral("RENT_TIME"), QStringLiteral("%1%2").arg(pad(8 + rnd.bounded(9), 2), pad(rnd.bounded(60), 2)));
                    line.exec();
                    if (state == QLatin1String("S")) {
                        away.insert(piece.kind + piece.no);
                        multiDay.setParam(QStringLiteral("RENT_DATE"), date);
                        multiDay.setParam(QStringLiteral("AREA_GUBUN"), area);
                        multiDay.setParam(QStringLiteral("EQUIP_GUBUN"), piece.kind);
                        multiDay.setParam(QStringLiteral("EQUIP_NO"), piece.no);
                        multiDay.exec();
                    }
                }
            }
        }
    }
}
