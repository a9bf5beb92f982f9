#include "ProcCatalog.h"
#include "DbError.h"
#include "SqlQuery.h"
#include "procs/Registry.h"

QString ProcContext::in(const QString &name) const
{
    return RowSet::toText(m_inputs.value(name.toUpper()));
}

RowSet ProcContext::select(const QString &sql, const QVariantHash &params)
{
    return SqlQuery::select(m_session, sql, params);
}

int ProcContext::exec(const QString &sql, const QVariantHash &params)
{
    return SqlQuery::execute(m_session, sql, params);
}

QString ProcContext::scalar(const QString &sql, const QVariantHash &params)
{
    return select(sql, params).scalarText();
}

void ProcContext::fail(const QString &message)
{
    throw DbError(message);
}

QVariantHash ProcContext::columns(const QStringList &names) const
{
    QVariantHash h;
    for (const QString &n : names)
        h.insert(n.toUpper(), m_inputs.value(QLatin1Char('A') + n.toUpper()));
    return h;
}

ProcCatalog &ProcCatalog::instance()
{
    static ProcCatalog catalog;
    return catalog;
}

ProcCatalog::ProcCatalog()
{
    registerAllProcedures(*this);
}

void ProcCatalog::add(const ProcDef &def)
{
    ProcDef d = def;
    d.name = d.name.toUpper();
    for (ProcParam &p : d.params)
        p.name = p.name.toUpper();
    m_defs.insert(d.name, d);
}

void ProcCatalog::add(const QString &name, const QStringList &params, const ProcBody &body)
{
    ProcDef d{name, {}, body};
    for (const QString &p : params) {
        if (p.startsWith(QLatin1Char('=')))
            d.params.append({p.mid(1), ProcParam::Out});
        else
            d.params.append({p, ProcParam::In});
    }
    add(d);
}

const ProcDef *ProcCatalog::find(const QString &name) const
{
    auto it = m_defs.constFind(name.toUpper());
    return it == m_defs.cend() ? nullptr : &it.value();
}

QStringList ProcCatalog::names() const
{
    QStringList n = m_defs.keys();
    n.sort();
    return n;
}

void ProcCatalog::remove(const QString &name)
{
    m_defs.remove(name.toUpper());
}
