#include "EBP090.h"
#include "EBP000.h"

TfrmEBP090::TfrmEBP090(QWidget *parent) : TfrmEZP000(parent)
{
    setObjectName(QStringLiteral("frmEBP090"));
    setTitle(QStringLiteral("기간별 장비대여 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("RENT_DATE"), QStringLiteral("대여일자"), 150},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 150},
        {QStringLiteral("RENT_COUNT"), QStringLiteral("대여현황"), 100, Qt::AlignRight},
    });
    EquipmentPrint::addSumSummary(*this);
}
