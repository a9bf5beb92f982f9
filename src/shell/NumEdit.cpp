#include "NumEdit.h"
#include <QRegularExpressionValidator>

NumEdit::NumEdit(QWidget *parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updateValidator();
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, this, &NumEdit::valueChanged);
}

void NumEdit::setMaxDigits(int digits)
{
    m_maxDigits = digits;
    updateValidator();
}

void NumEdit::setDecimals(int decimals)
{
    m_decimals = decimals;
    updateValidator();
}

void NumEdit::setAllowNegative(bool allow)
{
    m_negative = allow;
    updateValidator();
}

void NumEdit::updateValidator()
{
    const QString digits = m_maxDigits > 0 ? QStringLiteral("\\d{0,%1}").arg(m_maxDigits) : QStringLiteral("\\d*");
    QString pattern = (m_negative ? QStringLiteral("-?") : QString()) + digits;
    if (m_decimals > 0)
        pattern += QStringLiteral("(\\.\\d{0,%1})?").arg(m_decimals);
    const QValidator *old = validator();
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
    delete old;
}

double NumEdit::value() const
{
    bool ok = false;
    const double v = text().trimmed().toDouble(&ok);
    return ok ? v : 0.0;
}

void NumEdit::setValue(double value)
{
    setText(QString::number(value, 'f', m_decimals));
}
