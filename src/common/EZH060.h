#pragma once
#include "EZH000.h"

// Partner groups (제휴단체) that are not cancelled, by a part of the name.
// Results: MEMBER_NO, MEMBER_NAME.
class TfrmEZH060 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH060(QWidget *parent = nullptr);

protected:
    void setParams() override;

private:
    QLineEdit *m_edtMemberName;
};
