#include "EBS080.h"
#include "EBP080.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include <QPushButton>
#include "ZZC000.h"

TfrmEBS080::TfrmEBS080(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS080"));
    setWindowTitle(QStringLiteral("시간대별 장비대여현황 조회,출력"));
    addDatePicker(0, QStringLiteral("*대여일자"));
    addArea(0);
    setSummaryColumns({column(QStringLiteral("RENT_TIME"), QStringLiteral("시간대"), 140, Qt::AlignCenter),
                       column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 120),
                       column(QStringLiteral("RENT_COUNT"), QStringLiteral("대여현황"), 90, Qt::AlignRight)},
                      QStringLiteral("총    계"));
}

bool TfrmEBS080::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    const QVariantHash values{{QStringLiteral("RENT_DATE"), SearchDate()}, {QStringLiteral("AREA_GUBUN"), m_cboArea->value()}};
    return searchWithTotal(EquipmentReports::hourlyRentals(), values, EquipmentReports::hourlyRentalsTotal());
}

std::unique_ptr<TfrmZZP010> TfrmEBS080::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP080>();
    report->setCondition2(ConditionText(QStringLiteral("*대여일자"), ToDashedDate(SearchDate())));
    report->setCondition(comboCondition(m_cboArea));
    if (!putTotal(*report, EquipmentReports::hourlyRentalsTotal()))
        return nullptr;
    return report;
}
