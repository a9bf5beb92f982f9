#include "EBS090.h"
#include "EBP090.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include <QPushButton>
#include "ZZC000.h"

TfrmEBS090::TfrmEBS090(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS090"));
    setWindowTitle(QStringLiteral("기간별 장비대여 현황 조회,출력"));
    addPeriod(0, QStringLiteral("*대여일자"));
    addArea(0);
    setSummaryColumns({column(QStringLiteral("RENT_DATE"), QStringLiteral("대여일자"), 120, Qt::AlignCenter),
                       column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 120),
                       column(QStringLiteral("RENT_COUNT"), QStringLiteral("대여현황"), 90, Qt::AlignRight)},
                      QStringLiteral("총  계"));
}

bool TfrmEBS090::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    if (!checkPeriod())
        return false;
    const QVariantHash values{{QStringLiteral("RENT_DATE_FROM"), periodFrom()},
                              {QStringLiteral("RENT_DATE_TO"), periodTo()},
                              {QStringLiteral("AREA_GUBUN"), m_cboArea->value()}};
    return searchWithTotal(EquipmentReports::periodRentals(), values, EquipmentReports::periodRentalsTotal());
}

std::unique_ptr<TfrmZZP010> TfrmEBS090::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP090>();
    report->setCondition2(periodCondition());
    report->setCondition(comboCondition(m_cboArea));
    if (!putTotal(*report, EquipmentReports::periodRentalsTotal()))
        return nullptr;
    return report;
}
