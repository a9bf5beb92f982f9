#include "StoredProc.h"
#include "DbError.h"
#include "Session.h"

StoredProc::StoredProc(Session &session, const QString &procName) : m_session(session)
{
    if (!procName.isEmpty())
        setProcName(procName);
}

void StoredProc::setProcName(const QString &name)
{
    m_def = ProcCatalog::instance().find(name);
    m_inputs.clear();
    m_outputs.clear();
    if (!m_def)
        throw DbError(QStringLiteral("procedure %1 does not exist").arg(name.toUpper()));
}

const QList<ProcParam> &StoredProc::params() const
{
    static const QList<ProcParam> none;
    return m_def ? m_def->params : none;
}

bool StoredProc::hasParam(const QString &name) const
{
    for (const ProcParam &p : params())
        if (p.name.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void StoredProc::setParam(const QString &name, const QVariant &value)
{
    if (!hasParam(name))
        throw DbError(QStringLiteral("procedure %1 has no parameter %2").arg(procName(), name.toUpper()));
    m_inputs.insert(name.toUpper(), value);
}

void StoredProc::execProc()
{
    if (!m_def)
        throw DbError(QStringLiteral("no procedure name"));
    QHash<QString, QVariant> inputs;
    for (const ProcParam &p : m_def->params) {
        if (p.direction != ProcParam::In)
            continue;
        QVariant v = m_inputs.value(p.name);
        if (v.typeId() == QMetaType::QString && v.toString().isEmpty())
            v = QVariant(); // Oracle: '' is NULL
        inputs.insert(p.name, v);
    }
    ProcContext ctx(m_session, inputs);
    const bool own = m_session.startTransaction();
    if (own) {
        try {
            m_def->body(ctx);
            m_session.commit();
        } catch (...) {
            try { m_session.rollback(); } catch (...) {}
            throw;
        }
    } else {
        // Statement-level atomicity inside the caller's transaction.
        m_session.execute(QStringLiteral("SAVEPOINT sports_proc"));
        try {
            m_def->body(ctx);
            m_session.execute(QStringLiteral("RELEASE SAVEPOINT sports_proc"));
        } catch (...) {
            try { m_session.execute(QStringLiteral("ROLLBACK TO SAVEPOINT sports_proc")); } catch (...) {}
            throw;
        }
    }
    m_outputs = ctx.outputs();
}
