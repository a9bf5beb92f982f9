#include "DataGrid.h"
#include "RowSet.h"
#include "TestSupport.h"
#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// Key presses carrying any character (QTest::keyClicks only carries Latin-1).
void typeText(QWidget *w, const QString &text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

// Three rental rows: a code, a name, a count and a date.
RowSet rentals()
{
    return RowSet({s("CODE"), s("NAME"), s("CNT"), s("DAY")},
                  {s("S"), s("스키"), qlonglong(12), s("20240105"),
                   s("B"), s("보드"), qlonglong(3), QVariant(),
                   s("X"), s("기타"), qlonglong(-7), s("20231231")});
}

DataGridColumn col(const QString &title, const QString &field)
{
    DataGridColumn c;
    c.title = title;
    c.fieldName = field;
    return c;
}

QVector<DataGridColumn> rentalColumns()
{
    DataGridColumn kind = col(s("구분"), s("CODE"));
    kind.pickItems = {s("스키"), s("보드")};
    kind.pickValues = {s("S"), s("B")};
    DataGridColumn name = col(s("이름"), s("NAME"));
    name.dataWidth = 4;
    DataGridColumn count = col(s("수량"), s("CNT"));
    DataGridColumn day = col(s("일자"), s("DAY"));
    day.kind = DataGridColumn::Kind::Mask;
    day.mask = s("9999-99-99");
    return {kind, name, count, day};
}

QStringList column(const DataGrid &g, int c)
{
    QStringList out;
    for (int r = 0; r < g.rowCount(); ++r)
        out << g.cell(r, c);
    return out;
}

// Records the row events in order, as "enter 1", "exit 0", "post 0", ...
struct EventLog
{
    QStringList events;
    bool refuseExit = false;
    explicit EventLog(DataGrid &g)
    {
        QObject::connect(&g, &DataGrid::rowEnter, [this](int r) { events << QStringLiteral("enter %1").arg(r); });
        QObject::connect(&g, &DataGrid::rowExit, [this](int r, bool &allow) {
            events << QStringLiteral("exit %1").arg(r);
            allow = !refuseExit;
        });
        QObject::connect(&g, &DataGrid::rowChange,
                         [this](int o, int n) { events << QStringLiteral("change %1>%2").arg(o).arg(n); });
        QObject::connect(&g, &DataGrid::afterPost, [this](int r) { events << QStringLiteral("post %1").arg(r); });
    }
};
} // namespace

class TestGrid : public QObject
{
    Q_OBJECT
private slots:
    void modelPassesTheModelTester()
    {
        DataGridModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        m.setColumns(rentalColumns());
        m.fill(rentals(), DataGridModel::FillMode::ByFieldName);
        m.insertEmptyRow(1);
        m.removeRowAt(0);
        m.addColumn(col(s("추가"), s("EXTRA")));
        m.sort(2, Qt::DescendingOrder);
        m.setData(m.index(0, 1), s("가"));
        m.fill(RowSet(), DataGridModel::FillMode::Positional);
        QCOMPARE(m.rowCount(), 0);
    }

    void fillByNameAndPositionally()
    {
        DataGrid g;
        QVector<DataGridColumn> cols = rentalColumns();
        std::swap(cols[0], cols[1]);                  // NAME first, CODE second
        cols.append(col(s("없음"), s("NO_SUCH_FIELD"))); // stays empty
        g.setColumns(cols);
        g.fill(rentals());
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(column(g, 0), (QStringList{s("스키"), s("보드"), s("기타")}));
        QCOMPARE(column(g, 1), (QStringList{s("S"), s("B"), s("X")}));
        QCOMPARE(column(g, 4), (QStringList{QString(), QString(), QString()}));
        QCOMPARE(g.cell(2, s("cnt")), s("-7"));
        QCOMPARE(g.currentRow(), -1);

        g.fill(rentals(), DataGridModel::FillMode::Positional); // column k takes field k
        QCOMPARE(column(g, 0), (QStringList{s("S"), s("B"), s("X")}));
        QCOMPARE(column(g, 4), (QStringList{QString(), QString(), QString()}));

        DataGrid bare; // no columns yet: one per field
        bare.fill(rentals(), DataGridModel::FillMode::Positional);
        QCOMPARE(bare.columnCount(), 4);
        QCOMPARE(bare.column(2).title, s("CNT"));
        QCOMPARE(bare.cell(1, 2), s("3"));
    }

    void alignmentFollowsTheData()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        DataGridModel *m = g.gridModel();
        QVERIFY(!m->isRightAligned(1));
        QVERIFY(m->isRightAligned(2)); // numbers from the database
        QVERIFY(!m->isRightAligned(3));
        DataGridColumn c = g.column(1);
        c.alignment = Qt::AlignRight;
        g.setColumn(1, c);
        QVERIFY(m->isRightAligned(1));
    }

    void displayTexts_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("pick list shows the item") << 0 << 0 << s("스키") << s("S");
        QTest::newRow("value not in the list shows itself") << 2 << 0 << s("X") << s("X");
        QTest::newRow("mask lays the digits out") << 0 << 3 << s("2024-01-05") << s("20240105");
        QTest::newRow("empty masked cell stays empty") << 1 << 3 << QString() << QString();
    }
    void displayTexts()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        QCOMPARE(g.gridModel()->data(g.gridModel()->index(row, column)).toString(), shown);
        QCOMPARE(g.cell(row, column), stored);
    }

    void thousandsAndRepeats()
    {
        QCOMPARE(DataGridModel::groupThousands(s("-1234567.25")), s("-1,234,567.25"));
        QCOMPARE(DataGridModel::groupThousands(s("999")), s("999"));
        QCOMPARE(DataGridModel::groupThousands(s("abc")), s("abc"));
        DataGrid g;
        DataGridColumn area = col(s("지역"), s("A"));
        area.suppressRepeats = true;
        g.setColumns({area});
        g.fill(RowSet({s("A")}, {s("서울"), s("서울"), s("부산")}));
        const DataGridModel *m = g.gridModel();
        QCOMPARE(m->displayText(0, 0), s("서울"));
        QCOMPARE(m->displayText(1, 0), QString());
        QCOMPARE(m->displayText(2, 0), s("부산"));
        QCOMPARE(g.cell(1, 0), s("서울")); // the value itself is kept
    }

    void pickListMapsValuesAndPositions()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        QCOMPARE(g.pickIndex(0, 0), 0);
        QCOMPARE(g.pickIndex(1, 0), 1);
        QCOMPARE(g.pickIndex(2, 0), -1);
        g.setPickIndex(2, 0, 1);
        QCOMPARE(g.cell(2, 0), s("B"));
        g.setPickIndex(2, 0, 5);
        QCOMPARE(g.cell(2, 0), QString());

        // A pick made in the editor stores the value, not the item.
        g.setOptions(DataGrid::Editing | DataGrid::RowSelect);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setCurrentCell(1, 0);
        g.edit(g.currentIndex());
        auto *combo = g.findChild<QComboBox *>();
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), s("보드"));
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(g.cell(1, 0), s("S"));
        QCOMPARE(g.rowState(1), RowState::Modified);
    }

    void editorRefusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("refused");
        QTest::newRow("two Korean letters fill four bytes") << s("가나다") << s("가나") << true;
        QTest::newRow("Latin letters count one byte") << s("abcde") << s("abcd") << true;
        QTest::newRow("mixed") << s("a가b") << s("a가b") << false;
        QTest::newRow("not in CP949") << s("a\u0e01") << s("a") << true;
    }
    void editorRefusesWhatDoesNotFit()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(bool, refused);
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.setOptions(DataGrid::Editing | DataGrid::RowSelect);
        QSignalSpy refusals(&g, &DataGrid::inputRefused);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setCurrentCell(0, 1);
        g.edit(g.currentIndex());
        auto *editor = g.findChild<QLineEdit *>();
        QVERIFY(editor);
        editor->clear();
        typeText(editor, typed);
        QCOMPARE(editor->text(), kept);
        QCOMPARE(!refusals.isEmpty(), refused);
        QVERIFY(g.post());
        QCOMPARE(g.cell(0, 1), kept);
    }

    void modelRefusesTooLongTexts()
    {
        DataGridModel m;
        m.setColumns(rentalColumns());
        m.fill(rentals(), DataGridModel::FillMode::ByFieldName);
        m.setEditable(true);
        QSignalSpy refusals(&m, &DataGridModel::inputRefused);
        QVERIFY(!m.setData(m.index(0, 1), s("가나다")));
        QCOMPARE(m.text(0, 1), s("스키"));
        QCOMPARE(m.rowState(0), RowState::None);
        QVERIFY(!m.setData(m.index(0, 0), s("Q"))); // not in the value list
        QVERIFY(m.setData(m.index(0, 1), s("가a")));
        QCOMPARE(m.rowState(0), RowState::Modified);
        QCOMPARE(refusals.count(), 2);
    }

    void sortToggles()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setCurrentRow(1); // "보드" follows its record through the sorts
        QHeaderView *h = g.horizontalHeader();
        auto clickTitle = [&](int c) {
            QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                              QPoint(h->sectionViewportPosition(c) + h->sectionSize(c) / 2, h->height() / 2));
        };
        clickTitle(2);
        QCOMPARE(column(g, 2), (QStringList{s("-7"), s("3"), s("12")})); // numbers by value
        QCOMPARE(g.sortColumn(), 2);
        QCOMPARE(h->sortIndicatorSection(), 2);
        QCOMPARE(h->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(g.cell(g.currentRow(), 1), s("보드"));
        clickTitle(2);
        QCOMPARE(column(g, 2), (QStringList{s("12"), s("3"), s("-7")}));
        QCOMPARE(h->sortIndicatorOrder(), Qt::DescendingOrder);
        clickTitle(1); // another column starts ascending again
        QCOMPARE(column(g, 1), (QStringList{s("기타"), s("보드"), s("스키")}));
        QCOMPARE(h->sortIndicatorSection(), 1);
        QCOMPARE(h->sortIndicatorOrder(), Qt::AscendingOrder);
        QCOMPARE(g.cell(g.currentRow(), 1), s("보드"));
        g.clearSortMarks();
        QCOMPARE(h->sortIndicatorSection(), -1);
    }

    void rowEventsInOrder()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.setOptions(DataGrid::Editing | DataGrid::RowSelect | DataGrid::Inserting);
        EventLog log(g);
        QVERIFY(g.setCurrentRow(0));
        QCOMPARE(log.events, (QStringList{s("enter 0"), s("change -1>0")}));

        // A code change is not an edit: nothing to post.
        log.events.clear();
        g.setCell(0, 1, s("가"));
        QVERIFY(g.setCurrentRow(1));
        QCOMPARE(log.events, (QStringList{s("exit 0"), s("enter 1"), s("change 0>1")}));
        QCOMPARE(g.rowState(0), RowState::None);

        // A user edit is posted when the row is left.
        log.events.clear();
        QSignalSpy changed(&g, &DataGrid::valueChanged);
        QVERIFY(g.gridModel()->setData(g.gridModel()->index(1, 2), s("9")));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(g.pendingRow(), 1);
        QVERIFY(g.setCurrentRow(2));
        QCOMPARE(log.events, (QStringList{s("exit 1"), s("post 1"), s("enter 2"), s("change 1>2")}));
        QCOMPARE(g.rowState(1), RowState::Modified);

        // A refused exit keeps the row.
        log.events.clear();
        log.refuseExit = true;
        QVERIFY(!g.setCurrentRow(0));
        QCOMPARE(g.currentRow(), 2);
        QCOMPARE(log.events, QStringList{s("exit 2")});
    }

    void emptyNewRowRemovedAtPost()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.setOptions(DataGrid::Editing | DataGrid::RowSelect | DataGrid::Inserting);
        g.setCurrentRow(1);
        // The entry bases drop a new row left empty when it is posted.
        QObject::connect(&g, &DataGrid::afterPost, &g, [&g](int row) {
            if (g.rowState(row) == RowState::Inserted && g.isRowEmpty(row))
                g.deleteRow(row);
        });
        EventLog log(g);
        QVERIFY(g.insertRow());
        QCOMPARE(g.rowCount(), 4);
        QCOMPARE(g.currentRow(), 1);
        QCOMPARE(g.rowState(1), RowState::Inserted);
        QCOMPARE(g.pendingRow(), 1);
        QCOMPARE(log.events, (QStringList{s("exit 1"), s("enter 1"), s("change 2>1")}));

        // Moving to the record below the empty row lands on it after the removal.
        log.events.clear();
        QVERIFY(g.setCurrentRow(3));
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(g.currentRow(), 2);
        QCOMPARE(g.cell(2, 1), s("기타"));
        QCOMPARE(log.events, (QStringList{s("exit 1"), s("post 1"), s("enter 2"), s("change -1>2")}));
    }

    void deleteAsksFirst()
    {
        PresenterGuard presenter;
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.setOptions(DataGrid::Deleting | DataGrid::ConfirmDelete | DataGrid::RowSelect);
        g.setCurrentRow(1);
        bool allowDelete = false;
        connect(&g, &DataGrid::beforeDelete, &g, [&](int, bool &allow) { allow = allowDelete; });
        presenter->answers = {true};
        QTest::keyClick(&g, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(g.rowCount(), 3); // refused by the handler
        QCOMPARE(presenter->questions, QStringList{s("현재 자료를 삭제하시겠습니까?")});
        allowDelete = true;
        presenter->answers = {false};
        QTest::keyClick(&g, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(g.rowCount(), 3); // the user said no
        EventLog log(g);
        presenter->answers = {true};
        QTest::keyClick(&g, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(column(g, 1), (QStringList{s("스키"), s("기타")}));
        QCOMPARE(g.currentRow(), 1);
        QCOMPARE(log.events, (QStringList{s("enter 1"), s("change 1>1")}));
    }

    void keyboardEditingMovesOn()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        DataGridColumn c = g.column(2);
        c.readOnly = true;
        g.setColumn(2, c);
        g.setOptions(DataGrid::Editing | DataGrid::EnterMovesNext | DataGrid::SkipReadOnly
                     | DataGrid::AlwaysShowEditor | DataGrid::Inserting);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        g.setCurrentCell(2, 1);
        auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        QVERIFY2(editor, "the editor opens by itself");
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("ab"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(g.cell(2, 1), s("ab"));
        QCOMPARE(g.currentColumn(), 3); // the read-only count is passed over
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(g.rowCount(), 4); // past the last cell a new row follows
        QCOMPARE(g.currentRow(), 3);
        QCOMPARE(g.rowState(3), RowState::Inserted);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(g.rowCount(), 4); // no second blank row
    }

    void footerFollowsTheColumns()
    {
        DataGrid g;
        QVector<DataGridColumn> cols;
        for (int i = 0; i < 12; ++i)
            cols.append(col(QStringLiteral("C%1").arg(i), QStringLiteral("F%1").arg(i)));
        g.setColumns(cols);
        QStringList fields;
        QVector<QVariant> values;
        for (int i = 0; i < 12; ++i)
            fields << QStringLiteral("F%1").arg(i);
        for (int r = 0; r < 200; ++r)
            for (int i = 0; i < 12; ++i)
                values << QVariant(qlonglong(r * 100 + i));
        g.fill(RowSet(fields, values));
        g.setFooterVisible(true);
        g.setFooterText(11, s("총  계"));
        g.resize(400, 300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QCOMPARE(g.footerText(11), s("총  계"));
        QVERIFY(g.footerCellRect(11).isEmpty()); // scrolled out of sight
        g.horizontalScrollBar()->setValue(g.horizontalScrollBar()->maximum());
        const QRect cell = g.footerCellRect(11);
        QVERIFY(!cell.isEmpty());
        QCOMPARE(cell.left(), g.viewport()->x() + g.columnViewportPosition(11));

        // The last row can scroll up above the footer.
        g.setCurrentRow(199);
        const QRect last = g.visualRect(g.gridModel()->index(199, 0));
        QVERIFY(last.bottom() < g.viewport()->height() - 24);
        g.setColumnVisible(11, false);
        QVERIFY(g.footerCellRect(11).isEmpty());
        QVERIFY(!g.visibleColumnsInDisplayOrder().contains(11));
    }

    void cellStylerPaintsRows()
    {
        DataGrid g;
        g.setColumns(rentalColumns());
        g.fill(rentals());
        g.setCellStyler([&g](int row, int, CellStyle &st) {
            if (g.cell(row, 0) == QStringLiteral("B"))
                st.background = Qt::yellow;
        });
        QCOMPARE(g.cellStyle(1, 2).background, QColor(Qt::yellow));
        QVERIFY(!g.cellStyle(0, 2).background.isValid());
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
