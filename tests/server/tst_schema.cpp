#include "DbError.h"
#include "Schema.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include <QDate>
#include <QFile>
#include <QTest>
#include <map>
#include <memory>

// The main window's rights statement, MINUS written as EXCEPT.
const char kMenuPrograms[] =
    "SELECT MENU_ID, PROGRAM_ID, PROGRAM_NAME FROM ZA050MS WHERE PROJECT_ID = :P0 AND MENU_ID = :P1 AND PROGRAM_ID IN "
    "(SELECT PROGRAM_ID FROM ZA140MS WHERE PROJECT_ID = :P0 AND PROJECT_LEVEL = (SELECT PROJECT_LEVEL FROM ZA130MS WHERE "
    "EMP_NO = :P2 AND PROJECT_ID = :P0) UNION ALL SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 "
    "AND ADD_YN = 'Y' EXCEPT SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'N') "
    "AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ";

// The schema carries every column the shared statements read, and the demo
// resort loads on both engines with what the menus and pickers need to show.
class TestSchema : public QObject
{
    Q_OBJECT

    std::map<QString, std::unique_ptr<TestDatabase>> m_dbs;

    // One demo database per engine, shared by the cases below.
    Session &demo(const QString &engine)
    {
        auto &db = m_dbs[engine];
        if (!db) {
            db = std::make_unique<TestDatabase>(engine);
            Schema::loadDemoData(db->session());
        }
        return db->session();
    }

    static QVariantHash params(std::initializer_list<std::pair<const char *, const char *>> list)
    {
        QVariantHash h;
        for (const auto &p : list)
            h.insert(QString::fromLatin1(p.first), QString::fromUtf8(p.second));
        return h;
    }

private slots:
    void cleanupTestCase() { m_dbs.clear(); }

    // The statements of the menu, the common lookups and the pickers, with the
    // portable rewrites (MINUS -> EXCEPT, SYSDATE(), TRIM IS NOT NULL, date + n).
    // minRows: rows the demo data must give for these parameters (0: any).
    void statementRuns_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantHash>("params");
        QTest::addColumn<int>("minRows");

        struct Case { const char *name; const char *sql; QVariantHash params; int minRows; };
        const QList<Case> cases = {
            {"menu: account title", "SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z9999' AND DETAIL = :P0",
             params({{"P0", "TLUSER"}}), 1},
            {"menu: groups", "SELECT MENU_ID, MENU_NAME FROM ZA040MS WHERE PROJECT_ID = :P0 AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ",
             params({{"P0", "SPORTS"}}), 8},
            {"menu: programs of a group", kMenuPrograms,
             params({{"P0", "SPORTS"}, {"P1", "10"}, {"P2", "20040001"}}), 13},
            {"FillCodeCombo", "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND NULLIF(TRIM(DETAIL),'') IS NOT NULL\n"
                              "AND ITEM1 = :ITEM1\nAND ITEM15 = :ITEM15",
             params({{"HEAD", "E0004"}, {"ITEM1", "20261101"}, {"ITEM15", "x"}}), 0},
            {"GetCodeName", "SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND TRIM(DETAIL) = :DETAIL",
             params({{"HEAD", "Z0008"}, {"DETAIL", "2"}}), 1},
            {"GetMemberName", "SELECT MEMBER_NAME FROM BB010VE WHERE MEMBER_NO = :MEMBER_NO AND CANCEL_DATE IS NULL",
             params({{"MEMBER_NO", "0000000101"}}), 1},
            {"GetPartnerGroupName",
             "SELECT /*+ RULE */ MEMBER_NAME AS EVENT_NAME FROM BB010MS WHERE MEMBER_NO > ' ' AND MEMBER_GROUP_CODE = "
             ":MEMBER_GROUP_CODE AND MEMBER_NO = :EVENT_NO AND CANCEL_DATE IS NULL",
             params({{"MEMBER_GROUP_CODE", "44"}, {"EVENT_NO", "4400000001"}}), 1},
            {"GetStaffName", "SELECT MEMBER_NAME AS EMP_NAME FROM BB010VE WHERE MEMBER_NO = :MEMBER_NO AND "
                             "SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE",
             params({{"MEMBER_NO", "20040002"}, {"GC_SAWON_CODE", "10"}}), 1},
            {"GetEmployeeInfo",
             "select EMP_K_NAME, EMP_WORK_GRP_CODE, (select CODE_NAME from ZX900DT where GRP_NO = :GC_EMP_WORK_GRP_CODE and "
             "CODE_NO = A.EMP_WORK_GRP_CODE) EMP_WORK_GRP_NAME, EMP_WORK_GRP_DUTY_CODE, (select CODE_NAME from ZX900DT where "
             "GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE and CODE_NO = A.EMP_WORK_GRP_DUTY_CODE) EMP_WORK_GRP_DUTY_NAME from QA010MS A "
             "where EMP_WORK_CODE = '81' and EMP_STAY_CODE = '01' and EMP_NO = :EMP_NO union select LAB_K_NAME, LAB_WORK_GRP, "
             "(select CODE_NAME from ZX900DT where GRP_NO = :GC_EMP_WORK_GRP_CODE and CODE_NO = A.LAB_WORK_GRP), LAB_WORK_DUTY, "
             "(select CODE_NAME from ZX900DT where GRP_NO = :GC_EMP_WORK_GRP_DUTY_CODE and CODE_NO = A.LAB_WORK_DUTY) "
             "LAB_WORK_DUTY_NAME from QG010MS A where nvl(LAB_END_DATE, sysdate()) >= sysdate() and LAB_NO = :EMP_NO",
             params({{"GC_EMP_WORK_GRP_CODE", "Q043"}, {"GC_EMP_WORK_GRP_DUTY_CODE", "Q044"}, {"EMP_NO", "C2611002"}}), 1},
            {"GetLessonReceipt", "SELECT ENTER_DATE, RECEIPT_NAME FROM EC020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND "
                                 "RECEIPT_NO = :RECEIPT_NO",
             params({{"SEASON_GUBUN", "26"}, {"RECEIPT_NO", "0000000001"}}), 0},
            {"GetBadgeEntry",
             "SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO, ENTRY_NAME_KOR, APPLY_DATE, ID_NO, (SELECT DETAIL_NAME FROM "
             "ZX010MS WHERE HEAD = :GC_APPLY_CLASS_CODE AND DETAIL = APPLY_CLASS) AS APPLY_CLASS FROM ED020MS WHERE "
             "SEASON_GUBUN = :SEASON_GUBUN AND RECV_NO = :RECV_NO",
             params({{"GC_APPLY_CLASS_CODE", "E0026"}, {"SEASON_GUBUN", "26"}, {"RECV_NO", "12"}}), 0},
            {"GetZipAddress", "SELECT CONCAT(ADDRESS1, ' ') || CONCAT(ADDRESS2, ' ') || CONCAT(ADDRESS3, ' ') AS ADDRESS FROM "
                              "ZX030MS WHERE ZIP_CODE = :ZIP_CODE",
             params({{"ZIP_CODE", "232950"}}), 2},
            {"GetReleaseDate", "SELECT TO_CHAR(ADD_DAYS(:IPGO_DATE, TO_NUMBER(ITEM1)), 'YYYYMMDD') AS CHULGO_DATE FROM ZX010MS "
                               "WHERE HEAD = :GC_KEEP_GUBUN_CODE AND DETAIL = :GC_KEEP_GUBUN",
             params({{"IPGO_DATE", "20261211"}, {"GC_KEEP_GUBUN_CODE", "E0016"}, {"GC_KEEP_GUBUN", "01"}}), 0},
            {"IsFacilityDayEmpty", "SELECT COUNT(*) AS FAC_COUNT FROM EB010MS WHERE RUN_DATE = :RUN_DATE",
             params({{"RUN_DATE", "20261211"}}), 1},
            {"IsEquipUnavailable",
             "SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO "
             "AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = "
             ":RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT AND EQUIP_NO = "
             ":EQUIP_NO) AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = "
             ":AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND EQUIP_NO = :EQUIP_NO)",
             params({{"AREA_GUBUN", "M"}, {"EQUIP_GUBUN", "NS"}, {"EQUIP_NO", "1"}, {"RENT_DATE", "20261211"}, {"RENT_STAT", "D"}}),
             0},
            {"IsSizeInGroup",
             "SELECT T1.DETAIL FROM ZX010MS T1, (SELECT TO_NUMBER(DETAIL_NAME) AS EQUIP_SIZE FROM ZX010MS WHERE HEAD = "
             ":GC_SIZE_GUBUN AND DETAIL = :EQUIP_SIZE_CODE) T2 WHERE T1.HEAD = :GC_SIZEGROUP_GUBUN AND "
             "NULLIF(TRIM(T1.DETAIL),'') IS NOT NULL AND T2.EQUIP_SIZE BETWEEN TO_NUMBER(ITEM1) AND TO_NUMBER(ITEM2)",
             params({{"GC_SIZE_GUBUN", "E0010"}, {"EQUIP_SIZE_CODE", "01"}, {"GC_SIZEGROUP_GUBUN", "E0018"}}), 0},
            {"IsNotReservedBy",
             "SELECT EMP_NAME FROM EC050MS WHERE YAEYAK_DATE = :YAEYAK_DATE AND LECTURE_ITEM_GUBUN = :LECTURE_ITEM_GUBUN AND "
             "LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN AND TRIM(EMP_NO) = :EMP_NO",
             params({{"YAEYAK_DATE", "20261211"}, {"LECTURE_ITEM_GUBUN", "01"}, {"LECTURE_REC_GUBUN", "03"},
                     {"LECTURE_DETAIL_GUBUN", "01"}, {"EMP_NO", "20040002"}}), 0},
            {"GetReservationCapacity",
             "SELECT YAEYAK_ABILITY_CNT FROM EC040MS WHERE YAEYAK_DATE = :YAEYAK_DATE AND LECTURE_ITEM_GUBUN = "
             ":LECTURE_ITEM_GUBUN AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN",
             params({{"YAEYAK_DATE", "20261211"}, {"LECTURE_ITEM_GUBUN", "01"}, {"LECTURE_REC_GUBUN", "03"},
                     {"LECTURE_DETAIL_GUBUN", "01"}}), 0},
            {"GetReservedCount",
             "SELECT NVL(SUM(YAEYAK_CNT),0) AS YAEYAK_CNT FROM EC050MS WHERE YAEYAK_DATE = :YAEYAK_DATE AND LECTURE_ITEM_GUBUN = "
             ":LECTURE_ITEM_GUBUN AND LECTURE_REC_GUBUN = :LECTURE_REC_GUBUN AND LECTURE_DETAIL_GUBUN = :LECTURE_DETAIL_GUBUN",
             params({{"YAEYAK_DATE", "20261211"}, {"LECTURE_ITEM_GUBUN", "01"}, {"LECTURE_REC_GUBUN", "03"},
                     {"LECTURE_DETAIL_GUBUN", "01"}}), 1},
            {"EZH010 zip codes",
             "SELECT SUBSTR(ZIP_CODE,1,3) ||'-'|| SUBSTR(ZIP_CODE,4,3) AS ZIP_CODE, CONCAT(ADDRESS1, ' ') || CONCAT(ADDRESS2, ' ') "
             "|| CONCAT(ADDRESS3, ' ') || CONCAT(POST_BOX, ' ') AS ADDRESS FROM ZX030MS WHERE ADDRESS1 LIKE :ADDRESS OR ADDRESS2 "
             "LIKE :ADDRESS OR ADDRESS3 LIKE :ADDRESS",
             params({{"ADDRESS", "%평창%"}}), 6},
            {"EZH020 rentals",
             "SELECT T2.RENT_NO, T2.DEAL_NAME, T3.KEEP_KIND_GUBUN_NAME, T2.KEEP_BOX_NO FROM ( SELECT RENT_DATE, AREA_GUBUN, RENT_NO "
             "FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NAME LIKE :RENT_NAME GROUP BY "
             "RENT_DATE, AREA_GUBUN, RENT_NO ) T1, EB040MS T2, ( SELECT DETAIL AS KEEP_KIND_GUBUN, DETAIL_NAME AS "
             "KEEP_KIND_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_KIND_GUBUN ) T3 WHERE T1.RENT_DATE = T2.RENT_DATE AND "
             "T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.RENT_NO = T2.RENT_NO AND T2.RENT_NO LIKE :RENT_NO AND T2.KEEP_KIND_GUBUN = "
             "T3.KEEP_KIND_GUBUN",
             params({{"RENT_DATE", "20261211"}, {"AREA_GUBUN", "M"}, {"RENT_NAME", "%%"}, {"RENT_NO", "%%"},
                     {"GC_KEEP_KIND_GUBUN", "E0013"}}), 0},
            {"EZH020 rental rows",
             "SELECT T1.RENT_SEQ, T1.RENT_NAME, T2.RENT_STAT_GUBUN_NAME, T3.EQUIP_GUBUN_NAME, T1.EQUIP_NO, "
             "T4.TICKET_KIND_GUBUN_NAME FROM EB040DT T1, (SELECT DETAIL AS RENT_STAT_GUBUN, DETAIL_NAME AS RENT_STAT_GUBUN_NAME "
             "FROM ZX010MS WHERE HEAD = :GC_RENT_STAT_GUBUN) T2, (SELECT DETAIL AS EQUIP_GUBUN, DETAIL_NAME AS EQUIP_GUBUN_NAME "
             "FROM ZX010MS WHERE HEAD = :GC_EQUIP_GUBUN) T3, (SELECT DETAIL AS TICKET_KIND_GUBUN, DETAIL_NAME AS "
             "TICKET_KIND_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_TICKET_KIND_GUBUN) T4 WHERE T1.RENT_DATE = :RENT_DATE AND "
             "T1.AREA_GUBUN = :AREA_GUBUN AND T1.RENT_NO = :RENT_NO AND T1.RENT_STAT = T2.RENT_STAT_GUBUN AND T1.EQUIP_GUBUN = "
             "T3.EQUIP_GUBUN AND T1.TICKET_KIND = T4.TICKET_KIND_GUBUN",
             params({{"GC_RENT_STAT_GUBUN", "E0012"}, {"GC_EQUIP_GUBUN", "E0009"}, {"GC_TICKET_KIND_GUBUN", "I0005"},
                     {"RENT_DATE", "20261211"}, {"AREA_GUBUN", "M"}, {"RENT_NO", "1"}}), 0},
            {"EZH030 members",
             "SELECT /*+ RULE */ MEMBER_NO, MEMBER_NAME, ID_NO, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
             ":GC_MEMBER_GROUP_CODE AND DETAIL = MEMBER_GROUP_CODE) AS MEMBER_GROUP_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE "
             "HEAD = :GC_SEX_CODE AND DETAIL = SEX_CODE) AS SEX_NAME, CANCEL_DATE, MAIN_MEMBER_NAME, MEMBER_INFO, HOME_TEL, "
             "HOME_POST, HOME_ADDRESS1, HOME_ADDRESS2, OFFICE_TEL, OFFICE_POST, OFFICE_ADDRESS1, OFFICE_ADDRESS2, MOBILE_TEL FROM "
             "BB010VE WHERE MEMBER_NAME LIKE :MEMBER_NAME",
             params({{"GC_MEMBER_GROUP_CODE", "B0001"}, {"GC_SEX_CODE", "Z0008"}, {"MEMBER_NAME", "%김%"}}), 3},
            {"EZH040 codes", "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :HEAD AND NULLIF(TRIM(DETAIL),'') IS NOT NULL",
             params({{"HEAD", "E0004"}}), 25},
            {"EZH050 receipts",
             "SELECT RECEIPT_NO, SUBSTR(ENTER_DATE,1,4)||'-'||SUBSTR(ENTER_DATE,5,2)||'-'||SUBSTR(ENTER_DATE,7,2) AS ENTER_DATE, "
             "RECEIPT_NAME FROM EC020MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND RECEIPT_NAME LIKE :RECEIPT_NAME ORDER BY RECEIPT_NO",
             params({{"SEASON_GUBUN", "26"}, {"RECEIPT_NAME", "%%"}}), 0},
            {"EZH050 trainees",
             "SELECT T1.RECEIPT_SEQ, T1.TRAINER_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_SEX_CODE AND DETAIL = "
             "T1.SEX) AS SEX, T1.AGE, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_LECTURE_ITEM_CODE AND DETAIL = "
             "T1.LECTURE_ITEM_GUBUN) AS LECTURE_ITEM_GUBUN, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_LECTURE_REC_CODE "
             "AND DETAIL = T1.LECTURE_REC_GUBUN) AS LECTURE_REC_GUBUN, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
             ":GC_LECTURE_DETAIL_CODE AND DETAIL = T1.LECTURE_DETAIL_GUBUN) AS LECTURE_DETAIL_GUBUN FROM EC020DT T1 WHERE "
             "T1.SEASON_GUBUN = :SEASON_GUBUN AND T1.RECEIPT_NO = :RECEIPT_NO",
             params({{"GC_SEX_CODE", "Z0008"}, {"GC_LECTURE_ITEM_CODE", "E0022"}, {"GC_LECTURE_REC_CODE", "E0023"},
                     {"GC_LECTURE_DETAIL_CODE", "E0024"}, {"SEASON_GUBUN", "26"}, {"RECEIPT_NO", "0000000002"}}), 0},
            {"EZH060 partner groups",
             "SELECT /*+ RULE */ T1.MEMBER_NO, T1.MEMBER_NAME FROM BB010MS T1 WHERE T1.MEMBER_NO > ' ' AND T1.MEMBER_GROUP_CODE = "
             ":MEMBER_GROUP_CODE AND T1.MEMBER_NAME LIKE :MEMBER_NAME AND T1.CANCEL_DATE IS NULL",
             params({{"MEMBER_GROUP_CODE", "44"}, {"MEMBER_NAME", "%%"}}), 3},
            {"EZH070 badge entries",
             "SELECT TO_CHAR(RECV_NO, 'FM000000') AS RECV_NO, ENTRY_NAME_KOR, SUBSTR(APPLY_DATE,1,4) ||'-'|| SUBSTR(APPLY_DATE,5,2) "
             "||'-'|| SUBSTR(APPLY_DATE,7,2) AS APPLY_DATE, SUBSTR(ID_NO,1,6) ||'-'|| SUBSTR(ID_NO,7,7) AS ID_NO, (SELECT "
             "DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_APPLY_CLASS_CODE AND DETAIL = APPLY_CLASS) AS APPLY_CLASS FROM ED020MS "
             "WHERE SEASON_GUBUN = :SEASON_GUBUN AND ENTRY_NAME_KOR LIKE :ENTRY_NAME_KOR",
             params({{"GC_APPLY_CLASS_CODE", "E0026"}, {"SEASON_GUBUN", "26"}, {"ENTRY_NAME_KOR", "%%"}}), 0},
            {"EZH080 instructors",
             "select EMP_NO, EMP_K_NAME, EMP_WORK_GRP_CODE, (select DETAIL_NAME from ZX010MS where HEAD = 'Q043' and DETAIL = "
             "A.EMP_WORK_GRP_CODE) EMP_WORK_GRP_NAME, EMP_WORK_GRP_DUTY_CODE, (select DETAIL_NAME from ZX010MS where HEAD = 'Q044' "
             "and DETAIL = A.EMP_WORK_GRP_DUTY_CODE) EMP_WORK_GRP_DUTY_NAME, decode(EMP_POS_CODE,'21','상용직','정규직') "
             "EMP_TYPE_NAME from QA010MS A where EMP_WORK_CODE = '81' and EMP_STAY_CODE = '01' and EMP_K_NAME like :EMP_K_NAME "
             "union select LAB_NO, LAB_K_NAME, LAB_WORK_GRP, (select DETAIL_NAME from ZX010MS where HEAD = 'Q043' and DETAIL = "
             "A.LAB_WORK_GRP), LAB_WORK_DUTY, (select DETAIL_NAME from ZX010MS where HEAD = 'Q044' and DETAIL = A.LAB_WORK_DUTY), "
             "'A/B' from QG010MS A where nvl(LAB_END_DATE, sysdate()) >= sysdate() and LAB_WORK_CODE = '81' and LAB_K_NAME like "
             ":EMP_K_NAME",
             params({{"EMP_K_NAME", "%%"}}), 7},
            {"EZH090 staff",
             "SELECT MEMBER_NO AS EMP_NO, MEMBER_NAME AS EMP_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = "
             ":GC_MEMBER_GROUP_CODE AND DETAIL = MEMBER_GROUP_CODE) AS MEMBER_GROUP_NAME, (SELECT DETAIL_NAME FROM ZX010MS WHERE "
             "HEAD = :GC_SEX_CODE AND DETAIL = SEX_CODE) AS SEX_NAME FROM BB010VE WHERE MEMBER_NAME LIKE :MEMBER_NAME AND "
             "SUBSTR(MEMBER_GROUP_CODE,1,2) = :GC_SAWON_CODE",
             params({{"GC_MEMBER_GROUP_CODE", "B0001"}, {"GC_SEX_CODE", "Z0008"}, {"MEMBER_NAME", "%%"}, {"GC_SAWON_CODE", "10"}}),
             5},
            {"EFH020 business places", "SELECT UPJANG_CODE, UPJANG_NAME FROM JA010MS WHERE UPJANG_TYPE = :UPJANG_TYPE",
             params({{"UPJANG_TYPE", "50"}}), 5},
        };
        for (const QString &engine : testEngines())
            for (const Case &c : cases)
                QTest::addRow("%s: %s", qPrintable(engine), c.name)
                    << engine << QString::fromUtf8(c.sql) << c.params << c.minRows;
    }

    void statementRuns()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QVariantHash, params);
        QFETCH(int, minRows);
        SqlQuery q(demo(engine), sql);
        for (auto it = params.cbegin(); it != params.cend(); ++it)
            q.setParam(it.key(), it.value());
        QCOMPARE(q.unsetParams(), QStringList()); // the case names every parameter
        try {
            const RowSet &rows = q.open();
            QVERIFY2(rows.rowCount() >= minRows, qPrintable(QStringLiteral("%1 rows").arg(rows.rowCount())));
        } catch (const DbError &e) {
            QFAIL(qPrintable(e.message()));
        }
    }

    // The demo employee reaches every program of the dispatch table through the
    // menu; the desk clerk sees the equipment menu without the course entry, plus
    // the member screen granted to her alone.
    void demoMenuRights_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("emp");
        QTest::addColumn<QStringList>("programs");
        const QStringList all = QStringLiteral(
            "EAS020 EAS010 EAS030 EBI010 EBI020 EBI030 EBI040 EBI050 EBS060 EBS070 EBS080 EBS090 EBS100 EBS110 EBS120 EBS130 "
            "ECI010 ECI020 ECI030 ECI040 ECI050 ECI060 ECI070 ECI080 ECS090 ECS100 ECS110 ECS120 ECS130 ECS140 ECS150 ECS160 "
            "EDI010 EDI020 EDI030 EDS040 EDS050 EDS060 EEI010 EEI021 EES001 EES010 EES020 EES030 EES040 EES140 EES050 EES060 "
            "EES070 EES080 EES090 EES120 EES003 EES004 EFS010 EFS020 EFS030 EFS040 EFS050 EFS060 EFS070 EGI020 EHI010 EHI020 "
            "EHI040 EHS030 EHS040").split(QLatin1Char(' '));
        const QStringList clerk = QStringLiteral(
            "EBI020 EBI030 EBI040 EBI050 EBS060 EBS070 EBS080 EBS090 EBS100 EBS110 EBS120 EBS130 EGI020").split(QLatin1Char(' '));
        for (const QString &engine : testEngines()) {
            QTest::addRow("%s: 20040001 everything", qPrintable(engine)) << engine << QStringLiteral("20040001") << all;
            QTest::addRow("%s: 20040002 rental desk", qPrintable(engine)) << engine << QStringLiteral("20040002") << clerk;
        }
    }

    void demoMenuRights()
    {
        QFETCH(QString, engine);
        QFETCH(QString, emp);
        QFETCH(QStringList, programs);
        Session &s = demo(engine);
        const RowSet groups = SqlQuery::select(
            s, QStringLiteral("SELECT MENU_ID FROM ZA040MS WHERE PROJECT_ID = 'SPORTS' AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ"));
        QStringList granted;
        for (int g = 0; g < groups.rowCount(); ++g) {
            const RowSet rows = SqlQuery::select(s, QString::fromUtf8(kMenuPrograms),
                                                 {{QStringLiteral("P0"), QStringLiteral("SPORTS")},
                                                  {QStringLiteral("P1"), groups.text(g, 0)}, {QStringLiteral("P2"), emp}});
            for (int r = 0; r < rows.rowCount(); ++r) {
                QVERIFY2(!rows.text(r, 2).isEmpty(), qPrintable(rows.text(r, 1)));
                granted << rows.text(r, 1);
            }
        }
        QCOMPARE(granted.size(), programs.size()); // no program listed twice
        granted.sort();
        QStringList expected = programs;
        expected.sort();
        QCOMPARE(granted, expected);
    }

    // The calendar counts weekdays from Sunday = 1: 1 January 2004 was a Thursday.
    void demoCalendar_data() { addEngineRows(); }
    void demoCalendar()
    {
        QFETCH(QString, engine);
        Session &s = demo(engine);
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT YOIL_CODE FROM ZX020MS WHERE CALN_DATE = '20040101'")).scalarText(),
                 QStringLiteral("5"));
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT YOIL_CODE FROM ZX020MS WHERE CALN_DATE = '20261213'")).scalarText(),
                 QStringLiteral("1"));
        // Every day of every season in the code list, without gaps.
        QCOMPARE(SqlQuery::select(s, QStringLiteral("SELECT COUNT(*) FROM ZX020MS WHERE CALN_DATE BETWEEN '20031101' AND '20280331'"))
                     .scalarText(),
                 QString::number(QDate(2003, 11, 1).daysTo(QDate(2028, 3, 31)) + 1));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
