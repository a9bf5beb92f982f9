#include "ByteLimit.h"
#include "Cp949.h"
#include <QLineEdit>
#include <QToolTip>

Cp949Validator::Cp949Validator(int maxBytes, QObject *parent) : QValidator(parent), m_maxBytes(maxBytes)
{
}

QString Cp949Validator::refusal(const QString &text) const
{
    if (!Cp949::canEncode(text))
        return QStringLiteral("한글 완성형(CP949)으로 나타낼 수 없는 문자는 입력할 수 없습니다.");
    if (m_maxBytes > 0 && Cp949::byteLength(text) > m_maxBytes)
        return QStringLiteral("%1 바이트(한글 %2자)까지 입력할 수 있습니다.").arg(m_maxBytes).arg(m_maxBytes / 2);
    return {};
}

QValidator::State Cp949Validator::validate(QString &input, int &) const
{
    const QString why = refusal(input);
    if (why.isEmpty())
        return Acceptable;
    if (auto *edit = qobject_cast<QLineEdit *>(parent()); edit && edit->isVisible())
        QToolTip::showText(edit->mapToGlobal(edit->rect().bottomLeft()), why, edit);
    return Invalid;
}

void LimitBytes(QLineEdit *edit, int maxBytes)
{
    edit->setValidator(new Cp949Validator(maxBytes, edit));
}
