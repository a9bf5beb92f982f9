#include "DataGrid.h"
#include "EZP000.h"
#include "EZP010.h"
#include "EZS000.h"
#include "Report.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A small inquiry screen over TZ020MS: two conditions, a quantity total in the
// footer and a portrait template listing the rows.
class TfrmTZS010 : public TfrmEZS000
{
public:
    TfrmTZS010()
    {
        setObjectName(QStringLiteral("frmTZS010"));
        edtGrp = new QLineEdit;
        edtGrp->setObjectName(QStringLiteral("edtGrp"));
        addCondition(edtGrp);
        edtName = new QLineEdit;
        edtName->setObjectName(QStringLiteral("edtName"));
        addCondition(edtName);
        DataGridColumn name, qty;
        name.title = QStringLiteral("이름"), name.fieldName = QStringLiteral("NAME");
        qty.title = QStringLiteral("수량"), qty.fieldName = QStringLiteral("QTY");
        m_rgrGrid->setColumns({name, qty});
        m_rgrGrid->setFooterText(0, QStringLiteral("합계"));
        qryQuery().setSql(QStringLiteral("SELECT NAME, QTY FROM TZ020MS WHERE GRP = :GRP AND NAME LIKE :NAME ORDER BY NAME"));
        qryFooter().setSql(QStringLiteral("SELECT NVL(SUM(QTY),0) FROM TZ020MS WHERE GRP = :GRP AND NAME LIKE :NAME"));
    }

    bool bbtSearchClick() override
    {
        for (SqlQuery *q : {&qryQuery(), &qryFooter()}) {
            q->setParam(QStringLiteral("GRP"), edtGrp->text());
            q->setParam(QStringLiteral("NAME"), edtName->text() + QLatin1Char('%'));
        }
        if (!TfrmEZS000::bbtSearchClick())
            return false;
        if (rgrGrid()->rowCount() > 0)
            rgrGrid()->setFooterText(1, qryFooter().open().scalarText());
        return true;
    }

    QLineEdit *edtGrp, *edtName;
    QPointer<TfrmZZP010> lastReport;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override
    {
        auto report = std::make_unique<TfrmEZP000>();
        report->setObjectName(QStringLiteral("frmTZP010"));
        report->setTitle(QStringLiteral("시험 목록"));
        report->setCondition(ConditionLine({ConditionText(QStringLiteral("그룹"), edtGrp->text()),
                                            ConditionText(QStringLiteral("이름"), edtName->text())}));
        report->setCondition2(ConditionText(QStringLiteral("일자"), ToDashedDate(SearchDate())));
        ReportElement field;
        field.kind = ReportElement::Kind::Field;
        field.text = QStringLiteral("NAME");
        field.rect = QRectF(0, 0, 200, 18);
        report->qrbDetail().add(field);
        field.text = QStringLiteral("QTY");
        field.rect = QRectF(220, 0, 80, 18);
        report->qrbDetail().add(field);
        lastReport = report.get();
        return report;
    }
};

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(30000);
    // The printing time is the one thing allowed to differ between two outputs.
    return QString::fromUtf8(p.readAllStandardOutput())
        .remove(QRegularExpression(QStringLiteral("\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}(:\\d{2})?")));
}

} // namespace

// The sports inquiry base on a small test screen, on every engine.
class TestInquiry : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> open(const QString &engine, int rows)
    {
        auto db = std::make_unique<TestDatabase>(engine);
        QString script = QStringLiteral("CREATE TABLE TZ020MS (GRP VARCHAR(2), NAME VARCHAR(20), QTY NUMERIC(5));");
        for (int i = 1; i <= rows; ++i)
            script += QStringLiteral("INSERT INTO TZ020MS VALUES ('01', '이름%1', %2);").arg(i, 3, 10, QLatin1Char('0')).arg(i);
        db->exec(script);
        db->attachToDataModule();
        return db;
    }

private slots:
    void searchAndCancel_data() { addEngineRows(); }
    void searchAndCancel()
    {
        QFETCH(QString, engine);
        auto db = open(engine, 3);
        PresenterGuard presenter;
        TfrmTZS010 screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));

        // Nothing found: the message, an empty grid, the focus after the starting condition.
        screen.edtGrp->setText(QStringLiteral("99"));
        screen.edtGrp->setFocus();
        QVERIFY(screen.bbtSearchClick());
        QCOMPARE(presenter->texts(), QStringList{QStringLiteral("조회할 내용이 없습니다.")});
        QCOMPARE(screen.rgrGrid()->rowCount(), 0);
        QCOMPARE(QApplication::focusWidget(), screen.edtName);

        // Enter in the last condition starts the search.
        presenter->clear();
        screen.edtGrp->setText(QStringLiteral("01"));
        QTest::keyClick(screen.edtName, Qt::Key_Return);
        QCOMPARE(screen.rgrGrid()->rowCount(), 3);
        QCOMPARE(screen.rgrGrid()->footerText(1), QStringLiteral("6"));
        QVERIFY(presenter->messages.isEmpty());

        QTest::keyClick(screen.rgrGrid(), Qt::Key_F8);
        QVERIFY(!screen.isDataOpen());
        QCOMPARE(screen.rgrGrid()->rowCount(), 0);
        QCOMPARE(screen.rgrGrid()->footerText(0), QStringLiteral("합계"));
        QCOMPARE(screen.rgrGrid()->footerText(1), QStringLiteral("0"));
        QCOMPARE(QApplication::focusWidget(), screen.edtGrp);
    }

    void printAndPreviewGiveTheSamePages()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        auto db = open(QStringLiteral("sqlite"), 70);
        PresenterGuard presenter;
        QTemporaryDir dir;
        int pages[2] = {0, 0};
        const Report::OutputHandler previous = Report::installOutputHandler([&](Report &report, Report::Action action) {
            const int i = action == Report::Action::Print ? 0 : 1;
            pages[i] = report.paginate();
            return report.exportPdf(dir.filePath(QString::number(i) + QStringLiteral(".pdf")));
        });
        TfrmTZS010 screen;
        screen.edtGrp->setText(QStringLiteral("01"));
        QVERIFY(screen.bbtSearchClick());
        QVERIFY(screen.bbtPrintClick());
        QVERIFY(screen.lastReport.isNull()); // the template is gone after printing
        QVERIFY(screen.bbtPreviewClick());
        QVERIFY(screen.lastReport.isNull());
        Report::installOutputHandler(previous);

        QVERIFY(pages[0] >= 2);
        QCOMPARE(pages[1], pages[0]);
        const QString printed = pdfText(dir.filePath(QStringLiteral("0.pdf")));
        QCOMPARE(pdfText(dir.filePath(QStringLiteral("1.pdf"))), printed);
        QVERIFY(printed.contains(QStringLiteral("이름070")));
        QVERIFY(printed.contains(QRegularExpression(QStringLiteral("그룹: 01\\s+이름:"))));
        QVERIFY(printed.contains(QStringLiteral("TZP010")));
    }

    void landscapeTemplate()
    {
        TfrmEZP010 wide;
        TfrmEZP000 tall;
        QVERIFY(wide.qrpReport().pageSize().width() > wide.qrpReport().pageSize().height());
        QVERIFY(tall.qrpReport().pageSize().width() < tall.qrpReport().pageSize().height());
        QVERIFY(wide.item(QStringLiteral("qrlCondition1")));
        QVERIFY(wide.item(QStringLiteral("qrlCondition2")));
    }
};

QTEST_MAIN(TestInquiry)
#include "tst_ezs000.moc"
