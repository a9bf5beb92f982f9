#include "DataGrid.h"
#include "MaskEdit.h"
#include "RowSet.h"
#include "ZZC000.h"
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QValidator>
#include <qdrawutil.h>

// ---------------------------------------------------------------- editors

namespace {
// Refuses a keystroke that would make the cell text unacceptable for its column
// (byte width, CP949, number form) and says why.
class CellTextValidator : public QValidator
{
public:
    CellTextValidator(const DataGridModel *model, int column, std::function<void(const QString &)> refuse,
                      QObject *parent)
        : QValidator(parent), m_model(model), m_column(column), m_refuse(std::move(refuse))
    {
    }
    State validate(QString &input, int &) const override
    {
        const QString why = m_model->refusal(m_column, input);
        if (why.isEmpty())
            return Acceptable;
        m_refuse(why);
        return Invalid;
    }

private:
    const DataGridModel *m_model;
    int m_column;
    std::function<void(const QString &)> m_refuse;
};
} // namespace

class DataGridDelegate : public QStyledItemDelegate
{
public:
    explicit DataGridDelegate(DataGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *editor() const { return m_editor; }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        const DataGridModel *model = m_grid->gridModel();
        const DataGridColumn &c = model->column(index.column());
        QWidget *w = nullptr;
        if (c.isPickList()) {
            auto *combo = new QComboBox(parent);
            combo->setFrame(false);
            combo->addItems(c.pickItems);
            // A pick is written at once, as the user sees it chosen.
            connect(combo, &QComboBox::activated, this, [this, combo] {
                emit const_cast<DataGridDelegate *>(this)->commitData(combo);
            });
            w = combo;
        } else if (c.kind == DataGridColumn::Kind::Mask) {
            auto *edit = new MaskEdit(parent);
            edit->setFrame(false);
            edit->setEditMask(c.mask);
            edit->setAlignment(model->columnAlignment(index.column()));
            w = edit;
        } else {
            auto *edit = new QLineEdit(parent);
            edit->setFrame(false);
            edit->setAlignment(model->columnAlignment(index.column()));
            edit->setValidator(new CellTextValidator(
                model, index.column(), [grid = m_grid](const QString &why) { grid->showRefusal(why); }, edit));
            w = edit;
        }
        m_editor = w;
        return w;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const DataGridModel *model = m_grid->gridModel();
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            combo->setCurrentIndex(model->pickIndex(index.row(), index.column()));
        else if (auto *mask = qobject_cast<MaskEdit *>(editor))
            mask->setValue(model->text(index.row(), index.column()));
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            edit->setText(model->text(index.row(), index.column()));
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const DataGridColumn &c = m_grid->gridModel()->column(index.column());
        QString value;
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            const int i = combo->currentIndex();
            value = i >= 0 && i < c.storedValues().size() ? c.storedValues().at(i) : QString();
        } else if (auto *mask = qobject_cast<MaskEdit *>(editor)) {
            value = mask->value();
        } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            value = edit->text();
        }
        model->setData(index, value, Qt::EditRole);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const CellStyle s = m_grid->cellStyle(index.row(), index.column());
        if (s.background.isValid())
            option->backgroundBrush = s.background;
        if (s.foreground.isValid())
            option->palette.setColor(QPalette::Text, s.foreground);
        if (s.selectedBackground.isValid())
            option->palette.setColor(QPalette::Highlight, s.selectedBackground);
        if (s.selectedForeground.isValid())
            option->palette.setColor(QPalette::HighlightedText, s.selectedForeground);
        if (s.bold)
            option->font.setBold(true);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        auto *editor = qobject_cast<QWidget *>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            const bool ctrl = key->modifiers() & Qt::ControlModifier;
            switch (key->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Insert:
                break;
            case Qt::Key_Delete:
                if (ctrl)
                    break;
                [[fallthrough]];
            default: {
                bool handled = false;
                emit m_grid->keyDown(key, handled);
                return handled || QStyledItemDelegate::eventFilter(object, event);
            }
            }
            // Keys that belong to the grid: write the cell, close the editor and
            // let the grid act as if the editor had not been there.
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            if (!m_grid->handleKey(key))
                m_grid->QTableView::keyPressEvent(key);
            return true;
        }
        if (editor && event->type() == QEvent::KeyRelease)
            emit m_grid->keyUp(static_cast<QKeyEvent *>(event));
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    DataGrid *m_grid;
    mutable QPointer<QWidget> m_editor;
};

// ---------------------------------------------------------------- footer

// The footer row: painted over the bottom of the viewport, one cell under every
// shown column, following the columns when they scroll, move or resize.
class DataGridFooter : public QWidget
{
public:
    explicit DataGridFooter(DataGrid *grid) : QWidget(grid), m_grid(grid) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const GridColors &colors = m_grid->colors();
        p.fillRect(rect(), colors.footer.isValid() ? colors.footer : palette().color(QPalette::Button));
        const DataGridModel *model = m_grid->gridModel();
        for (int c = 0; c < model->columnCount(); ++c) {
            const QRect r = m_grid->footerCellRect(c).translated(-pos());
            if (r.isEmpty() || !r.intersects(rect()))
                continue;
            qDrawShadePanel(&p, r, palette(), true, 1);
            const QString text = model->footerText(c);
            if (text.isEmpty())
                continue;
            p.setPen(colors.footerText.isValid() ? colors.footerText : palette().color(QPalette::WindowText));
            p.drawText(r.adjusted(4, 1, -4, -1), int(model->columnAlignment(c)), text);
        }
    }

private:
    DataGrid *m_grid;
};

// ---------------------------------------------------------------- grid

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent), m_model(new DataGridModel(this)), m_delegate(new DataGridDelegate(this)),
      m_footer(nullptr), m_deleteQuestion(QStringLiteral("현재 자료를 삭제하시겠습니까?"))
{
    setModel(m_model);
    setItemDelegate(m_delegate);
    m_footer = new DataGridFooter(this);
    m_footer->hide();

    setSelectionMode(QAbstractItemView::SingleSelection);
    // Pixel scrolling lets the last rows scroll up above the footer.
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setRowHeight(22);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);

    connect(m_model, &DataGridModel::cellEdited, this, [this](int row, int column) {
        m_pending = m_model->index(row, 0);
        emit valueChanged(row, column);
    });
    connect(m_model, &DataGridModel::inputRefused, this, &DataGrid::showRefusal);
    connect(m_model, &DataGridModel::footerChanged, m_footer, qOverload<>(&QWidget::update));
    connect(m_model, &DataGridModel::columnsChanged, this, &DataGrid::applyColumns);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        m_model->setColumnWidth(logical, size);
        m_footer->update();
    });
    connect(horizontalHeader(), &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::onTitleClicked);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &i) { emit cellDoubleClicked(i.row(), i.column()); });

    setOptions(RowSelect | ColumnSizing | SortOnTitleClick | EnterMovesNext);
}

DataGrid::~DataGrid() = default;

void DataGrid::setOptions(Options options)
{
    m_options = options;
    applyOptions();
}

void DataGrid::setOption(Option option, bool on)
{
    m_options.setFlag(option, on);
    applyOptions();
}

void DataGrid::applyOptions()
{
    const bool editing = hasOption(Editing);
    m_model->setEditable(editing);
    setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                  | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked
                            : QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(hasOption(RowSelect) ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
    horizontalHeader()->setSectionsMovable(hasOption(ColumnMoving));
    horizontalHeader()->setSectionResizeMode(hasOption(ColumnSizing) ? QHeaderView::Interactive
                                                                     : QHeaderView::Fixed);
}

// ---------------------------------------------------------------- columns

void DataGrid::setColumns(const QVector<DataGridColumn> &columns)
{
    closeEditorQuietly();
    m_pending = QPersistentModelIndex();
    ++m_quiet;
    m_model->setColumns(columns);
    --m_quiet;
    clearSortMarks();
}

int DataGrid::addColumn(const DataGridColumn &column)
{
    return m_model->addColumn(column);
}

void DataGrid::applyColumns()
{
    for (int i = 0; i < m_model->columnCount(); ++i) {
        const DataGridColumn &c = m_model->column(i);
        setColumnHidden(i, !c.visible);
        if (columnWidth(i) != c.width)
            setColumnWidth(i, c.width);
    }
    m_footer->update();
}

void DataGrid::setColumnVisible(int column, bool visible)
{
    m_model->setColumnVisible(column, visible);
    setColumnHidden(column, !visible);
    m_footer->update();
}

void DataGrid::setPickList(int column, const QStringList &items, const QStringList &values)
{
    DataGridColumn c = m_model->column(column);
    c.pickItems = items;
    c.pickValues = values;
    m_model->setColumn(column, c);
}

QVector<int> DataGrid::visibleColumnsInDisplayOrder() const
{
    QVector<int> out;
    const QHeaderView *h = horizontalHeader();
    for (int v = 0; v < h->count(); ++v) {
        const int logical = h->logicalIndex(v);
        if (logical >= 0 && !isColumnHidden(logical))
            out.append(logical);
    }
    return out;
}

// ---------------------------------------------------------------- rows and cells

void DataGrid::fill(const RowSet &rows, DataGridModel::FillMode mode)
{
    closeEditorQuietly();
    m_pending = QPersistentModelIndex();
    m_current = QPersistentModelIndex();
    ++m_quiet;
    m_model->fill(rows, mode);
    --m_quiet;
    clearSortMarks();
}

void DataGrid::clearRows()
{
    closeEditorQuietly();
    m_pending = QPersistentModelIndex();
    m_current = QPersistentModelIndex();
    ++m_quiet;
    m_model->clearRows();
    --m_quiet;
}

QString DataGrid::cell(int row, const QString &field) const
{
    return m_model->text(row, m_model->columnOfField(field));
}

void DataGrid::setCell(int row, int column, const QString &text)
{
    m_model->setValue(row, column, text.isEmpty() ? QVariant() : QVariant(text));
}

void DataGrid::setCell(int row, const QString &field, const QString &text)
{
    setCell(row, m_model->columnOfField(field), text);
}

// ---------------------------------------------------------------- current row

int DataGrid::currentRow() const
{
    return m_current.isValid() ? m_current.row() : -1;
}

int DataGrid::currentColumn() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

int DataGrid::firstColumnFor(int) const
{
    const QVector<int> shown = visibleColumnsInDisplayOrder();
    if (hasOption(Editing) && hasOption(SkipReadOnly))
        for (int c : shown)
            if (!m_model->column(c).readOnly)
                return c;
    return shown.isEmpty() ? 0 : shown.first();
}

void DataGrid::moveQuietly(int row, int column)
{
    if (column < 0 || column >= m_model->columnCount() || isColumnHidden(column))
        column = firstColumnFor(row);
    ++m_quiet;
    setCurrentIndex(m_model->index(row, column));
    --m_quiet;
}

bool DataGrid::leaveRow()
{
    if (!m_current.isValid())
        return true;
    bool allow = true;
    emit rowExit(m_current.row(), allow);
    if (!allow)
        return false;
    ++m_moving;
    const bool posted = post();
    --m_moving;
    return posted;
}

void DataGrid::enterRow(int row, int oldRow)
{
    m_current = row >= 0 ? QPersistentModelIndex(m_model->index(row, 0)) : QPersistentModelIndex();
    if (row < 0)
        return;
    emit rowEnter(row);
    emit rowChange(oldRow, row);
    openEditorIfWanted();
}

void DataGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous); // writes an open editor into its cell
    if (m_quiet > 0)
        return;
    const int oldRow = currentRow();
    if (current.isValid() && current.row() == oldRow) {
        openEditorIfWanted();
        return;
    }
    const QPersistentModelIndex target(current);
    const int wantedRow = current.row();
    const int wantedColumn = current.column();
    if (!leaveRow()) {
        if (m_current.isValid())
            moveQuietly(m_current.row(), previous.isValid() ? previous.column() : -1);
        return;
    }
    // The post may have removed rows (an empty new row); follow the chosen record.
    int row = target.isValid() ? target.row() : qMin(wantedRow, rowCount() - 1);
    if (row >= 0)
        moveQuietly(row, wantedColumn);
    enterRow(row, m_current.isValid() ? m_current.row() : -1);
}

bool DataGrid::setCurrentRow(int row)
{
    return setCurrentCell(row, currentColumn());
}

bool DataGrid::setCurrentCell(int row, int column)
{
    if (row < 0 || row >= rowCount())
        return false;
    if (column < 0 || column >= m_model->columnCount() || isColumnHidden(column))
        column = row == currentRow() && currentColumn() >= 0 ? currentColumn() : firstColumnFor(row);
    if (row == currentRow() && column == currentColumn())
        return true;
    const QPersistentModelIndex before = m_current;
    setCurrentIndex(m_model->index(row, column));
    // Moved when the current record changed (a veto keeps it) or only the column did.
    return m_current != before || (row == currentRow() && column == currentColumn());
}

bool DataGrid::first()
{
    return rowCount() > 0 && setCurrentRow(0);
}

bool DataGrid::prior()
{
    return currentRow() > 0 && setCurrentRow(currentRow() - 1);
}

bool DataGrid::next()
{
    const int row = currentRow();
    return row + 1 < rowCount() && setCurrentRow(row + 1);
}

bool DataGrid::last()
{
    return rowCount() > 0 && setCurrentRow(rowCount() - 1);
}

bool DataGrid::insertRow(int row)
{
    if (m_model->columnCount() == 0)
        return false;
    bool allow = true;
    emit beforeInsert(allow);
    if (!allow)
        return false;
    const int count = rowCount();
    const int wanted = row < 0 ? (currentRow() < 0 ? count : currentRow()) : qMin(row, count);
    const QPersistentModelIndex anchor = wanted < count ? QPersistentModelIndex(m_model->index(wanted, 0))
                                                        : QPersistentModelIndex();
    if (!leaveRow())
        return false;
    closeEditorQuietly();
    const int at = anchor.isValid() ? anchor.row() : qMin(wanted, rowCount());
    ++m_quiet;
    m_model->insertEmptyRow(at, RowState::Inserted);
    --m_quiet;
    m_pending = m_model->index(at, 0);
    moveQuietly(at, currentColumn());
    enterRow(at, m_current.isValid() ? m_current.row() : -1);
    return true;
}

bool DataGrid::appendRow()
{
    return insertRow(rowCount());
}

bool DataGrid::deleteRow(int row)
{
    if (row < 0)
        row = currentRow();
    if (row < 0 || row >= rowCount())
        return false;
    bool allow = true;
    emit beforeDelete(row, allow);
    if (!allow)
        return false;
    const bool wasCurrent = row == currentRow();
    const int column = currentColumn();
    if (wasCurrent)
        closeEditorQuietly();
    if (pendingRow() == row)
        m_pending = QPersistentModelIndex();
    ++m_quiet;
    m_model->removeRowAt(row);
    --m_quiet;
    if (!wasCurrent || m_moving > 0)
        return true; // removed by a post inside a move: the move decides where to go
    m_current = QPersistentModelIndex();
    const int next = qMin(row, rowCount() - 1);
    if (next >= 0) {
        moveQuietly(next, column);
        enterRow(next, row);
    }
    return true;
}

bool DataGrid::post()
{
    commitEditor();
    if (!m_pending.isValid())
        return true;
    const int row = m_pending.row();
    bool allow = true;
    emit beforePost(row, allow);
    if (!allow)
        return false;
    m_pending = QPersistentModelIndex();
    emit afterPost(row);
    return true;
}

// ---------------------------------------------------------------- editing

void DataGrid::commitEditor()
{
    if (QWidget *editor = m_delegate->editor(); editor && state() == QAbstractItemView::EditingState)
        commitData(editor);
}

void DataGrid::closeEditorQuietly()
{
    if (QWidget *editor = m_delegate->editor(); editor && state() == QAbstractItemView::EditingState)
        closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void DataGrid::openEditorIfWanted()
{
    if (!hasOption(AlwaysShowEditor) || !hasOption(Editing) || !isVisible())
        return;
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !(m_model->flags(i) & Qt::ItemIsEditable) || state() == QAbstractItemView::EditingState)
        return;
    edit(i);
}

void DataGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    openEditorIfWanted();
}

void DataGrid::showRefusal(const QString &message)
{
    emit inputRefused(message);
    const QRect r = visualRect(currentIndex());
    QToolTip::showText(viewport()->mapToGlobal(r.isValid() ? r.bottomLeft() : QPoint()), message, this);
}

void DataGrid::moveToNextCell()
{
    const int row = currentRow();
    if (row < 0) {
        first();
        return;
    }
    if (!hasOption(Editing)) {
        next();
        return;
    }
    QVector<int> order;
    for (int c : visibleColumnsInDisplayOrder())
        if (!hasOption(SkipReadOnly) || !m_model->column(c).readOnly)
            order.append(c);
    if (order.isEmpty())
        return;
    const int pos = int(order.indexOf(currentColumn()));
    if (pos >= 0 && pos + 1 < order.size())
        setCurrentCell(row, order.at(pos + 1));
    else if (row + 1 < rowCount())
        setCurrentCell(row + 1, order.first());
    else if (hasOption(Inserting) && !(rowState(row) == RowState::Inserted && isRowEmpty(row)))
        appendRow();
}

bool DataGrid::appendOnDown() const
{
    if (!hasOption(Inserting))
        return false;
    const int row = currentRow();
    if (rowCount() == 0)
        return true;
    // No second blank row under a new row that is still empty.
    return row == rowCount() - 1 && !(rowState(row) == RowState::Inserted && isRowEmpty(row));
}

void DataGrid::askDelete()
{
    if (currentRow() < 0)
        return;
    if (hasOption(ConfirmDelete) && !AskYesNo(m_deleteQuestion))
        return;
    deleteRow();
}

bool DataGrid::handleKey(QKeyEvent *event)
{
    bool handled = false;
    emit keyDown(event, handled);
    if (handled)
        return true;
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hasOption(EnterMovesNext)) {
            moveToNextCell();
            return true;
        }
        break;
    case Qt::Key_Insert:
        if (hasOption(Inserting) && mods == Qt::NoModifier) {
            insertRow();
            return true;
        }
        break;
    case Qt::Key_Delete:
        if (hasOption(Deleting) && mods == Qt::ControlModifier) {
            askDelete();
            return true;
        }
        break;
    case Qt::Key_Down:
        if (mods == Qt::NoModifier && appendOnDown()) {
            appendRow();
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}

void DataGrid::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void DataGrid::keyReleaseEvent(QKeyEvent *event)
{
    emit keyUp(event);
    QTableView::keyReleaseEvent(event);
}

// ---------------------------------------------------------------- sorting

void DataGrid::onTitleClicked(int logical)
{
    if (hasOption(SortOnTitleClick)) {
        const Qt::SortOrder order = m_sortColumn == logical && m_sortOrder == Qt::AscendingOrder
                                        ? Qt::DescendingOrder
                                        : Qt::AscendingOrder;
        if (!sortBy(logical, order))
            horizontalHeader()->setSortIndicator(m_sortColumn, m_sortOrder);
    } else {
        // The header flips its mark by itself; without sorting there is none.
        horizontalHeader()->setSortIndicator(m_sortColumn, m_sortOrder);
    }
    emit titleClick(logical);
}

bool DataGrid::sortBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_model->columnCount() || !post())
        return false;
    closeEditorQuietly();
    ++m_quiet;
    m_model->sort(column, order);
    --m_quiet;
    m_sortColumn = column;
    m_sortOrder = order;
    horizontalHeader()->setSortIndicator(column, order);
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    return true;
}

void DataGrid::clearSortMarks()
{
    m_sortColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

// ---------------------------------------------------------------- footer and look

void DataGrid::setFooterVisible(bool visible)
{
    m_footerVisible = visible;
    updateGeometries();
    m_footer->update();
}

void DataGrid::setFooterHeight(int height)
{
    m_footerHeight = height;
    updateGeometries();
}

QRect DataGrid::footerCellRect(int column) const
{
    if (!m_footerVisible || column < 0 || column >= m_model->columnCount() || isColumnHidden(column))
        return {};
    const int x = viewport()->x() + horizontalHeader()->sectionViewportPosition(column);
    const int left = qMax(x, viewport()->x());
    const int right = qMin(x + columnWidth(column), viewport()->geometry().right() + 1);
    if (right <= left)
        return {};
    return QRect(x, m_footer->y(), columnWidth(column), m_footerHeight);
}

void DataGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (!m_footer)
        return;
    m_footer->setVisible(m_footerVisible);
    if (!m_footerVisible)
        return;
    const QRect vp = viewport()->geometry();
    const int left = verticalHeader()->isVisible() ? verticalHeader()->geometry().left() : vp.left();
    m_footer->setGeometry(left, vp.bottom() + 1 - m_footerHeight, vp.right() + 1 - left, m_footerHeight);
    m_footer->raise();
    // The footer covers the bottom of the viewport: let the last rows scroll above it.
    QScrollBar *bar = verticalScrollBar();
    const int shown = qMax(0, vp.height() - m_footerHeight);
    const int max = qMax(0, verticalHeader()->length() - shown);
    if (bar->maximum() != max)
        bar->setRange(0, max);
    bar->setPageStep(qMax(1, shown));
}

void DataGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!m_footerVisible || !index.isValid())
        return;
    const QRect r = visualRect(index);
    const int limit = viewport()->height() - m_footerHeight;
    if (r.bottom() >= limit && r.height() < limit)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + r.bottom() - limit + 1);
}

void DataGrid::setColors(const GridColors &colors)
{
    m_colors = colors;
    QPalette p = palette();
    if (colors.cell.isValid())
        p.setColor(QPalette::Base, colors.cell);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        if (colors.selected.isValid())
            p.setColor(g, QPalette::Highlight, colors.selected);
        if (colors.selectedText.isValid())
            p.setColor(g, QPalette::HighlightedText, colors.selectedText);
    }
    setPalette(p);
    if (colors.title.isValid() || colors.titleText.isValid()) {
        const QString bg = colors.title.isValid() ? colors.title.name() : palette().color(QPalette::Button).name();
        const QString fg = colors.titleText.isValid() ? colors.titleText.name()
                                                      : palette().color(QPalette::ButtonText).name();
        horizontalHeader()->setStyleSheet(
            QStringLiteral("QHeaderView::section { background-color: %1; color: %2; border: none;"
                           " border-right: 1px solid %3; border-bottom: 1px solid %3; padding: 2px; }")
                .arg(bg, fg, colors.title.isValid() ? colors.title.darker(130).name() : QStringLiteral("#808080")));
    }
    m_footer->update();
    viewport()->update();
}

void DataGrid::setRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(qMin(height, verticalHeader()->minimumSectionSize()));
    verticalHeader()->setDefaultSectionSize(height);
}

void DataGrid::setTitleHeight(int height)
{
    horizontalHeader()->setFixedHeight(height);
}

void DataGrid::setIndicatorWidth(int width)
{
    verticalHeader()->setVisible(width > 0);
    if (width > 0)
        verticalHeader()->setFixedWidth(width);
}

CellStyle DataGrid::cellStyle(int row, int column) const
{
    CellStyle s;
    const DataGridColumn &c = m_model->column(column);
    s.background = c.background;
    s.foreground = c.foreground;
    if (m_styler)
        m_styler(row, column, s);
    return s;
}
