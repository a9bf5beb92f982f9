#include "SqlQuery.h"
#include "DbError.h"
#include "Session.h"
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

SqlQuery::SqlQuery(Session &session, const QString &sql) : m_session(session)
{
    if (!sql.isEmpty())
        setSql(sql);
}

QString SqlQuery::positional(const QString &sql, QStringList *order)
{
    QString out;
    out.reserve(sql.size());
    const int n = int(sql.size());
    for (int i = 0; i < n;) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Literal or quoted identifier, with doubled quotes inside.
            int j = i + 1;
            while (j < n) {
                if (sql.at(j) == c) {
                    if (j + 1 < n && sql.at(j + 1) == c) { j += 2; continue; }
                    break;
                }
                ++j;
            }
            out += sql.mid(i, j - i + 1);
            i = j + 1;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql.at(i + 1) == QLatin1Char('-')) {
            int j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0) j = n;
            out += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql.at(i + 1) == QLatin1Char('*')) {
            int j = sql.indexOf(QLatin1String("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n
                   && (sql.at(i + 1).isLetter() || sql.at(i + 1) == QLatin1Char('_'))
                   && (i == 0 || sql.at(i - 1) != QLatin1Char(':'))) {
            int j = i + 1;
            while (j < n && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
                ++j;
            if (order)
                order->append(sql.mid(i + 1, j - i - 1).toUpper());
            out += QLatin1Char('?');
            i = j;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

void SqlQuery::setSql(const QString &sql)
{
    m_sql = sql;
    m_order.clear();
    m_positional = positional(sql, &m_order);
    m_distinct.clear();
    for (const QString &name : std::as_const(m_order))
        if (!m_distinct.contains(name))
            m_distinct << name;
    m_result = RowSet();
}

bool SqlQuery::hasParam(const QString &name) const
{
    return m_distinct.contains(name.toUpper());
}

void SqlQuery::setParam(const QString &name, const QVariant &value)
{
    m_values.insert(name.toUpper(), value);
}

QVariant SqlQuery::param(const QString &name) const
{
    return m_values.value(name.toUpper());
}

bool SqlQuery::isParamSet(const QString &name) const
{
    return m_values.contains(name.toUpper());
}

QStringList SqlQuery::unsetParams() const
{
    QStringList missing;
    for (const QString &name : m_distinct)
        if (!m_values.contains(name))
            missing << name;
    return missing;
}

void SqlQuery::clearParams()
{
    m_values.clear();
}

const RowSet &SqlQuery::open()
{
    run(true);
    return m_result;
}

int SqlQuery::exec()
{
    run(false);
    return m_affected;
}

namespace {
QVariant bindValue(const QVariant &v)
{
    if (!v.isValid())
        return QVariant(QMetaType(QMetaType::QString));
    if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
        return QVariant(QMetaType(QMetaType::QString)); // Oracle: '' is NULL
    return v;
}

QVariant normalise(const QVariant &v)
{
    if (v.isNull())
        return QVariant();
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::ULongLong:
        return v.toLongLong();
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 9.0e15)
            return static_cast<qlonglong>(d);
        return d;
    }
    default:
        return v;
    }
}
} // namespace

void SqlQuery::run(bool select)
{
    const QStringList missing = unsetParams();
    if (!missing.isEmpty())
        throw DbError(QStringLiteral("No value for parameter '%1'").arg(missing.first()));
    if (!m_session.isOpen())
        throw DbError(QStringLiteral("not connected to the database"));
    QSqlQuery q(m_session.database());
    q.setForwardOnly(true);
    q.setNumericalPrecisionPolicy(QSql::LowPrecisionDouble);
    // PostgreSQL cannot prepare every statement (DDL); without parameters there is nothing to bind.
    if (m_order.isEmpty()) {
        if (!q.exec(m_positional))
            throw dbErrorFrom(q.lastError());
    } else {
        if (!q.prepare(m_positional))
            throw dbErrorFrom(q.lastError());
        for (int i = 0; i < m_order.size(); ++i)
            q.bindValue(i, bindValue(m_values.value(m_order.at(i))));
        if (!q.exec())
            throw dbErrorFrom(q.lastError());
    }
    m_affected = 0;
    if (!select || !q.isSelect()) {
        m_affected = q.numRowsAffected();
        m_result = RowSet();
        q.finish();
        return;
    }
    const QSqlRecord rec = q.record();
    QStringList fields;
    fields.reserve(rec.count());
    for (int i = 0; i < rec.count(); ++i)
        fields << rec.fieldName(i).toUpper();
    QVector<QVariant> values;
    const int cols = int(fields.size());
    while (q.next())
        for (int c = 0; c < cols; ++c)
            values.append(normalise(q.value(c)));
    q.finish();
    m_result = RowSet(std::move(fields), std::move(values));
}

RowSet SqlQuery::select(Session &session, const QString &sql, const QVariantHash &params)
{
    SqlQuery q(session, sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.setParam(it.key(), it.value());
    return q.open();
}

int SqlQuery::execute(Session &session, const QString &sql, const QVariantHash &params)
{
    SqlQuery q(session, sql);
    for (auto it = params.cbegin(); it != params.cend(); ++it)
        q.setParam(it.key(), it.value());
    return q.exec();
}
