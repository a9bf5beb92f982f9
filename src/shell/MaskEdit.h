#pragma once
#include <QLineEdit>

// An edit with a fixed input mask such as "9999-99-99" (a date) or "999-999" (a
// zip code): '9' takes one digit, any other character of the mask is shown as a
// literal. value() gives the typed characters without the literals (dates travel
// as yyyymmdd); setValue() accepts the value with or without them.
class MaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit MaskEdit(QWidget *parent = nullptr);

    void setEditMask(const QString &mask);
    QString editMask() const { return m_mask; }

    // The typed characters, trailing blanks removed.
    QString value() const;
    void setValue(const QString &value);

private:
    QString m_mask;
};
