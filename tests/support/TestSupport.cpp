#include "TestSupport.h"
#include "DbError.h"
#include "Schema.h"
#include "SqlScript.h"
#include "ZZD000.h"
#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>
#include <QUuid>

bool ScriptedPresenter::ask(const QString &text)
{
    questions << text;
    messages.append({Icon::Question, text});
    return answers.isEmpty() ? true : answers.takeFirst();
}

QStringList ScriptedPresenter::texts() const
{
    QStringList t;
    for (const Message &m : messages)
        t << m.text;
    return t;
}

PresenterGuard::PresenterGuard()
{
    auto p = std::make_unique<ScriptedPresenter>();
    m_presenter = p.get();
    m_previous = Presenter::install(std::move(p));
}

PresenterGuard::~PresenterGuard()
{
    Presenter::install(std::move(m_previous));
}

QStringList testEngines()
{
    QStringList e{QStringLiteral("sqlite")};
    if (!qEnvironmentVariableIsEmpty("SPORTS_TEST_PG_HOST"))
        e << QStringLiteral("postgres");
    return e;
}

void addEngineRows()
{
    QTest::addColumn<QString>("engine");
    for (const QString &e : testEngines())
        QTest::newRow(e.toUtf8().constData()) << e;
}

namespace {
ConnectionSettings pgAdmin()
{
    ConnectionSettings s;
    s.engine = Dialect::Engine::Postgres;
    s.host = qEnvironmentVariable("SPORTS_TEST_PG_HOST");
    s.port = qEnvironmentVariableIntValue("SPORTS_TEST_PG_PORT");
    if (s.port == 0)
        s.port = 5432;
    s.user = qEnvironmentVariable("SPORTS_TEST_PG_USER", QStringLiteral("postgres"));
    s.password = qEnvironmentVariable("SPORTS_TEST_PG_PASSWORD");
    s.database = QStringLiteral("postgres");
    return s;
}
} // namespace

TestDatabase::TestDatabase(const QString &engine, bool withSchema)
{
    if (engine == QLatin1String("postgres")) {
        static QAtomicInt counter;
        m_pgName = QStringLiteral("sports_t%1_%2_%3")
                       .arg(QCoreApplication::applicationPid())
                       .arg(counter.fetchAndAddRelaxed(1))
                       .arg(QDateTime::currentMSecsSinceEpoch() % 100000);
        Session admin(pgAdmin());
        admin.open();
        admin.execute(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(m_pgName));
        admin.execute(QStringLiteral("CREATE DATABASE %1 ENCODING 'UTF8' TEMPLATE template0").arg(m_pgName));
        m_settings = pgAdmin();
        m_settings.database = m_pgName;
    } else {
        m_settings.engine = Dialect::Engine::Sqlite;
        m_settings.file = m_dir.filePath(QStringLiteral("test.db"));
    }
    m_session = std::make_unique<Session>(m_settings);
    m_session->open();
    if (withSchema)
        Schema::create(*m_session);
}

TestDatabase::~TestDatabase()
{
    if (TfrmZZD000::instance()) {
        try {
            if (&TfrmZZD000::instance()->session() == m_session.get())
                TfrmZZD000::instance()->useSession(nullptr);
        } catch (const DbError &) {
        }
    }
    m_session.reset();
    if (!m_pgName.isEmpty()) {
        try {
            Session admin(pgAdmin());
            admin.open();
            admin.execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_pgName));
        } catch (const DbError &) {
        }
    }
}

std::unique_ptr<Session> TestDatabase::openAnother() const
{
    auto s = std::make_unique<Session>(m_settings);
    s->open();
    return s;
}

void TestDatabase::attachToDataModule()
{
    if (!TfrmZZD000::instance())
        new TfrmZZD000(QCoreApplication::instance());
    TfrmZZD000::instance()->useSession(m_session.get());
}

void TestDatabase::exec(const QString &script)
{
    SqlScript::run(*m_session, script);
}

QString sourcePath(const QString &relative)
{
    return qEnvironmentVariable("SPORTS_SOURCE_DIR") + QLatin1Char('/') + relative;
}

QJsonArray readXlsSheet(const QString &path, QString *error)
{
    // The system's interpreter, where python3-xlrd is installed.
    const QString python = QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                             : QStringLiteral("python3");
    const QString script = QStringLiteral(
        "import sys, json, xlrd\n"
        "book = xlrd.open_workbook(sys.argv[1], logfile=sys.stderr)\n"
        "sh = book.sheet_by_index(0)\n"
        "print(json.dumps([[[sh.cell_type(r, c), sh.cell_value(r, c)] for c in range(sh.ncols)]"
        " for r in range(sh.nrows)]))\n");
    QProcess p;
    p.start(python, {QStringLiteral("-c"), script, path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        *error = QString::fromUtf8(p.readAllStandardError());
        if (error->isEmpty())
            *error = QStringLiteral("python3 with xlrd did not run");
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).array();
}

QJsonArray readXlsValues(const QString &path, QString *error)
{
    QJsonArray rows;
    for (const QJsonValue &row : readXlsSheet(path, error)) {
        QJsonArray values;
        for (const QJsonValue &cell : row.toArray())
            values.append(cell.toArray().at(1));
        rows.append(values);
    }
    return rows;
}
