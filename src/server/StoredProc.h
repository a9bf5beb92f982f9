#pragma once
#include "ProcCatalog.h"
#include <QHash>
#include <QString>
#include <QVariant>

class Session;

// Calls a catalog procedure by name with named inputs. Runs inside the session's
// transaction when one is active (a failed call undoes only its own work, as a
// statement does), or in a transaction of its own otherwise.
class StoredProc
{
public:
    explicit StoredProc(Session &session, const QString &procName = {});

    // Throws DbError when the server has no such procedure.
    void setProcName(const QString &name);
    QString procName() const { return m_def ? m_def->name : QString(); }
    // The server's description: ordered parameters with their direction.
    const QList<ProcParam> &params() const;
    bool hasParam(const QString &name) const;
    void setParam(const QString &name, const QVariant &value);
    void clearParams() { m_inputs.clear(); m_outputs.clear(); }
    const QHash<QString, QVariant> &inputs() const { return m_inputs; }

    void execProc();
    QVariant output(const QString &name) const { return m_outputs.value(name.toUpper()); }

private:
    Session &m_session;
    const ProcDef *m_def = nullptr;
    QHash<QString, QVariant> m_inputs;
    QHash<QString, QVariant> m_outputs;
};
