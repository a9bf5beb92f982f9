#pragma once
#include <QByteArray>
#include <QString>

// The Korean Windows code page, used for INI files, spreadsheet text cells and
// ticket printer bytes. Widths given in bytes count bytes of this code page.
namespace Cp949 {
QByteArray encode(const QString &text);
QString decode(const QByteArray &bytes);
// True when every character of the text has a CP949 form.
bool canEncode(const QString &text);
// Number of CP949 bytes of the text.
int byteLength(const QString &text);
// The longest prefix of the text that fits in maxBytes CP949 bytes (never splits a character).
QString truncateToBytes(const QString &text, int maxBytes);
} // namespace Cp949
