#pragma once
#include <QLineEdit>

// A numeric edit: takes digits (a leading minus when negatives are allowed, a
// decimal point when it has decimals) up to a number of integer digits. An empty
// edit is worth 0.
class NumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumEdit(QWidget *parent = nullptr);

    void setMaxDigits(int digits);   // integer digits, 0 = no limit
    void setDecimals(int decimals);
    void setAllowNegative(bool allow);

    double value() const;
    void setValue(double value);

signals:
    // Emitted when the user or code changes the value's text.
    void valueChanged();

private:
    void updateValidator();
    int m_maxDigits = 0;
    int m_decimals = 0;
    bool m_negative = false;
};
