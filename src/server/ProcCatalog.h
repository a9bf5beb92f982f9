#pragma once
#include "RowSet.h"
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

class Session;

// One parameter of a stored procedure as the server describes it.
struct ProcParam
{
    enum Direction { In, Out };
    QString name;           // upper case, e.g. "AEQUIP_NO"
    Direction direction = In;
};

// What a procedure body sees: its input values, a place for its outputs, and the
// caller's session, inside the caller's transaction. A broken business rule is
// raised with fail(), which throws DbError with the Korean text.
class ProcContext
{
public:
    ProcContext(Session &session, const QHash<QString, QVariant> &inputs) : m_session(session), m_inputs(inputs) {}

    Session &session() { return m_session; }
    // Input as text ("" when missing or NULL), names without regard to case.
    QString in(const QString &name) const;
    QVariant value(const QString &name) const { return m_inputs.value(name.toUpper()); }
    void setOut(const QString &name, const QVariant &value) { m_outputs.insert(name.toUpper(), value); }
    const QHash<QString, QVariant> &outputs() const { return m_outputs; }

    RowSet select(const QString &sql, const QVariantHash &params = {});
    int exec(const QString &sql, const QVariantHash &params = {});
    QString scalar(const QString &sql, const QVariantHash &params = {});
    [[noreturn]] static void fail(const QString &message);
    // Inputs whose names begin with "A", keyed without the "A": the row's columns.
    QVariantHash columns(const QStringList &names) const;

private:
    Session &m_session;
    QHash<QString, QVariant> m_inputs;
    QHash<QString, QVariant> m_outputs;
};

using ProcBody = std::function<void(ProcContext &)>;

struct ProcDef
{
    QString name;
    QList<ProcParam> params;
    ProcBody body;
};

// The server's description of its stored procedures: name -> ordered parameters
// -> body. Save loops match "A" + field name against the parameters.
class ProcCatalog
{
public:
    static ProcCatalog &instance();
    void add(const ProcDef &def);
    // Convenience: inputs listed by name; names starting with "=" are outputs.
    void add(const QString &name, const QStringList &params, const ProcBody &body);
    const ProcDef *find(const QString &name) const;
    QStringList names() const;
    void remove(const QString &name);

private:
    ProcCatalog();
    QHash<QString, ProcDef> m_defs;
};
