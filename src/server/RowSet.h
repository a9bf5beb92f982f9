#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A fetched result held in memory: upper-case field names and a flat value table
// (no object per cell), so grids fill from it directly. Numbers are normalised to
// qlonglong when integral and double otherwise; NULL stays an invalid QVariant.
class RowSet
{
public:
    RowSet() = default;
    RowSet(QStringList fields, QVector<QVariant> values)
        : m_fields(std::move(fields)), m_values(std::move(values)) {}

    const QStringList &fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    int rowCount() const { return m_fields.isEmpty() ? 0 : int(m_values.size() / m_fields.size()); }
    bool isEmpty() const { return rowCount() == 0; }
    // -1 when the field is not in the result; names compare without regard to case.
    int fieldIndex(const QString &name) const;

    QVariant value(int row, int column) const { return m_values.at(qsizetype(row) * m_fields.size() + column); }
    QVariant value(int row, const QString &field) const;
    // Text as the screens see it: "" for NULL, numbers without trailing zeros.
    QString text(int row, int column) const { return toText(value(row, column)); }
    QString text(int row, const QString &field) const;
    // First column of the first row as text, "" when there is no row.
    QString scalarText() const { return isEmpty() ? QString() : text(0, 0); }

    static QString toText(const QVariant &v);
    const QVector<QVariant> &values() const { return m_values; }

private:
    QStringList m_fields;
    QVector<QVariant> m_values;
};
