#include "CodeCombo.h"
#include "DataGrid.h"
#include "EBI010.h"
#include "EBI020.h"
#include "EBI030.h"
#include "EquipmentFixture.h"
#include "MaskEdit.h"
#include "NumEdit.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include <QDateEdit>
#include <QScopeGuard>
#include <QTest>

using namespace EquipmentFixture;

// The three equipment master screens: run days, pieces with their size groups,
// boots base stock.
class TestEquipmentMasters : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> open(const QString &engine, const QString &codes)
    {
        auto db = std::make_unique<TestDatabase>(engine);
        db->exec(script() + codes);
        db->attachToDataModule();
        return db;
    }

private slots:
    void initTestCase()
    {
        Login::EmpNo = QStringLiteral("20040001");
        Login::LocalIP = QStringLiteral("10.0.0.1");
    }

    // The first search of a day creates its rows, the next ones only read them.
    void runDayCreatedOnce_data() { addEngineRows(); }
    void runDayCreatedOnce()
    {
        QFETCH(QString, engine);
        auto db = open(engine, QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'Y', '운행');"
                                              "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0008', 'S', '운휴');"));
        // Count the creations by wrapping the server's procedure.
        const ProcDef original = *ProcCatalog::instance().find(QStringLiteral("PR_EBI010_01"));
        const auto restore = qScopeGuard([original] { ProcCatalog::instance().add(original); });
        int created = 0;
        ProcDef counting = original;
        counting.body = [&created, body = original.body](ProcContext &c) {
            ++created;
            body(c);
        };
        ProcCatalog::instance().add(counting);

        PresenterGuard presenter;
        TfrmEBI010 screen;
        screen.findChild<QDateEdit *>(QStringLiteral("dtpDate"))->setDate(QDate(2004, 1, 5));
        QVERIFY(screen.bbtSearchClick());
        QCOMPARE(created, 1);
        DataGrid *grid = screen.rgrGrid();
        QCOMPARE(grid->rowCount(), 3);
        QStringList shown;
        for (int r = 0; r < grid->rowCount(); ++r)
            shown << grid->cell(r, 0) + QLatin1Char('/') + grid->cell(r, 1) + QLatin1Char('/') + grid->displayText(r, 2);
        shown.sort();
        QCOMPARE(shown, (QStringList{QStringLiteral("리프트/곤돌라/운행"), QStringLiteral("코스/실버/운행"), QStringLiteral("코스/펭귄/운행")}));

        // A lift stopped for the day is saved and drawn red.
        int lift = -1;
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->cell(r, 1) == QStringLiteral("곤돌라"))
                lift = r;
        QVERIFY(grid->setCurrentRow(lift));
        screen.findChild<CodeCombo *>(QStringLiteral("cboRunGubun"))->setValue(QStringLiteral("S"));
        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(scalar(db->session(), QStringLiteral("SELECT RUN_YN FROM EB010MS WHERE FAC_DETAIL_GUBUN = 'L01'")), QStringLiteral("S"));
        // (the current row is drawn in the base's colours)
        QVERIFY(grid->setCurrentRow(lift == 0 ? 1 : 0));
        for (int r = 0; r < grid->rowCount(); ++r)
            if (r != grid->currentRow())
                QCOMPARE(grid->cellStyle(r, 1).foreground == QColor(Qt::red), grid->cell(r, 2) == QLatin1String("S"));

        QVERIFY(screen.bbtCancelClick());
        QVERIFY(screen.bbtSearchClick());
        QCOMPARE(created, 1);
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(presenter->texts(), QStringList{QStringLiteral("저장 하시겠습니까?")});
    }

    void pieceChecks_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("buyDate");
        QTest::addColumn<QString>("message"); // empty: saved
        for (const QString &e : testEngines()) {
            const QByteArray n = e.toUtf8();
            QTest::newRow((n + ": size outside every group").constData())
                << e << QStringLiteral("190") << QStringLiteral("20040229")
                << QStringLiteral("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!");
            QTest::newRow((n + ": 29 February 2003").constData())
                << e << QStringLiteral("150") << QStringLiteral("20030229") << QStringLiteral("*구입일자을(를) 정확히 입력하십시오.");
            QTest::newRow((n + ": no purchase date").constData())
                << e << QStringLiteral("150") << QString() << QStringLiteral("*구입일자을(를) 먼저 입력하십시오.");
            QTest::newRow((n + ": 29 February 2004").constData()) << e << QStringLiteral("150") << QStringLiteral("20040229") << QString();
        }
    }
    void pieceChecks()
    {
        QFETCH(QString, engine);
        QFETCH(QString, size);
        QFETCH(QString, buyDate);
        QFETCH(QString, message);
        auto db = open(engine, QStringLiteral(
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '솔빛');"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0009', 'CS', '카빙스키');"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '150', '150');"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0010', '190', '190');"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0018', '01', '성인', '140', '180');"
            "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1, ITEM2) VALUES ('E0019', '01', '성인', '185', '195');"));
        db->exec(QStringLiteral("UPDATE EB020MS SET BUY_DATE = '20031201';"));
        PresenterGuard presenter;
        TfrmEBI020 screen;
        QVERIFY(screen.bbtSearchClick());
        QCOMPARE(screen.rgrGrid()->rowCount(), 4); // the fixture's carving skis of area M
        QVERIFY(screen.bbtAddClick());
        screen.findChild<CodeCombo *>(QStringLiteral("cboEquipSizeGubun"))->setValue(size);
        screen.findChild<MaskEdit *>(QStringLiteral("wmeBuyDate"))->setValue(buyDate);
        screen.findChild<QLineEdit *>(QStringLiteral("edtRemark"))->setText(QStringLiteral("신품"));
        QCOMPARE(screen.bbtSaveClick(), message.isEmpty());
        if (!message.isEmpty()) {
            QCOMPARE(presenter->lastText(), message);
            QCOMPARE(scalar(db->session(), QStringLiteral("SELECT COUNT(*) FROM EB020MS WHERE REMARK = '신품'")), QStringLiteral("0"));
        } else {
            QCOMPARE(scalar(db->session(), QStringLiteral("SELECT EQUIP_NO || EQUIP_SIZE_GUBUN || BUY_DATE FROM EB020MS "
                                                          "WHERE REMARK = '신품'")),
                     QStringLiteral("0000515020040229"));
        }
    }

    void duplicateBootsSize_data() { addEngineRows(); }
    void duplicateBootsSize()
    {
        QFETCH(QString, engine);
        auto db = open(engine, QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0017', 'M', '솔빛');"
                                              "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '250', '250');"
                                              "INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('E0011', '255', '255');"));
        PresenterGuard presenter;
        TfrmEBI030 screen;
        auto *size = screen.findChild<CodeCombo *>(QStringLiteral("cboBootsSize"));
        auto *qty = screen.findChild<NumEdit *>(QStringLiteral("wneStockQty"));
        QVERIFY(screen.bbtSearchClick());
        size->setValue(QStringLiteral("250"));
        qty->setText(QStringLiteral("12"));
        QVERIFY(screen.bbtAddClick());
        size->setValue(QStringLiteral("250"));
        qty->setText(QStringLiteral("3"));
        QVERIFY(!screen.bbtSaveClick());
        QCOMPARE(presenter->lastText(), QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."));
        QCOMPARE(scalar(db->session(), QStringLiteral("SELECT COUNT(*) FROM EB030MS")), QStringLiteral("0"));

        size->setValue(QStringLiteral("255"));
        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(scalar(db->session(), QStringLiteral("SELECT COUNT(*) FROM EB030MS")), QStringLiteral("2"));
        // Saved sizes are keys: not editable any more.
        QVERIFY(!size->isEnabled());
    }
};

QTEST_MAIN(TestEquipmentMasters)
#include "tst_ebi_masters.moc"
