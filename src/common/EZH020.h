#pragma once
#include "EZH000.h"

// Rental numbers (대여번호) of one rental date and area, by number and renter's
// name; a detail grid lists the rows of the current rental. Result: RENT_NO.
class TfrmEZH020 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH020(QWidget *parent = nullptr);
    // The opener's rental date and area.
    void setRental(const QString &rentDate, const QString &area);

protected:
    void setParams() override;

private:
    QLineEdit *m_edtRentNo;
    QLineEdit *m_edtRentName;
    QString m_rentDate, m_area;
};
