#include "Cp949.h"
#include "RentTicket.h"
#include "SerialPair.h"
#include "TicketPrinter.h"
#include <QTest>

// The rental ticket as the printer receives it, through a socat serial pair:
// one end is the desk's printer port, the other end reads what arrives.
class TestTicketPrinter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(m_pair.start(), "socat is needed for the serial pair");
    }

    void settingsFromIni_data()
    {
        QTest::addColumn<QString>("ini");
        QTest::addColumn<QString>("systemPort");
        QTest::addColumn<int>("baud");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stopBits");
        QTest::addColumn<int>("flow");
        QTest::newRow("no file: COM1, 9600 8N1, no flow control")
            << QString() << QStringLiteral("/dev/ttyS0") << 9600 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop)
            << int(QSerialPort::NoFlowControl);
        QTest::newRow("COM3 is the third serial device")
            << QStringLiteral("[TicketPrinter]\r\nPort=COM3\r\n") << QStringLiteral("/dev/ttyS2") << 9600 << int(QSerialPort::NoParity)
            << int(QSerialPort::OneStop) << int(QSerialPort::NoFlowControl);
        QTest::newRow("a device path is taken as it is")
            << QStringLiteral("[TicketPrinter]\r\nPort=/dev/ttyUSB0\r\nBaudRate=19200\r\nParity=Even\r\nStopBits=2\r\nFlowControl=Hardware\r\n")
            << QStringLiteral("/dev/ttyUSB0") << 19200 << int(QSerialPort::EvenParity) << int(QSerialPort::TwoStop)
            << int(QSerialPort::HardwareControl);
    }
    void settingsFromIni()
    {
        QFETCH(QString, ini);
        QFETCH(QString, systemPort);
        QFETCH(int, baud);
        QFETCH(int, parity);
        QFETCH(int, stopBits);
        QFETCH(int, flow);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sports.ini"));
        if (!ini.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(ini.toLatin1());
        }
        const TicketPrinterSettings s = TicketPrinterSettings::fromIni(path);
        QCOMPARE(s.systemPortName(), systemPort);
        QCOMPARE(s.baudRate, baud);
        QCOMPARE(int(s.dataBits), int(QSerialPort::Data8));
        QCOMPARE(int(s.parity), parity);
        QCOMPARE(int(s.stopBits), stopBits);
        QCOMPARE(int(s.flowControl), flow);
    }

    void rentTicketBytes_data()
    {
        QTest::addColumn<QString>("rentNo");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("commands");
        const QStringList top = {QStringLiteral("<CB>"), QStringLiteral("<RR>")};
        const auto copy = [](const QStringList &y, bool multiDay) {
            QStringList c{
                QStringLiteral("<RC140,%1><HW3,2><F5>주간권").arg(y.at(0)),
                QStringLiteral("<RC10,%1><HW3,2><F5>(솔빛)2004.01.05").arg(y.at(1)),
                QStringLiteral("<RC60,%1><HW2,2><F2>카빙스키 %2").arg(y.at(2), multiDay ? QStringLiteral("연일대여") : QStringLiteral("일일대여")),
                QStringLiteral("<RC20,%1><HW2,2><F2>0000000123   A12").arg(y.at(3)),
                QStringLiteral("<RC10,%1><HW1,1><F3>대여자명:홍길동").arg(y.at(4)),
                QStringLiteral("<RC10,%1><HW1,1><F3>신장: 175").arg(y.at(5)),
                QStringLiteral("<RC10,%1><HW1,1><F3>체중: 70").arg(y.at(6)),
                QStringLiteral("<RC10,%1><HW1,1><F3>부츠: 270").arg(y.at(7)),
            };
            if (multiDay)
                c << QStringLiteral("<RC10,%1><HW1,1><F3>연일: 2004/01/05-").arg(y.at(8))
                  << QStringLiteral("<RC10,%1><HW1,1><F3>      2004/01/08").arg(y.at(9));
            return c;
        };
        const QStringList first = {QStringLiteral("1040"), QStringLiteral("970"), QStringLiteral("890"), QStringLiteral("830"),
                                   QStringLiteral("780"),  QStringLiteral("740"), QStringLiteral("700"), QStringLiteral("660"),
                                   QStringLiteral("620"),  QStringLiteral("590")};
        const QStringList second = {QStringLiteral("480"), QStringLiteral("410"), QStringLiteral("330"), QStringLiteral("270"),
                                    QStringLiteral("220"), QStringLiteral("180"), QStringLiteral("140"), QStringLiteral("100"),
                                    QStringLiteral("60"),  QStringLiteral("30")};
        QTest::newRow("day rental: eight lines per copy, number of three digits")
            << QStringLiteral("123") << QString() << QString()
            << top + copy(first, false) + copy(second, false) + QStringList{QStringLiteral("<p>")};
        QTest::newRow("multi-day rental: ten lines per copy")
            << QStringLiteral("0000000123") << QStringLiteral("20040105") << QStringLiteral("20040108")
            << top + copy(first, true) + copy(second, true) + QStringList{QStringLiteral("<p>")};
    }
    void rentTicketBytes()
    {
        QFETCH(QString, rentNo);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, commands);

        TicketPrinterSettings settings;
        settings.port = m_pair.printerEnd();
        TicketPrinter printer(settings);
        QVERIFY2(printer.open(), qPrintable(printer.errorString()));
        // The printer's answers are read off and dropped; they do not disturb the ticket.
        m_pair.reader().write("\x06\x06");
        m_pair.reader().waitForBytesWritten(1000);

        TRentTicketInfo info;
        info.ticketKindName = QStringLiteral("주간권");
        info.equipKindName = QStringLiteral("카빙스키");
        info.rentStatName = from.isEmpty() ? QStringLiteral("일일대여") : QStringLiteral("연일대여");
        info.areaName = QStringLiteral("솔빛");
        info.rentDate = TicketRentDate(QStringLiteral("20040105"));
        info.rentName = QStringLiteral("홍길동");
        info.height = QStringLiteral("175");
        info.weight = QStringLiteral("70");
        info.bootsSizeName = QStringLiteral("270");
        info.svrlFromDate = TicketPeriodDate(from);
        info.svrlToDate = TicketPeriodDate(to);
        info.rentNo = TicketRentNo(rentNo);
        info.keepBoxNo = QStringLiteral("A12");
        QVERIFY2(PrintRentTicket(printer, info), qPrintable(printer.errorString()));

        QByteArray expected;
        for (const QString &c : commands)
            expected += Cp949::encode(c);
        // One known word, so that the code page itself is checked too.
        QVERIFY(expected.contains(QByteArray::fromHex("b4ebbfa9c0dab8ed3a")));

        QCOMPARE(m_pair.read(expected.size()), expected);
    }

    void closedPortSendsNothing()
    {
        TicketPrinterSettings settings;
        settings.port = m_pair.printerEnd() + QStringLiteral(".missing");
        TicketPrinter printer(settings);
        QVERIFY(!printer.open());
        QVERIFY(!printer.isOpen());
        QVERIFY(!PrintRentTicket(printer, TRentTicketInfo{}));
        QVERIFY(printer.errorString().contains(settings.port));
    }

private:
    SerialPair m_pair;
};

QTEST_GUILESS_MAIN(TestTicketPrinter)
#include "tst_ticket_printer.moc"
