#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

// Shared utilities of every screen: message boxes, number and date texts, the
// workstation address, the launcher password, and the login values set at start.

// Login values, set once at start (the place pairs by the hosted screen base).
namespace Login {
extern QString ExeDir;     // folder of the executable, with a trailing separator
extern QString LocalIP;
extern QString EmpNo;
extern QString UserName;
extern QString DbTitle;
extern QString WorkplaceCode, WorkplaceName;
extern QString TeamCode, TeamName;
extern QString BusinessPlaceCode, BusinessPlaceName;
} // namespace Login

QString AppTitle(); // "스포츠 관리", the caption of every message box

void ShowInfo(const QString &text);
void ShowError(const QString &text);
bool AskYesNo(const QString &text);

QString Int64ToText(qint64 value);
qint64 TextToInt64(const QString &text);
QString DigitsOnly(const QString &text);
QString ToDashedDate(const QString &text);
QString ToCompactDate(const QString &text);
bool IsDateText(const QString &text);
QString DayOfWeekName(const QString &text);
QString TodayText();
QString GetLocalIP();

// The workstation's date format is year-month-day with "-"; this is the parse
// every date function above uses, independent of the machine's locale.
bool ParsesAsDate(const QString &text);

// The launcher's two-layer hexadecimal cipher. A value that is not 64 hexadecimal
// digits, or whose inner layer is malformed, gives no password (std::nullopt).
inline constexpr quint16 LauncherStartKey = 0x5A3C;
std::optional<QString> DecipherPassword(const QString &text, quint16 startKey);
// The inverse, for the administrator's command line; passwords of at most 16
// ASCII characters. std::nullopt when the password does not fit.
std::optional<QString> EncipherPassword(const QString &password, quint16 startKey);
