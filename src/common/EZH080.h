#pragma once
#include "EZH000.h"

// Instructors (강사): regular employees of the instructor department in service
// and contract staff under contract, by a part of the name. Results: EMP_NO,
// EMP_K_NAME, EMP_WORK_GRP_CODE, EMP_WORK_GRP_NAME, EMP_WORK_GRP_DUTY_CODE,
// EMP_WORK_GRP_DUTY_NAME.
class TfrmEZH080 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH080(QWidget *parent = nullptr);

protected:
    void setParams() override;

private:
    QLineEdit *m_edtLecturerName;
};
