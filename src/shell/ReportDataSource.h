#pragma once
#include "RowSet.h"
#include <QString>
#include <QVariant>

// Where a report reads its records: a cursor kept apart from the page layout, so
// the banded templates and the report viewer print from the same kind of source.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;
    // Positions before the first record; false when the data cannot be read.
    virtual bool open() = 0;
    // Moves to the next record; false after the last one.
    virtual bool next() = 0;
    // A field of the current record; field names compare without regard to case.
    virtual QVariant value(const QString &field) const = 0;
    virtual int count() const = 0;

    // The field as the screens show it: "" for NULL, numbers without trailing zeros.
    QString text(const QString &field) const { return RowSet::toText(value(field)); }
};

// A cursor over a fetched result (the templates' cached copy of their query).
class RowSetDataSource : public ReportDataSource
{
public:
    RowSetDataSource() = default;
    explicit RowSetDataSource(RowSet rows) : m_rows(std::move(rows)) {}

    void setRows(RowSet rows);
    const RowSet &rows() const { return m_rows; }
    // Forgets the rows (the data set is closed).
    void close() { setRows(RowSet()); }

    bool open() override;
    bool next() override;
    QVariant value(const QString &field) const override;
    int count() const override { return m_rows.rowCount(); }
    // The current record, -1 before the first.
    int position() const { return m_position; }

private:
    RowSet m_rows;
    int m_position = -1;
};
