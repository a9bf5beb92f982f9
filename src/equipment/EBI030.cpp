#include "EBI030.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "SqlQuery.h"
#include "EZC000.h"
#include "NumEdit.h"
#include <QFormLayout>
#include <QLabel>

TfrmEBI030::TfrmEBI030(QWidget *parent) : TfrmEBI000(parent)
{
    setObjectName(QStringLiteral("frmEBI030"));
    setWindowTitle(QStringLiteral("부츠 기준재고 등록"));

    auto *areaLabel = new QLabel(QStringLiteral("*지역구분"));
    areaLabel->setObjectName(QStringLiteral("lblArea"));
    m_cboArea = new CodeCombo;
    m_cboArea->setObjectName(QStringLiteral("cboArea"));
    addSearchField(areaLabel);
    addSearchField(m_cboArea);

    qryQuery().setSql(QStringLiteral("SELECT BOOTS_SIZE_GUBUN, STOCK_QTY FROM EB030MS WHERE AREA_GUBUN = :AREA_GUBUN"));
    setSaveProcName(QStringLiteral("PR_EBI030_01"));

    m_cboBootsSize = new CodeCombo(m_panBody);
    m_cboBootsSize->setObjectName(QStringLiteral("cboBootsSize"));
    m_wneStockQty = new NumEdit(m_panBody);
    m_wneStockQty->setObjectName(QStringLiteral("wneStockQty"));
    m_wneStockQty->setMaxDigits(4);
    try {
        FillCodeCombo(m_cboArea, QStringLiteral("E0017"));
        FillCodeCombo(m_cboBootsSize, QStringLiteral("E0011"));
    } catch (const DbError &e) {
        ShowError(e.message());
    }
    if (m_cboArea->count() > 0)
        m_cboArea->setCurrentIndex(0);

    DataGridColumn size = column(QStringLiteral("BOOTS_SIZE_GUBUN"), QStringLiteral("사이즈"), 16, 100);
    size.required = true;
    size.pickItems = m_cboBootsSize->items();
    size.pickValues = m_cboBootsSize->values();
    DataGridColumn qty = column(QStringLiteral("STOCK_QTY"), QStringLiteral("기준재고수량"), 4, 100);
    qty.kind = DataGridColumn::Kind::Number;
    SetGridColumns({size, qty});

    auto *form = new QFormLayout(m_panBody);
    auto *sizeLabel = new QLabel(QStringLiteral("*사이즈"), m_panBody);
    sizeLabel->setObjectName(QStringLiteral("lblBootsSize"));
    auto *qtyLabel = new QLabel(QStringLiteral("*기준재고수량"), m_panBody);
    qtyLabel->setObjectName(QStringLiteral("lblStockQty"));
    form->addRow(sizeLabel, m_cboBootsSize);
    form->addRow(qtyLabel, m_wneStockQty);
    BindControl(m_cboBootsSize, QStringLiteral("사이즈"));
    BindControl(m_wneStockQty, QStringLiteral("기준재고수량"));
}

bool TfrmEBI030::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    qryQuery().setParam(QStringLiteral("AREA_GUBUN"), m_cboArea->value());
    return TfrmEBI000::bbtSearchClick();
}

bool TfrmEBI030::SaveData()
{
    prcSaveData().setParam(QStringLiteral("AAREA_GUBUN"), m_cboArea->value());
    return TfrmEBI000::SaveData();
}

bool TfrmEBI030::CheckRow()
{
    if (m_cboBootsSize->currentIndex() < 0)
        return missing(QStringLiteral("*사이즈"), m_cboBootsSize);
    if (HasDuplicateKey())
        return fail(QStringLiteral("기존 등록된 자료와 중복됩니다. 다시 입력하십시오."), m_cboBootsSize);
    return true;
}
