#pragma once
#include "ZZH000.h"

class QLineEdit;

// "취소사유 입력": one line of at most 40 bytes for the reason of a cancellation;
// OK keeps it as reason().
class TfrmEZH100 : public TfrmZZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH100(QWidget *parent = nullptr);
    bool bbtOKClick() override;
    QString reason() const { return m_reason; }

private:
    QLineEdit *m_edtCancelRemark;
    QString m_reason;
};
