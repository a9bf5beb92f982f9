#include "EquipmentFixture.h"
#include "TestSupport.h"
#include <QRegularExpression>
#include <QTest>

using namespace EquipmentFixture;

namespace {
// One parameter of a valid call replaced by a bad value, and the message it gets.
struct BadInput
{
    const char *name;
    QString param, value, message;
};

void addBadInputRows(const QList<BadInput> &cases)
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("param");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    for (const QString &e : testEngines())
        for (const BadInput &c : cases)
            QTest::newRow(qPrintable(e + QStringLiteral(": ") + QString::fromUtf8(c.name))) << e << c.param << c.value << c.message;
}
} // namespace

// The equipment procedures on one desk: run days, equipment and boots masters,
// rental headers and rows, holds, and what they do to the free list.
class TestEquipmentProcs : public QObject
{
    Q_OBJECT
private slots:
    void runDayCreatedOnce_data() { addEngineRows(); }
    void runDayCreatedOnce()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        const QVariantHash day{{QStringLiteral("ARUN_DATE"), kDate},
                               {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")},
                               {QStringLiteral("AU_IP"), QStringLiteral("10.0.0.1")}};
        call(s, QStringLiteral("PR_EBI010_01"), day);
        const QString rows = QStringLiteral("SELECT FAC_GUBUN || '/' || FAC_DETAIL_GUBUN || '/' || RUN_YN FROM EB010MS "
                                            "WHERE RUN_DATE = '20040105' ORDER BY FAC_GUBUN, FAC_DETAIL_GUBUN");
        const auto list = [&] {
            const RowSet r = SqlQuery::select(s, rows);
            QStringList out;
            for (int i = 0; i < r.rowCount(); ++i)
                out << r.text(i, 0);
            return out;
        };
        const QStringList expected{QStringLiteral("C/C01/Y"), QStringLiteral("C/C02/Y"), QStringLiteral("L/L01/Y")};
        QCOMPARE(list(), expected);

        // The row save changes the run state; a second creation keeps it.
        call(s, QStringLiteral("PR_EBI010_02"),
             {{QStringLiteral("ARUN_DATE"), kDate}, {QStringLiteral("AFAC_GUBUN"), QStringLiteral("L")},
              {QStringLiteral("AFAC_DETAIL_GUBUN"), QStringLiteral("L01")}, {QStringLiteral("ARUN_YN"), QStringLiteral("S")},
              {QStringLiteral("AFAC_GUBUN_NAME"), QStringLiteral("리프트")}, {QStringLiteral("AFAC_DETAIL_GUBUN_NAME"), QStringLiteral("곤돌라")},
              {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")}, {QStringLiteral("AU_IP"), QStringLiteral("10.0.0.1")},
              {QStringLiteral("AEDITSTATUS"), QStringLiteral("1")}});
        call(s, QStringLiteral("PR_EBI010_01"), day);
        QCOMPARE(list(), (QStringList{QStringLiteral("C/C01/Y"), QStringLiteral("C/C02/Y"), QStringLiteral("L/L01/S")}));

        QVariantHash bad = day;
        bad.insert(QStringLiteral("ARUN_DATE"), QStringLiteral("20030229"));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI010_01"), bad), QStringLiteral("운행일자을(를) 정확히 입력하십시오."));
    }

    void newPiecesAreNumberedPerAreaAndKind_data() { addEngineRows(); }
    void newPiecesAreNumberedPerAreaAndKind()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        const auto piece = [](const QString &area, const QString &kind, const QString &status, const QString &no = {}) {
            return QVariantHash{{QStringLiteral("AAREA_GUBUN"), area},
                                {QStringLiteral("AEQUIP_GUBUN"), kind},
                                {QStringLiteral("AEQUIP_NO"), no},
                                {QStringLiteral("AEQUIP_SIZE_GUBUN"), QStringLiteral("155")},
                                {QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("Y")},
                                {QStringLiteral("ABUY_DATE"), QStringLiteral("20040229")},
                                {QStringLiteral("AREMARK"), QStringLiteral("신품")},
                                {QStringLiteral("ASVRL_RENT_YN"), QStringLiteral("Y")},
                                {QStringLiteral("ASVRL_RENT_FROM_DATE"), QStringLiteral("2004-01-01")},
                                {QStringLiteral("ASVRL_RENT_TO_DATE"), QString()},
                                {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")},
                                {QStringLiteral("AU_IP"), QStringLiteral("10.0.0.1")},
                                {QStringLiteral("AEDITSTATUS"), status}};
        };
        // Area M kind CS holds 00001..00004 from the fixture; SB and area S start afresh.
        call(s, QStringLiteral("PR_EBI020_01"), piece(QStringLiteral("M"), QStringLiteral("CS"), QStringLiteral("2")));
        call(s, QStringLiteral("PR_EBI020_01"), piece(QStringLiteral("M"), QStringLiteral("CS"), QStringLiteral("2")));
        call(s, QStringLiteral("PR_EBI020_01"), piece(QStringLiteral("M"), QStringLiteral("SB"), QStringLiteral("2")));
        call(s, QStringLiteral("PR_EBI020_01"), piece(QStringLiteral("S"), QStringLiteral("CS"), QStringLiteral("2")));
        const RowSet r = SqlQuery::select(s, QStringLiteral("SELECT AREA_GUBUN || EQUIP_GUBUN || EQUIP_NO || SVRL_RENT_YN FROM EB020MS "
                                                            "WHERE EQUIP_SIZE_GUBUN = '155' ORDER BY 1"));
        QStringList got;
        for (int i = 0; i < r.rowCount(); ++i)
            got << r.text(i, 0);
        // The screen's read-only multi-day columns are not taken over.
        QCOMPARE(got, (QStringList{QStringLiteral("MCS00005N"), QStringLiteral("MCS00006N"), QStringLiteral("MSB00001N"),
                                   QStringLiteral("SCS00002N")}));

        // A change keeps the multi-day flags the rental desk set.
        db.exec(QStringLiteral("UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = '20040101' WHERE AREA_GUBUN = 'M' "
                               "AND EQUIP_GUBUN = 'CS' AND EQUIP_NO = '00005';"));
        QVariantHash change = piece(QStringLiteral("M"), QStringLiteral("CS"), QStringLiteral("1"), QStringLiteral("00005"));
        change.insert(QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("N"));
        change.insert(QStringLiteral("ASVRL_RENT_YN"), QStringLiteral("N"));
        call(s, QStringLiteral("PR_EBI020_01"), change);
        QCOMPARE(scalar(s, QStringLiteral("SELECT EQUIP_RENT_YN || SVRL_RENT_YN || SVRL_FROM_DATE FROM EB020MS "
                                          "WHERE AREA_GUBUN = 'M' AND EQUIP_GUBUN = 'CS' AND EQUIP_NO = '00005'")),
                 QStringLiteral("NY20040101"));
        // ... and a piece out on a multi-day rental cannot be deleted.
        QVERIFY(failure(s, QStringLiteral("PR_EBI020_01"),
                        piece(QStringLiteral("M"), QStringLiteral("CS"), QStringLiteral("3"), QStringLiteral("00005")))
                    .startsWith(QStringLiteral("대여중이거나 대여작업중인 장비는 삭제할 수 없습니다.")));
        call(s, QStringLiteral("PR_EBI020_01"), piece(QStringLiteral("M"), QStringLiteral("CS"), QStringLiteral("3"), QStringLiteral("00006")));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020MS WHERE EQUIP_NO = '00006'")), QStringLiteral("0"));
    }

    void equipmentInputChecked_data()
    {
        addBadInputRows({
            {"29 February 2003", QStringLiteral("ABUY_DATE"), QStringLiteral("20030229"), QStringLiteral("*구입일자을(를) 정확히 입력하십시오.")},
            {"no size", QStringLiteral("AEQUIP_SIZE_GUBUN"), QString(), QStringLiteral("*사이즈을(를) 먼저 입력하십시오.")},
            {"rentable neither Y nor N", QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("X"),
             QStringLiteral("*장비대여 가능여부을(를) 정확히 입력하십시오.")},
        });
    }
    void equipmentInputChecked()
    {
        QFETCH(QString, engine);
        QFETCH(QString, param);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase db(engine);
        QVariantHash p{{QStringLiteral("AAREA_GUBUN"), QStringLiteral("M")}, {QStringLiteral("AEQUIP_GUBUN"), QStringLiteral("CS")},
                       {QStringLiteral("AEQUIP_SIZE_GUBUN"), QStringLiteral("150")}, {QStringLiteral("AEQUIP_RENT_YN"), QStringLiteral("Y")},
                       {QStringLiteral("ABUY_DATE"), QStringLiteral("20040229")}, {QStringLiteral("AEDITSTATUS"), QStringLiteral("2")}};
        p.insert(param, value);
        QCOMPARE(failure(db.session(), QStringLiteral("PR_EBI020_01"), p), message);
        QCOMPARE(scalar(db.session(), QStringLiteral("SELECT COUNT(*) FROM EB020MS")), QStringLiteral("0"));
    }

    void bootsStock_data() { addEngineRows(); }
    void bootsStock()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &s = db.session();
        const auto stock = [](const QString &size, const QString &qty, const QString &status) {
            return QVariantHash{{QStringLiteral("AAREA_GUBUN"), QStringLiteral("M")}, {QStringLiteral("ABOOTS_SIZE_GUBUN"), size},
                                {QStringLiteral("ASTOCK_QTY"), qty}, {QStringLiteral("AU_EMP_NO"), QStringLiteral("E001")},
                                {QStringLiteral("AU_IP"), QStringLiteral("10.0.0.1")}, {QStringLiteral("AEDITSTATUS"), status}};
        };
        call(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("250"), QStringLiteral("12"), QStringLiteral("2")));
        call(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("255"), QString(), QStringLiteral("2")));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("250"), QStringLiteral("3"), QStringLiteral("2"))),
                 QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("250"), QStringLiteral("1a"), QStringLiteral("1"))),
                 QStringLiteral("*기준재고수량을(를) 정확히 입력하십시오."));
        call(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("250"), QStringLiteral("20"), QStringLiteral("1")));
        call(s, QStringLiteral("PR_EBI030_01"), stock(QStringLiteral("255"), QString(), QStringLiteral("3")));
        QCOMPARE(scalar(s, QStringLiteral("SELECT BOOTS_SIZE_GUBUN || ':' || STOCK_QTY FROM EB030MS")), QStringLiteral("250:20"));
    }

    void rentalNumbersPerDateAndArea_data() { addEngineRows(); }
    void rentalNumbersPerDateAndArea()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Session &s = db.session();
        // A rental written without the counter is not numbered again.
        db.exec(QStringLiteral("INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO) VALUES ('20040105', 'S', 41);"));
        const auto newNo = [&](const QString &area) {
            return call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"), QStringLiteral("77"), area))
                .value(QStringLiteral("ANEW_RENT_NO"))
                .toString();
        };
        QCOMPARE(newNo(QStringLiteral("M")), QStringLiteral("1"));
        QCOMPARE(newNo(QStringLiteral("M")), QStringLiteral("2"));
        QCOMPARE(newNo(QStringLiteral("S")), QStringLiteral("42"));
        QCOMPARE(scalar(s, QStringLiteral("SELECT DEAL_NAME || KEEP_KIND_GUBUN || KEEP_BOX_NO FROM EB040MS WHERE AREA_GUBUN = 'M' "
                                          "AND RENT_NO = 2")),
                 QStringLiteral("김대리01A12"));

        QVariantHash update = header(QStringLiteral("1"), QStringLiteral("0000000002"));
        update.insert(QStringLiteral("AKEEP_BOX_NO"), QStringLiteral("B7"));
        call(s, QStringLiteral("PR_EBI040_01"), update);
        QCOMPARE(scalar(s, QStringLiteral("SELECT KEEP_BOX_NO FROM EB040MS WHERE AREA_GUBUN = 'M' AND RENT_NO = 2")), QStringLiteral("B7"));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("1"), QStringLiteral("9"))),
                 QStringLiteral("대여번호 9 의 대여자료가 존재하지 않습니다."));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB040MS")), QStringLiteral("4"));
    }

    // The rental-number picker matches a part of the number as text, as Oracle
    // does with a number column.
    void rentalFoundByPartOfItsNumber_data() { addEngineRows(); }
    void rentalFoundByPartOfItsNumber()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script() + QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0013', '01', '신발');"));
        Session &s = db.session();
        db.exec(QStringLiteral("INSERT INTO EB040MS (RENT_DATE, AREA_GUBUN, RENT_NO) VALUES ('20040105', 'M', 111);"));
        for (int i = 0; i < 2; ++i) {
            const QString no = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
            call(s, QStringLiteral("PR_EBI040_02"),
                 row(QStringLiteral("2"), no, QString(), QStringLiteral("R"), i ? QStringLiteral("00002") : QStringLiteral("00001")));
        }
        const RowSet r = SqlQuery::select(
            s,
            QStringLiteral("SELECT T2.RENT_NO, T2.DEAL_NAME, T3.KEEP_KIND_GUBUN_NAME, T2.KEEP_BOX_NO FROM ( SELECT RENT_DATE, AREA_GUBUN, "
                           "RENT_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NAME LIKE :RENT_NAME "
                           "GROUP BY RENT_DATE, AREA_GUBUN, RENT_NO ) T1, EB040MS T2, ( SELECT DETAIL AS KEEP_KIND_GUBUN, DETAIL_NAME AS "
                           "KEEP_KIND_GUBUN_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_KIND_GUBUN ) T3 WHERE T1.RENT_DATE = T2.RENT_DATE AND "
                           "T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.RENT_NO = T2.RENT_NO AND T2.RENT_NO LIKE :RENT_NO AND "
                           "T2.KEEP_KIND_GUBUN = T3.KEEP_KIND_GUBUN"),
            {{QStringLiteral("RENT_DATE"), kDate}, {QStringLiteral("AREA_GUBUN"), QStringLiteral("M")},
             {QStringLiteral("RENT_NAME"), QStringLiteral("%길%")}, {QStringLiteral("RENT_NO"), QStringLiteral("%13%")},
             {QStringLiteral("GC_KEEP_KIND_GUBUN"), QStringLiteral("E0013")}});
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.text(0, QStringLiteral("RENT_NO")), QStringLiteral("113"));
        QCOMPARE(r.text(0, QStringLiteral("KEEP_KIND_GUBUN_NAME")), QStringLiteral("신발"));
    }

    // The road of one piece: held at the desk, rented for the day, returned.
    void dayRentalLeavesAndReturnsToFreeList_data() { addEngineRows(); }
    void dayRentalLeavesAndReturnsToFreeList()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        QCOMPARE(freeList(s), (QStringList{QStringLiteral("00001"), QStringLiteral("00002")}));

        call(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001")));
        QCOMPARE(freeList(s), QStringList{QStringLiteral("00002")});
        QCOMPARE(scalar(s, QStringLiteral("SELECT U_IP FROM EB020TM")), QStringLiteral("10.0.0.1"));

        s.startTransaction();
        const QString no = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), no, QString(), QStringLiteral("D"), QStringLiteral("00001")));
        s.commit();

        const RowSet saved = SqlQuery::select(s, QStringLiteral("SELECT RENT_SEQ, RENT_STAT, RENT_TIME, HEIGHT, BINDING FROM EB040DT"));
        QCOMPARE(saved.rowCount(), 1);
        QCOMPARE(saved.text(0, QStringLiteral("RENT_SEQ")), QStringLiteral("1"));
        QCOMPARE(saved.text(0, QStringLiteral("HEIGHT")), QStringLiteral("175"));
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-2][0-9][0-5][0-9]$")).match(saved.text(0, QStringLiteral("RENT_TIME"))).hasMatch(),
                 qPrintable(saved.text(0, QStringLiteral("RENT_TIME"))));
        // The hold has done its work; the day-rental row keeps the piece out of the list.
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020TM")), QStringLiteral("0"));
        QCOMPARE(freeList(s), QStringList{QStringLiteral("00002")});
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.2"))),
                 kBusy);

        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("1"), no, QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("00001")));
        QCOMPARE(freeList(s), (QStringList{QStringLiteral("00001"), QStringLiteral("00002")}));
        // A second row of the same rental takes the next sequence.
        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), no, QString(), QStringLiteral("D"), QStringLiteral("00002")));
        QCOMPARE(scalar(s, QStringLiteral("SELECT MAX(RENT_SEQ) FROM EB040DT")), QStringLiteral("2"));
    }

    void multiDayFlagsFollowTheRow_data() { addEngineRows(); }
    void multiDayFlagsFollowTheRow()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        const QString flags = QStringLiteral("SELECT SVRL_RENT_YN || NVL(SVRL_FROM_DATE, '-') FROM EB020MS WHERE AREA_GUBUN = 'M' "
                                             "AND EQUIP_GUBUN = 'CS' AND EQUIP_NO = '00002'");
        const QString no = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
        call(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00002")));
        call(s, QStringLiteral("PR_EBI040_02"),
             row(QStringLiteral("2"), no, QString(), QStringLiteral("S"), QStringLiteral("00002"), kDate, QStringLiteral("20040108")));
        QCOMPARE(scalar(s, flags), QStringLiteral("Y20040105"));
        QCOMPARE(freeList(s), QStringList{QStringLiteral("00001")});

        // The equipment master's query shows the period of the row that has the piece out.
        const RowSet master = SqlQuery::select(
            s, QStringLiteral("SELECT T1.EQUIP_NO, DECODE(T2.SVRL_RENT_FROM_DATE, NULL, '', SUBSTR(T2.SVRL_RENT_FROM_DATE,1,4) || '-' "
                              "|| SUBSTR(T2.SVRL_RENT_FROM_DATE,5,2) || '-' || SUBSTR(T2.SVRL_RENT_FROM_DATE,7,2)) AS SVRL_RENT_FROM_DATE, "
                              "DECODE(T2.SVRL_RENT_TO_DATE, NULL, '', SUBSTR(T2.SVRL_RENT_TO_DATE,1,4) || '-' || "
                              "SUBSTR(T2.SVRL_RENT_TO_DATE,5,2) || '-' || SUBSTR(T2.SVRL_RENT_TO_DATE,7,2)) AS SVRL_RENT_TO_DATE "
                              "FROM EB020MS T1 LEFT JOIN EB040DT T2 ON T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.EQUIP_GUBUN = T2.EQUIP_GUBUN "
                              "AND T1.EQUIP_NO = T2.EQUIP_NO AND T1.SVRL_FROM_DATE = T2.RENT_DATE WHERE T1.AREA_GUBUN = :AREA_GUBUN "
                              "AND T1.EQUIP_GUBUN = :EQUIP_GUBUN ORDER BY T1.EQUIP_SIZE_GUBUN, T1.EQUIP_NO"),
            {{QStringLiteral("AREA_GUBUN"), QStringLiteral("M")}, {QStringLiteral("EQUIP_GUBUN"), QStringLiteral("CS")}});
        QCOMPARE(master.rowCount(), 4);
        QCOMPARE(master.text(1, QStringLiteral("SVRL_RENT_FROM_DATE")), QStringLiteral("2004-01-05"));
        QCOMPARE(master.text(1, QStringLiteral("SVRL_RENT_TO_DATE")), QStringLiteral("2004-01-08"));
        QCOMPARE(master.text(0, QStringLiteral("SVRL_RENT_TO_DATE")), QString());

        // Saving the row again as a multi-day rental keeps the piece its own.
        call(s, QStringLiteral("PR_EBI040_02"),
             row(QStringLiteral("1"), no, QStringLiteral("1"), QStringLiteral("S"), QStringLiteral("00002"), kDate, QStringLiteral("20040109")));
        QCOMPARE(scalar(s, flags), QStringLiteral("Y20040105"));
        // Returned: the piece is free again.
        call(s, QStringLiteral("PR_EBI040_02"),
             row(QStringLiteral("1"), no, QStringLiteral("1"), QStringLiteral("R"), QStringLiteral("00002"), kDate, QStringLiteral("20040109")));
        QCOMPARE(scalar(s, flags), QStringLiteral("N-"));
        QCOMPARE(freeList(s), (QStringList{QStringLiteral("00001"), QStringLiteral("00002")}));

        // Deleting a saved multi-day row clears the flag it set.
        call(s, QStringLiteral("PR_EBI040_02"),
             row(QStringLiteral("2"), no, QString(), QStringLiteral("S"), QStringLiteral("00002"), kDate, QStringLiteral("20040106")));
        QCOMPARE(scalar(s, flags), QStringLiteral("Y20040105"));
        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("3"), no, QStringLiteral("2"), QStringLiteral("S"), QStringLiteral("00002")));
        QCOMPARE(scalar(s, flags), QStringLiteral("N-"));
    }

    // A piece that is out or held elsewhere is refused on every road into a
    // rental row, and the refused call leaves nothing behind.
    void pieceOutCannotBeRentedTwice_data() { addEngineRows(); }
    void pieceOutCannotBeRentedTwice()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        const QString first = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
        const QString second = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), first, QString(), QStringLiteral("D"), QStringLiteral("00001")));

        // Another rental row cannot take the piece that is out for the day.
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), second, QString(), QStringLiteral("D"), QStringLiteral("00001"))),
                 kBusy);
        // Nor can a returned row be put back on a piece another desk holds now.
        call(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), second, QString(), QStringLiteral("R"), QStringLiteral("00002")));
        call(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00002"), QStringLiteral("2"), QStringLiteral("10.0.0.9")));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("1"), second, QStringLiteral("1"), QStringLiteral("D"), QStringLiteral("00002"))),
                 kBusy);
        QCOMPARE(scalar(s, QStringLiteral("SELECT RENT_STAT FROM EB040DT WHERE RENT_NO = 2")), QStringLiteral("R"));
        // A piece that may not be rented, and a row without a header.
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), first, QString(), QStringLiteral("D"), QStringLiteral("00003"))),
                 QStringLiteral("대여할 수 없는 장비입니다. (장비번호: 00003)"));
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_02"), row(QStringLiteral("2"), QStringLiteral("99"), QString(), QStringLiteral("D"), QStringLiteral("00004"))),
                 QStringLiteral("대여번호 99 의 대여자료가 존재하지 않습니다."));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB040DT")), QStringLiteral("2"));
    }

    void rentalRowInputChecked_data()
    {
        addBadInputRows({
            {"height not a number", QStringLiteral("AHEIGHT"), QStringLiteral("1m75"), QStringLiteral("신장을(를) 정확히 입력하십시오.")},
            {"binding with two decimals", QStringLiteral("ABINDING"), QStringLiteral("6.25"), QStringLiteral("바인딩강도을(를) 정확히 입력하십시오.")},
            {"last day not a date", QStringLiteral("ASVRL_RENT_TO_DATE"), QStringLiteral("20040132"),
             QStringLiteral("연일대여기간을(를) 정확히 입력하십시오.")},
            {"last day before the first", QStringLiteral("ASVRL_RENT_TO_DATE"), QStringLiteral("20040104"),
             QStringLiteral("연일대여기간을(를) 정확히 입력하십시오.")},
            {"no piece", QStringLiteral("AEQUIP_NO"), QString(), QStringLiteral("*장비번호을(를) 먼저 입력하십시오.")},
            {"unknown state", QStringLiteral("ARENT_STAT"), QStringLiteral("X"), QStringLiteral("대여상태를 선택하십시요")},
        });
    }

    void rentalRowInputChecked()
    {
        QFETCH(QString, engine);
        QFETCH(QString, param);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase db(engine);
        db.exec(script());
        Session &s = db.session();
        const QString no = call(s, QStringLiteral("PR_EBI040_01"), header(QStringLiteral("2"))).value(QStringLiteral("ANEW_RENT_NO")).toString();
        QVariantHash p = row(QStringLiteral("2"), no, QString(), QStringLiteral("S"), QStringLiteral("00001"), kDate, QStringLiteral("20040107"));
        p.insert(param, value);
        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_02"), p), message);
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB040DT")), QStringLiteral("0"));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020MS WHERE SVRL_RENT_YN = 'Y'")), QStringLiteral("0"));
    }

    void holdAndRelease_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("equipNo");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("heldAfter"); // holds of that piece afterwards
        for (const QString &e : testEngines()) {
            const QByteArray n = e.toUtf8();
            QTest::newRow((n + ": free piece").constData()) << e << QStringLiteral("00002") << QString() << QStringLiteral("1");
            QTest::newRow((n + ": held by another desk").constData()) << e << QStringLiteral("00001") << kBusy << QStringLiteral("1");
            QTest::newRow((n + ": not rentable").constData()) << e << QStringLiteral("00003") << kBusy << QStringLiteral("0");
            QTest::newRow((n + ": out on a multi-day rental").constData()) << e << QStringLiteral("00004") << kBusy << QStringLiteral("0");
            QTest::newRow((n + ": no such piece").constData()) << e << QStringLiteral("00099") << kBusy << QStringLiteral("0");
            QTest::newRow((n + ": no piece chosen").constData()) << e << QString() << QStringLiteral("선택된 장비가 없습니다")
                                                                 << QStringLiteral("0");
        }
    }
    void holdAndRelease()
    {
        QFETCH(QString, engine);
        QFETCH(QString, equipNo);
        QFETCH(QString, message);
        QFETCH(QString, heldAfter);
        TestDatabase db(engine);
        db.exec(script());
        db.exec(QStringLiteral("UPDATE EB020MS SET SVRL_RENT_YN = 'Y', SVRL_FROM_DATE = '20040103' WHERE EQUIP_NO = '00004';"));
        Session &s = db.session();
        call(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("2"), QStringLiteral("10.0.0.7")));

        QCOMPARE(failure(s, QStringLiteral("PR_EBI040_03"), hold(equipNo)), message);
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020TM WHERE EQUIP_NO = '%1'").arg(equipNo)), heldAfter);

        // A desk releases only its own hold: the other desk's piece stays held.
        call(s, QStringLiteral("PR_EBI040_03"), hold(QStringLiteral("00001"), QStringLiteral("3")));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020TM WHERE EQUIP_NO = '00001'")), QStringLiteral("1"));
        call(s, QStringLiteral("PR_EBI040_03"), hold(equipNo, QStringLiteral("3")));
        QCOMPARE(scalar(s, QStringLiteral("SELECT COUNT(*) FROM EB020TM WHERE U_IP = '10.0.0.1'")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestEquipmentProcs)
#include "tst_equipment_procs.moc"
