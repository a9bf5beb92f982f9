#include "EBP070.h"
#include "EBP000.h"

TfrmEBP070::TfrmEBP070(QWidget *parent) : TfrmEZP010(parent)
{
    setObjectName(QStringLiteral("frmEBP070"));
    setTitle(QStringLiteral("연일장비 대여 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 70},
        {QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 60},
        {QStringLiteral("EQUIP_SIZE_GUBUN_NAME"), QStringLiteral("장비사이즈"), 60},
        {QStringLiteral("RENT_NO"), QStringLiteral("대여번호"), 90},
        {QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 70},
        {QStringLiteral("TEL_NO"), QStringLiteral("연락처"), 100},
        {QStringLiteral("TICKET_KIND_NAME"), QStringLiteral("권종"), 70},
        {QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral("연일대여"), 80, Qt::AlignLeft, QStringLiteral("시작일자")},
        {QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral("연일대여"), 80, Qt::AlignLeft, QStringLiteral("끝   일자")},
        {QStringLiteral("DEAL_NAME"), QStringLiteral("취급자"), 70},
        {QStringLiteral("KEEP_KIND_GUBUN_NAME"), QStringLiteral("보관내용구분"), 80},
        {QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 70},
    });
    EquipmentPrint::addCountSummary(*this);
}
