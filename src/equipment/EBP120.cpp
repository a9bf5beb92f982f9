#include "EBP120.h"
#include "EBP000.h"

TfrmEBP120::TfrmEBP120(QWidget *parent) : TfrmEZP000(parent)
{
    setObjectName(QStringLiteral("frmEBP120"));
    setTitle(QStringLiteral("보관 종류별 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 150},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 150},
        {QStringLiteral("KEEP_COUNT"), QStringLiteral("보관현황"), 100, Qt::AlignRight},
    });
    EquipmentPrint::addSumSummary(*this);
}
