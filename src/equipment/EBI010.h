#pragma once
#include "EZI000.h"

class CodeCombo;
class QLabel;

// Course and lift run information (EBI010): for one operating day, whether each
// ski course and each lift runs. The day's rows are created by the server the
// first time the day is searched; only the run state is edited here.
class TfrmEBI010 : public TfrmEZI000
{
    Q_OBJECT
public:
    explicit TfrmEBI010(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool SaveData() override;

private:
    // PR_EBI010_01 in a transaction of its own, behind the progress panel.
    bool createDay();

    QLabel *m_wlbFacGubunName = nullptr;
    QLabel *m_wlbFacDetailName = nullptr;
    CodeCombo *m_cboRunGubun = nullptr;
    QLabel *m_panProgress = nullptr;
};
