#include "EBP060.h"
#include "EBP000.h"

TfrmEBP060::TfrmEBP060(QWidget *parent) : TfrmEZP010(parent)
{
    setObjectName(QStringLiteral("frmEBP060"));
    setTitle(QStringLiteral("일일 장비대여 현황"));
    EquipmentPrint::layoutColumns(*this, {
        {QStringLiteral("RENT_NO"), QStringLiteral("대여번호"), 90},
        {QStringLiteral("RENT_SEQ"), QStringLiteral("순번"), 40, Qt::AlignRight},
        {QStringLiteral("RENT_STAT_NAME"), QStringLiteral("대여상태"), 70},
        {QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 70},
        {QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 60},
        {QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 70},
        {QStringLiteral("TEL_NO"), QStringLiteral("연락처"), 100},
        {QStringLiteral("HEIGHT"), QStringLiteral("신장"), 40, Qt::AlignRight},
        {QStringLiteral("WEIGHT"), QStringLiteral("체중"), 40, Qt::AlignRight},
        {QStringLiteral("SHOES_SIZE_NAME"), QStringLiteral("신발규격"), 60},
        {QStringLiteral("BINDING"), QStringLiteral("방인딩"), 50, Qt::AlignRight, QStringLiteral("강   도")},
        {QStringLiteral("TICKET_KIND_NAME"), QStringLiteral("권    종"), 70},
        {QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral("연일대여"), 80, Qt::AlignLeft, QStringLiteral("시작일자")},
        {QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral("연일대여"), 80, Qt::AlignLeft, QStringLiteral("끝   일자")},
    });
    EquipmentPrint::addCountSummary(*this);
}
