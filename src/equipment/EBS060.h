#pragma once
#include "EBS000.h"

// The daily rental inquiry: the rental rows of a date and an area, optionally of
// one state and one ticket kind.
class TfrmEBS060 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS060(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;

private:
    CodeCombo *m_cboRentStat = nullptr;
    CodeCombo *m_cboTicketKind = nullptr;
};
