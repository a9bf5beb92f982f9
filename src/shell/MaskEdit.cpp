#include "MaskEdit.h"

MaskEdit::MaskEdit(QWidget *parent) : QLineEdit(parent)
{
}

void MaskEdit::setEditMask(const QString &mask)
{
    m_mask = mask;
    // Qt's mask language reads '9' as a required digit; a blank may stand in until
    // the value is complete. Other characters of our masks are literals there too.
    setInputMask(mask.isEmpty() ? QString() : mask + QStringLiteral("; "));
}

QString MaskEdit::value() const
{
    if (m_mask.isEmpty())
        return text();
    const QString shown = displayText();
    QString out;
    for (int i = 0; i < m_mask.size() && i < shown.size(); ++i)
        if (m_mask.at(i) == QLatin1Char('9'))
            out += shown.at(i);
    while (out.endsWith(QLatin1Char(' ')))
        out.chop(1);
    return out;
}

void MaskEdit::setValue(const QString &value)
{
    if (m_mask.isEmpty()) {
        setText(value);
        return;
    }
    // Lay the characters into the digit positions; literals typed along are skipped.
    QString shown;
    int vi = 0;
    for (int i = 0; i < m_mask.size(); ++i) {
        const QChar m = m_mask.at(i);
        if (m != QLatin1Char('9')) {
            shown += m;
            if (vi < value.size() && value.at(vi) == m)
                ++vi;
            continue;
        }
        shown += vi < value.size() ? value.at(vi++) : QLatin1Char(' ');
    }
    setText(shown);
}
