#include "CodeCombo.h"
#include "DataGrid.h"
#include "EBS060.h"
#include "EBS070.h"
#include "EBS080.h"
#include "EBS090.h"
#include "EBS100.h"
#include "EBS110.h"
#include "EBS120.h"
#include "EBS130.h"
#include "MaskEdit.h"
#include "Report.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "tst_storage_fixture.h"
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The eight rental and storage report screens on the small resort: their
// conditions, footers and subtotal rows, and what they print and export.
namespace {

std::unique_ptr<TfrmEBS000> screenOf(const QString &program)
{
    if (program == QLatin1String("EBS060"))
        return std::make_unique<TfrmEBS060>();
    if (program == QLatin1String("EBS070"))
        return std::make_unique<TfrmEBS070>();
    if (program == QLatin1String("EBS080"))
        return std::make_unique<TfrmEBS080>();
    if (program == QLatin1String("EBS090"))
        return std::make_unique<TfrmEBS090>();
    if (program == QLatin1String("EBS100"))
        return std::make_unique<TfrmEBS100>();
    if (program == QLatin1String("EBS110"))
        return std::make_unique<TfrmEBS110>();
    if (program == QLatin1String("EBS120"))
        return std::make_unique<TfrmEBS120>();
    return std::make_unique<TfrmEBS130>();
}

// The screen with the fixture's conditions: area 1, the first day of 2004 (the
// 9th for the overdue list), season 04, open periods.
std::unique_ptr<TfrmEBS000> openScreen(const QString &program)
{
    auto screen = screenOf(program);
    screen->findChild<CodeCombo *>(QStringLiteral("cboArea"))->setValue(QStringLiteral("1"));
    if (auto *date = screen->findChild<QDateEdit *>(QStringLiteral("dtpDate")))
        date->setDate(program == QLatin1String("EBS110") ? QDate(2004, 1, 9) : QDate(2004, 1, 1));
    if (auto *season = screen->findChild<QLineEdit *>(QStringLiteral("edtSeason")))
        season->setText(QStringLiteral("04"));
    return screen;
}

// The printed text with every run of blanks as one blank: the layout keeps
// the words in place, not the exact spacing between them.
QString simplified(const QString &text)
{
    return QString(text).replace(QRegularExpression(QStringLiteral("[ \\t]+")), QStringLiteral(" "));
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    return simplified(QString::fromUtf8(p.readAllStandardOutput()));
}

int levelColumn(const DataGrid *grid)
{
    return grid->columnOfField(QStringLiteral("EQUIP_GUBUN_INDEX"));
}

} // namespace

class TestEbsReports : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "pdftotext (poppler-utils) is needed");
    }

    // Each report prints its title, condition lines and summary, and exports
    // the shown columns to a sheet that xlrd reads back.
    void printAndExport_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("titles");
        const struct
        {
            const char *program;
            QStringList printed;
            QStringList titles;
        } cases[] = {
            {"EBS060",
             {"일일 장비대여 현황", "*대여일자: 2004-01-01", "*지역구분: 본관   *상태구분: [전체]   *권종구분: [전체]", "방인딩",
              "연일대여", "건수: 3", "EBP060"},
             {"대여번호", "순번", "대여상태", "장비구분", "장비번호", "대여자명", "연락처", "신장", "체중", "신발규격", "바인딩강도", "권종",
              " 연일대여 시작일자", " 연일대여 끝일자"}},
            {"EBS070", {"연일장비 대여 현황", "*지역구분: 본관", "최넷", "건수: 1", "EBP070"},
             {"장비구분", "장비번호", "장비사이즈", "대여번호", "대여자명", "연락처", "권종", " 연일대여 시작일자", " 연일대여 끝일자",
              "취급자", "보관내용구분", "보관함번호"}},
            {"EBS080", {"시간대별 장비대여 현황", "*대여일자: 2004-01-01", "*지역구분: 본관", "09:00 - 09:59", "EBP080"},
             {"시간대", "장비구분", "대여현황"}},
            {"EBS090", {"기간별 장비대여 현황", "*대여일자: [전체]  ∼  [전체]", "*지역구분: 본관", "2004-01-02", "EBP090"},
             {"대여일자", "장비구분", "대여현황"}},
            {"EBS100",
             {"장비보관 현황", "*시즌: 2004-2005 시즌   지역구분: 본관", "보관상태: [전체]   보관구분: [전체]",
              "장비구분: [전체]   장비명구분: [전체]   보관자명: [전체]", "길영희", "건수: 4", "EBP100"},
             {"보관번호", "보관상태", "보관구분", "장비구분", "장비명구분", "회원번호", "보관자명", "보관함번호"}},
            {"EBS110", {"미출고 장비보관 현황", "*기준일자: 2004-01-09", "*지역구분: 본관", "지난철", "건수: 2", "EBP110"},
             {"보관번호", "회원번호", "보관자명", "보관함번호", "보관구분", "장비구분", "장비명", "장비명기타", "고유번호", "폴 유무",
              "폴명", "입고일", "출고일", "연락처(핸드폰)"}},
            {"EBS120", {"보관 종류별 현황", "*시즌: 2004-2005 시즌", "지역구분: 본관", "입고일자: [전체]  ∼  [전체]", "EBP120"},
             {"보관구분", "장비구분", "보관현황"}},
            {"EBS130", {"지역별 보관 현황", "*시즌: 2004-2005 시즌", "서울 강남구 일반스키 1\n 스노보드 1", "부산 해운대구", "EBP130"},
             {"지역", "장비구분", "보관현황"}},
        };
        for (const QString &e : testEngines())
            for (const auto &c : cases)
                QTest::newRow(qPrintable(e + QStringLiteral(": ") + QLatin1String(c.program)))
                    << e << QString::fromLatin1(c.program) << c.printed << c.titles;
    }
    void printAndExport()
    {
        QFETCH(QString, engine);
        QFETCH(QString, program);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, titles);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kFixture));
        db.attachToDataModule();
        PresenterGuard presenter;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
        const Report::OutputHandler previous =
            Report::installOutputHandler([&](Report &report, Report::Action) { return report.exportPdf(pdf); });
        auto screen = openScreen(program);
        QVERIFY(screen->bbtSearchClick());
        QVERIFY(presenter->messages.isEmpty());
        const bool printedOk = screen->bbtPrintClick();
        Report::installOutputHandler(previous);
        QVERIFY(printedOk);

        const QString text = pdfText(pdf);
        for (const QString &expected : std::as_const(printed))
            QVERIFY2(text.contains(simplified(expected)), qPrintable(expected + QStringLiteral(" not in:\n") + text));
        if (!screen->total().isEmpty())
            QVERIFY2(text.contains(QRegularExpression(QStringLiteral("합계\\s+") + screen->total() + QStringLiteral("\\b"))),
                     qPrintable(text));

        presenter->nextSaveName = dir.filePath(QStringLiteral("report.xls"));
        const QString written = screen->ExportToExcel();
        QCOMPARE(written, presenter->nextSaveName);
        QString error;
        const QJsonArray sheet = readXlsValues(written, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(sheet.size(), 3 + screen->rgrGrid()->rowCount());
        QCOMPARE(sheet.at(0).toArray().at(0).toString(), screen->windowTitle());
        QStringList sheetTitles;
        for (const QJsonValue &v : sheet.at(2).toArray())
            sheetTitles << v.toString();
        QCOMPARE(sheetTitles, titles);
    }

    // Summary reports: a subtotal row per first key drawn yellow, the total of
    // the separate statement in the count column's footer, equal to the sum of
    // the subtotals, and the caption in the first footer.
    void summaries_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("total");
        QTest::addColumn<int>("subtotals");
        for (const QString &e : testEngines()) {
            const QByteArray p = e.toUtf8() + ": ";
            QTest::newRow(p + "EBS080 by hour") << e << "EBS080" << "총    계" << "3" << 2;
            QTest::newRow(p + "EBS090 every date, both bounds open") << e << "EBS090" << "총  계" << "5" << 2;
            QTest::newRow(p + "EBS120 by storage kind") << e << "EBS120" << "총  계" << "4" << 2;
            QTest::newRow(p + "EBS130 without the item that has no zip code") << e << "EBS130" << "총  계" << "3" << 2;
        }
    }
    void summaries()
    {
        QFETCH(QString, engine);
        QFETCH(QString, program);
        QFETCH(QString, caption);
        QFETCH(QString, total);
        QFETCH(int, subtotals);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kFixture));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto screen = openScreen(program);
        QVERIFY(screen->bbtSearchClick());
        DataGrid *grid = screen->rgrGrid();
        const int level = levelColumn(grid);
        const int count = level - 1;
        QVERIFY(level > 0 && !grid->isColumnVisible(level));
        QCOMPARE(grid->footerText(0), caption);
        QCOMPARE(grid->footerText(count), total);
        qlonglong sum = 0;
        int found = 0;
        for (int r = 0; r < grid->rowCount(); ++r) {
            const bool subtotal = grid->cell(r, level) == QLatin1String("1");
            QCOMPARE(grid->cellStyle(r, 1).background == QColor(Qt::yellow), subtotal);
            if (subtotal) {
                ++found;
                sum += grid->cell(r, count).toLongLong();
                QCOMPARE(grid->cell(r, 1), QStringLiteral("소계"));
                QCOMPARE(grid->cellStyle(r, 1).foreground, QColor(Qt::black));
            }
        }
        QCOMPARE(found, subtotals);
        QCOMPARE(QString::number(sum), total);

        // Cancel empties the result; the footers go back to 0 but the caption stays.
        QVERIFY(screen->bbtCancelClick());
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(grid->footerText(0), caption);
        QCOMPARE(grid->footerText(count), QStringLiteral("0"));
    }

    // "[전체]" adds no condition; a chosen state or ticket kind does.
    void dailyFilters_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("both [전체]") << "" << "" << QStringList{"김하나", "이두리", "박세찬"};
        QTest::newRow("returned only") << "R" << "" << QStringList{"이두리"};
        QTest::newRow("day rentals of the day ticket") << "D" << "01" << QStringList{"김하나", "박세찬"};
        QTest::newRow("a ticket kind nobody rented on") << "" << "03" << QStringList{};
    }
    void dailyFilters()
    {
        QFETCH(QString, state);
        QFETCH(QString, kind);
        QFETCH(QStringList, names);
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kFixture) + QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES ('I0005', '03', '종일권');"));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto screen = openScreen(QStringLiteral("EBS060"));
        if (!state.isEmpty())
            screen->findChild<CodeCombo *>(QStringLiteral("cboRentStat"))->setValue(state);
        if (!kind.isEmpty())
            screen->findChild<CodeCombo *>(QStringLiteral("cboTicketKind"))->setValue(kind);
        QVERIFY(screen->bbtSearchClick());
        QCOMPARE(screen->qryQuery().hasParam(QStringLiteral("RENT_STAT")), !state.isEmpty());
        QCOMPARE(screen->qryQuery().hasParam(QStringLiteral("TICKET_KIND")), !kind.isEmpty());
        QStringList got;
        for (int r = 0; r < screen->rgrGrid()->rowCount(); ++r)
            got << screen->rgrGrid()->cell(r, QStringLiteral("RENT_NAME"));
        QCOMPARE(got, names);
        QCOMPARE(presenter->texts(), names.isEmpty() ? QStringList{QStringLiteral("조회할 내용이 없습니다.")} : QStringList{});
    }

    // A one-syllable fragment finds the owners that have it anywhere in their
    // name; the panel shows the current item's other details.
    void storedItemsByOwner_data() { addEngineRows(); }
    void storedItemsByOwner()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(kFixture));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto screen = openScreen(QStringLiteral("EBS100"));
        screen->findChild<QLineEdit *>(QStringLiteral("edtKeepName"))->setText(QStringLiteral("길"));
        QVERIFY(screen->bbtSearchClick());
        DataGrid *grid = screen->rgrGrid();
        QStringList owners;
        for (int r = 0; r < grid->rowCount(); ++r)
            owners << grid->cell(r, QStringLiteral("KEEP_NAME"));
        QCOMPARE(owners, (QStringList{QStringLiteral("홍길동"), QStringLiteral("김순길"), QStringLiteral("길영희")}));
        auto info = [&](const char *field) { return screen->findChild<QLabel *>(QStringLiteral("lblInfo_") + QLatin1String(field))->text(); };
        QCOMPARE(info("NATIVE_NO"), QStringLiteral("SN1"));
        QCOMPARE(info("POELS_YN"), QStringLiteral("유"));
        QCOMPARE(info("IPGO_DATE"), QStringLiteral("2004-01-05"));
        QCOMPARE(info("ZIP_CODE"), QStringLiteral("135-080"));
        grid->setCurrentRow(1);
        QCOMPARE(info("NATIVE_NO"), QStringLiteral("SN2"));
        QCOMPARE(info("CHULGO_DATE"), QStringLiteral("2004-01-13"));
    }

    // Conditions that stop the search with their message and the focus on them.
    void conditionChecks_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("EBS090: a bound that is no date") << "EBS090" << "wmeDateTo" << "20041301" << "*대여일자을(를) 정확히 입력하십시오.";
        QTest::newRow("EBS120: 30 February") << "EBS120" << "wmeDateFrom" << "20040230" << "입고일자을(를) 정확히 입력하십시오.";
        QTest::newRow("EBS130: no season") << "EBS130" << "edtSeason" << "" << "*시즌을(를) 먼저 입력하십시오.";
        QTest::newRow("EBS100: a season the code list does not know") << "EBS100" << "edtSeason" << "98" << "*시즌을(를) 정확히 입력하십시오.";
    }
    void conditionChecks()
    {
        QFETCH(QString, program);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QString::fromUtf8(kFixture));
        db.attachToDataModule();
        PresenterGuard presenter;
        auto screen = openScreen(program);
        screen->show();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        auto *input = screen->findChild<QLineEdit *>(field);
        if (auto *mask = qobject_cast<MaskEdit *>(input))
            mask->setValue(value);
        else
            input->setText(value);
        QVERIFY(!screen->bbtSearchClick());
        QCOMPARE(presenter->texts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), input);
        QVERIFY(!screen->isDataOpen());
    }
};

QTEST_MAIN(TestEbsReports)
#include "tst_ebs_reports.moc"
