#include "CodeCombo.h"
#include "DataGrid.h"
#include "EZC000.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include <QMap>
#include <QTest>
#include <memory>

// The sports lookups against a small fixture, on every engine.
class TestLookups : public QObject
{
    Q_OBJECT

    QMap<QString, std::shared_ptr<TestDatabase>> m_dbs;

    void use(const QString &engine)
    {
        m_dbs.value(engine)->attachToDataModule();
    }

    static void addRows(const QStringList &cases)
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("index");
        for (const QString &e : testEngines())
            for (int i = 0; i < cases.size(); ++i)
                QTest::newRow(qPrintable(e + QStringLiteral(": ") + cases.at(i))) << e << i;
    }

private slots:
    void initTestCase()
    {
        for (const QString &engine : testEngines()) {
            auto db = std::make_shared<TestDatabase>(engine);
            db->exec(QStringLiteral(
                // Inserted in code order so every engine returns them in the same order.
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0008', '01', '초급', 'A', '1');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0008', '02', '중급', 'B', '1');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0008', '03', '상급', 'O''Neil', '2');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', '  ', '빈코드');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', '01', '다른그룹');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '1', '1일보관', '1');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('E0016', '7', '주간보관', '7');"
                "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE) VALUES ('M001', '김회원', '01');"
                "INSERT INTO BB010MS (MEMBER_NO, MEMBER_NAME, MEMBER_GROUP_CODE, CANCEL_DATE) VALUES ('M002', '이해약', '01', '20040101');"
                "INSERT INTO EC040MS (YAEYAK_DATE, LECTURE_ITEM_GUBUN, LECTURE_REC_GUBUN, LECTURE_DETAIL_GUBUN, YAEYAK_ABILITY_CNT) "
                "VALUES ('20040110', '1', '1', '1', 12);"
                "INSERT INTO ZX900DT (GRP_NO, CODE_NO, CODE_NAME) VALUES ('Q043', 'A1', 'A조');"
                "INSERT INTO ZX900DT (GRP_NO, CODE_NO, CODE_NAME) VALUES ('Q044', 'D1', '강사');"
                "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_CODE, EMP_STAY_CODE, EMP_WORK_GRP_CODE, EMP_WORK_GRP_DUTY_CODE) "
                "VALUES ('E001', '박강사', '81', '01', 'A1', 'D1');"
                "INSERT INTO QA010MS (EMP_NO, EMP_K_NAME, EMP_WORK_CODE, EMP_STAY_CODE) VALUES ('E002', '최퇴직', '81', '02');"
                "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_WORK_GRP, LAB_END_DATE) VALUES ('L001', '정계약', 'A1', NULL);"
                "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_END_DATE) VALUES ('L002', '한만료', '2001-03-31 00:00:00');"
                "INSERT INTO QG010MS (LAB_NO, LAB_K_NAME, LAB_END_DATE) VALUES ('L003', '윤진행', '2999-12-31 00:00:00');"
                "INSERT INTO ED020MS (SEASON_GUBUN, RECV_NO, APPLY_DATE, ENTRY_NAME_KOR, ID_NO, APPLY_CLASS) "
                "VALUES ('04', 42, '20040105', '서응시', '8001011234567', '2');"
                "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0026', '2', '2급');"));
            m_dbs.insert(engine, db);
        }
    }

    void cleanupTestCase() { m_dbs.clear(); }

    void codeCombo_data()
    {
        addRows({QStringLiteral("whole group after existing items"), QStringLiteral("ITEM1 filter"),
                 QStringLiteral("first filter goes to ITEM2"), QStringLiteral("quote in a filter value"),
                 QStringLiteral("quote that would widen the filter")});
    }
    void codeCombo()
    {
        QFETCH(QString, engine);
        QFETCH(int, index);
        use(engine);
        CodeCombo combo;
        combo.addItemValue(QStringLiteral("전체"), QString());
        QStringList expectedItems{QStringLiteral("전체")};
        QStringList expectedValues{QString()};
        switch (index) {
        case 0:
            QVERIFY(FillCodeCombo(&combo, QStringLiteral("E0008")));
            expectedItems << QStringLiteral("초급") << QStringLiteral("중급") << QStringLiteral("상급");
            expectedValues << QStringLiteral("01") << QStringLiteral("02") << QStringLiteral("03");
            break;
        case 1:
            QVERIFY(FillCodeCombo(&combo, QStringLiteral("E0008"), {QStringLiteral("B")}));
            expectedItems << QStringLiteral("중급");
            expectedValues << QStringLiteral("02");
            break;
        case 2:
            QVERIFY(FillCodeComboByItem2(&combo, QStringLiteral("E0008"), QStringLiteral("1")));
            expectedItems << QStringLiteral("초급") << QStringLiteral("중급");
            expectedValues << QStringLiteral("01") << QStringLiteral("02");
            break;
        case 3:
            QVERIFY(FillCodeCombo(&combo, QStringLiteral("E0008"), {QStringLiteral("O'Neil")}));
            expectedItems << QStringLiteral("상급");
            expectedValues << QStringLiteral("03");
            break;
        case 4:
            // Pasted into the statement this value would turn the filter into "OR 1=1".
            QVERIFY(FillCodeCombo(&combo, QStringLiteral("E0008"), {QStringLiteral("x' OR '1'='1")}));
            break;
        }
        QCOMPARE(combo.items(), expectedItems);
        QCOMPARE(combo.values(), expectedValues);
    }

    void codeColumn_data() { addEngineRows(); }
    void codeColumn()
    {
        QFETCH(QString, engine);
        use(engine);
        DataGrid grid;
        DataGridColumn kind;
        kind.title = QStringLiteral("등급");
        grid.setColumns({DataGridColumn(), kind});
        QVERIFY(FillCodeColumn(&grid, 1, QStringLiteral("E0008"), {QString(), QStringLiteral("1")}));
        QCOMPARE(grid.column(1).pickItems, (QStringList{QStringLiteral("초급"), QStringLiteral("중급")}));
        QCOMPARE(grid.column(1).pickValues, (QStringList{QStringLiteral("01"), QStringLiteral("02")}));
        QVERIFY(grid.column(0).pickItems.isEmpty());
    }

    void codeName_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("head");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<QString>("expected");
        for (const QString &e : testEngines()) {
            QTest::newRow(qPrintable(e + QStringLiteral(": code of the group")))
                << e << QStringLiteral("E0008") << QStringLiteral("02") << QStringList() << QStringLiteral("중급");
            QTest::newRow(qPrintable(e + QStringLiteral(": same code, other group")))
                << e << QStringLiteral("E0009") << QStringLiteral("01") << QStringList() << QStringLiteral("다른그룹");
            QTest::newRow(qPrintable(e + QStringLiteral(": filter that does not match")))
                << e << QStringLiteral("E0008") << QStringLiteral("02") << QStringList{QStringLiteral("A")} << QString();
            QTest::newRow(qPrintable(e + QStringLiteral(": filter with a quote")))
                << e << QStringLiteral("E0008") << QStringLiteral("03") << QStringList{QStringLiteral("O'Neil")}
                << QStringLiteral("상급");
            QTest::newRow(qPrintable(e + QStringLiteral(": unknown code")))
                << e << QStringLiteral("E0008") << QStringLiteral("99") << QStringList() << QString();
        }
    }
    void codeName()
    {
        QFETCH(QString, engine);
        QFETCH(QString, head);
        QFETCH(QString, code);
        QFETCH(QStringList, filters);
        QFETCH(QString, expected);
        use(engine);
        QCOMPARE(GetCodeName(head, code, filters), expected);
    }

    void records_data() { addEngineRows(); }
    void records()
    {
        QFETCH(QString, engine);
        use(engine);
        QCOMPARE(GetMemberName(QStringLiteral("M001")), QStringLiteral("김회원"));
        QCOMPARE(GetMemberName(QStringLiteral("M002")), QString()); // cancelled
        QCOMPARE(GetMemberName(QStringLiteral("M999")), QString());
        // Storage days are added across the month end.
        QCOMPARE(GetReleaseDate(QStringLiteral("20040227"), QStringLiteral("7")), QStringLiteral("20040305"));
        QCOMPARE(GetReleaseDate(QStringLiteral("20040227"), QStringLiteral("9")), QString());

        const EmployeeInfo regular = GetEmployeeInfo(QStringLiteral("E001"));
        QCOMPARE(QStringList({regular.name, regular.workGroupCode, regular.workGroupName, regular.dutyCode, regular.dutyName}),
                 QStringList({QStringLiteral("박강사"), QStringLiteral("A1"), QStringLiteral("A조"), QStringLiteral("D1"),
                              QStringLiteral("강사")}));
        QCOMPARE(GetEmployeeInfo(QStringLiteral("E002")).name, QString());  // no longer in service
        QCOMPARE(GetEmployeeInfo(QStringLiteral("L001")).name, QStringLiteral("정계약")); // open contract
        QCOMPARE(GetEmployeeInfo(QStringLiteral("L001")).workGroupName, QStringLiteral("A조"));
        QCOMPARE(GetEmployeeInfo(QStringLiteral("L002")).name, QString());  // contract ended
        QCOMPARE(GetEmployeeInfo(QStringLiteral("L003")).name, QStringLiteral("윤진행"));

        const BadgeEntry entry = GetBadgeEntry(QStringLiteral("04"), QStringLiteral("42"));
        QCOMPARE(QStringList({entry.recvNo, entry.nameKor, entry.applyDate, entry.idNo, entry.applyClass}),
                 QStringList({QStringLiteral("000042"), QStringLiteral("서응시"), QStringLiteral("20040105"),
                              QStringLiteral("8001011234567"), QStringLiteral("2급")}));
    }

    // Every question on a day without any rows gives its "nothing there" answer.
    void emptyDay_data() { addEngineRows(); }
    void emptyDay()
    {
        QFETCH(QString, engine);
        use(engine);
        const QString day = QStringLiteral("20040301"), one = QStringLiteral("1");
        QVERIFY(IsFacilityDayEmpty(day));
        QVERIFY(IsEquipUnavailable(day, QStringLiteral("01"), QStringLiteral("SB"), QStringLiteral("00001")));
        QVERIFY(!IsSizeInGroup(QStringLiteral("M"), QStringLiteral("XX"), QStringLiteral("01")));
        QVERIFY(IsNotReservedBy(day, one, one, one, QStringLiteral("E001")));
        QCOMPARE(GetReservedCount(day, one, one, one), 0);
        QCOMPARE(GetPartnerGroupName(QStringLiteral("P001")), QString());
        QCOMPARE(GetStaffName(QStringLiteral("S001")), QString());
        QCOMPARE(GetLessonReceipt(QStringLiteral("04"), QStringLiteral("1")).receiptName, QString());
        QCOMPARE(GetZipAddress(QStringLiteral("100100")), QString());
    }

    void capacity_data() { addEngineRows(); }
    void capacity()
    {
        QFETCH(QString, engine);
        use(engine);
        const QString one = QStringLiteral("1");
        QCOMPARE(GetReservationCapacity(QStringLiteral("20040110"), one, one, one), 12);
        QCOMPARE(GetReservationCapacity(QStringLiteral("20040111"), one, one, one), 0);
    }

    void validYmd_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("leap day with blanks between the parts") << QStringLiteral("2004 02 29") << true;
        QTest::newRow("29 February of a common year") << QStringLiteral("2003 02 29") << false;
        QTest::newRow("century not divisible by 400") << QStringLiteral("19000229") << false;
        QTest::newRow("century divisible by 400") << QStringLiteral("20000229") << true;
        QTest::newRow("13 characters") << QStringLiteral("2004022912345") << false;
        QTest::newRow("month 13") << QStringLiteral("20041301") << false;
        QTest::newRow("day 0") << QStringLiteral("20040100") << false;
        QTest::newRow("31 April") << QStringLiteral("20040431") << false;
        QTest::newRow("year 0") << QStringLiteral("00000101") << false;
        QTest::newRow("letters") << QStringLiteral("2004O101") << false;
        QTest::newRow("dashed form is 10 characters") << QStringLiteral("2004-01-01") << false;
        QTest::newRow("empty") << QString() << false;
    }
    void validYmd()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(IsValidYmd(text), valid);
    }

    void padZeros_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("short number") << QStringLiteral("42") << 5 << QStringLiteral("00042");
        QTest::newRow("longer than the width") << QStringLiteral("123456") << 5 << QStringLiteral("123456");
        QTest::newRow("empty") << QString() << 3 << QStringLiteral("000");
    }
    void padZeros()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(PadZeros(text, width), expected);
    }
};

QTEST_MAIN(TestLookups)
#include "tst_ezc000.moc"
