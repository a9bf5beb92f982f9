#pragma once
#include "EZH000.h"

// Badge-test entries (접수번호) of one season by the entrant's name. Results:
// RECV_NO (six digits), ENTRY_NAME_KOR, APPLY_DATE (yyyymmdd), ID_NO (13 digits),
// APPLY_CLASS (the class name).
class TfrmEZH070 : public TfrmEZH000
{
    Q_OBJECT
public:
    explicit TfrmEZH070(QWidget *parent = nullptr);
    void setSeason(const QString &season) { m_season = season; }

protected:
    void setParams() override;
    bool takeResults() override;

private:
    QLineEdit *m_edtAddress; // the entrant's name
    QString m_season;
};
