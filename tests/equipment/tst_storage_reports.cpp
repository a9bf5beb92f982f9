#include "DbError.h"
#include "EBS000.h"
#include "Schema.h"
#include "SqlQuery.h"
#include <QDate>
#include "TestSupport.h"
#include "tst_storage_fixture.h"
#include <QTest>

// The statements of the rental and storage reports on a small resort: rows,
// their order, subtotal rows and the separate totals, on both engines.
namespace {


RowSet run(Session &s, const QString &sql, const QVariantHash &params)
{
    SqlQuery q(s, sql);
    const QVariantHash &heads = EquipmentReports::codeHeads();
    for (auto it = heads.cbegin(); it != heads.cend(); ++it)
        if (q.hasParam(it.key()))
            q.setParam(it.key(), it.value());
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.setParam(it.key(), it.value());
    if (!q.unsetParams().isEmpty())
        throw DbError(QStringLiteral("unset: ") + q.unsetParams().join(QLatin1Char(',')));
    return q.open();
}

// Rows as "a|b|c" over the named fields.
QStringList lines(const RowSet &r, const QStringList &fields)
{
    QStringList out;
    for (int i = 0; i < r.rowCount(); ++i) {
        QStringList cells;
        for (const QString &f : fields) {
            if (r.fieldIndex(f) < 0)
                return {QStringLiteral("no field ") + f};
            cells << r.text(i, f);
        }
        out << cells.join(QLatin1Char('|'));
    }
    return out;
}

QVariantHash params(std::initializer_list<std::pair<const char *, const char *>> list)
{
    QVariantHash h;
    for (const auto &[k, v] : list)
        h.insert(QString::fromLatin1(k), QString::fromUtf8(v));
    return h;
}

} // namespace

class TestStorageReports : public QObject
{
    Q_OBJECT
private slots:
    // Summary reports: detail rows per first key and kind, one subtotal row per
    // first key, and a total that equals the sum of the subtotals.
    void summaries_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("totalSql");
        QTest::addColumn<QVariantHash>("params");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("total");
        using namespace EquipmentReports;
        for (const QString &e : testEngines()) {
            const QByteArray p = e.toUtf8() + ": ";
            QTest::newRow(p + "EBS090 open bounds count every date, whatever the state")
                << e << periodRentals() << periodRentalsTotal()
                << params({{"RENT_DATE_FROM", ""}, {"RENT_DATE_TO", ""}, {"AREA_GUBUN", "1"}})
                << QStringList{"0|2004-01-01|일반스키|2", "0|2004-01-01|스노보드|1", "1||소계|3",
                               "0|2004-01-02|스노보드|2", "1||소계|2"}
                << "5";
            QTest::newRow(p + "EBS090 one-day period")
                << e << periodRentals() << periodRentalsTotal()
                << params({{"RENT_DATE_FROM", "20040102"}, {"RENT_DATE_TO", "20040102"}, {"AREA_GUBUN", "1"}})
                << QStringList{"0|2004-01-02|스노보드|2", "1||소계|2"} << "2";
            QTest::newRow(p + "EBS090 period after the last rental")
                << e << periodRentals() << periodRentalsTotal()
                << params({{"RENT_DATE_FROM", "20040103"}, {"RENT_DATE_TO", ""}, {"AREA_GUBUN", "1"}}) << QStringList{}
                << "0";
            QTest::newRow(p + "EBS080 by hour of the rental time")
                << e << hourlyRentals() << hourlyRentalsTotal()
                << params({{"RENT_DATE", "20040101"}, {"AREA_GUBUN", "1"}})
                << QStringList{"0|09:00 - 09:59|일반스키|1", "0|09:00 - 09:59|스노보드|1", "1||소계|2",
                               "0|10:00 - 10:59|일반스키|1", "1||소계|1"}
                << "3";
            QTest::newRow(p + "EBS120 whole season by storage kind")
                << e << byStorageKind() << byStorageKindTotal()
                << params({{"SEASON_GUBUN", "04"}, {"AREA_GUBUN", "1"}, {"IPGO_DATE_FROM", ""}, {"IPGO_DATE_TO", ""}})
                << QStringList{"0|3일|일반스키|1", "0|3일|스노보드|1", "1||소계|2",
                               "0|시즌|카빙스키|1", "0|시즌|일반스키|1", "1||소계|2"}
                << "4";
            QTest::newRow(p + "EBS120 intake period")
                << e << byStorageKind() << byStorageKindTotal()
                << params({{"SEASON_GUBUN", "04"}, {"AREA_GUBUN", "1"}, {"IPGO_DATE_FROM", "20040106"},
                           {"IPGO_DATE_TO", "20040115"}})
                << QStringList{"0|3일|스노보드|1", "1||소계|1"} << "1";
            // Prefix 135 has two districts: one region row each kind, counted once;
            // the item without a zip code is left out of rows and total.
            QTest::newRow(p + "EBS130 one region per zip prefix")
                << e << byRegion() << byRegionTotal()
                << params({{"SEASON_GUBUN", "04"}, {"AREA_GUBUN", "1"}, {"IPGO_DATE_FROM", ""}, {"IPGO_DATE_TO", ""}})
                << QStringList{"0|서울 강남구|일반스키|1", "0|서울 강남구|스노보드|1", "1||소계|2",
                               "0|부산 해운대구|일반스키|1", "1||소계|1"}
                << "3";
        }
    }
    void summaries()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QString, totalSql);
        QFETCH(QVariantHash, params);
        QFETCH(QStringList, expected);
        QFETCH(QString, total);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kFixture));
        const RowSet rows = run(db.session(), sql, params);
        QCOMPARE(rows.fieldCount(), 4);
        QStringList fields = rows.fields();
        QCOMPARE(fields.first(), QStringLiteral("EQUIP_GUBUN_INDEX"));
        QCOMPARE(lines(rows, fields), expected);

        QVariantHash totalParams = params;
        const RowSet sum = run(db.session(), totalSql, totalParams);
        QCOMPARE(sum.scalarText(), total);
        qlonglong subtotals = 0;
        for (int i = 0; i < rows.rowCount(); ++i)
            if (rows.text(i, 0) == QLatin1String("1"))
                subtotals += rows.text(i, 3).toLongLong();
        QCOMPARE(QString::number(subtotals), total);
    }

    // List reports: the rows a filter keeps and the shown forms of codes, dates
    // and numbers.
    void lists_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QVariantHash>("params");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QStringList>("expected");
        using namespace EquipmentReports;
        const QStringList daily{"RENT_NO", "RENT_SEQ", "RENT_STAT_NAME", "EQUIP_GUBUN_NAME", "RENT_NAME",
                                "SHOES_SIZE_NAME", "BINDING", "TICKET_KIND_NAME", "SVRL_RENT_FROM_DATE"};
        const QStringList stored{"KEEP_NO", "KEEP_STAT_NAME", "KEEP_GUBUN_NAME", "EQUIP_GUBUN_NAME", "KEEP_NAME"};
        StorageFilter byName;
        byName.ownerName = true;
        StorageFilter released;
        released.state = true;
        StorageFilter seasonSnowboards;
        seasonSnowboards.storageKind = true;
        seasonSnowboards.equipKind = true;
        seasonSnowboards.equipName = true;
        const QVariantHash season = params({{"SEASON_GUBUN", "04"}, {"AREA_GUBUN", "1"}});
        for (const QString &e : testEngines()) {
            const QByteArray p = e.toUtf8() + ": ";
            QTest::newRow(p + "EBS060 without filters")
                << e << dailyRentals(false, false) << params({{"RENT_DATE", "20040101"}, {"AREA_GUBUN", "1"}}) << daily
                << QStringList{"0000000001|1|일일대여|일반스키|김하나|250mm|5.5|주간권|",
                               "0000000001|2|반납|스노보드|이두리|||야간권|",
                               "0000000002|1|일일대여|일반스키|박세찬|||주간권|"};
            QTest::newRow(p + "EBS060 by state")
                << e << dailyRentals(true, false)
                << params({{"RENT_DATE", "20040101"}, {"AREA_GUBUN", "1"}, {"RENT_STAT", "R"}})
                << QStringList{"RENT_NAME"} << QStringList{"이두리"};
            QTest::newRow(p + "EBS060 by state and ticket kind")
                << e << dailyRentals(true, true)
                << params({{"RENT_DATE", "20040101"}, {"AREA_GUBUN", "1"}, {"RENT_STAT", "D"}, {"TICKET_KIND", "01"}})
                << QStringList{"RENT_NAME"} << QStringList{"김하나", "박세찬"};
            QTest::newRow(p + "EBS060 multi-day dates shown with dashes")
                << e << dailyRentals(false, false) << params({{"RENT_DATE", "20040102"}, {"AREA_GUBUN", "1"}})
                << QStringList{"RENT_NAME", "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE"}
                << QStringList{"최넷|2004-01-02|2004-01-04", "한다섯||"};
            // The piece also sits on a returned day-rental row of the same date;
            // only the multi-day row that holds it is listed.
            QTest::newRow(p + "EBS070 pieces out on a multi-day rental")
                << e << multiDayRentals() << params({{"AREA_GUBUN", "1"}})
                << QStringList{"EQUIP_GUBUN_NAME", "EQUIP_NO", "EQUIP_SIZE_GUBUN_NAME", "RENT_NO", "RENT_NAME",
                               "TICKET_KIND_NAME", "SVRL_RENT_FROM_DATE", "SVRL_RENT_TO_DATE", "DEAL_NAME",
                               "KEEP_KIND_GUBUN_NAME", "KEEP_BOX_NO"}
                << QStringList{"스노보드|00003|150|0000000001|최넷|주간권|2004-01-02|2004-01-04|문담당|신발|B7"};
            QTest::newRow(p + "EBS100 whole season") << e << storedItems({}) << season << stored
                                                     << QStringList{"0000000001|보관|3일|일반스키|홍길동",
                                                                    "0000000002|보관|3일|스노보드|김순길",
                                                                    "0000000003|불출|시즌|일반스키|이순신",
                                                                    "0000000004|보관|시즌|카빙스키|길영희"};
            QVariantHash fragment = season;
            fragment.insert(QStringLiteral("KEEP_NAME"), QStringLiteral("%길%"));
            QTest::newRow(p + "EBS100 one-syllable name fragment anywhere in the name")
                << e << storedItems(byName) << fragment << QStringList{"KEEP_NAME"}
                << QStringList{"홍길동", "김순길", "길영희"};
            QVariantHash state = season;
            state.insert(QStringLiteral("KEEP_STAT"), QStringLiteral("R"));
            QTest::newRow(p + "EBS100 released items") << e << storedItems(released) << state
                                                       << QStringList{"KEEP_NAME"} << QStringList{"이순신"};
            QVariantHash kinds = season;
            kinds.insert(QStringLiteral("KEEP_GUBUN"), QStringLiteral("01"));
            kinds.insert(QStringLiteral("EQUIP_GUBUN"), QStringLiteral("SB"));
            kinds.insert(QStringLiteral("EQUIP_NAME_GUBUN"), QStringLiteral("02"));
            QTest::newRow(p + "EBS100 storage kind, equipment kind and name")
                << e << storedItems(seasonSnowboards) << kinds
                << QStringList{"KEEP_NAME", "EQUIP_NAME_GUBUN_NAME", "POELS_YN", "IPGO_DATE", "CHULGO_DATE", "ZIP_CODE"}
                << QStringList{"김순길|보드|무|2004-01-10|2004-01-13|135-900"};
            // Item 1 was due the day before, item 4 on the day itself, item 3 is
            // released; the last season's item counts, the other area's does not.
            QTest::newRow(p + "EBS110 still stored after the release date")
                << e << overdueItems()
                << params({{"AREA_GUBUN", "1"}, {"CHULGO_DATE", "20040109"}, {"KEEP_STAT", "K"}})
                << QStringList{"KEEP_NO", "KEEP_NAME", "EQUIP_NAME_GUBUN_NAME", "POELS_YN", "CHULGO_DATE"}
                << QStringList{"0000000001|지난철|스키||2004-01-01", "0000000001|홍길동|스키|유|2004-01-08"};
        }
    }
    void lists()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QVariantHash, params);
        QFETCH(QStringList, fields);
        QFETCH(QStringList, expected);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kFixture));
        QCOMPARE(lines(run(db.session(), sql, params), fields), expected);
    }

    // The demo resort gives every report something to show on the day it is loaded.
    void demoDataFillsEveryReport_data() { addEngineRows(); }
    void demoDataFillsEveryReport()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        Schema::loadDemoData(db.session());
        using namespace EquipmentReports;
        const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
        const QString season = SqlQuery::select(db.session(),
                                                QStringLiteral("SELECT MAX(SEASON_GUBUN) FROM EB050MS WHERE IPGO_DATE >= :D"),
                                                {{QStringLiteral("D"), QDate::currentDate().addDays(-60).toString(QStringLiteral("yyyyMMdd"))}})
                                   .scalarText();
        QVERIFY(!season.isEmpty());
        const QVariantHash day{{QStringLiteral("RENT_DATE"), today}, {QStringLiteral("AREA_GUBUN"), QStringLiteral("M")}};
        const QVariantHash period{{QStringLiteral("SEASON_GUBUN"), season}, {QStringLiteral("AREA_GUBUN"), QStringLiteral("M")},
                                  {QStringLiteral("IPGO_DATE_FROM"), QString()}, {QStringLiteral("IPGO_DATE_TO"), QString()}};
        const QList<QPair<QString, QVariantHash>> reports = {
            {dailyRentals(false, false), day},
            {multiDayRentals(), {{QStringLiteral("AREA_GUBUN"), QStringLiteral("M")}}},
            {hourlyRentals(), day},
            {periodRentals(), {{QStringLiteral("RENT_DATE_FROM"), QString()}, {QStringLiteral("RENT_DATE_TO"), QString()},
                               {QStringLiteral("AREA_GUBUN"), QStringLiteral("S")}}},
            {storedItems({}), {{QStringLiteral("SEASON_GUBUN"), season}, {QStringLiteral("AREA_GUBUN"), QStringLiteral("S")}}},
            {overdueItems(), {{QStringLiteral("AREA_GUBUN"), QStringLiteral("M")}, {QStringLiteral("CHULGO_DATE"), today},
                              {QStringLiteral("KEEP_STAT"), QStringLiteral("K")}}},
            {byStorageKind(), period},
            {byRegion(), period},
        };
        for (const auto &[sql, params] : reports)
            QVERIFY2(run(db.session(), sql, params).rowCount() > 0, qPrintable(sql));
    }
};

QTEST_GUILESS_MAIN(TestStorageReports)
#include "tst_storage_reports.moc"
