#include "ReportDataSource.h"

void RowSetDataSource::setRows(RowSet rows)
{
    m_rows = std::move(rows);
    m_position = -1;
}

bool RowSetDataSource::open()
{
    m_position = -1;
    return true;
}

bool RowSetDataSource::next()
{
    if (m_position + 1 >= count()) {
        m_position = count();
        return false;
    }
    ++m_position;
    return true;
}

QVariant RowSetDataSource::value(const QString &field) const
{
    if (m_position < 0 || m_position >= count())
        return {};
    return m_rows.value(m_position, field);
}
