#pragma once
#include "EZH000.h"

// Staff registered as members (사원), by a part of the name. Results: EMP_NO,
// EMP_NAME.
class TfrmEZH090 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH090(QWidget *parent = nullptr);

protected:
    void setParams() override;

private:
    QLineEdit *m_edtEmpName;
};
