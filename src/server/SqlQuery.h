#pragma once
#include "RowSet.h"
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

class Session;

// A statement with named parameters (":P0", ":RUN_DATE"), run the same way on
// both engines. A name that occurs several times takes one value everywhere;
// names compare without regard to case. Values are usually texts; an empty
// text is stored as NULL, as Oracle does. open() fetches the whole result into
// a RowSet and closes the cursor at once.
class SqlQuery
{
public:
    explicit SqlQuery(Session &session, const QString &sql = {});

    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }
    // Distinct parameter names (upper case) in order of first appearance.
    const QStringList &paramNames() const { return m_distinct; }
    bool hasParam(const QString &name) const;
    void setParam(const QString &name, const QVariant &value);
    QVariant param(const QString &name) const;
    bool isParamSet(const QString &name) const;
    // Names that have no value yet (a load stops on them).
    QStringList unsetParams() const;
    void clearParams();

    // Runs a SELECT and keeps its rows. Throws DbError with the engine's message.
    const RowSet &open();
    // Runs a data-changing statement; returns the number of rows it touched.
    int exec();
    const RowSet &result() const { return m_result; }

    // Convenience: one statement with its parameters in one call.
    static RowSet select(Session &session, const QString &sql, const QVariantHash &params = {});
    static int execute(Session &session, const QString &sql, const QVariantHash &params = {});

    // Placeholder positions of a statement text, exposed for tests.
    static QString positional(const QString &sql, QStringList *order);

private:
    void run(bool select);

    Session &m_session;
    QString m_sql;
    QString m_positional;
    QStringList m_order;     // one name per placeholder, in text order
    QStringList m_distinct;
    QHash<QString, QVariant> m_values;
    RowSet m_result;
    int m_affected = 0;
};
