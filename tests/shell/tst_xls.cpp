#include "DataGrid.h"
#include "RowSet.h"
#include "TestSupport.h"
#include "XlsExport.h"
#include <QFile>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QJsonArray cell(int type, const QJsonValue &value) { return QJsonArray{type, value}; }
QJsonArray text(const QString &t) { return cell(1, t); }
QJsonArray number(double v) { return cell(2, v); }

// A result as an inquiry shows it: text, a decimal, whole numbers (one of them
// empty on the second row), a code with leading zeros and a column to be hidden.
void fillFixture(DataGrid &g)
{
    g.fill(RowSet({s("NAME"), s("AMT"), s("CNT"), s("HID"), s("QTY"), s("CODE")},
                  {s("스키 대여"), 12.5, qlonglong(-3), s("숨김값"), qlonglong(5), s("007"),
                   s("보드"), 7.0, qlonglong(4), s("x"), QVariant(), s("010")}),
           DataGridModel::FillMode::Positional);
    const QStringList titles = {s("이름"), s("금액"), s("수량"), s("숨김"), s("재고"), s("코드")};
    for (int i = 0; i < titles.size(); ++i) {
        DataGridColumn c = g.column(i);
        c.title = titles.at(i);
        g.setColumn(i, c);
    }
}
} // namespace

class TestXls : public QObject
{
    Q_OBJECT
private slots:
    void sheetReadsBack()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        DataGrid g;
        fillFixture(g);
        g.setColumnVisible(3, false);
        g.setCurrentRow(1);
        presenter->nextSaveName = dir.filePath(QStringLiteral("report.txt"));
        QStringList status;
        const QString written =
            ExportGridToExcel(g, s("일일 장비대여 현황 조회,출력"), QStringLiteral("EBS060"),
                              [&status](const QString &t) { status << t; });
        QCOMPARE(written, dir.filePath(QStringLiteral("report.xls")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("report.txt"))));
        QVERIFY(status.isEmpty());
        QVERIFY(presenter->messages.isEmpty());
        QCOMPARE(g.currentRow(), 1);

        QString error;
        const QJsonArray sheet = readXlsSheet(written, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(sheet.size(), 5);
        QCOMPARE(sheet.at(0).toArray().at(0).toArray(), text(s("일일 장비대여 현황 조회,출력")));
        for (const QJsonValue &c : sheet.at(1).toArray())
            QCOMPARE(c.toArray().at(0).toInt(), 0); // row 1 stays empty
        QCOMPARE(sheet.at(2).toArray(), (QJsonArray{text(s("이름")), text(s("금액")), text(s("수량")),
                                                    text(s("재고")), text(s("코드"))}));
        QCOMPARE(sheet.at(3).toArray(), (QJsonArray{text(s("스키 대여")), text(QStringLiteral("12.5")), number(-3),
                                                    number(5), text(QStringLiteral("007"))}));
        QCOMPARE(sheet.at(4).toArray(), (QJsonArray{text(s("보드")), number(7), number(4), number(0),
                                                    text(QStringLiteral("010"))}));
    }

    void columnsFollowTheDisplayOrder()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        DataGrid g;
        fillFixture(g);
        g.horizontalHeader()->moveSection(5, 0); // the code column dragged to the front
        presenter->nextSaveName = dir.filePath(QStringLiteral("moved"));
        const QString written = ExportGridToExcel(g, s("조회"), QString(), [](const QString &) {});
        QCOMPARE(written, dir.filePath(QStringLiteral("moved.xls")));
        QString error;
        const QJsonArray sheet = readXlsSheet(written, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(sheet.at(2).toArray().at(0).toArray(), text(s("코드")));
        QCOMPARE(sheet.at(3).toArray().at(0).toArray(), text(QStringLiteral("007")));
        QCOMPARE(sheet.at(3).toArray().at(1).toArray(), text(s("스키 대여")));
    }

    void extension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("other extension replaced") << QStringLiteral("a.txt") << QStringLiteral("a.xls");
        QTest::newRow("upper case kept") << QStringLiteral("a.XLS") << QStringLiteral("a.XLS");
        QTest::newRow("no extension") << QStringLiteral("a") << QStringLiteral("a.xls");
        QTest::newRow("only the last extension") << QStringLiteral("a.b.csv") << QStringLiteral("a.b.xls");
    }
    void extension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        PresenterGuard presenter;
        QTemporaryDir dir;
        DataGrid g;
        fillFixture(g);
        presenter->nextSaveName = dir.filePath(typed);
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), [](const QString &) {}), dir.filePath(saved));
        QVERIFY(QFile::exists(dir.filePath(saved)));
    }

    void refusalsAndFailures()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        DataGrid g;
        fillFixture(g);
        QStringList status;
        const auto keep = [&status](const QString &t) { status << t; };

        presenter->nextSaveName.clear(); // the dialog was cancelled
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), keep), QString());
        QCOMPARE(status, QStringList{s("저장할 파일 이름을 지정하지 않았습니다.")});

        const QString path = dir.filePath(QStringLiteral("old.xls"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier");
        f.close();
        presenter->nextSaveName = path;
        presenter->answers = {false};
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), keep), QString());
        QCOMPARE(presenter->questions, QStringList{s("이미 존재하는 파일입니다.\r새 내용으로 덮어쓸까요?")});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier"));
        f.close();
        presenter->answers = {true};
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), keep), path);
        QVERIFY(QFileInfo(path).size() > 100);

        presenter->nextSaveName = dir.filePath(QStringLiteral("no/such/folder/x.xls"));
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), keep), QString());
        QCOMPARE(presenter->lastText(), s("Excel 파일로 저장할 수 없습니다."));
    }

    void tooManyRowsForOneSheet()
    {
        PresenterGuard presenter;
        QTemporaryDir dir;
        DataGrid g;
        QVector<QVariant> values(XlsWriter::MaxRows - 2, QVariant(qlonglong(1)));
        g.fill(RowSet({QStringLiteral("N")}, values));
        presenter->nextSaveName = dir.filePath(QStringLiteral("big.xls"));
        QCOMPARE(ExportGridToExcel(g, s("조회"), QString(), [](const QString &) {}), QString());
        QVERIFY(presenter->lastText().startsWith(s("Excel 파일로 저장할 수 없습니다.\r")));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("big.xls"))));
    }
};

QTEST_MAIN(TestXls)
#include "tst_xls.moc"
