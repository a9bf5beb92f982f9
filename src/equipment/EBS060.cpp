#include "EBS060.h"
#include "EBP060.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include <QPushButton>
#include "ZZC000.h"

TfrmEBS060::TfrmEBS060(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS060"));
    setWindowTitle(QStringLiteral("일일 장비대여 현황 조회,출력"));
    addDatePicker(0, QStringLiteral("*대여일자"));
    addArea(0);
    m_cboRentStat = addCodeFilter(0, QStringLiteral("cboRentStat"), QStringLiteral("*상태구분"), QStringLiteral("E0012"));
    m_cboTicketKind = addCodeFilter(0, QStringLiteral("cboTicketKind"), QStringLiteral("*권종구분"), QStringLiteral("I0005"));
    m_rgrGrid->setFooterVisible(false); // a list without totals
    m_rgrGrid->setColumns({
        column(QStringLiteral("RENT_NO"), QStringLiteral("대여번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("RENT_SEQ"), QStringLiteral("순번"), 40),
        column(QStringLiteral("RENT_STAT_NAME"), QStringLiteral("대여상태"), 70),
        column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 80),
        column(QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 70, Qt::AlignCenter),
        column(QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 80),
        column(QStringLiteral("TEL_NO"), QStringLiteral("연락처"), 110),
        column(QStringLiteral("HEIGHT"), QStringLiteral("신장"), 45),
        column(QStringLiteral("WEIGHT"), QStringLiteral("체중"), 45),
        column(QStringLiteral("SHOES_SIZE_NAME"), QStringLiteral("신발규격"), 70),
        column(QStringLiteral("BINDING"), QStringLiteral("바인딩강도"), 75),
        column(QStringLiteral("TICKET_KIND_NAME"), QStringLiteral("권종"), 80),
        column(QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral(" 연일대여 시작일자"), 120, Qt::AlignCenter),
        column(QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral(" 연일대여 끝일자"), 120, Qt::AlignCenter),
    });
}

bool TfrmEBS060::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    // "[전체]" adds no condition.
    const QString state = filterValue(m_cboRentStat);
    const QString kind = filterValue(m_cboTicketKind);
    QVariantHash values{{QStringLiteral("RENT_DATE"), SearchDate()}, {QStringLiteral("AREA_GUBUN"), m_cboArea->value()}};
    if (!state.isEmpty())
        values.insert(QStringLiteral("RENT_STAT"), state);
    if (!kind.isEmpty())
        values.insert(QStringLiteral("TICKET_KIND"), kind);
    setStatement(EquipmentReports::dailyRentals(!state.isEmpty(), !kind.isEmpty()), values);
    return TfrmEBS000::bbtSearchClick();
}

std::unique_ptr<TfrmZZP010> TfrmEBS060::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP060>();
    report->setCondition2(ConditionText(QStringLiteral("*대여일자"), ToDashedDate(SearchDate())));
    report->setCondition(ConditionLine({comboCondition(m_cboArea), comboCondition(m_cboRentStat), comboCondition(m_cboTicketKind)}));
    return report;
}
