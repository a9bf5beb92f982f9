#include "EBP110.h"
#include "EBP000.h"

TfrmEBP110::TfrmEBP110(QWidget *parent) : TfrmEZP010(parent)
{
    setObjectName(QStringLiteral("frmEBP110"));
    setTitle(QStringLiteral("미출고 장비보관 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("KEEP_NO"), QStringLiteral("보관번호"), 90},
        {QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 90},
        {QStringLiteral("KEEP_NAME"), QStringLiteral("보관자명"), 80},
        {QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 70},
        {QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 70},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 70},
        {QStringLiteral("EQUIP_NAME_GUBUN_NAME"), QStringLiteral("장비명"), 70},
        {QStringLiteral("EQUIP_NAME_ETC"), QStringLiteral("장비명기타"), 100},
        {QStringLiteral("NATIVE_NO"), QStringLiteral("고유번호"), 100},
        {QStringLiteral("POELS_YN"), QStringLiteral("폴 유무"), 60, Qt::AlignLeft, QString(), 1},
        {QStringLiteral("POELS_NAME"), QStringLiteral("폴명"), 120, Qt::AlignLeft, QString(), 1},
        {QStringLiteral("IPGO_DATE"), QStringLiteral("입고일"), 90, Qt::AlignLeft, QString(), 1},
        {QStringLiteral("CHULGO_DATE"), QStringLiteral("출고일"), 90, Qt::AlignLeft, QString(), 1},
        {QStringLiteral("MOBILE_NO"), QStringLiteral("연락처(핸드폰)"), 120, Qt::AlignLeft, QString(), 1},
        {QString(), QString(), 380, Qt::AlignLeft, QString(), 1},
    });
    EquipmentPrint::addCountSummary(*this);
}
