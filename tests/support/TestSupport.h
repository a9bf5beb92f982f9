#pragma once
#include "Presenter.h"
#include "Session.h"
#include <QJsonArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A presenter that records every message and answers questions from a script
// (default: yes). File dialogs return the scripted name; documents are not opened.
class ScriptedPresenter : public Presenter
{
public:
    struct Message { Icon icon; QString text; };
    QList<Message> messages;
    QList<bool> answers;           // consumed by ask(); empty means yes
    QStringList questions;
    QString nextSaveName;
    QStringList opened;

    void message(Icon icon, const QString &text) override { messages.append({icon, text}); }
    bool ask(const QString &text) override;
    QString saveFileName(const QString &, const QString &, const QString &) override { return nextSaveName; }
    bool openDocument(const QString &path) override { opened << path; return true; }

    QStringList texts() const;
    QString lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
    void clear() { messages.clear(); questions.clear(); answers.clear(); }
};

// Installs a ScriptedPresenter for the lifetime of the guard.
class PresenterGuard
{
public:
    PresenterGuard();
    ~PresenterGuard();
    ScriptedPresenter &operator*() { return *m_presenter; }
    ScriptedPresenter *operator->() { return m_presenter; }
private:
    ScriptedPresenter *m_presenter;
    std::unique_ptr<Presenter> m_previous;
};

// Which engines a database test runs on: SQLite always, PostgreSQL when the
// environment names a server (SPORTS_TEST_PG_HOST, _PORT, _USER).
QStringList testEngines();
// Adds one QTest row per engine: column "engine" (QString).
void addEngineRows();

// An empty database on the named engine ("sqlite" or "postgres"), with the schema
// created and nothing else; dropped when the object goes.
class TestDatabase
{
public:
    explicit TestDatabase(const QString &engine, bool withSchema = true);
    ~TestDatabase();
    Session &session() { return *m_session; }
    ConnectionSettings settings() const { return m_settings; }
    // A second connection to the same database (another desk).
    std::unique_ptr<Session> openAnother() const;
    bool isPostgres() const { return m_settings.engine == Dialect::Engine::Postgres; }
    // Installs this database as the data module's connection (creating the module if needed).
    void attachToDataModule();
    // Runs a script of ";"-terminated statements (fixtures).
    void exec(const QString &script);

private:
    ConnectionSettings m_settings;
    std::unique_ptr<Session> m_session;
    QTemporaryDir m_dir;
    QString m_pgName;
};

// Path of a file in the source tree (SPORTS_SOURCE_DIR is set by CTest).
QString sourcePath(const QString &relative);

// The first sheet of an .xls file as the system's python3-xlrd reads it, with no
// encoding given: one array per row of [cell type, value] pairs (type 0 empty,
// 1 text, 2 number). Empty with *error set when xlrd refuses the file.
QJsonArray readXlsSheet(const QString &path, QString *error);
// The same sheet with the values only.
QJsonArray readXlsValues(const QString &path, QString *error);
