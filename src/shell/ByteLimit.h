#pragma once
#include <QValidator>

class QLineEdit;

// Keeps an edit's text within a number of CP949 bytes and refuses characters
// CP949 cannot hold, telling the user why in a tip beside the edit. Widths of the
// screens' inputs are given in bytes (a Korean syllable takes two).
class Cp949Validator : public QValidator
{
    Q_OBJECT
public:
    // maxBytes 0: no length limit, only the character check.
    explicit Cp949Validator(int maxBytes, QObject *parent = nullptr);
    State validate(QString &input, int &pos) const override;
    // Why a text cannot be taken ("" when it can).
    QString refusal(const QString &text) const;

private:
    int m_maxBytes;
};

// Installs a Cp949Validator on the edit.
void LimitBytes(QLineEdit *edit, int maxBytes);
