#include "EBS070.h"
#include "EBP070.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include <QPushButton>
#include "ZZC000.h"

TfrmEBS070::TfrmEBS070(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS070"));
    setWindowTitle(QStringLiteral("연일장비대여 현황 조회,출력"));
    addArea(0);
    m_rgrGrid->setFooterVisible(false); // a list without totals
    m_rgrGrid->setColumns({
        column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 80),
        column(QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 70, Qt::AlignCenter),
        column(QStringLiteral("EQUIP_SIZE_GUBUN_NAME"), QStringLiteral("장비사이즈"), 75),
        column(QStringLiteral("RENT_NO"), QStringLiteral("대여번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 80),
        column(QStringLiteral("TEL_NO"), QStringLiteral("연락처"), 110),
        column(QStringLiteral("TICKET_KIND_NAME"), QStringLiteral("권종"), 80),
        column(QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral(" 연일대여 시작일자"), 120, Qt::AlignCenter),
        column(QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral(" 연일대여 끝일자"), 120, Qt::AlignCenter),
        column(QStringLiteral("DEAL_NAME"), QStringLiteral("취급자"), 80),
        column(QStringLiteral("KEEP_KIND_GUBUN_NAME"), QStringLiteral("보관내용구분"), 90),
        column(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 80),
    });
}

bool TfrmEBS070::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    setStatement(EquipmentReports::multiDayRentals(), {{QStringLiteral("AREA_GUBUN"), m_cboArea->value()}});
    return TfrmEBS000::bbtSearchClick();
}

std::unique_ptr<TfrmZZP010> TfrmEBS070::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP070>();
    report->setCondition(comboCondition(m_cboArea));
    return report;
}
