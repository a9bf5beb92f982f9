#include "DataGridModel.h"
#include "Cp949.h"
#include "RowSet.h"
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace {
bool isNumericType(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}
} // namespace

DataGridModel::DataGridModel(QObject *parent) : QAbstractTableModel(parent)
{
}

// ---------------------------------------------------------------- columns

void DataGridModel::setColumns(const QVector<DataGridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_numericData = QVector<bool>(columns.size(), false);
    m_cells.clear();
    m_states.clear();
    m_tags.clear();
    m_footer = QStringList(QVector<QString>(columns.size()));
    endResetModel();
    emit columnsChanged();
}

int DataGridModel::addColumn(const DataGridColumn &column)
{
    const int oldCount = int(m_columns.size());
    const int rows = rowCount();
    beginInsertColumns({}, oldCount, oldCount);
    if (rows > 0) {
        // Re-stride the flat table: one more cell at the end of every row.
        QVector<QVariant> cells;
        cells.reserve(qsizetype(rows) * (oldCount + 1));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < oldCount; ++c)
                cells.append(m_cells.at(qsizetype(r) * oldCount + c));
            cells.append(QVariant());
        }
        m_cells = std::move(cells);
    }
    m_columns.append(column);
    m_numericData.append(false);
    m_footer.append(QString());
    endInsertColumns();
    emit columnsChanged();
    return oldCount;
}

void DataGridModel::setColumn(int index, const DataGridColumn &column)
{
    m_columns[index] = column;
    emit headerDataChanged(Qt::Horizontal, index, index);
    if (rowCount() > 0)
        emit dataChanged(this->index(0, index), this->index(rowCount() - 1, index));
    emit columnsChanged();
}

int DataGridModel::columnOfField(const QString &fieldName) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).fieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int DataGridModel::columnOfTitle(const QString &title) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).title == title)
            return i;
    return -1;
}

bool DataGridModel::isRightAligned(int column) const
{
    const DataGridColumn &c = m_columns.at(column);
    if (c.alignment & Qt::AlignHorizontal_Mask)
        return (c.alignment & Qt::AlignRight) != 0;
    return c.kind == DataGridColumn::Kind::Number || m_numericData.value(column);
}

Qt::Alignment DataGridModel::columnAlignment(int column) const
{
    const DataGridColumn &c = m_columns.at(column);
    Qt::Alignment h = c.alignment & Qt::AlignHorizontal_Mask;
    if (!h)
        h = isRightAligned(column) ? Qt::AlignRight : Qt::AlignLeft;
    return h | Qt::AlignVCenter;
}

// ---------------------------------------------------------------- rows and cells

void DataGridModel::clearRows()
{
    if (m_states.isEmpty())
        return;
    beginRemoveRows({}, 0, rowCount() - 1);
    m_cells.clear();
    m_states.clear();
    m_tags.clear();
    endRemoveRows();
}

void DataGridModel::insertEmptyRow(int row, RowState state)
{
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    m_cells.insert(at(row, 0), m_columns.size(), QVariant());
    m_states.insert(row, quint8(state));
    m_tags.insert(row, 0);
    endInsertRows();
}

void DataGridModel::removeRowAt(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_cells.remove(at(row, 0), m_columns.size());
    m_states.remove(row);
    m_tags.remove(row);
    endRemoveRows();
}

QVariant DataGridModel::value(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns.size())
        return {};
    return m_cells.at(at(row, column));
}

QString DataGridModel::text(int row, int column) const
{
    return RowSet::toText(value(row, column));
}

void DataGridModel::setValue(int row, int column, const QVariant &value)
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columns.size())
        return;
    m_cells[at(row, column)] = value;
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
    // A repeated value shown once depends on the row above.
    if (m_columns.at(column).suppressRepeats && row + 1 < rowCount())
        emit dataChanged(index(row + 1, column), index(row + 1, column));
}

bool DataGridModel::isRowEmpty(int row) const
{
    for (int c = 0; c < m_columns.size(); ++c)
        if (!text(row, c).isEmpty())
            return false;
    return true;
}

int DataGridModel::pickIndex(int row, int column) const
{
    const QString v = text(row, column);
    return int(m_columns.at(column).storedValues().indexOf(v));
}

void DataGridModel::setPickIndex(int row, int column, int index)
{
    const QStringList &values = m_columns.at(column).storedValues();
    setValue(row, column, index >= 0 && index < values.size() ? QVariant(values.at(index)) : QVariant());
}

QString DataGridModel::displayText(int row, int column) const
{
    const DataGridColumn &c = m_columns.at(column);
    const QString t = text(row, column);
    if (c.suppressRepeats && row > 0 && text(row - 1, column) == t)
        return {};
    if (c.isPickList()) {
        const int i = int(c.storedValues().indexOf(t));
        return i >= 0 && i < c.pickItems.size() ? c.pickItems.at(i) : t;
    }
    switch (c.kind) {
    case DataGridColumn::Kind::Mask:
        return applyMask(c.mask, t);
    case DataGridColumn::Kind::Number:
        return c.thousands ? groupThousands(t) : t;
    case DataGridColumn::Kind::Text:
        break;
    }
    return t;
}

void DataGridModel::setRowState(int row, RowState state)
{
    m_states[row] = quint8(state);
}

void DataGridModel::resetRowStates(RowState state)
{
    m_states.fill(quint8(state));
}

void DataGridModel::fill(const RowSet &rows, FillMode mode)
{
    beginResetModel();
    const bool createColumns = m_columns.isEmpty();
    if (createColumns) {
        for (const QString &f : rows.fields()) {
            DataGridColumn c;
            c.title = f;
            c.fieldName = f;
            m_columns.append(c);
        }
        m_numericData = QVector<bool>(m_columns.size(), false);
        m_footer = QStringList(QVector<QString>(m_columns.size()));
    }
    const int nRows = rows.rowCount();
    const int nCols = int(m_columns.size());
    const int nFields = rows.fieldCount();

    if (mode == FillMode::Positional && nFields == nCols) {
        m_cells = rows.values(); // implicitly shared: no copy per cell
    } else {
        QVector<int> source(nCols, -1);
        for (int c = 0; c < nCols; ++c)
            source[c] = mode == FillMode::Positional ? (c < nFields ? c : -1)
                                                     : (m_columns.at(c).fieldName.isEmpty()
                                                            ? -1
                                                            : rows.fieldIndex(m_columns.at(c).fieldName));
        m_cells = QVector<QVariant>(qsizetype(nRows) * nCols);
        const QVector<QVariant> &in = rows.values();
        for (int c = 0; c < nCols; ++c) {
            const int f = source.at(c);
            if (f < 0)
                continue;
            for (int r = 0; r < nRows; ++r)
                m_cells[qsizetype(r) * nCols + c] = in.at(qsizetype(r) * nFields + f);
        }
    }
    m_states = QVector<quint8>(nRows, quint8(RowState::None));
    m_tags = QVector<int>(nRows, 0);
    detectNumericColumns();
    endResetModel();
    if (createColumns)
        emit columnsChanged();
}

void DataGridModel::detectNumericColumns()
{
    const int nRows = rowCount();
    m_numericData = QVector<bool>(m_columns.size(), false);
    for (int c = 0; c < m_columns.size(); ++c) {
        for (int r = 0; r < nRows; ++r) {
            const QVariant &v = m_cells.at(at(r, c));
            if (v.isNull() || !v.isValid())
                continue;
            m_numericData[c] = isNumericType(v);
            break;
        }
    }
}

// ---------------------------------------------------------------- footer

void DataGridModel::setFooterText(int column, const QString &text)
{
    if (column < 0 || column >= m_footer.size() || m_footer.at(column) == text)
        return;
    m_footer[column] = text;
    emit footerChanged();
}

void DataGridModel::clearFooter()
{
    for (QString &t : m_footer)
        t.clear();
    emit footerChanged();
}

// ---------------------------------------------------------------- editing

QString DataGridModel::refusal(int column, const QString &text) const
{
    const DataGridColumn &c = m_columns.at(column);
    if (!Cp949::canEncode(text))
        return QStringLiteral("한글 완성형(CP949)으로 나타낼 수 없는 문자는 입력할 수 없습니다.");
    if (c.dataWidth > 0 && Cp949::byteLength(text) > c.dataWidth)
        return QStringLiteral("%1 바이트(한글 %2자)까지 입력할 수 있습니다.").arg(c.dataWidth).arg(c.dataWidth / 2);
    if (c.isPickList()) {
        if (!text.isEmpty() && !c.storedValues().contains(text))
            return QStringLiteral("목록에 있는 값만 고를 수 있습니다.");
    } else if (c.kind == DataGridColumn::Kind::Number) {
        const QString pattern = c.decimals > 0 ? QStringLiteral("-?\\d*(\\.\\d{0,%1})?").arg(c.decimals)
                                               : QStringLiteral("-?\\d*");
        if (!QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch())
            return QStringLiteral("숫자만 입력할 수 있습니다.");
    }
    return {};
}

bool DataGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString t = value.toString();
    const QString why = refusal(index.column(), t);
    if (!why.isEmpty()) {
        emit inputRefused(why);
        return false;
    }
    if (text(index.row(), index.column()) == t)
        return true;
    setValue(index.row(), index.column(), t.isEmpty() ? QVariant() : QVariant(t));
    if (rowState(index.row()) == RowState::None)
        setRowState(index.row(), RowState::Modified);
    emit cellEdited(index.row(), index.column());
    return true;
}

// ---------------------------------------------------------------- sorting

void DataGridModel::sort(int column, Qt::SortOrder order)
{
    const int n = rowCount();
    if (column < 0 || column >= m_columns.size() || n < 2)
        return;
    const bool numeric = m_columns.at(column).kind == DataGridColumn::Kind::Number || m_numericData.value(column);
    QVector<int> perm(n);
    std::iota(perm.begin(), perm.end(), 0);
    if (numeric) {
        // Empty cells sort before every number.
        QVector<std::pair<bool, double>> keys(n);
        for (int r = 0; r < n; ++r) {
            bool ok = false;
            const double d = value(r, column).toDouble(&ok);
            keys[r] = {ok && !text(r, column).isEmpty(), d};
        }
        std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder ? keys[a] < keys[b] : keys[b] < keys[a];
        });
    } else {
        QVector<QString> keys(n);
        for (int r = 0; r < n; ++r)
            keys[r] = m_columns.at(column).isPickList() ? displayText(r, column) : text(r, column);
        std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) {
            return order == Qt::AscendingOrder ? keys[a] < keys[b] : keys[b] < keys[a];
        });
    }

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const int nCols = int(m_columns.size());
    QVector<QVariant> cells(m_cells.size());
    QVector<quint8> states(n);
    QVector<int> tags(n);
    QVector<int> newRowOf(n);
    for (int r = 0; r < n; ++r) {
        const int from = perm.at(r);
        newRowOf[from] = r;
        for (int c = 0; c < nCols; ++c)
            cells[at(r, c)] = m_cells.at(at(from, c));
        states[r] = m_states.at(from);
        tags[r] = m_tags.at(from);
    }
    m_cells = std::move(cells);
    m_states = std::move(states);
    m_tags = std::move(tags);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(newRowOf.at(i.row()), i.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// ---------------------------------------------------------------- QAbstractItemModel

int DataGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_states.size());
}

int DataGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant DataGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= m_columns.size())
        return {};
    const DataGridColumn &c = m_columns.at(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return displayText(index.row(), index.column());
    case Qt::EditRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    case Qt::BackgroundRole:
        return c.background.isValid() ? QVariant(c.background) : QVariant();
    case Qt::ForegroundRole:
        return c.foreground.isValid() ? QVariant(c.foreground) : QVariant();
    default:
        return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && !m_columns.at(index.column()).readOnly)
        f |= Qt::ItemIsEditable;
    return f;
}

// ---------------------------------------------------------------- texts

QString DataGridModel::applyMask(const QString &mask, const QString &value)
{
    if (mask.isEmpty() || value.isEmpty())
        return value;
    QString out;
    int vi = 0;
    for (int i = 0; i < mask.size() && vi < value.size(); ++i) {
        const QChar m = mask.at(i);
        if (m == QLatin1Char('9')) {
            out += value.at(vi++);
        } else {
            out += m;
            if (value.at(vi) == m) // a value stored with its literals
                ++vi;
        }
    }
    return out + value.mid(vi);
}

QString DataGridModel::groupThousands(const QString &number)
{
    static const QRegularExpression re(QStringLiteral("^(-?)(\\d+)(\\.\\d*)?$"));
    const QRegularExpressionMatch m = re.match(number);
    if (!m.hasMatch())
        return number;
    const QString digits = m.captured(2);
    QString grouped;
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += digits.at(i);
    }
    return m.captured(1) + grouped + m.captured(3);
}
