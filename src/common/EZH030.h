#pragma once
#include "EZH000.h"

// Members (회원) by a part of the name, with the current member's details below
// the grid. A cancelled member cannot be chosen. Results: MEMBER_NO, MEMBER_NAME.
class TfrmEZH030 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH030(QWidget *parent = nullptr);

protected:
    void setParams() override;
    bool takeResults() override;

private:
    void showDetails();
    QLineEdit *m_edtMemberName;
    // Read-only detail fields, each fed by one or more fields of the current row.
    QList<QPair<QLineEdit *, QStringList>> m_details;
};
