#include "EBP080.h"
#include "EBP000.h"

TfrmEBP080::TfrmEBP080(QWidget *parent) : TfrmEZP000(parent)
{
    setObjectName(QStringLiteral("frmEBP080"));
    setTitle(QStringLiteral("시간대별 장비대여 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("RENT_TIME"), QStringLiteral("시 간 대"), 150},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 150},
        {QStringLiteral("RENT_COUNT"), QStringLiteral("대여현황"), 100, Qt::AlignRight},
    });
    EquipmentPrint::addSumSummary(*this);
}
