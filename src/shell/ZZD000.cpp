#include "ZZD000.h"
#include "DbError.h"
#include "IniFile.h"
#include "ZZC000.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
TfrmZZD000 *s_instance = nullptr;
}

TfrmZZD000::TfrmZZD000(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("frmZZD000"));
    s_instance = this;
}

TfrmZZD000::~TfrmZZD000()
{
    CloseConnection();
    if (s_instance == this)
        s_instance = nullptr;
}

TfrmZZD000 *TfrmZZD000::instance()
{
    return s_instance;
}

bool TfrmZZD000::start(const QStringList &arguments)
{
    if (isConnected())
        ShowError(QStringLiteral("프로그램 시작시 이미 DB에 접속되어 있습니다.\r문제가 발생할 수 있으므로 개발자에게 연락하십시오."));
    CloseConnection();
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    Login::ExeDir = dir;
    Login::LocalIP = GetLocalIP();
    Login::EmpNo = arguments.value(2);
    Login::UserName = arguments.value(3);
    if (arguments.size() != 4) {
        ShowError(QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\r메인 프로그램(Talvo.exe)으로 실행하십시오."));
        return false;
    }
    m_alias = arguments.at(0);
    m_account = arguments.at(1);
    m_configured = false;
    const std::optional<QString> password = ReadLauncherPassword();
    if (!password)
        return true; // refused with its message; no connection attempt
    m_password = *password;
    m_configured = true;
    OpenConnection();
    return true;
}

std::optional<QString> TfrmZZD000::ReadLauncherPassword()
{
    const IniFile ini(Login::ExeDir + QStringLiteral("QVUpdate.ini"));
    const QString stored = ini.readString(QStringLiteral("PROGRAM"), QStringLiteral("PASS"));
    if (stored.isEmpty())
        return m_account;
    const std::optional<QString> plain = DecipherPassword(stored, LauncherStartKey);
    if (!plain)
        ShowError(QStringLiteral("QVUpdate.ini의 비밀번호(PASS)가 올바르지 않습니다.\r관리자에게 연락하십시오."));
    return plain;
}

bool TfrmZZD000::resolveAlias(const QString &iniPath, const QString &alias, ConnectionSettings *settings, QString *error)
{
    const IniFile ini(iniPath);
    const QString driver = ini.readString(alias, QStringLiteral("Driver")).toUpper();
    if (driver == QLatin1String("SQLITE")) {
        QString file = ini.readString(alias, QStringLiteral("File"));
        if (file.isEmpty()) {
            *error = QStringLiteral("databases.ini: alias %1 has no File").arg(alias);
            return false;
        }
        if (QDir::isRelativePath(file))
            file = QFileInfo(iniPath).absoluteDir().filePath(file);
        settings->engine = Dialect::Engine::Sqlite;
        settings->file = file;
        return true;
    }
    if (driver == QLatin1String("PSQL")) {
        settings->engine = Dialect::Engine::Postgres;
        settings->host = ini.readString(alias, QStringLiteral("Host"), QStringLiteral("127.0.0.1"));
        settings->port = ini.readInteger(alias, QStringLiteral("Port"), 5432);
        settings->database = ini.readString(alias, QStringLiteral("Database"), alias);
        return true;
    }
    *error = QStringLiteral("database alias '%1' is not configured in %2").arg(alias, iniPath);
    return false;
}

bool TfrmZZD000::OpenConnection()
{
    if (isConnected())
        return true;
    try {
        if (!m_session) {
            if (!m_configured)
                throw DbError(QStringLiteral("no database alias"));
            ConnectionSettings settings;
            QString error;
            if (!resolveAlias(Login::ExeDir + QStringLiteral("databases.ini"), m_alias, &settings, &error))
                throw DbError(error);
            settings.user = m_account;
            settings.password = m_password;
            m_owned = std::make_unique<Session>(settings);
            m_session = m_owned.get();
        }
        m_session->open();
        return true;
    } catch (const DbError &e) {
        if (Dialect::isTooManyConnections(e.message(), e.sqlState()))
            ShowError(QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\r잠시 후 다시 시도하십시오."));
        else
            ShowError(QStringLiteral("데이터베이스와 연결할 수 없습니다.\r\r에러내용:\r") + e.message());
        if (m_owned && m_session == m_owned.get()) {
            m_session = nullptr;
            m_owned.reset();
        }
        return false;
    }
}

void TfrmZZD000::CloseConnection()
{
    if (m_session && m_session->isOpen())
        m_session->close();
}

bool TfrmZZD000::isConnected() const
{
    return m_session && m_session->isOpen();
}

Session &TfrmZZD000::session()
{
    if (!m_session)
        throw DbError(QStringLiteral("not connected to the database"));
    return *m_session;
}

void TfrmZZD000::useSession(Session *session)
{
    m_owned.reset();
    m_session = session;
}

Session &Db()
{
    if (!TfrmZZD000::instance())
        throw DbError(QStringLiteral("no data module"));
    return TfrmZZD000::instance()->session();
}
