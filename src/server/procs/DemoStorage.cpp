#include "Registry.h"
#include "Session.h"
#include "SqlQuery.h"
#include <QDate>
#include <QRandomGenerator>
#include <QStringList>

// Demo items at the storage desks: the current season's intakes of the last two
// months in every area (most released, some past their release date and still
// kept, some without a zip code) and a few items of the season before. Random
// but repeatable; dates follow the day the demo is loaded.

namespace {

QStringList column(Session &session, const QString &sql, const QVariantHash &params = {})
{
    const RowSet r = SqlQuery::select(session, sql, params);
    QStringList out;
    for (int i = 0; i < r.rowCount(); ++i)
        out << r.text(i, 0);
    return out;
}

struct Item
{
    const char *equip;      // E0009
    const char *equipName;  // E0021
    bool poles;
};

} // namespace

void generateStorageDemoData(Session &session)
{
    QRandomGenerator rnd(20040227);
    const QDate today = QDate::currentDate();
    const QString todayText = today.toString(QStringLiteral("yyyyMMdd"));

    // The season that began last, and the one before it.
    const QStringList seasons = column(session, QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = 'E0004' AND ITEM1 <= :TODAY "
                                                               "ORDER BY ITEM1 DESC"),
                                       {{QStringLiteral("TODAY"), todayText}});
    const QString season = seasons.value(0, QStringLiteral("04"));
    const QString lastSeason = seasons.value(1);
    const QStringList areas = column(session, QStringLiteral("SELECT DETAIL FROM ZX010MS WHERE HEAD = 'E0017' ORDER BY SORT_SEQ, DETAIL"));
    const RowSet kinds = SqlQuery::select(session, QStringLiteral("SELECT DETAIL, ITEM1 FROM ZX010MS WHERE HEAD = 'E0016' "
                                                                  "ORDER BY SORT_SEQ, DETAIL"));
    const RowSet zips = SqlQuery::select(session, QStringLiteral("SELECT ZIP_CODE, CONCAT(ADDRESS1, ' ') || CONCAT(ADDRESS2, ' ') "
                                                                 "|| ADDRESS3 AS ADDRESS FROM ZX030MS ORDER BY ZIP_CODE, SEQ"));
    const RowSet members = SqlQuery::select(session, QStringLiteral("SELECT MEMBER_NO, MEMBER_NAME, HOME_TEL, MOBILE_TEL FROM BB010VE "
                                                                    "WHERE CANCEL_DATE IS NULL ORDER BY MEMBER_NO"));
    if (areas.isEmpty() || kinds.isEmpty())
        return;

    static const Item items[] = {{"CS", "01", true}, {"NS", "01", true}, {"NS", "05", true},
                                 {"SB", "02", false}, {"SB", "06", false}, {"NS", "03", false}};
    static const char *const family[] = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임", "한", "신"};
    static const char *const given[] = {"준호", "미경", "상훈", "혜진", "동현", "지영", "태식", "은경", "영수", "수진"};
    static const char *const questions[] = {"어머니 성함은?", "출신 초등학교는?", "첫 차의 색은?", "좋아하는 슬로프는?"};
    static const char *const answers[] = {"박순자", "중앙", "흰색", "레드"};

    SqlQuery insert(session, QStringLiteral(
        "INSERT INTO EB050MS (SEASON_GUBUN, AREA_GUBUN, KEEP_NO, KEEP_STAT, IPGO_DATE, CHULGO_DATE, GUEST_NO, GUEST_NAME, "
        "KEEP_GUBUN, EQUIP_GUBUN, EQUIP_NAME_GUBUN, EQUIP_NAME_ETC, NATIVE_NO, POELS_YN, POELS_NAME, MEMBER_NO, KEEP_NAME, "
        "ZIP_CODE, ADDR1, ADDR2, TEL_NO, MOBILE_NO, KEEP_BOX_NO, REMARK, CONF_QUESTION, CONF_ANSWER, INPUT_EMP_NO, "
        "INPUT_DATE, U_EMP_NO, U_DATE) VALUES (:SEASON_GUBUN, :AREA_GUBUN, :KEEP_NO, :KEEP_STAT, :IPGO_DATE, :CHULGO_DATE, "
        ":GUEST_NO, :GUEST_NAME, :KEEP_GUBUN, :EQUIP_GUBUN, :EQUIP_NAME_GUBUN, :EQUIP_NAME_ETC, :NATIVE_NO, :POELS_YN, "
        ":POELS_NAME, :MEMBER_NO, :KEEP_NAME, :ZIP_CODE, :ADDR1, :ADDR2, :TEL_NO, :MOBILE_NO, :KEEP_BOX_NO, :REMARK, "
        ":CONF_QUESTION, :CONF_ANSWER, '20040001', :IPGO_DATE, '20040001', :IPGO_DATE)"));

    auto store = [&](const QString &seasonCode, const QString &area, int keepNo, const QDate &intake, bool old) {
        const int kind = rnd.bounded(kinds.rowCount());
        const int days = kinds.text(kind, 1).toInt();
        const QDate release = intake.addDays(days);
        // Items due before today went home, except a few that are still waiting.
        const bool released = old || (release < today && rnd.bounded(5) != 0);
        const Item &item = items[rnd.bounded(int(std::size(items)))];
        const bool member = members.rowCount() > 0 && rnd.bounded(4) == 0;
        const int m = member ? rnd.bounded(members.rowCount()) : 0;
        const bool hasZip = zips.rowCount() > 0 && rnd.bounded(5) != 0;
        const int z = hasZip ? rnd.bounded(zips.rowCount()) : 0;
        const QString name = member ? members.text(m, 1)
                                    : QString::fromUtf8(family[rnd.bounded(int(std::size(family)))])
                                          + QString::fromUtf8(given[rnd.bounded(int(std::size(given)))]);
        const QString mobile = QStringLiteral("010-%1-%2").arg(1000 + rnd.bounded(9000)).arg(1000 + rnd.bounded(9000));
        const int q = rnd.bounded(int(std::size(questions)));
        const bool guest = members.rowCount() > 0 && rnd.bounded(10) == 0;
        const int g = guest ? rnd.bounded(members.rowCount()) : 0;

        insert.setParam(QStringLiteral("SEASON_GUBUN"), seasonCode);
        insert.setParam(QStringLiteral("AREA_GUBUN"), area);
        insert.setParam(QStringLiteral("KEEP_NO"), keepNo);
        insert.setParam(QStringLiteral("KEEP_STAT"), released ? QStringLiteral("R") : QStringLiteral("K"));
        insert.setParam(QStringLiteral("IPGO_DATE"), intake.toString(QStringLiteral("yyyyMMdd")));
        insert.setParam(QStringLiteral("CHULGO_DATE"), release.toString(QStringLiteral("yyyyMMdd")));
        insert.setParam(QStringLiteral("GUEST_NO"), guest ? members.text(g, 0) : QString());
        insert.setParam(QStringLiteral("GUEST_NAME"), guest ? members.text(g, 1) : QString());
        insert.setParam(QStringLiteral("KEEP_GUBUN"), kinds.text(kind, 0));
        insert.setParam(QStringLiteral("EQUIP_GUBUN"), QString::fromLatin1(item.equip));
        insert.setParam(QStringLiteral("EQUIP_NAME_GUBUN"), QString::fromLatin1(item.equipName));
        insert.setParam(QStringLiteral("EQUIP_NAME_ETC"), rnd.bounded(3) == 0 ? QStringLiteral("개인 장비") : QString());
        insert.setParam(QStringLiteral("NATIVE_NO"),
                        QStringLiteral("%1-%2").arg(QString::fromLatin1(item.equip)).arg(100000 + rnd.bounded(900000)));
        insert.setParam(QStringLiteral("POELS_YN"), item.poles ? QStringLiteral("Y") : QStringLiteral("N"));
        insert.setParam(QStringLiteral("POELS_NAME"), item.poles ? QStringLiteral("알루미늄 폴") : QString());
        insert.setParam(QStringLiteral("MEMBER_NO"), member ? members.text(m, 0) : QString());
        insert.setParam(QStringLiteral("KEEP_NAME"), name);
        insert.setParam(QStringLiteral("ZIP_CODE"), hasZip ? zips.text(z, 0) : QString());
        insert.setParam(QStringLiteral("ADDR1"), hasZip ? zips.text(z, 1) : QString());
        insert.setParam(QStringLiteral("ADDR2"), hasZip ? QStringLiteral("%1번지").arg(1 + rnd.bounded(300)) : QString());
        insert.setParam(QStringLiteral("TEL_NO"), member && !members.text(m, 2).isEmpty()
                                                      ? members.text(m, 2)
                                                      : QStringLiteral("02-%1-%2").arg(300 + rnd.bounded(700)).arg(1000 + rnd.bounded(9000)));
        insert.setParam(QStringLiteral("MOBILE_NO"), member && !members.text(m, 3).isEmpty() ? members.text(m, 3) : mobile);
        insert.setParam(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("%1-%2").arg(area).arg(1 + rnd.bounded(120), 3, 10, QLatin1Char('0')));
        insert.setParam(QStringLiteral("REMARK"), rnd.bounded(6) == 0 ? QStringLiteral("바인딩 조정 요청") : QString());
        insert.setParam(QStringLiteral("CONF_QUESTION"), QString::fromUtf8(questions[q]));
        insert.setParam(QStringLiteral("CONF_ANSWER"), QString::fromUtf8(answers[q]));
        insert.exec();
    };

    for (int a = 0; a < areas.size(); ++a) {
        const int count = a == 0 ? 45 : 25;
        for (int no = 1; no <= count; ++no)
            store(season, areas.at(a), no, today.addDays(-rnd.bounded(60)), false);
        if (!lastSeason.isEmpty())
            for (int no = 1; no <= 6; ++no)
                store(lastSeason, areas.at(a), no, today.addDays(-330 - rnd.bounded(60)), true);
    }
}
