#pragma once
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QStringList>

// Port settings of a desk's ticket printer, kept in the executable's INI file
// (section [TicketPrinter]: Port, BaudRate, DataBits, Parity, StopBits,
// FlowControl). Missing keys take COM1, 9600 baud, 8 data bits, no parity, one
// stop bit, no flow control.
struct TicketPrinterSettings
{
    QString port = QStringLiteral("COM1");
    qint32 baudRate = 9600;
    QSerialPort::DataBits dataBits = QSerialPort::Data8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;
    QSerialPort::FlowControl flowControl = QSerialPort::NoFlowControl;

    static TicketPrinterSettings fromIni(const QString &iniPath);
    // The port as the system names it: off Windows "COMn" is the n-th serial
    // device /dev/ttyS(n-1); any other name (a path) is taken as it is.
    QString systemPortName() const;
};

// One printed line: "<RC" position ">" "<HW" size ">" "<F" font ">" text.
struct TicketLine
{
    QString position, size, font, text;
    QString command() const;
};

// The serial ticket printer of the rental and storage desks. Every command is
// written whole, as CP949 bytes, before the next; the desk waits for no answer,
// and whatever the printer sends back is read and dropped.
class TicketPrinter : public QObject
{
    Q_OBJECT
public:
    // Settings from the executable's INI file.
    explicit TicketPrinter(QObject *parent = nullptr);
    explicit TicketPrinter(const TicketPrinterSettings &settings, QObject *parent = nullptr);
    ~TicketPrinter() override;

    const TicketPrinterSettings &settings() const { return m_settings; }
    // False when the port cannot be opened; the port then stays closed.
    bool open();
    void close();
    // Closes the port if open and opens it again ("프린터초기화").
    bool reopen();
    bool isOpen() const;

    // Writes each command whole. False, with errorString(), when the port is
    // closed or a write does not complete.
    bool send(const QStringList &commands);
    // "<CB>", the mode ("<RR>" rental, "<NR>" storage), the lines, "<p>".
    bool printTicket(const QString &mode, const QList<TicketLine> &lines);
    QString errorString() const { return m_error; }

private:
    void dropIncoming();

    TicketPrinterSettings m_settings;
    QSerialPort m_port;
    QString m_error;
};
