#pragma once
#include "EBS000.h"

class QLabel;

// The stored-items inquiry: items of a season and an area, filtered by state,
// storage kind, equipment kind and name and by a fragment of the owner's name;
// the current item's other details in the panel beside the grid.
class TfrmEBS100 : public TfrmEBS000
{
    Q_OBJECT
public:
    explicit TfrmEBS100(QWidget *parent = nullptr);
    bool bbtSearchClick() override;

protected:
    std::unique_ptr<TfrmZZP010> CreateReport() override;

private:
    void showDetails();

    CodeCombo *m_cboKeepStat = nullptr;
    CodeCombo *m_cboKeepGubun = nullptr;
    CodeCombo *m_cboEquipGubun = nullptr;
    CodeCombo *m_cboEquipNameGubun = nullptr;
    QLineEdit *m_edtKeepName = nullptr;
    // Caption and value label per detail, with the fields the value shows.
    QList<QPair<QLabel *, QStringList>> m_details;
};
