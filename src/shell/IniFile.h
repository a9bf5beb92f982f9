#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

// A Windows-style INI file in CP949, read and written the way the suite's other
// programs expect: [Section] headers, Key=Value lines, keys without regard to case.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    bool exists() const { return m_exists; }
    QString readString(const QString &section, const QString &key, const QString &defaultValue = {}) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    void writeString(const QString &section, const QString &key, const QString &value);
    QStringList sections() const;
    bool save() const;

private:
    QString m_path;
    bool m_exists = false;
    // Sections and keys in file order; lookups fold case.
    QList<QPair<QString, QList<QPair<QString, QString>>>> m_data;
};
