#include "EBP100.h"
#include "EBP000.h"

TfrmEBP100::TfrmEBP100(QWidget *parent) : TfrmEZP010(parent)
{
    setObjectName(QStringLiteral("frmEBP100"));
    setTitle(QStringLiteral("장비보관 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("KEEP_NO"), QStringLiteral("보관번호"), 90},
        {QStringLiteral("KEEP_STAT_NAME"), QStringLiteral("보관상태"), 60},
        {QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 80},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 80},
        {QStringLiteral("EQUIP_NAME_GUBUN_NAME"), QStringLiteral("장비명"), 80},
        {QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 90},
        {QStringLiteral("KEEP_NAME"), QStringLiteral("보관자명"), 80},
        {QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 80},
    });
    EquipmentPrint::addCountSummary(*this);
}
