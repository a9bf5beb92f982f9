#pragma once
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSerialPort>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

// Two connected pseudo serial ports made by socat: the desk's printer is given
// printerEnd(), the test reads what the printer would receive at the other end.
class SerialPair
{
public:
    // False when socat is missing or the ports did not appear.
    bool start()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("socat")).isEmpty() || !m_dir.isValid())
            return false;
        m_socat.start(QStringLiteral("socat"),
                      {QStringLiteral("-d"), QStringLiteral("-d"), QStringLiteral("pty,raw,echo=0,link=%1").arg(printerEnd()),
                       QStringLiteral("pty,raw,echo=0,link=%1").arg(readerEnd())});
        if (!m_socat.waitForStarted())
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!(QFile::exists(printerEnd()) && QFile::exists(readerEnd())) && clock.elapsed() < 5000)
            QThread::msleep(50);
        if (!QFile::exists(readerEnd()))
            return false;
        m_reader.setPortName(readerEnd());
        return m_reader.open(QIODevice::ReadWrite);
    }

    ~SerialPair()
    {
        m_reader.close();
        m_socat.terminate();
        if (!m_socat.waitForFinished(3000))
            m_socat.kill();
    }

    QString printerEnd() const { return m_dir.filePath(QStringLiteral("printer")); }
    QString readerEnd() const { return m_dir.filePath(QStringLiteral("reader")); }
    QSerialPort &reader() { return m_reader; }

    // Reads until `expected` bytes arrived (or 5 s passed), then whatever follows
    // within a short while.
    QByteArray read(qsizetype expected)
    {
        QByteArray received;
        QElapsedTimer clock;
        clock.start();
        while (received.size() < expected && clock.elapsed() < 5000)
            if (m_reader.waitForReadyRead(200) || m_reader.bytesAvailable() > 0)
                received += m_reader.readAll();
        m_reader.waitForReadyRead(200);
        received += m_reader.readAll();
        return received;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_socat;
    QSerialPort m_reader;
};
