#include "EBS120.h"
#include "CodeCombo.h"
#include "DataGridModel.h"
#include "ZZC000.h"
#include "EBP120.h"
#include "FormHelpers.h"
#include <QPushButton>

TfrmEBS120::TfrmEBS120(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS120"));
    setWindowTitle(QStringLiteral("보관종류별 현황 조회,출력"));
    addSeason(0);
    addArea(0, QStringLiteral("지역구분"));
    addPeriod(0, QStringLiteral("입고일자"));
    setSummaryColumns({column(QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 130),
                       column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 120),
                       column(QStringLiteral("KEEP_COUNT"), QStringLiteral("보관현황"), 90, Qt::AlignRight)},
                      QStringLiteral("총  계"));
}

QString TfrmEBS120::statement() const
{
    return EquipmentReports::byStorageKind();
}

QString TfrmEBS120::totalStatement() const
{
    return EquipmentReports::byStorageKindTotal();
}

std::unique_ptr<TfrmEZP000> TfrmEBS120::newTemplate() const
{
    return std::make_unique<TfrmEBP120>();
}

bool TfrmEBS120::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    if (!checkSeason() || !checkPeriod())
        return false;
    const QVariantHash values{{QStringLiteral("SEASON_GUBUN"), season()},
                              {QStringLiteral("AREA_GUBUN"), m_cboArea->value()},
                              {QStringLiteral("IPGO_DATE_FROM"), periodFrom()},
                              {QStringLiteral("IPGO_DATE_TO"), periodTo()}};
    return searchWithTotal(statement(), values, totalStatement());
}

std::unique_ptr<TfrmZZP010> TfrmEBS120::CreateReport()
{
    if (!canPrint())
        return nullptr;
    std::unique_ptr<TfrmEZP000> report = newTemplate();
    report->setCondition1(ConditionText(QStringLiteral("*시즌"), seasonName()));
    report->setCondition2(comboCondition(m_cboArea));
    report->setCondition(periodCondition());
    if (!putTotal(*report, totalStatement()))
        return nullptr;
    return report;
}
