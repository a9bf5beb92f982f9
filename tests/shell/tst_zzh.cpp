#include "DataGrid.h"
#include "SqlQuery.h"
#include "StatusBar.h"
#include "TestSupport.h"
#include "ZZH020.h"
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const char *const CodeFixture = R"(
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('T1', 'A', '알파', 'x');
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('T1', 'B', '베타', NULL);
INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME, ITEM1) VALUES ('T1', 'C', '감마', 'z');
)";

// A code picker: searches with its statement and hands back the chosen code.
class CodePicker : public TfrmZZH020
{
public:
    explicit CodePicker(const QString &sql) : m_sql(sql) { setObjectName(QStringLiteral("frmEZH030")); }
    bool bbtSearchClick() override
    {
        qryQuery().setSql(m_sql);
        openQuery();
        return TfrmZZH020::bbtSearchClick();
    }
    bool bbtOKClick() override
    {
        const QString code = currentValue(QStringLiteral("DETAIL"));
        if (!TfrmZZH020::bbtOKClick())
            return false;
        chosenCode = code;
        return true;
    }
    DataGrid *grid() const { return m_rgrGrid; }
    QString chosenCode;

private:
    QString m_sql;
};

const QString ListSql = QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'T1' ORDER BY DETAIL");
const QString EmptySql = QStringLiteral("SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'NONE'");
const QString ItemFirstSql = QStringLiteral("SELECT ITEM1, DETAIL FROM ZX010MS WHERE HEAD = 'T1' ORDER BY DETAIL");
} // namespace

class TestPicker : public QObject
{
    Q_OBJECT
private slots:
    // A row is confirmed by Enter, a double-click or F10, only when its first field
    // has a value; F12 and Escape cancel and leave the outputs alone.
    void choosing_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("sql");      // empty: no search
        QTest::addColumn<QString>("moveTo");   // navigation buttons pressed, in order
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");       // -1: the dialog stays open
        QTest::addColumn<QString>("chosen");
        for (const QString &engine : testEngines()) {
            const auto row = [&engine](const char *name) -> QTestData & {
                return QTest::newRow(qPrintable(engine + QLatin1String(": ") + QLatin1String(name))) << engine;
            };
            row("Enter on the first row") << ListSql << QString() << "Enter" << int(QDialog::Accepted) << "A";
            row("Enter on an empty result") << EmptySql << QString() << "Enter" << -1 << QString();
            row("Enter before any search") << QString() << QString() << "Enter" << -1 << QString();
            row("Enter on a row without first field") << ItemFirstSql << "sbtNext" << "Enter" << -1 << QString();
            row("double-click on the last row") << ListSql << "sbtLast" << "DoubleClick" << int(QDialog::Accepted) << "C";
            row("F10 on the second row") << ListSql << "sbtLast,sbtPrior" << "F10" << int(QDialog::Accepted) << "B";
            row("F10 on an empty result") << EmptySql << QString() << "F10" << int(QDialog::Accepted) << QString();
            row("F12 with a current row") << ListSql << "sbtNext" << "F12" << int(QDialog::Rejected) << QString();
            row("Escape") << ListSql << QString() << "Escape" << int(QDialog::Rejected) << QString();
        }
    }
    void choosing()
    {
        QFETCH(QString, engine);
        QFETCH(QString, sql);
        QFETCH(QString, moveTo);
        QFETCH(QString, action);
        QFETCH(int, result);
        QFETCH(QString, chosen);
        TestDatabase db(engine);
        db.exec(QString::fromUtf8(CodeFixture));
        db.attachToDataModule();

        CodePicker picker(sql);
        picker.show();
        picker.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&picker));
        if (!sql.isEmpty())
            QTest::mouseClick(picker.findChild<QPushButton *>(QStringLiteral("bbtSearch")), Qt::LeftButton);
        for (const QString &name : moveTo.split(QLatin1Char(','), Qt::SkipEmptyParts))
            QTest::mouseClick(picker.findChild<QToolButton *>(name), Qt::LeftButton);
        DataGrid *grid = picker.grid();
        grid->setFocus();
        if (action == QLatin1String("Enter"))
            QTest::keyClick(grid, Qt::Key_Return);
        else if (action == QLatin1String("F10"))
            QTest::keyClick(grid, Qt::Key_F10);
        else if (action == QLatin1String("F12"))
            QTest::keyClick(grid, Qt::Key_F12);
        else if (action == QLatin1String("Escape"))
            QTest::keyClick(grid, Qt::Key_Escape);
        else {
            const QRect cell = grid->visualRect(grid->model()->index(grid->currentRow(), 0));
            // A double-click is a press followed by the double-click event on the same cell.
            QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        }
        QCOMPARE(picker.isVisible(), result < 0);
        if (result >= 0)
            QCOMPARE(picker.result(), result);
        QCOMPARE(picker.chosenCode, chosen);
    }

    // The status bar names the dialog; every button handler clears its message line.
    void statusBar()
    {
        CodePicker picker(ListSql);
        auto *bar = picker.findChild<StatusBar *>(QStringLiteral("stbMessage"));
        QCOMPARE(bar->panelText(0), QStringLiteral("EZH030"));
        picker.ShowStatus(QStringLiteral("자료가 없습니다."));
        QCOMPARE(bar->panelText(1), QStringLiteral("자료가 없습니다."));
        picker.findChild<QPushButton *>(QStringLiteral("bbtClose"))->setEnabled(false);
        QVERIFY(!picker.bbtCloseClick());
        QCOMPARE(picker.statusText(), QString());
    }
};

QTEST_MAIN(TestPicker)
#include "tst_zzh.moc"
