#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "EZH999.h"
#include "EZI000.h"
#include "NumEdit.h"
#include "ProcCatalog.h"
#include "SqlQuery.h"
#include "TestSupport.h"
#include "ZZC000.h"
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Every call of the test procedure, as "status|K1|K2|NAME|QTY|KIND|emp|ip".
QStringList g_calls;
QString g_engineMessage;
// The server refuses the next change of a saved row once (a lock timeout, say).
bool g_refuseNextUpdate = false;

const QString GroupCode = QStringLiteral("01");
const QString TwoRows = QStringLiteral("INSERT INTO TZ010MS VALUES ('01', 'A', '1', '가나', 3, 'A');"
                                       "INSERT INTO TZ010MS VALUES ('01', 'B', '1', '다라', 4, 'C');");

// A small record-entry screen over TZ010MS: two key columns, a name, a quantity
// and a kind chosen from a pick list. Without value controls only plain edits are
// bound, so that a new row stays entirely empty until the user types.
class TfrmTZI010 : public TfrmEZI000
{
public:
    explicit TfrmTZI010(bool valueControls = true)
    {
        setObjectName(QStringLiteral("frmTZI010"));
        edtGrp = new QLineEdit;
        edtGrp->setObjectName(QStringLiteral("edtGrp"));
        addSearchField(edtGrp);
        qryQuery().setSql(QStringLiteral("SELECT K1, K2, NAME, QTY, KIND FROM TZ010MS WHERE GRP = :GRP ORDER BY K1, K2"));

        DataGridColumn k1, k2, name, qty, kind;
        k1.title = QStringLiteral("코드1"), k1.fieldName = QStringLiteral("K1"), k1.required = true;
        k2.title = QStringLiteral("코드2"), k2.fieldName = QStringLiteral("K2"), k2.required = true;
        name.title = QStringLiteral("이름"), name.fieldName = QStringLiteral("NAME");
        qty.title = QStringLiteral("수량"), qty.fieldName = QStringLiteral("QTY");
        kind.title = QStringLiteral("구분"), kind.fieldName = QStringLiteral("KIND");
        kind.pickItems = {QStringLiteral("가"), QStringLiteral("나"), QStringLiteral("다")};
        kind.pickValues = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")};
        SetGridColumns({k1, k2, name, qty, kind});

        edtK1 = addEdit(QStringLiteral("edtK1"), QStringLiteral("코드1"));
        edtK2 = addEdit(QStringLiteral("edtK2"), QStringLiteral("코드2"));
        edtName = addEdit(QStringLiteral("edtName"), QStringLiteral("이름"));
        if (valueControls) {
            wneQty = new NumEdit(m_panBody);
            wneQty->setObjectName(QStringLiteral("wneQty"));
            BindControl(wneQty, QStringLiteral("수량"));
            cboKind = new CodeCombo(m_panBody);
            cboKind->setObjectName(QStringLiteral("cboKind"));
            cboKind->setItemsAndValues(kind.pickItems, kind.pickValues);
            BindControl(cboKind, QStringLiteral("구분"));
        }
        setSaveProcName(QStringLiteral("PR_TZI010_01"));
        SetSearchMode(true);
    }

    bool bbtSearchClick() override
    {
        if (!searchUsable())
            return false;
        if (!edtGrp->text().isEmpty())
            qryQuery().setParam(QStringLiteral("GRP"), edtGrp->text());
        return TfrmEZI000::bbtSearchClick();
    }

    bool SaveData() override
    {
        prcSaveData().setParam(QStringLiteral("AGRP"), edtGrp->text());
        return TfrmEZI000::SaveData();
    }

    QLineEdit *edtGrp, *edtK1, *edtK2, *edtName;
    NumEdit *wneQty = nullptr;
    CodeCombo *cboKind = nullptr;

private:
    QLineEdit *addEdit(const QString &name, const QString &title)
    {
        auto *e = new QLineEdit(m_panBody);
        e->setObjectName(name);
        BindControl(e, title);
        return e;
    }
};

void registerProcedure()
{
    ProcCatalog::instance().add(
        QStringLiteral("PR_TZI010_01"),
        {QStringLiteral("AGRP"), QStringLiteral("AK1"), QStringLiteral("AK2"), QStringLiteral("ANAME"),
         QStringLiteral("AQTY"), QStringLiteral("AKIND"), QStringLiteral("AU_EMP_NO"), QStringLiteral("AU_IP"),
         QStringLiteral("AEDITSTATUS")},
        [](ProcContext &c) {
            const QString status = c.in(QStringLiteral("AEDITSTATUS"));
            g_calls << QStringList{status, c.in(QStringLiteral("AK1")), c.in(QStringLiteral("AK2")),
                                   c.in(QStringLiteral("ANAME")), c.in(QStringLiteral("AQTY")),
                                   c.in(QStringLiteral("AKIND")), c.in(QStringLiteral("AU_EMP_NO")),
                                   c.in(QStringLiteral("AU_IP"))}
                           .join(QLatin1Char('|'));
            const QVariantHash p{{QStringLiteral("GRP"), c.value(QStringLiteral("AGRP"))},
                                 {QStringLiteral("K1"), c.value(QStringLiteral("AK1"))},
                                 {QStringLiteral("K2"), c.value(QStringLiteral("AK2"))},
                                 {QStringLiteral("NAME"), c.value(QStringLiteral("ANAME"))},
                                 {QStringLiteral("QTY"), c.value(QStringLiteral("AQTY"))},
                                 {QStringLiteral("KIND"), c.value(QStringLiteral("AKIND"))}};
            try {
                if (status == QLatin1String("2"))
                    c.exec(QStringLiteral("INSERT INTO TZ010MS (GRP, K1, K2, NAME, QTY, KIND) "
                                          "VALUES (:GRP, :K1, :K2, :NAME, TO_NUMBER(:QTY), :KIND)"), p);
                else if (status == QLatin1String("1") && g_refuseNextUpdate) {
                    g_refuseNextUpdate = false;
                    ProcContext::fail(QStringLiteral("다른 작업자가 사용 중입니다."));
                } else if (status == QLatin1String("1"))
                    c.exec(QStringLiteral("UPDATE TZ010MS SET NAME = :NAME, QTY = TO_NUMBER(:QTY), KIND = :KIND "
                                          "WHERE GRP = :GRP AND K1 = :K1 AND K2 = :K2"), p);
                else if (status == QLatin1String("3"))
                    c.exec(QStringLiteral("DELETE FROM TZ010MS WHERE GRP = :GRP AND K1 = :K1 AND K2 = :K2"), p);
            } catch (const DbError &e) {
                g_engineMessage = e.message();
                throw;
            }
        });
}

QString tableText(Session &s)
{
    const RowSet r = SqlQuery::select(s, QStringLiteral("SELECT K1, K2, NAME, QTY, KIND FROM TZ010MS ORDER BY K1, K2"));
    QStringList rows;
    for (int i = 0; i < r.rowCount(); ++i)
        rows << QStringList{r.text(i, 0), r.text(i, 1), r.text(i, 2), r.text(i, 3), r.text(i, 4)}.join(QLatin1Char(','));
    return rows.join(QLatin1Char(';'));
}

} // namespace

// The record-entry protocol on a small test screen, on every engine.
class TestRecordEntry : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> open(const QString &engine, const QString &rows = {})
    {
        auto db = std::make_unique<TestDatabase>(engine);
        db->exec(QStringLiteral("CREATE TABLE TZ010MS (GRP VARCHAR(2) NOT NULL, K1 VARCHAR(10) NOT NULL, "
                                "K2 VARCHAR(10) NOT NULL, NAME VARCHAR(50) NOT NULL, QTY NUMERIC(5), KIND VARCHAR(2), "
                                "PRIMARY KEY (GRP, K1, K2));")
                 + rows);
        db->attachToDataModule();
        g_calls.clear();
        g_engineMessage.clear();
        return db;
    }

    static void search(TfrmTZI010 &screen)
    {
        screen.edtGrp->setText(GroupCode);
        QVERIFY(screen.bbtSearchClick());
    }

    // Fills the current (new) row through its inputs, as typing does.
    static void type(TfrmTZI010 &screen, const QString &k1, const QString &k2, const QString &name)
    {
        screen.edtK1->setText(k1);
        screen.edtK2->setText(k2);
        screen.edtName->setText(name);
    }

private slots:
    void initTestCase()
    {
        registerProcedure();
        Login::EmpNo = QStringLiteral("20040001");
        Login::LocalIP = QStringLiteral("10.1.2.3");
    }
    void cleanupTestCase() { ProcCatalog::instance().remove(QStringLiteral("PR_TZI010_01")); }

    void emptySearchSavesOneNewRow_data() { addEngineRows(); }
    void emptySearchSavesOneNewRow()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        PresenterGuard presenter;
        TfrmTZI010 screen;

        // Without the group the query lacks its parameter: nothing is loaded.
        QVERIFY(!screen.bbtSearchClick());
        QCOMPARE(screen.statusText(), QStringLiteral("GRP 파라미터가 없습니다."));
        QVERIFY(screen.isSearchMode());

        search(screen);
        QVERIFY(!screen.isSearchMode());
        QCOMPARE(screen.rgrGrid()->rowCount(), 1);
        QVERIFY(screen.edtK1->isEnabled());
        QVERIFY(screen.edtK2->isEnabled());
        type(screen, QStringLiteral("K01"), QStringLiteral("X"), QStringLiteral("첫째"));
        screen.cboKind->setCurrentIndex(1);
        screen.wneQty->setText(QStringLiteral("7"));

        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(presenter->questions, QStringList{QStringLiteral("저장 하시겠습니까?")});
        QCOMPARE(g_calls, QStringList{QStringLiteral("2|K01|X|첫째|7|B|20040001|10.1.2.3")});
        QCOMPARE(tableText(db->session()), QStringLiteral("K01,X,첫째,7,B"));
        // Reloaded: the row now comes from the database and its keys are locked.
        QCOMPARE(screen.rgrGrid()->rowCount(), 1);
        QVERIFY(!screen.edtK1->isEnabled());
        QVERIFY(screen.changeLog().isEmpty());
        QCOMPARE(screen.cboKind->currentIndex(), 1);
    }

    void changedRowLoggedPerPost_data() { addEngineRows(); }
    void changedRowLoggedPerPost()
    {
        QFETCH(QString, engine);
        auto db = open(engine, TwoRows);
        PresenterGuard presenter;
        TfrmTZI010 screen;
        search(screen);
        QCOMPARE(screen.rgrGrid()->rowCount(), 2);
        QCOMPARE(screen.edtName->text(), QStringLiteral("가나"));
        QVERIFY(!screen.edtK1->isEnabled());

        screen.edtName->setText(QStringLiteral("첫수정"));
        screen.sbtNextClick();
        QCOMPARE(screen.edtName->text(), QStringLiteral("다라"));
        screen.sbtPriorClick();
        screen.edtName->setText(QStringLiteral("둘째수정"));
        screen.cboKind->setCurrentIndex(1);
        screen.sbtNextClick();
        QCOMPARE(screen.changeLog().rows.size(), 2);

        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(g_calls, (QStringList{QStringLiteral("1|A|1|첫수정|3|A|20040001|10.1.2.3"),
                                       QStringLiteral("1|A|1|둘째수정|3|B|20040001|10.1.2.3")}));
        QCOMPARE(tableText(db->session()), QStringLiteral("A,1,둘째수정,3,B;B,1,다라,4,C"));
        // Back on the row that was current before the reload.
        QCOMPARE(screen.rgrGrid()->currentRow(), 1);
    }

    void deletes_data() { addEngineRows(); }
    void deletes()
    {
        QFETCH(QString, engine);
        auto db = open(engine, TwoRows);
        PresenterGuard presenter;
        TfrmTZI010 screen;
        search(screen);
        QVERIFY(screen.bbtAddClick());
        QCOMPARE(screen.rgrGrid()->rowCount(), 3);
        QVERIFY(screen.edtK1->isEnabled());
        type(screen, QStringLiteral("C"), QStringLiteral("1"), QStringLiteral("새줄"));
        QVERIFY(screen.bbtDeleteClick()); // the row added on the screen
        screen.sbtFirstClick();
        QVERIFY(screen.bbtDeleteClick()); // a row from the database
        QCOMPARE(screen.rgrGrid()->rowCount(), 1);
        QCOMPARE(presenter->questions.count(QStringLiteral("현재 자료를 삭제하시겠습니까?")), 2);

        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(g_calls, QStringList{QStringLiteral("3|A|1|가나|3|A|20040001|10.1.2.3")});
        QCOMPARE(tableText(db->session()), QStringLiteral("B,1,다라,4,C"));
    }

    void addOnEmptyRowDoesNothing_data() { addEngineRows(); }
    void addOnEmptyRowDoesNothing()
    {
        QFETCH(QString, engine);
        auto db = open(engine);
        PresenterGuard presenter;
        TfrmTZI010 screen(false);
        search(screen);
        QCOMPARE(screen.rgrGrid()->rowCount(), 1);
        QVERIFY(!screen.bbtAddClick());
        QCOMPARE(screen.rgrGrid()->rowCount(), 1);
        type(screen, QStringLiteral("K"), QString(), QString());
        QVERIFY(screen.bbtAddClick());
        QCOMPARE(screen.rgrGrid()->rowCount(), 2);
        QCOMPARE(screen.rgrGrid()->currentRow(), 1);
        QVERIFY(screen.edtK1->isEnabled());
        QCOMPARE(screen.edtK1->text(), QString());
    }

    void failedSaveRollsBackAndSendsNewRowsOnce_data() { addEngineRows(); }
    void failedSaveRollsBackAndSendsNewRowsOnce()
    {
        QFETCH(QString, engine);
        auto db = open(engine, QStringLiteral("INSERT INTO TZ010MS VALUES ('01', 'A', '1', '가나', 3, 'A');"));
        PresenterGuard presenter;
        TfrmTZI010 screen(false);
        search(screen);
        screen.edtName->setText(QStringLiteral("바뀜"));
        QVERIFY(screen.bbtAddClick());
        type(screen, QStringLiteral("N1"), QStringLiteral("1"), QStringLiteral("하나"));
        QVERIFY(screen.bbtAddClick());
        type(screen, QStringLiteral("N2"), QStringLiteral("1"), QString()); // NAME is required by the table
        QVERIFY(screen.bbtAddClick());
        type(screen, QStringLiteral("N3"), QStringLiteral("1"), QStringLiteral("셋"));

        QVERIFY(!screen.bbtSaveClick());
        QVERIFY(!g_engineMessage.isEmpty());
        QCOMPARE(presenter->lastText(), QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + g_engineMessage);
        QCOMPARE(tableText(db->session()), QStringLiteral("A,1,가나,3,A")); // nothing kept
        QCOMPARE(g_calls.size(), 3); // the changed row, N1, then N2 failed
        QCOMPARE(screen.rgrGrid()->rowCount(), 4); // the user's rows stay on screen

        // The user names the failed row and saves again: every new row goes once.
        screen.rgrGrid()->setCurrentRow(2);
        screen.edtName->setText(QStringLiteral("둘"));
        g_calls.clear();
        presenter->clear();
        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(g_calls, (QStringList{QStringLiteral("1|A|1|바뀜|3|A|20040001|10.1.2.3"),
                                       QStringLiteral("2|N1|1|하나|||20040001|10.1.2.3"),
                                       QStringLiteral("2|N2|1|둘|||20040001|10.1.2.3"),
                                       QStringLiteral("2|N3|1|셋|||20040001|10.1.2.3")}));
        QCOMPARE(tableText(db->session()), QStringLiteral("A,1,바뀜,3,A;N1,1,하나,,;N2,1,둘,,;N3,1,셋,,"));
    }

    // A change the server refused is not lost with its log entry: the next save
    // sends the row again with what it holds, and only then reports success.
    void refusedChangeIsSentAgain_data() { addEngineRows(); }
    void refusedChangeIsSentAgain()
    {
        QFETCH(QString, engine);
        auto db = open(engine, TwoRows);
        PresenterGuard presenter;
        TfrmTZI010 screen;
        search(screen);
        screen.edtName->setText(QStringLiteral("고침"));
        screen.sbtNextClick();
        g_refuseNextUpdate = true;
        QVERIFY(!screen.bbtSaveClick());
        QCOMPARE(presenter->lastText(), QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r다른 작업자가 사용 중입니다."));
        QCOMPARE(tableText(db->session()), QStringLiteral("A,1,가나,3,A;B,1,다라,4,C"));

        g_calls.clear();
        QVERIFY(screen.bbtSaveClick());
        QCOMPARE(g_calls, QStringList{QStringLiteral("1|A|1|고침|3|A|20040001|10.1.2.3")});
        QCOMPARE(tableText(db->session()), QStringLiteral("A,1,고침,3,A;B,1,다라,4,C"));
    }

    void duplicateKey_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("same first key, other second key") << QStringLiteral("1,x") << QStringLiteral("1,y") << false;
        QTest::newRow("both keys equal") << QStringLiteral("1,x") << QStringLiteral("1,x") << true;
        QTest::newRow("other first key, same second key") << QStringLiteral("1,x") << QStringLiteral("2,x") << false;
    }
    void duplicateKey()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, duplicate);
        TestDatabase db(QStringLiteral("sqlite"));
        db.attachToDataModule();
        TfrmTZI010 screen(false);
        QVector<QVariant> cells;
        for (const QString &row : {first, second, QStringLiteral("3,z")})
            cells << row.section(QLatin1Char(','), 0, 0) << row.section(QLatin1Char(','), 1, 1) << QVariant() << QVariant()
                  << QVariant() << QVariant();
        screen.rgrGrid()->fill(RowSet({QStringLiteral("K1"), QStringLiteral("K2"), QStringLiteral("NAME"),
                                       QStringLiteral("QTY"), QStringLiteral("KIND"), QStringLiteral("TEMP")},
                                      cells),
                               DataGridModel::FillMode::Positional);
        screen.rgrGrid()->setCurrentRow(1);
        QCOMPARE(screen.HasDuplicateKey(), duplicate);
    }

    void saveKeyInSearchModeDoesNothing()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.attachToDataModule();
        PresenterGuard presenter;
        TfrmTZI010 screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QVERIFY(screen.isSearchMode());
        QTest::keyClick(screen.edtGrp, Qt::Key_F2);
        QTest::keyClick(screen.edtGrp, Qt::Key_F4);
        QTest::keyClick(screen.edtGrp, Qt::Key_F9);
        QVERIFY(presenter->messages.isEmpty());
        QCOMPARE(screen.rgrGrid()->rowCount(), 0);
        QCOMPARE(screen.statusText(), QString());
    }

    void keys()
    {
        TestDatabase db(QStringLiteral("sqlite"));
        db.exec(QStringLiteral("CREATE TABLE TZ010MS (GRP VARCHAR(2), K1 VARCHAR(10), K2 VARCHAR(10), NAME VARCHAR(50), "
                               "QTY NUMERIC(5), KIND VARCHAR(2));")
                + TwoRows);
        db.attachToDataModule();
        PresenterGuard presenter;
        TfrmTZI010 screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        screen.edtGrp->setText(GroupCode);
        QTest::keyClick(screen.edtGrp, Qt::Key_F3);
        QCOMPARE(screen.rgrGrid()->rowCount(), 2);

        // Enter moves on to the next input.
        screen.edtName->setFocus();
        QTest::keyClick(screen.edtName, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), screen.wneQty);

        // Arrows move through the rows; in a combo they never change its value.
        screen.cboKind->setFocus();
        QTest::keyClick(screen.cboKind, Qt::Key_Down);
        QCOMPARE(screen.rgrGrid()->currentRow(), 1);
        QCOMPARE(screen.cboKind->value(), QStringLiteral("C"));
        screen.cboKind->setFocus();
        QTest::keyClick(screen.cboKind, Qt::Key_Up);
        QCOMPARE(screen.rgrGrid()->currentRow(), 0);
        QCOMPARE(screen.cboKind->value(), QStringLiteral("A"));
        QVERIFY(screen.changeLog().isEmpty());

        // F4 adds a row whose keys can be typed; F9 deletes it after the question.
        QTest::keyClick(screen.edtName, Qt::Key_F4);
        QCOMPARE(screen.rgrGrid()->rowCount(), 3);
        QVERIFY(screen.edtK1->isEnabled());
        QTest::keyClick(screen.edtName, Qt::Key_F9);
        QCOMPARE(screen.rgrGrid()->rowCount(), 2);
        QVERIFY(!screen.edtK1->isEnabled());
    }

    void cancelAsksOnlyWithPendingRows_data() { addEngineRows(); }
    void cancelAsksOnlyWithPendingRows()
    {
        QFETCH(QString, engine);
        auto db = open(engine, TwoRows);
        PresenterGuard presenter;
        TfrmTZI010 screen;
        search(screen);
        screen.edtName->setText(QStringLiteral("바뀜"));
        screen.sbtNextClick();
        presenter->answers = {false};
        QVERIFY(!screen.bbtCancelClick());
        QCOMPARE(presenter->questions, QStringList{QStringLiteral("변경된 자료가 있습니다.\r정말 취소하시겠습니까?")});
        QVERIFY(!screen.isSearchMode());
        QCOMPARE(screen.changeLog().rows.size(), 1);

        // Ctrl+F2 shows the pending rows with the parameters they feed.
        TfrmEZH999 display(screen.changeLog());
        QCOMPARE(display.grid()->rowCount(), 1);
        QCOMPARE(display.grid()->cell(0, 2), QStringLiteral("바뀜"));
        QCOMPARE(display.memParam()->toPlainText(),
                 QStringLiteral("AK1\nAK2\nANAME\nAQTY\nAKIND\nAEDITSTATUS"));

        QVERIFY(screen.bbtCancelClick());
        QVERIFY(screen.isSearchMode());
        QCOMPARE(screen.rgrGrid()->rowCount(), 0);
        QCOMPARE(screen.edtName->text(), QString());
        QCOMPARE(screen.cboKind->count(), 3); // the combo keeps its list
        QVERIFY(g_calls.isEmpty());
    }
};

QTEST_MAIN(TestRecordEntry)
#include "tst_ezi000.moc"
