#include "Registry.h"
#include "Session.h"
#include "SqlQuery.h"
#include <QDate>
#include <QStringList>

// Generated demo rows of the shared tables: the calendar, and the lesson and
// badge-test rows whose dates follow the day the demo is loaded, so that the
// screens opened on "today" show something.
namespace {

bool isFixedHoliday(const QDate &d)
{
    static const int days[] = {101, 301, 505, 606, 815, 1003, 1009, 1225};
    const int md = d.month() * 100 + d.day();
    for (int h : days)
        if (h == md)
            return true;
    return false;
}

// ZX020MS for 2003 to 2028: every season the code list knows, with its weekday
// (1 Sunday .. 7 Saturday). Inserted a few hundred rows per statement.
void generateCalendar(Session &session)
{
    QStringList values;
    auto flush = [&] {
        if (values.isEmpty())
            return;
        SqlQuery::execute(session, QStringLiteral("INSERT INTO ZX020MS (CALN_DATE, YOIL_CODE, HOLIDAY_YN) VALUES ")
                                       + values.join(QLatin1Char(',')));
        values.clear();
    };
    for (QDate d(2003, 1, 1); d <= QDate(2028, 12, 31); d = d.addDays(1)) {
        const int yoil = d.dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
        const bool holiday = yoil == 1 || isFixedHoliday(d);
        values << QStringLiteral("('%1', %2, '%3')")
                      .arg(d.toString(QStringLiteral("yyyyMMdd")))
                      .arg(yoil)
                      .arg(holiday ? QLatin1Char('Y') : QLatin1Char('N'));
        if (values.size() == 400)
            flush();
    }
    flush();
}

QString ymd(const QDate &d)
{
    return d.toString(QStringLiteral("yyyyMMdd"));
}

// The season a day belongs to: a winter season is named by the year it starts in.
QString seasonOf(const QDate &d)
{
    const int year = d.month() >= 7 ? d.year() : d.year() - 1;
    return QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

void run(Session &session, const QString &sql, const QVariantHash &params)
{
    SqlQuery::execute(session, sql, params);
}

void generateLessons(Session &session, const QDate &today, const QString &season)
{
    const QString receipt = QStringLiteral(
        "INSERT INTO EC020MS (SEASON_GUBUN, RECEIPT_NO, ENTER_DATE, RECEIPT_NAME, TEL_NO) VALUES (:S, :NO, :D, :NAME, :TEL)");
    struct Receipt { const char *no; int daysAgo; const char16_t *name; const char *tel; };
    const Receipt receipts[] = {
        {"0000000001", 12, u"김철수", "010-2345-6789"},
        {"0000000002", 5, u"한빛스키동호회", "02-2266-3300"},
        {"0000000003", 1, u"정미경", "010-7788-1122"},
    };
    for (const Receipt &r : receipts)
        run(session, receipt, {{QStringLiteral("S"), season}, {QStringLiteral("NO"), QString::fromLatin1(r.no)},
                               {QStringLiteral("D"), ymd(today.addDays(-r.daysAgo))},
                               {QStringLiteral("NAME"), QString::fromUtf16(r.name)}, {QStringLiteral("TEL"), QString::fromLatin1(r.tel)}});

    const QString trainee = QStringLiteral(
        "INSERT INTO EC020DT (SEASON_GUBUN, RECEIPT_NO, RECEIPT_SEQ, MEMBER_NO, TRAINER_NAME, SEX, AGE, ID_NO, ZIP_CODE, ADDR1, ADDR2,"
        " TEL_NO, MOBILE_NO, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, LECTURER_EMP_NO, LECTURER_NAME)"
        " VALUES (:S, :NO, :SEQ, :MEMBER, :NAME, :SEX, :AGE, :ID, :ZIP, :ADDR1, :ADDR2, :TEL, :MOBILE, :ITEM, :REC, :DETAIL, :LEMP, :LNAME)");
    struct Trainee { const char *no; int seq; const char *member; const char16_t *name; const char *sex; int age; const char *id;
                     const char *item; const char *rec; const char *detail; const char *lecturer; const char16_t *lecturerName; };
    const Trainee trainees[] = {
        {"0000000001", 1, "0000000101", u"김철수", "1", 61, "6503121234567", "01", "01", "02", "19990012", u"최민호"},
        {"0000000001", 2, "0000000102", u"이영희", "2", 58, "6808222345678", "01", "01", "01", "19990012", u"최민호"},
        {"0000000002", 1, "", u"오지훈", "1", 24, "0201013234561", "02", "02", "01", "20030009", u"권태윤"},
        {"0000000002", 2, "", u"유나래", "2", 23, "0305054234562", "02", "02", "01", "20030009", u"권태윤"},
        {"0000000002", 3, "", u"차은우", "1", 25, "0107073234563", "02", "02", "02", "C2611002", u"송바다"},
        {"0000000003", 1, "", u"정미경", "2", 37, "8904042234564", "01", "01", "01", "20010034", u"배수진"},
        {"0000000003", 2, "", u"정우진", "1", 9, "1706063234565", "01", "01", "01", "20010034", u"배수진"},
    };
    for (const Trainee &t : trainees)
        run(session, trainee,
            {{QStringLiteral("S"), season}, {QStringLiteral("NO"), QString::fromLatin1(t.no)}, {QStringLiteral("SEQ"), t.seq},
             {QStringLiteral("MEMBER"), QString::fromLatin1(t.member)}, {QStringLiteral("NAME"), QString::fromUtf16(t.name)},
             {QStringLiteral("SEX"), QString::fromLatin1(t.sex)}, {QStringLiteral("AGE"), t.age},
             {QStringLiteral("ID"), QString::fromLatin1(t.id)}, {QStringLiteral("ZIP"), QStringLiteral("232950")},
             {QStringLiteral("ADDR1"), QStringLiteral("강원도 평창군 대관령면 횡계리")}, {QStringLiteral("ADDR2"), QString()},
             {QStringLiteral("TEL"), QString()}, {QStringLiteral("MOBILE"), QStringLiteral("010-7788-1122")},
             {QStringLiteral("ITEM"), QString::fromLatin1(t.item)}, {QStringLiteral("REC"), QString::fromLatin1(t.rec)},
             {QStringLiteral("DETAIL"), QString::fromLatin1(t.detail)}, {QStringLiteral("LEMP"), QString::fromLatin1(t.lecturer)},
             {QStringLiteral("LNAME"), QString::fromUtf16(t.lecturerName)}});

    const QString club = QStringLiteral(
        "INSERT INTO EC010MS (SEASON_GUBUN, LECTURE_NO, MEMBER_NO, TRAINER_NAME, ENTER_DATE, SEX, AGE, ID_NO, TEL_NO,"
        " LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, WANT_SKILL_GUBUN, LECTURER_EMP_NO, LECTURER_NAME)"
        " VALUES (:S, :NO, :MEMBER, :NAME, :D, :SEX, :AGE, :ID, :TEL, '01', '01', :SKILL, '19990012', '최민호')");
    struct Club { int no; const char *member; const char16_t *name; const char *sex; int age; const char *id; const char *tel; const char *skill; };
    const Club clubs[] = {
        {1, "0000000215", u"박민수", "1", 54, "7201051234561", "031-712-4455", "03"},
        {2, "0000000537", u"김수진", "2", 45, "8109092345674", "02-594-2020", "02"},
        {3, "", u"이도윤", "1", 16, "1003033234566", "033-335-9090", "05"},
    };
    for (const Club &c : clubs)
        run(session, club,
            {{QStringLiteral("S"), season}, {QStringLiteral("NO"), c.no}, {QStringLiteral("MEMBER"), QString::fromLatin1(c.member)},
             {QStringLiteral("NAME"), QString::fromUtf16(c.name)}, {QStringLiteral("D"), ymd(today.addDays(-20 + c.no))},
             {QStringLiteral("SEX"), QString::fromLatin1(c.sex)}, {QStringLiteral("AGE"), c.age},
             {QStringLiteral("ID"), QString::fromLatin1(c.id)}, {QStringLiteral("TEL"), QString::fromLatin1(c.tel)},
             {QStringLiteral("SKILL"), QString::fromLatin1(c.skill)}});

    // Staff lesson slots for the coming week, and a few bookings in them.
    const QString slot = QStringLiteral(
        "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT, REMARK)"
        " VALUES (:D, :ITEM, '03', :DETAIL, :CNT, :REMARK)");
    for (int day = 0; day < 7; ++day) {
        const QString d = ymd(today.addDays(day));
        run(session, slot, {{QStringLiteral("D"), d}, {QStringLiteral("ITEM"), QStringLiteral("01")}, {QStringLiteral("DETAIL"), QStringLiteral("01")},
                            {QStringLiteral("CNT"), 10}, {QStringLiteral("REMARK"), QStringLiteral("오전 10시 솔빛 초급 슬로프 집결")}});
        run(session, slot, {{QStringLiteral("D"), d}, {QStringLiteral("ITEM"), QStringLiteral("01")}, {QStringLiteral("DETAIL"), QStringLiteral("02")},
                            {QStringLiteral("CNT"), 6}, {QStringLiteral("REMARK"), QStringLiteral("오후 2시 가람 리프트 앞")}});
        run(session, slot, {{QStringLiteral("D"), d}, {QStringLiteral("ITEM"), QStringLiteral("02")}, {QStringLiteral("DETAIL"), QStringLiteral("01")},
                            {QStringLiteral("CNT"), 4}, {QStringLiteral("REMARK"), QString()}});
    }
    const QString booking = QStringLiteral(
        "INSERT INTO EC050MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, EMP_NO, EMP_NAME, YAEYAK_CNT, REMARK)"
        " VALUES (:D, :ITEM, '03', :DETAIL, :EMP, :NAME, :CNT, :REMARK)");
    struct Booking { int day; const char *item; const char *detail; const char *emp; const char16_t *name; int count; const char16_t *remark; };
    const Booking bookings[] = {
        {1, "01", "01", "20040002", u"김영희", 2, u"자녀 동반"},
        {1, "01", "01", "20030015", u"이순재", 3, u""},
        {1, "02", "01", "20050007", u"강민호", 1, u""},
        {2, "01", "02", "20040001", u"홍길동", 1, u"중급 첫 강습"},
    };
    for (const Booking &b : bookings)
        run(session, booking,
            {{QStringLiteral("D"), ymd(today.addDays(b.day))}, {QStringLiteral("ITEM"), QString::fromLatin1(b.item)},
             {QStringLiteral("DETAIL"), QString::fromLatin1(b.detail)}, {QStringLiteral("EMP"), QString::fromLatin1(b.emp)},
             {QStringLiteral("NAME"), QString::fromUtf16(b.name)}, {QStringLiteral("CNT"), b.count},
             {QStringLiteral("REMARK"), QString::fromUtf16(b.remark)}});
}

void generateEvents(Session &session, const QDate &today, const QString &season)
{
    const QString game = QStringLiteral(
        "INSERT INTO ED010MS (GAME_DATE, SEQ_NO, GAME_NAME, SOCIETY_NAME, SOCIETY_REP, TEL_NO, GAME_CONTENT, GAME_SCALE, SLOPE, SLOPE_AMT)"
        " VALUES (:D, :SEQ, :NAME, :SOCIETY, :REP, :TEL, :CONTENT, :SCALE, NULL, :AMT)");
    run(session, game, {{QStringLiteral("D"), ymd(today)}, {QStringLiteral("SEQ"), 1}, {QStringLiteral("NAME"), QStringLiteral("탈보배 알파인 스키대회")},
                        {QStringLiteral("SOCIETY"), QStringLiteral("강원도스키협회")}, {QStringLiteral("REP"), QStringLiteral("서정호")},
                        {QStringLiteral("TEL"), QStringLiteral("033-254-3300")}, {QStringLiteral("CONTENT"), QStringLiteral("대회전 및 회전 경기")},
                        {QStringLiteral("SCALE"), QStringLiteral("선수 120명, 임원 30명")}, {QStringLiteral("AMT"), 1500000}});
    run(session, game, {{QStringLiteral("D"), ymd(today.addDays(14))}, {QStringLiteral("SEQ"), 1}, {QStringLiteral("NAME"), QStringLiteral("전국 대학 스노보드 선수권")},
                        {QStringLiteral("SOCIETY"), QStringLiteral("대한스노보드협회")}, {QStringLiteral("REP"), QStringLiteral("김태현")},
                        {QStringLiteral("TEL"), QStringLiteral("02-420-4251")}, {QStringLiteral("CONTENT"), QStringLiteral("하프파이프, 평행대회전")},
                        {QStringLiteral("SCALE"), QStringLiteral("선수 80명")}, {QStringLiteral("AMT"), 900000}});

    const QString entry = QStringLiteral(
        "INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, ENTRY_NAME_ENG, SKI_SKILL, HOME_TEL_NO,"
        " HOME_ZIP_CODE, HOME_ADDR1, HOME_ADDR2, MOBILE_NO, APPLY_CLASS, APPLY_AMT)"
        " VALUES (:S, :NO, :D, :NAME, :ID, :ENG, :SKILL, :TEL, :ZIP, :ADDR1, :ADDR2, :MOBILE, :CLASS, :AMT)");
    struct Entry { int no; const char16_t *name; const char *id; const char *eng; const char16_t *skill; const char *zip; const char16_t *addr1;
                   const char *mobile; const char *cls; int amt; };
    const Entry entries[] = {
        {1, u"윤서준", "8506061234567", "YOON SEOJUN", u"스키 10년", "121210", u"서울특별시 마포구 서교동", "010-3333-1212", "03", 50000},
        {2, u"김수진", "8109092345674", "KIM SUJIN", u"스키 15년, 준지도자 준비", "137070", u"서울특별시 서초구 서초동", "010-5944-2020", "02", 60000},
        {3, u"오지훈", "0201013234561", "OH JIHOON", u"스키 5년", "232950", u"강원도 평창군 대관령면 횡계리", "010-4545-0202", "03", 50000},
        {12, u"배하늘", "9912122234567", "BAE HANEUL", u"스키 8년", "463825", u"경기도 성남시 분당구 서현동", "010-1212-9912", "01", 40000},
    };
    for (const Entry &e : entries)
        run(session, entry,
            {{QStringLiteral("S"), season}, {QStringLiteral("NO"), e.no}, {QStringLiteral("D"), ymd(today.addDays(-7 + e.no % 5))},
             {QStringLiteral("NAME"), QString::fromUtf16(e.name)}, {QStringLiteral("ID"), QString::fromLatin1(e.id)},
             {QStringLiteral("ENG"), QString::fromLatin1(e.eng)}, {QStringLiteral("SKILL"), QString::fromUtf16(e.skill)},
             {QStringLiteral("TEL"), QString()}, {QStringLiteral("ZIP"), QString::fromLatin1(e.zip)},
             {QStringLiteral("ADDR1"), QString::fromUtf16(e.addr1)}, {QStringLiteral("ADDR2"), QString()},
             {QStringLiteral("MOBILE"), QString::fromLatin1(e.mobile)}, {QStringLiteral("CLASS"), QString::fromLatin1(e.cls)},
             {QStringLiteral("AMT"), e.amt}});

    // Three examiners judged two applicants today.
    const QString judging = QStringLiteral(
        "INSERT INTO ED020DT (SEASON_GUBUN, EXAMINE_DATE, RECV_NO,"
        " EXAMINER_A, PFLUG_BOGEN_A, STEM_TURN_A, PARALLEL_TURN_A, WEDERN_TURN_A, MIDDLE_TURN_A, GEN_DESCENT_A,"
        " EXAMINER_B, PFLUG_BOGEN_B, STEM_TURN_B, PARALLEL_TURN_B, WEDERN_TURN_B, MIDDLE_TURN_B, GEN_DESCENT_B,"
        " EXAMINER_C, PFLUG_BOGEN_C, STEM_TURN_C, PARALLEL_TURN_C, WEDERN_TURN_C, MIDDLE_TURN_C, GEN_DESCENT_C)"
        " VALUES (:S, :D, :NO, '최민호', :A1, :A2, :A3, :A4, :A5, :A6, '배수진', :B1, :B2, :B3, :B4, :B5, :B6,"
        " '오상훈', :C1, :C2, :C3, :C4, :C5, :C6)");
    const int scores[2][18] = {{72, 75, 70, 68, 71, 74, 70, 73, 69, 70, 72, 71, 74, 76, 71, 69, 70, 73},
                               {80, 82, 79, 81, 78, 83, 81, 80, 82, 79, 80, 84, 79, 81, 80, 82, 78, 81}};
    const int recv[2] = {1, 2};
    for (int i = 0; i < 2; ++i) {
        QVariantHash p{{QStringLiteral("S"), season}, {QStringLiteral("D"), ymd(today)}, {QStringLiteral("NO"), recv[i]}};
        for (int k = 0; k < 18; ++k)
            p.insert(QStringLiteral("%1%2").arg(QLatin1Char(char('A' + k / 6))).arg(k % 6 + 1), scores[i][k]);
        run(session, judging, p);
    }
}

} // namespace

void generateShellDemoData(Session &session)
{
    generateCalendar(session);
    const QDate today = QDate::currentDate();
    const QString season = seasonOf(today);
    generateLessons(session, today, season);
    generateEvents(session, today, season);
}
