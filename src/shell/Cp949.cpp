#include "Cp949.h"
#include <QtCore5Compat/QTextCodec>

namespace {
QTextCodec *codec()
{
    static QTextCodec *c = QTextCodec::codecForName("CP949");
    Q_ASSERT(c);
    return c;
}
} // namespace

QByteArray Cp949::encode(const QString &text)
{
    return codec()->fromUnicode(text);
}

QString Cp949::decode(const QByteArray &bytes)
{
    return codec()->toUnicode(bytes);
}

bool Cp949::canEncode(const QString &text)
{
    return codec()->canEncode(text);
}

int Cp949::byteLength(const QString &text)
{
    return int(encode(text).size());
}

QString Cp949::truncateToBytes(const QString &text, int maxBytes)
{
    int bytes = 0;
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        int len = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            len = 2;
        const QString ch = text.mid(i, len);
        const int b = int(encode(ch).size());
        if (bytes + b > maxBytes)
            break;
        bytes += b;
        out += ch;
        i += len - 1;
    }
    return out;
}
