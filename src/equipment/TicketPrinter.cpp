#include "TicketPrinter.h"
#include "Cp949.h"
#include "IniFile.h"
#include "ZZI000.h"
#include <QRegularExpression>

namespace {
const QString kSection = QStringLiteral("TicketPrinter");
constexpr int kWriteTimeoutMs = 5000;
} // namespace

TicketPrinterSettings TicketPrinterSettings::fromIni(const QString &iniPath)
{
    TicketPrinterSettings s;
    const IniFile ini(iniPath);
    s.port = ini.readString(kSection, QStringLiteral("Port"), s.port).trimmed();
    if (s.port.isEmpty())
        s.port = QStringLiteral("COM1");
    s.baudRate = ini.readInteger(kSection, QStringLiteral("BaudRate"), s.baudRate);
    const int bits = ini.readInteger(kSection, QStringLiteral("DataBits"), 8);
    if (bits >= 5 && bits <= 8)
        s.dataBits = QSerialPort::DataBits(bits);
    const QString parity = ini.readString(kSection, QStringLiteral("Parity"), QStringLiteral("None")).trimmed().toLower();
    if (parity == QLatin1String("even"))
        s.parity = QSerialPort::EvenParity;
    else if (parity == QLatin1String("odd"))
        s.parity = QSerialPort::OddParity;
    else if (parity == QLatin1String("mark"))
        s.parity = QSerialPort::MarkParity;
    else if (parity == QLatin1String("space"))
        s.parity = QSerialPort::SpaceParity;
    const QString stop = ini.readString(kSection, QStringLiteral("StopBits"), QStringLiteral("1")).trimmed();
    if (stop == QLatin1String("2"))
        s.stopBits = QSerialPort::TwoStop;
    else if (stop == QLatin1String("1.5"))
        s.stopBits = QSerialPort::OneAndHalfStop;
    const QString flow = ini.readString(kSection, QStringLiteral("FlowControl"), QStringLiteral("None")).trimmed().toLower();
    if (flow == QLatin1String("hardware"))
        s.flowControl = QSerialPort::HardwareControl;
    else if (flow == QLatin1String("software"))
        s.flowControl = QSerialPort::SoftwareControl;
    return s;
}

QString TicketPrinterSettings::systemPortName() const
{
#ifdef Q_OS_WIN
    return port;
#else
    static const QRegularExpression com(QStringLiteral("^COM([1-9][0-9]*)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = com.match(port);
    if (m.hasMatch())
        return QStringLiteral("/dev/ttyS%1").arg(m.captured(1).toInt() - 1);
    return port;
#endif
}

QString TicketLine::command() const
{
    return QStringLiteral("<RC%1><HW%2><F%3>%4").arg(position, size, font, text);
}

TicketPrinter::TicketPrinter(QObject *parent)
    : TicketPrinter(TicketPrinterSettings::fromIni(TfrmZZI000::screenIniPath()), parent)
{
}

TicketPrinter::TicketPrinter(const TicketPrinterSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    connect(&m_port, &QSerialPort::readyRead, this, &TicketPrinter::dropIncoming);
}

TicketPrinter::~TicketPrinter()
{
    close();
}

bool TicketPrinter::open()
{
    if (m_port.isOpen())
        return true;
    m_port.setPortName(m_settings.systemPortName());
    m_port.setBaudRate(m_settings.baudRate);
    m_port.setDataBits(m_settings.dataBits);
    m_port.setParity(m_settings.parity);
    m_port.setStopBits(m_settings.stopBits);
    m_port.setFlowControl(m_settings.flowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_error = m_port.errorString();
        return false;
    }
    // The printer wants both lines low. Pseudo terminals cannot set them; that
    // is no reason to refuse the port.
    m_port.setDataTerminalReady(false);
    if (m_settings.flowControl != QSerialPort::HardwareControl)
        m_port.setRequestToSend(false);
    m_port.clearError();
    m_error.clear();
    return true;
}

void TicketPrinter::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool TicketPrinter::reopen()
{
    close();
    return open();
}

bool TicketPrinter::isOpen() const
{
    return m_port.isOpen();
}

bool TicketPrinter::send(const QStringList &commands)
{
    if (!m_port.isOpen()) {
        m_error = QStringLiteral("프린터 포트(%1)가 열려 있지 않습니다.").arg(m_settings.port);
        return false;
    }
    for (const QString &command : commands) {
        const QByteArray bytes = Cp949::encode(command);
        if (m_port.write(bytes) != bytes.size()) {
            m_error = m_port.errorString();
            return false;
        }
        while (m_port.bytesToWrite() > 0) {
            if (!m_port.waitForBytesWritten(kWriteTimeoutMs)) {
                m_error = m_port.error() == QSerialPort::TimeoutError
                    ? QStringLiteral("프린터 포트(%1)에 쓰지 못했습니다.").arg(m_settings.port)
                    : m_port.errorString();
                return false;
            }
        }
    }
    return true;
}

bool TicketPrinter::printTicket(const QString &mode, const QList<TicketLine> &lines)
{
    QStringList commands{QStringLiteral("<CB>"), mode};
    for (const TicketLine &line : lines)
        commands << line.command();
    commands << QStringLiteral("<p>");
    return send(commands);
}

void TicketPrinter::dropIncoming()
{
    m_port.readAll();
}
