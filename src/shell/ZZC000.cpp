#include "ZZC000.h"
#include "Presenter.h"
#include <QDate>
#include <QHostAddress>
#include <QHostInfo>

namespace Login {
QString ExeDir, LocalIP, EmpNo, UserName, DbTitle;
QString WorkplaceCode, WorkplaceName, TeamCode, TeamName, BusinessPlaceCode, BusinessPlaceName;
} // namespace Login

QString AppTitle()
{
    return QStringLiteral("스포츠 관리");
}

void ShowInfo(const QString &text)
{
    Presenter::current().message(Presenter::Icon::Information, text);
}

void ShowError(const QString &text)
{
    Presenter::current().message(Presenter::Icon::Error, text);
}

bool AskYesNo(const QString &text)
{
    return Presenter::current().ask(text);
}

QString Int64ToText(qint64 value)
{
    return QString::number(value);
}

qint64 TextToInt64(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const qint64 v = t.toLongLong(&ok);
    return ok ? v : 0;
}

QString DigitsOnly(const QString &text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out += c;
        else if (c == QLatin1Char('-') && i == 0)
            out += c;
    }
    return out;
}

bool ParsesAsDate(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('-'));
    if (parts.size() != 3)
        return false;
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const QString &p = parts.at(i);
        if (p.isEmpty() || p.size() > (i == 0 ? 4 : 2))
            return false;
        for (QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return false;
        v[i] = p.toInt();
    }
    return QDate(v[0], v[1], v[2]).isValid() && v[0] > 0;
}

QString ToDashedDate(const QString &text)
{
    const QString d = DigitsOnly(text);
    if (d.size() != 8)
        return text;
    const QString dashed = d.left(4) + QLatin1Char('-') + d.mid(4, 2) + QLatin1Char('-') + d.mid(6, 2);
    return ParsesAsDate(dashed) ? dashed : text;
}

QString ToCompactDate(const QString &text)
{
    if (text.size() == 10 && ParsesAsDate(text))
        return text.left(4) + text.mid(5, 2) + text.mid(8, 2);
    return text;
}

bool IsDateText(const QString &text)
{
    return ToDashedDate(text).size() == 10;
}

QString DayOfWeekName(const QString &text)
{
    if (text.size() != 8 || !IsDateText(text))
        return {};
    const QString dashed = ToDashedDate(text);
    const QDate d(dashed.left(4).toInt(), dashed.mid(5, 2).toInt(), dashed.mid(8, 2).toInt());
    static const char *const names[] = {"일요일", "월요일", "화요일", "수요일", "목요일", "금요일", "토요일"};
    return QString::fromUtf8(names[d.dayOfWeek() % 7]); // Qt: Monday 1 .. Sunday 7
}

QString TodayText()
{
    return QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
}

QString GetLocalIP()
{
    const QHostInfo info = QHostInfo::fromName(QHostInfo::localHostName());
    for (const QHostAddress &a : info.addresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol)
            return a.toString();
    return {};
}

namespace {
// Shared with the launcher that writes QVUpdate.ini.
constexpr quint16 CipherMultiplier = 0x6D2B;
constexpr quint16 CipherAddend = 0x3A91;
constexpr int CipherOffsets[32] = {0x17, 0x5C, 0xA3, 0x2E, 0x71, 0x09, 0xD4, 0x8B, 0x36, 0xE2, 0x4F,
                                   0x90, 0x1B, 0xC7, 0x65, 0xF8, 0x23, 0xAE, 0x5A, 0x0D, 0xB9, 0x74,
                                   0x3F, 0xE6, 0x81, 0x12, 0xCD, 0x48, 0x97, 0x2A, 0x6B, 0xF0};

std::optional<QByteArray> fromHex(const QString &text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    QByteArray out;
    for (int i = 0; i < text.size(); i += 2) {
        bool ok = false;
        const int b = text.mid(i, 2).toInt(&ok, 16);
        if (!ok || text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))
            return std::nullopt;
        out.append(char(b));
    }
    return out;
}
} // namespace

std::optional<QString> DecipherPassword(const QString &text, quint16 startKey)
{
    if (text.size() != 64)
        return std::nullopt;
    auto outer = fromHex(text);
    if (!outer)
        return std::nullopt;
    QByteArray b = *outer;
    for (int j = 0; j < 32; ++j)
        b[j] = char((quint8(b[j]) + CipherOffsets[j]) & 0xFF);
    const QString inner = QString::fromLatin1(b).trimmed();
    if (inner.isEmpty() || inner.size() > 32)
        return std::nullopt;
    auto c = fromHex(inner);
    if (!c)
        return std::nullopt;
    quint16 key = startKey;
    QString out;
    for (char ch : *c) {
        const quint8 cb = quint8(ch);
        out += QChar(char16_t(cb ^ (key >> 8)));
        key = quint16((quint32(cb) + key) * CipherMultiplier + CipherAddend);
    }
    return out;
}

std::optional<QString> EncipherPassword(const QString &password, quint16 startKey)
{
    if (password.isEmpty() || password.size() > 16)
        return std::nullopt;
    quint16 key = startKey;
    QString inner;
    for (QChar ch : password) {
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E)
            return std::nullopt;
        const quint8 cb = quint8(ch.unicode() ^ (key >> 8));
        inner += QStringLiteral("%1").arg(cb, 2, 16, QLatin1Char('0')).toUpper();
        key = quint16((quint32(cb) + key) * CipherMultiplier + CipherAddend);
    }
    QByteArray b = inner.toLatin1().leftJustified(32, ' ');
    QString outer;
    for (int j = 0; j < 32; ++j) {
        const quint8 v = quint8((quint8(b[j]) - CipherOffsets[j]) & 0xFF);
        outer += QStringLiteral("%1").arg(v, 2, 16, QLatin1Char('0')).toUpper();
    }
    return outer;
}
