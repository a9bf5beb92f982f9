#include "RowSet.h"
#include <cmath>

int RowSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant RowSet::value(int row, const QString &field) const
{
    const int c = fieldIndex(field);
    return c < 0 || row < 0 || row >= rowCount() ? QVariant() : value(row, c);
}

QString RowSet::text(int row, const QString &field) const
{
    return toText(value(row, field));
}

QString RowSet::toText(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15)
            return QString::number(static_cast<qlonglong>(d));
        return QString::number(d, 'g', 15);
    }
    default:
        return v.toString();
    }
}
