#pragma once
#include "EZH000.h"

// Zip codes (우편번호) by a part of the address. The grid shows the code as
// 999-999; the result ZIP_CODE is the six digits, ADDRESS the address.
class TfrmEZH010 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH010(QWidget *parent = nullptr);

protected:
    void setParams() override;
    bool takeResults() override;

private:
    QLineEdit *m_edtAddress;
};
