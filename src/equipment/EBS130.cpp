#include "EBS130.h"
#include "DataGridModel.h"
#include "EBP130.h"

TfrmEBS130::TfrmEBS130(QWidget *parent) : TfrmEBS120(parent)
{
    setObjectName(QStringLiteral("frmEBS130"));
    setWindowTitle(QStringLiteral("지역별 보관 현황 조회,출력"));
    DataGridColumn region = column(QStringLiteral("ADDRESS"), QStringLiteral("지역"), 200);
    region.suppressRepeats = true;
    setSummaryColumns({region, column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 120),
                       column(QStringLiteral("KEEP_COUNT"), QStringLiteral("보관현황"), 90, Qt::AlignRight)},
                      QStringLiteral("총  계"));
}

QString TfrmEBS130::statement() const
{
    return EquipmentReports::byRegion();
}

QString TfrmEBS130::totalStatement() const
{
    return EquipmentReports::byRegionTotal();
}

std::unique_ptr<TfrmEZP000> TfrmEBS130::newTemplate() const
{
    return std::make_unique<TfrmEBP130>();
}
