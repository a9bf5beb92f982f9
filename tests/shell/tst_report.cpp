#include "DbError.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "ZZP010.h"
#include <QApplication>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// A small template as the report screens write them: column titles, one detail
// line per record and a count in the summary.
class TfrmEBP999 : public TfrmZZP010
{
public:
    TfrmEBP999()
    {
        setObjectName(QStringLiteral("frmEBP999"));
        setTitle(s("시험 현황"));
        const QFont f = ReportFont(s("굴림"), 12);
        qrbColumnHeader().addLabel(QStringLiteral("qrlNoTitle"), QRectF(0, 2, 80, 20), s("번호"), f);
        qrbColumnHeader().addLabel(QStringLiteral("qrlNameTitle"), QRectF(90, 2, 200, 20), s("이름"), f);
        qrbDetail().addField(QStringLiteral("qrdNo"), QRectF(0, 0, 80, 20), QStringLiteral("NO"), f);
        qrbDetail().addField(QStringLiteral("qrdName"), QRectF(90, 0, 200, 20), QStringLiteral("NAME"), f);
        qrbSummary().addLabel(QStringLiteral("qrlCount"), QRectF(0, 2, 200, 20), QString(), f).compute =
            [](const ReportContext &c) { return s("건수: ") + QString::number(c.recordCount); };
    }
};

RowSet numbered(int rows)
{
    QVector<QVariant> values;
    for (int r = 1; r <= rows; ++r)
        values << QVariant(qlonglong(r)) << QVariant(s("회원") + QString::number(r));
    return RowSet({QStringLiteral("NO"), QStringLiteral("NAME")}, values);
}

// Text of one page of a PDF, as an outside reader sees it.
QString pdfPage(const QString &path, int page)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                          QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QStringLiteral("<pdftotext failed: %1>").arg(QString::fromUtf8(p.readAllStandardError()));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {path});
    p.waitForFinished(30000);
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}
} // namespace

class TestReport : public QObject
{
    Q_OBJECT
private slots:
    void threePagesCountTheirTotal()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("three.pdf"));
        TfrmEBP999 t;
        t.setCondition(s("*지역구분: 서편"));
        t.cdsQuery().setRows(numbered(100));
        QVERIFY(t.ExportPdf(pdf));
        QCOMPARE(t.qrpReport().pageCount(), 3);
        QCOMPARE(pdfPages(pdf), 3);

        const QString first = pdfPage(pdf, 1);
        QVERIFY2(first.contains(s("시험 현황")) && first.contains(s("*지역구분: 서편")), qPrintable(first));
        QVERIFY2(first.contains(QStringLiteral("1 / 3")), qPrintable(first));
        QVERIFY(first.contains(s("회원1 ")) || first.contains(s("회원1\n")));

        const QString second = pdfPage(pdf, 2);
        QVERIFY2(second.contains(QStringLiteral("2 / 3")), qPrintable(second));
        QVERIFY2(second.contains(QStringLiteral("EBP999")), qPrintable(second));
        QVERIFY2(second.contains(s("번호")), "the column header repeats on every page");
        QVERIFY2(!second.contains(s("시험 현황")), "the title band prints on the first page only");
        QVERIFY2(second.contains(QStringLiteral("Date :")) && second.contains(s("탈보리조트")), qPrintable(second));

        const QString third = pdfPage(pdf, 3);
        QVERIFY2(third.contains(QStringLiteral("3 / 3")) && third.contains(s("회원100")), qPrintable(third));
        QVERIFY2(third.contains(s("건수: 100")), qPrintable(third));
    }

    void emptyResultPrintsOnePage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
        TfrmEBP999 t;
        t.setCondition(s("*대여일자: 2024-01-05"));
        QVERIFY(t.ExportPdf(pdf));
        QCOMPARE(pdfPages(pdf), 1);
        const QString page = pdfPage(pdf, 1);
        for (const QString &expected : {s("시험 현황"), s("*대여일자: 2024-01-05"), QStringLiteral("Date :"),
                                        QStringLiteral("1 / 1"), QStringLiteral("EBP999"), s("탈보리조트"),
                                        QStringLiteral("TALVO RESORT"), s("건수: 0")})
            QVERIFY2(page.contains(expected), qPrintable(expected + QStringLiteral(" missing in:\n") + page));
        QVERIFY(page.contains(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    }

    void landscapeKeepsTheFooterOnThePage()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("wide.pdf"));
        TfrmEBP999 t;
        t.setOrientation(QPageLayout::Landscape);
        t.cdsQuery().setRows(numbered(40));
        QVERIFY(t.ExportPdf(pdf));
        QCOMPARE(t.qrpReport().pageCount(), 2); // fewer lines fit across
        QVERIFY(pdfPage(pdf, 2).contains(QStringLiteral("2 / 2")));
        QVERIFY(t.item(QStringLiteral("qrlCompany"))->rect.right() <= t.qrpReport().contentWidth());
    }

    void previewShowsThePagesThePdfHas()
    {
        TfrmEBP999 t;
        t.cdsQuery().setRows(numbered(100));
        int previewPages = -1;
        QTimer::singleShot(200, [&previewPages] {
            auto *dialog = qobject_cast<QPrintPreviewDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (auto *w = dialog->findChild<QPrintPreviewWidget *>())
                previewPages = w->pageCount();
            dialog->reject();
        });
        QVERIFY(t.Preview());
        QCOMPARE(previewPages, 3);
    }

    void printWithoutPrinterSaysSo()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a default printer");
        PresenterGuard presenter;
        TfrmEBP999 t;
        QVERIFY(!t.Print());
        QCOMPARE(presenter->lastText(), s("기본 프린터가 지정되어 있지 않아 출력할 수 없습니다."));
    }

    void outputGoesThroughTheHandler()
    {
        QTemporaryDir dir;
        QStringList actions;
        const Report::OutputHandler previous = Report::installOutputHandler([&](Report &r, Report::Action a) {
            actions << (a == Report::Action::Print ? QStringLiteral("print") : QStringLiteral("preview"));
            return r.exportPdf(dir.filePath(actions.last() + QStringLiteral(".pdf")));
        });
        TfrmEBP999 t;
        t.cdsQuery().setRows(numbered(60));
        QVERIFY(t.Print());
        QVERIFY(t.Preview());
        Report::installOutputHandler(previous);
        QCOMPARE(actions, (QStringList{QStringLiteral("print"), QStringLiteral("preview")}));
        QCOMPARE(pdfPages(dir.filePath(QStringLiteral("print.pdf"))), 2);
        QCOMPARE(pdfPages(dir.filePath(QStringLiteral("preview.pdf"))), 2);
        QVERIFY(!t.ExportPdf(dir.filePath(QStringLiteral("no/such/folder/x.pdf"))));
    }

    void templateReadsItsQuery_data() { addEngineRows(); }
    void templateReadsItsQuery()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        db.attachToDataModule();
        db.exec(QStringLiteral("CREATE TABLE TST_P (NO NUMERIC(5), NAME VARCHAR(20), AREA VARCHAR(2));"
                               "INSERT INTO TST_P VALUES (1, '가', 'M');"
                               "INSERT INTO TST_P VALUES (2, '나', 'S');"
                               "INSERT INTO TST_P VALUES (3, '다', 'M');"));
        SqlQuery screen(db.session(), QStringLiteral("SELECT NO, NAME FROM TST_P WHERE AREA = :AREA ORDER BY NO"));
        screen.setParam(QStringLiteral("AREA"), QStringLiteral("M"));

        QPointer<TfrmEBP999> t = new TfrmEBP999;
        t->qryQuery().setParam(QStringLiteral("STALE"), QStringLiteral("x"));
        t->copyQuery(screen);
        t->openData();
        QCOMPARE(t->cdsQuery().count(), 2);
        QTemporaryDir dir;
        QVERIFY(t->ExportPdf(dir.filePath(QStringLiteral("q.pdf"))));
        const QString page = pdfPage(dir.filePath(QStringLiteral("q.pdf")), 1);
        QVERIFY2(page.contains(s("다")) && !page.contains(s("나")), qPrintable(page));

        t->qryQuery().setSql(QStringLiteral("SELECT NO_SUCH FROM TST_P"));
        QVERIFY_THROWS_EXCEPTION(DbError, t->openData());
        QCOMPARE(t->cdsQuery().count(), 0); // the old result is closed, not shown again

        t->close(); // a closed template frees itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(t.isNull());
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
