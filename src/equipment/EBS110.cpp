#include "EBS110.h"
#include "EBP110.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include <QPushButton>
#include "ZZC000.h"

TfrmEBS110::TfrmEBS110(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS110"));
    setWindowTitle(QStringLiteral("미출고 장비보관 현황 조회,출력"));
    addDatePicker(0, QStringLiteral("*기준일자"));
    addArea(0);
    m_rgrGrid->setFooterVisible(false); // a list without totals
    m_rgrGrid->setColumns({
        column(QStringLiteral("KEEP_NO"), QStringLiteral("보관번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("KEEP_NAME"), QStringLiteral("보관자명"), 80),
        column(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 80),
        column(QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 80),
        column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 80),
        column(QStringLiteral("EQUIP_NAME_GUBUN_NAME"), QStringLiteral("장비명"), 80),
        column(QStringLiteral("EQUIP_NAME_ETC"), QStringLiteral("장비명기타"), 100),
        column(QStringLiteral("NATIVE_NO"), QStringLiteral("고유번호"), 100),
        column(QStringLiteral("POELS_YN"), QStringLiteral("폴 유무"), 55, Qt::AlignCenter),
        column(QStringLiteral("POELS_NAME"), QStringLiteral("폴명"), 90),
        column(QStringLiteral("IPGO_DATE"), QStringLiteral("입고일"), 85, Qt::AlignCenter),
        column(QStringLiteral("CHULGO_DATE"), QStringLiteral("출고일"), 85, Qt::AlignCenter),
        column(QStringLiteral("MOBILE_NO"), QStringLiteral("연락처(핸드폰)"), 110),
    });
}

bool TfrmEBS110::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    setStatement(EquipmentReports::overdueItems(), {{QStringLiteral("AREA_GUBUN"), m_cboArea->value()},
                                                     {QStringLiteral("CHULGO_DATE"), SearchDate()},
                                                     {QStringLiteral("KEEP_STAT"), QStringLiteral("K")}});
    return TfrmEBS000::bbtSearchClick();
}

std::unique_ptr<TfrmZZP010> TfrmEBS110::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP110>();
    report->setCondition2(ConditionText(QStringLiteral("*기준일자"), ToDashedDate(SearchDate())));
    report->setCondition(comboCondition(m_cboArea));
    return report;
}
