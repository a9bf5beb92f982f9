#include "IniFile.h"
#include "Cp949.h"
#include <QFile>
#include <QSaveFile>

IniFile::IniFile(const QString &path) : m_path(path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    m_exists = true;
    QByteArray bytes = f.readAll();
    // A file saved as UTF-8 with a byte-order mark is read as such.
    const QString text = bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3)) : Cp949::decode(bytes);
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_data.append({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || m_data.isEmpty())
            continue;
        m_data.last().second.append({line.left(eq).trimmed(), line.mid(eq + 1).trimmed()});
    }
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    for (const auto &s : m_data) {
        if (s.first.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const auto &kv : s.second)
            if (kv.first.compare(key, Qt::CaseInsensitive) == 0)
                return kv.second;
    }
    return defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    QString v = readString(section, key);
    bool ok = false;
    int n = 0;
    if (v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        n = v.mid(2).toInt(&ok, 16);
    else
        n = v.toInt(&ok);
    return ok ? n : defaultValue;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    for (auto &s : m_data) {
        if (s.first.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (auto &kv : s.second) {
            if (kv.first.compare(key, Qt::CaseInsensitive) == 0) {
                kv.second = value;
                return;
            }
        }
        s.second.append({key, value});
        return;
    }
    m_data.append({section, {{key, value}}});
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const auto &s : m_data)
        out << s.first;
    return out;
}

bool IniFile::save() const
{
    QString text;
    for (const auto &s : m_data) {
        text += QLatin1Char('[') + s.first + QStringLiteral("]\r\n");
        for (const auto &kv : s.second)
            text += kv.first + QLatin1Char('=') + kv.second + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(Cp949::encode(text));
    return f.commit();
}
