#pragma once
#include "EBI000.h"

class CodeCombo;
class NumEdit;

// Boots base stock (EBI030): the number of rental boots per boots size in one
// area. The size is the row's key: editable on new rows only, never twice.
class TfrmEBI030 : public TfrmEBI000
{
    Q_OBJECT
public:
    explicit TfrmEBI030(QWidget *parent = nullptr);

    bool bbtSearchClick() override;
    bool SaveData() override;
    bool CheckRow() override;

private:
    CodeCombo *m_cboArea = nullptr;
    CodeCombo *m_cboBootsSize = nullptr;
    NumEdit *m_wneStockQty = nullptr;
};
