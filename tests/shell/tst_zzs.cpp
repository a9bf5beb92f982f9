#include "DataGrid.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "ZZS020.h"
#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// An inquiry screen as the report screens build it on the base: its statement,
// its columns, a search that opens the result first, and a counted print step.
class TfrmEBS999 : public TfrmZZS020
{
public:
    int prints = 0;
    int previews = 0;

    TfrmEBS999()
    {
        setObjectName(QStringLiteral("frmEBS999"));
        setWindowTitle(s("시험 현황 조회,출력"));
        QVector<DataGridColumn> cols;
        for (const auto &[field, title] : {std::pair{"NAME", "이름"}, {"CNT", "수량"}, {"CODE", "코드"}}) {
            DataGridColumn c;
            c.fieldName = QString::fromUtf8(field);
            c.title = QString::fromUtf8(title);
            cols.append(c);
        }
        rgrGrid()->setColumns(cols);
        qryQuery().setSql(QStringLiteral("SELECT NAME, CNT, CODE FROM TST_S WHERE AREA = :AREA ORDER BY NO"));
    }
    bool bbtSearchClick() override
    {
        if (!m_bbtSearch->isEnabled())
            return false;
        qryQuery().setParam(QStringLiteral("AREA"), QStringLiteral("M"));
        openData();
        return TfrmZZS020::bbtSearchClick();
    }
    bool bbtPrintClick() override { return TfrmZZS020::bbtPrintClick() && ++prints; }
    bool bbtPreviewClick() override { return TfrmZZS020::bbtPreviewClick() && ++previews; }
};

void createFixture(TestDatabase &db)
{
    db.attachToDataModule();
    db.exec(QStringLiteral("CREATE TABLE TST_S (NO NUMERIC(3), AREA VARCHAR(2), NAME VARCHAR(20), CNT NUMERIC(5),"
                           " CODE VARCHAR(5));"
                           "INSERT INTO TST_S VALUES (1, 'M', '스키', 3, '007');"
                           "INSERT INTO TST_S VALUES (2, 'M', '보드', 4, '010');"
                           "INSERT INTO TST_S VALUES (3, 'M', '부츠', 5, '011');"
                           "INSERT INTO TST_S VALUES (4, 'S', '썰매', 6, '012');"));
}

QAction *hotkey(QWidget *form, const char *name)
{
    return form->findChild<QAction *>(QLatin1String(name));
}
} // namespace

class TestZZS : public QObject
{
    Q_OBJECT
private slots:
    void controlsAndKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("search") << "bbtSearch" << s("조회(F3)") << "popHotkeySearch" << QKeySequence(Qt::Key_F3);
        QTest::newRow("print") << "bbtPrint" << s("출력(F11)") << "popHotkeyPrint" << QKeySequence(Qt::Key_F11);
        QTest::newRow("preview") << "bbtPreview" << s("미리보기") << "popHotkeyPreview"
                                 << QKeySequence(Qt::SHIFT | Qt::Key_F11);
        QTest::newRow("excel") << "bbtExcel" << s("Excel") << "popHotkeyExcel" << QKeySequence(Qt::CTRL | Qt::Key_F11);
    }
    void controlsAndKeys()
    {
        QFETCH(QString, button);
        QFETCH(QString, text);
        QFETCH(QString, action);
        QFETCH(QKeySequence, key);
        TfrmZZS020 form;
        auto *b = form.findChild<QPushButton *>(button);
        QVERIFY(b);
        QCOMPARE(b->text(), text);
        QAction *a = form.findChild<QAction *>(action);
        QVERIFY(a);
        QCOMPARE(a->shortcut(), key);
    }

    void navigationHintsAndBarOrder()
    {
        TfrmZZS020 form;
        const QStringList names = {s("sbtFirst"), s("sbtPrior"), s("sbtNext"), s("sbtLast")};
        const QStringList hints = {s("처음 자료"), s("앞 자료"), s("다음 자료"), s("마지막 자료")};
        for (int i = 0; i < names.size(); ++i)
            QCOMPARE(form.findChild<QToolButton *>(names.at(i))->toolTip(), hints.at(i));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        // Excel leads the bar: it is left of print and preview and comes first on Tab.
        auto *excel = form.findChild<QPushButton *>(QStringLiteral("bbtExcel"));
        auto *print = form.findChild<QPushButton *>(QStringLiteral("bbtPrint"));
        auto *preview = form.findChild<QPushButton *>(QStringLiteral("bbtPreview"));
        QVERIFY(print->isVisible() && preview->isVisible());
        QVERIFY(excel->x() < print->x() && print->x() < preview->x());
        QCOMPARE(excel->nextInFocusChain(), print);
        QVERIFY(form.findChild<QWidget *>(QStringLiteral("panInfo"))->isHidden());
    }

    void searchFillsGridAndMenu_data() { addEngineRows(); }
    void searchFillsGridAndMenu()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        createFixture(db);
        TfrmEBS999 form;
        QVERIFY(form.popGrid()->actions().isEmpty());
        QVERIFY(!form.isDataOpen());
        form.rgrGrid()->setColumnVisible(2, false);
        hotkey(&form, "popHotkeySearch")->trigger();
        QVERIFY(form.isDataOpen());
        DataGrid *g = form.rgrGrid();
        QCOMPARE(g->rowCount(), 3);
        QCOMPARE(g->cell(1, 0), s("보드"));
        QCOMPARE(g->currentRow(), 0);
        QVERIFY(g->gridModel()->isRightAligned(1));

        // One checked entry per column; a click shows or hides its column.
        const QList<QAction *> entries = form.popGrid()->actions();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries.at(1)->text(), s("수량"));
        QVERIFY(entries.at(0)->isChecked());
        QVERIFY(!entries.at(2)->isChecked());
        entries.at(1)->trigger();
        QVERIFY(!g->isColumnVisible(1));
        entries.at(2)->trigger();
        QVERIFY(g->isColumnVisible(2));
        QCOMPARE(g->visibleColumnsInDisplayOrder(), (QVector<int>{0, 2}));
        // The next search rebuilds the menu from the columns as they are now.
        hotkey(&form, "popHotkeySearch")->trigger();
        QVERIFY(!form.popGrid()->actions().at(1)->isChecked());

        auto click = [&form](const char *name) { form.findChild<QToolButton *>(QLatin1String(name))->click(); };
        click("sbtLast");
        QCOMPARE(g->currentRow(), 2);
        click("sbtPrior");
        QCOMPARE(g->currentRow(), 1);
        click("sbtFirst");
        click("sbtNext");
        QCOMPARE(g->currentRow(), 1);

        form.closeData();
        QCOMPARE(g->rowCount(), 0);
        click("sbtLast"); // nothing to move through
        QCOMPARE(g->currentRow(), -1);
    }

    void exportBeforeSearchOnlyTellsTheMessageLine()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.attachToDataModule();
        PresenterGuard presenter;
        QTemporaryDir dir;
        presenter->nextSaveName = dir.filePath(QStringLiteral("x.xls"));
        TfrmEBS999 form;
        QVERIFY(form.bbtExcelClick());
        QCOMPARE(form.statusText(), s("조회 결과가 없습니다. 조회를 먼저 하십시오."));
        QVERIFY(presenter->messages.isEmpty());
        QVERIFY(presenter->questions.isEmpty());
        QVERIFY(!QFile::exists(presenter->nextSaveName));
    }

    void exportOffersToOpenTheFile_data() { addEngineRows(); }
    void exportOffersToOpenTheFile()
    {
        QFETCH(QString, engine);
        TestDatabase db(engine);
        createFixture(db);
        PresenterGuard presenter;
        QTemporaryDir dir;
        TfrmEBS999 form;
        form.bbtSearchClick();
        form.rgrGrid()->setCurrentRow(2);
        presenter->nextSaveName = dir.filePath(QStringLiteral("EBS999.xls"));
        presenter->answers = {true};
        hotkey(&form, "popHotkeyExcel")->trigger();
        QCOMPARE(presenter->questions, QStringList{s("저장한 파일(EBS999.xls)을 Excel로 불러올까요?")});
        QCOMPARE(presenter->opened, QStringList{presenter->nextSaveName});
        QCOMPARE(form.rgrGrid()->currentRow(), 2);

        // Answering no keeps the file closed; a hidden button ends the key silently.
        presenter->clear();
        presenter->answers = {true, false};
        presenter->opened.clear();
        QVERIFY(form.bbtExcelClick());
        QCOMPARE(presenter->questions.size(), 2); // overwrite, then open
        QVERIFY(presenter->opened.isEmpty());
        presenter->clear();
        form.findChild<QPushButton *>(QStringLiteral("bbtExcel"))->setVisible(false);
        hotkey(&form, "popHotkeyExcel")->trigger();
        QVERIFY(presenter->questions.isEmpty());
    }

    void disabledButtonsEndTheirKeysSilently()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.attachToDataModule();
        TfrmEBS999 form;
        form.ShowStatus(s("이전 메시지"));
        hotkey(&form, "popHotkeyPrint")->trigger();
        hotkey(&form, "popHotkeyPreview")->trigger();
        QCOMPARE(form.prints, 1);
        QCOMPARE(form.previews, 1);
        QCOMPARE(form.statusText(), QString());
        form.findChild<QPushButton *>(QStringLiteral("bbtPrint"))->setEnabled(false);
        form.findChild<QPushButton *>(QStringLiteral("bbtPreview"))->setVisible(false);
        hotkey(&form, "popHotkeyPrint")->trigger();
        hotkey(&form, "popHotkeyPreview")->trigger();
        QCOMPARE(form.prints, 1);
        QCOMPARE(form.previews, 1);
    }
};

QTEST_MAIN(TestZZS)
#include "tst_zzs.moc"
