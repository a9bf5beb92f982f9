#pragma once
#include "EZH000.h"

// Lesson receipts (접수번호) of one season by the receiver's name; a detail grid
// lists the trainees of the current receipt. Results: RECEIPT_NO, ENTER_DATE (as
// shown, yyyy-mm-dd), RECEIPT_NAME.
class TfrmEZH050 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH050(QWidget *parent = nullptr);
    void setSeason(const QString &season) { m_season = season; }

protected:
    void setParams() override;

private:
    QLineEdit *m_edtReceiptName;
    QString m_season;
};
