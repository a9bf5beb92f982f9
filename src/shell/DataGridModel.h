#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QPersistentModelIndex>
#include <QStringList>
#include <QVariant>
#include <QVector>

class RowSet;

// Row states the grid keeps per row. Loaded rows start as None; a user edit turns
// None into Modified; a row added by insert or append is Inserted. Deleted is
// never held by a grid row: it exists for the change logs that copy the state.
enum class RowState : quint8 { None = 0, Modified = 1, Inserted = 2, Deleted = 3 };

// One grid column. A column without an explicit alignment is right-aligned when it
// is a number column or its data came from a numeric field, left-aligned otherwise.
struct DataGridColumn
{
    enum class Kind { Text, Number, Mask };

    QString title;
    QString fieldName;
    int width = 80;                  // pixels
    Kind kind = Kind::Text;
    Qt::Alignment alignment = {};    // empty: decided by kind and data
    bool visible = true;
    bool readOnly = false;
    bool required = false;           // a key column; the entry bases compare these
    int dataWidth = 0;               // most CP949 bytes the editor takes; 0: no limit
    QString mask;                    // Kind::Mask: '9' one digit, other characters literal
    int decimals = 0;                // Kind::Number: digits allowed after the point
    bool thousands = false;          // Kind::Number: shown with thousands separators
    bool suppressRepeats = false;    // a value equal to the row above is shown once
    QStringList pickItems;           // pick list: texts shown
    QStringList pickValues;          // pick list: values stored (the items when empty)
    QColor background;               // invalid: the grid's colours
    QColor foreground;

    bool isPickList() const { return !pickItems.isEmpty() || !pickValues.isEmpty(); }
    const QStringList &storedValues() const { return pickValues.isEmpty() ? pickItems : pickValues; }
};

// The grid's data: column definitions, a flat table of cell values (no object per
// cell), a state and a tag per row, and one footer text per column. Cells keep
// what they were given (numbers stay numbers when filled from a RowSet); the text
// form is what screens, exports and stored procedures see.
class DataGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum class FillMode { ByFieldName, Positional };

    explicit DataGridModel(QObject *parent = nullptr);

    // --- columns
    void setColumns(const QVector<DataGridColumn> &columns); // drops all rows
    int addColumn(const DataGridColumn &column);             // keeps rows (the new cells empty)
    const DataGridColumn &column(int index) const { return m_columns.at(index); }
    const QVector<DataGridColumn> &columns() const { return m_columns; }
    // Changes a definition in place (titles, pick lists, flags); cells stay.
    void setColumn(int index, const DataGridColumn &column);
    // -1 when absent; names compare without regard to case.
    int columnOfField(const QString &fieldName) const;
    int columnOfTitle(const QString &title) const;
    // Quiet updates the view makes after the user resized or hid a column.
    void setColumnWidth(int column, int width) { m_columns[column].width = width; }
    void setColumnVisible(int column, bool visible) { m_columns[column].visible = visible; }
    // True when the column shows right-aligned (see DataGridColumn).
    bool isRightAligned(int column) const;
    Qt::Alignment columnAlignment(int column) const;

    // --- rows and cells
    void clearRows();
    // Inserts an empty row at `row` (0..rowCount) with the given state.
    void insertEmptyRow(int row, RowState state = RowState::Inserted);
    void removeRowAt(int row);
    QVariant value(int row, int column) const;
    QString text(int row, int column) const;
    // Sets a cell from code: no validation, no state change.
    void setValue(int row, int column, const QVariant &value);
    bool isRowEmpty(int row) const;

    // Pick-list cells: position of the stored value in the value list (-1 absent).
    int pickIndex(int row, int column) const;
    // Stores the value at `index` of the value list; an index outside the list empties the cell.
    void setPickIndex(int row, int column, int index);
    // The item shown for a cell (the stored value itself when it is not in the list).
    QString displayText(int row, int column) const;

    RowState rowState(int row) const { return RowState(m_states.at(row)); }
    void setRowState(int row, RowState state);
    void resetRowStates(RowState state = RowState::None);
    int rowTag(int row) const { return m_tags.at(row); }
    void setRowTag(int row, int tag) { m_tags[row] = tag; }

    // Replaces every row with the rows of `rows`. ByFieldName: each column takes
    // the field named like its field name (columns without a match stay empty);
    // Positional: column k takes field k. A model without columns first gets one
    // column per field (title and field name = the field's name). Rows start as None.
    void fill(const RowSet &rows, FillMode mode);

    // --- footer
    QString footerText(int column) const { return m_footer.value(column); }
    void setFooterText(int column, const QString &text);
    void clearFooter();

    // --- editing
    void setEditable(bool on) { m_editable = on; }
    bool isEditable() const { return m_editable; }
    // Why a text cannot go into a column ("" when it can): byte width, CP949, digits.
    QString refusal(int column, const QString &text) const;

    // Stable sort of the rows by one column (numbers by value, other cells by text).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // QAbstractItemModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // A stored value laid into a mask for display ("20240105" in "9999-99-99"
    // gives "2024-01-05"); characters beyond the mask are kept at the end.
    static QString applyMask(const QString &mask, const QString &value);
    // "1234567.5" gives "1,234,567.5"; a text that is not a number stays as it is.
    static QString groupThousands(const QString &number);

signals:
    // A user edit went into a cell (through setData).
    void cellEdited(int row, int column);
    // setData refused a text; the reason is a message for the user.
    void inputRefused(const QString &message);
    void footerChanged();
    void columnsChanged();

private:
    qsizetype at(int row, int column) const { return qsizetype(row) * m_columns.size() + column; }
    void detectNumericColumns();

    QVector<DataGridColumn> m_columns;
    QVector<bool> m_numericData;   // per column: the last fill found numbers there
    QVector<QVariant> m_cells;     // row-major, rowCount * columnCount
    QVector<quint8> m_states;
    QVector<int> m_tags;
    QStringList m_footer;
    bool m_editable = false;
};
