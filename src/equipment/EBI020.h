#pragma once
#include "EBI000.h"

class CodeCombo;
class MaskEdit;
class QLabel;
class QLineEdit;

// Equipment registration (EBI020): the rental pieces of one area and one kind,
// one row per piece with its size, whether it may be rented, its purchase date
// and, read-only, the multi-day rental it is out on. A new piece gets its number
// from the server.
class TfrmEBI020 : public TfrmEBI000
{
    Q_OBJECT
public:
    explicit TfrmEBI020(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool SaveData() override;
    bool CheckRow() override;

private:
    CodeCombo *m_cboAreaGubun = nullptr;
    CodeCombo *m_cboEquipGubun = nullptr;
    QLabel *m_wlbEquipNo = nullptr;
    CodeCombo *m_cboEquipSizeGubun = nullptr;
    CodeCombo *m_cboEquipRentYn = nullptr;
    MaskEdit *m_wmeBuyDate = nullptr;
    QLineEdit *m_edtRemark = nullptr;
};
