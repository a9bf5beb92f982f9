#pragma once
#include "DataGridModel.h"
#include <QPersistentModelIndex>
#include <QTableView>
#include <functional>

class QKeyEvent;
class DataGridDelegate;
class DataGridFooter;

// Colours one cell is painted with; invalid colours keep the grid's own.
struct CellStyle
{
    QColor background;
    QColor foreground;
    QColor selectedBackground;
    QColor selectedForeground;
    bool bold = false;
};

// The grid's own colours; invalid entries keep the platform's.
struct GridColors
{
    QColor cell;
    QColor title;
    QColor titleText;
    QColor selected;
    QColor selectedText;
    QColor footer;
    QColor footerText;
};

// The grid every screen uses: a table view over DataGridModel with column
// definitions (titles, field names, pick lists, byte widths, masks), a footer row,
// row states, sorting by title click and the row protocol the entry bases build on.
//
// Row protocol. The grid keeps one current row. Moving it (by the user, by
// setCurrentRow, by insert) first asks rowExit(old, allow), then posts the old row
// when it has a pending edit (beforePost(row, allow), afterPost(row)), and then
// reports rowEnter(new) followed by rowChange(old, new). A veto keeps the old row
// current. A row is pending after the user edited one of its cells or after it was
// inserted; cells set from code (setCell) do not make it pending. An afterPost
// handler may delete the posted row; the move then lands on the row the user chose.
// Signals with a `bool &` argument must be connected directly (the default).
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    enum Option {
        Editing = 0x1,          // cells of columns that are not read-only can be edited
        Inserting = 0x2,        // Insert key inserts a row; Down on the last row appends one
        Deleting = 0x4,         // Ctrl+Delete deletes the current row
        ConfirmDelete = 0x8,    // ... after the delete question
        EnterMovesNext = 0x10,  // Enter moves to the next cell (next row in row selection)
        SkipReadOnly = 0x20,    // ... passing over read-only columns
        AlwaysShowEditor = 0x40,
        RowSelect = 0x80,       // the whole current row is highlighted
        SortOnTitleClick = 0x100,
        ColumnMoving = 0x200,
        ColumnSizing = 0x400,
    };
    Q_DECLARE_FLAGS(Options, Option)

    using CellStyler = std::function<void(int row, int column, CellStyle &style)>;

    explicit DataGrid(QWidget *parent = nullptr);
    ~DataGrid() override;

    DataGridModel *gridModel() const { return m_model; }

    void setOptions(Options options);
    void setOption(Option option, bool on = true);
    Options options() const { return m_options; }
    bool hasOption(Option option) const { return m_options.testFlag(option); }

    // --- columns
    void setColumns(const QVector<DataGridColumn> &columns); // drops all rows
    int addColumn(const DataGridColumn &column);
    const DataGridColumn &column(int index) const { return m_model->column(index); }
    void setColumn(int index, const DataGridColumn &column) { m_model->setColumn(index, column); }
    int columnCount() const { return m_model->columnCount(); }
    int columnOfField(const QString &fieldName) const { return m_model->columnOfField(fieldName); }
    int columnOfTitle(const QString &title) const { return m_model->columnOfTitle(title); }
    void setColumnVisible(int column, bool visible);
    bool isColumnVisible(int column) const { return m_model->column(column).visible; }
    void setPickList(int column, const QStringList &items, const QStringList &values);
    // Logical indexes of the shown columns, left to right as the user sees them.
    QVector<int> visibleColumnsInDisplayOrder() const;

    // --- rows and cells
    int rowCount() const { return m_model->rowCount(); }
    // Replaces the rows (see DataGridModel::fill). No row events; no row is current
    // afterwards until setCurrentRow or the user picks one.
    void fill(const RowSet &rows, DataGridModel::FillMode mode = DataGridModel::FillMode::ByFieldName);
    // Removes every row without events.
    void clearRows();
    QString cell(int row, int column) const { return m_model->text(row, column); }
    QString cell(int row, const QString &field) const;
    QVariant value(int row, int column) const { return m_model->value(row, column); }
    void setCell(int row, int column, const QString &text);
    void setCell(int row, const QString &field, const QString &text);
    int pickIndex(int row, int column) const { return m_model->pickIndex(row, column); }
    void setPickIndex(int row, int column, int index) { m_model->setPickIndex(row, column, index); }
    QString displayText(int row, int column) const { return m_model->displayText(row, column); }
    bool isRowEmpty(int row) const { return m_model->isRowEmpty(row); }
    RowState rowState(int row) const { return m_model->rowState(row); }
    void setRowState(int row, RowState state) { m_model->setRowState(row, state); }
    void resetRowStates(RowState state = RowState::None) { m_model->resetRowStates(state); }
    int rowTag(int row) const { return m_model->rowTag(row); }
    void setRowTag(int row, int tag) { m_model->setRowTag(row, tag); }

    // --- current position and the row protocol
    int currentRow() const;
    int currentColumn() const;
    // False when the row does not exist or the move was vetoed.
    bool setCurrentRow(int row);
    bool setCurrentCell(int row, int column);
    bool first();
    bool prior();
    bool next();
    bool last();
    // Inserts an empty row (state Inserted, pending) before `row` (-1: before the
    // current row, or at the end when there is none) and makes it current.
    bool insertRow(int row = -1);
    bool appendRow();
    // Deletes a row (-1: the current one) after beforeDelete; the row that takes the
    // current position then gets rowEnter and rowChange(deletedRow, newRow).
    bool deleteRow(int row = -1);
    // Writes an open editor into its cell and posts a pending row. False on a veto.
    bool post();
    // The row with a pending edit, -1 when none.
    int pendingRow() const { return m_pending.isValid() ? m_pending.row() : -1; }

    // --- sorting
    // Sorts by a column and shows its sort mark (the other marks go). False when
    // the pending row could not be posted.
    bool sortBy(int column, Qt::SortOrder order);
    void clearSortMarks();
    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

    // --- footer
    void setFooterVisible(bool visible);
    bool isFooterVisible() const { return m_footerVisible; }
    void setFooterText(int column, const QString &text) { m_model->setFooterText(column, text); }
    QString footerText(int column) const { return m_model->footerText(column); }
    void clearFooter() { m_model->clearFooter(); }
    void setFooterHeight(int height);
    // Where the footer cell of a column lies, in grid coordinates (empty when hidden).
    QRect footerCellRect(int column) const;

    // --- look
    void setColors(const GridColors &colors);
    const GridColors &colors() const { return m_colors; }
    void setRowHeight(int height);
    void setTitleHeight(int height);
    // Width of the row indicator at the left; 0 hides it.
    void setIndicatorWidth(int width);
    // Called for every painted cell after the column colours; screens paint
    // subtotal rows, state rows and the like here.
    void setCellStyler(CellStyler styler) { m_styler = std::move(styler); viewport()->update(); }
    const CellStyler &cellStyler() const { return m_styler; }
    void setDeleteQuestion(const QString &text) { m_deleteQuestion = text; }

    // The style a cell is painted with (column colours, then the styler).
    CellStyle cellStyle(int row, int column) const;

signals:
    void rowEnter(int row);
    void rowExit(int row, bool &allow);
    void rowChange(int oldRow, int newRow);
    void beforePost(int row, bool &allow);
    void afterPost(int row);
    void beforeDelete(int row, bool &allow);
    void beforeInsert(bool &allow);
    // A user edit changed a cell.
    void valueChanged(int row, int column);
    // After the title of a column was clicked (and the grid sorted, when it sorts).
    void titleClick(int column);
    void cellDoubleClicked(int row, int column);
    // Every key press in the grid or its editor comes here first; handled = true consumes it.
    void keyDown(QKeyEvent *event, bool &handled);
    void keyUp(QKeyEvent *event);
    // An editor refused a text (too long, not CP949, not a number); also shown as a tip.
    void inputRefused(const QString &message);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void updateGeometries() override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

private:
    friend class DataGridDelegate;

    void applyColumns();
    void applyOptions();
    int firstColumnFor(int row) const;
    bool leaveRow();
    void enterRow(int row, int oldRow);
    void moveQuietly(int row, int column);
    void openEditorIfWanted();
    void commitEditor();
    void closeEditorQuietly();
    void moveToNextCell();
    bool handleKey(QKeyEvent *event);
    bool appendOnDown() const;
    void askDelete();
    void showRefusal(const QString &message);
    void onTitleClicked(int logical);

    DataGridModel *m_model;
    DataGridDelegate *m_delegate;
    DataGridFooter *m_footer;
    Options m_options;
    GridColors m_colors;
    CellStyler m_styler;
    QPersistentModelIndex m_current; // column 0 of the current row
    QPersistentModelIndex m_pending; // column 0 of the row with a pending edit
    int m_quiet = 0;                 // >0 while the grid moves the current row itself
    int m_moving = 0;                // >0 while the row being left is posted
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_footerVisible = false;
    int m_footerHeight = 24;
    QString m_deleteQuestion;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DataGrid::Options)
