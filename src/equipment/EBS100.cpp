#include "EBS100.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "EBP100.h"
#include "FormHelpers.h"
#include <QPushButton>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>

TfrmEBS100::TfrmEBS100(QWidget *parent) : TfrmEBS000(parent)
{
    setObjectName(QStringLiteral("frmEBS100"));
    setWindowTitle(QStringLiteral("장비보관 현황 조회,출력"));
    addSeason(0);
    addArea(0, QStringLiteral("지역구분"));
    m_edtKeepName = new QLineEdit;
    m_edtKeepName->setObjectName(QStringLiteral("edtKeepName"));
    m_edtKeepName->setMaxLength(30);
    addLabeled(0, QStringLiteral("lblKeepName"), QStringLiteral("보관자명"), {m_edtKeepName});
    m_cboKeepStat = addCodeFilter(1, QStringLiteral("cboKeepStat"), QStringLiteral("보관상태"), QStringLiteral("E0015"));
    m_cboKeepGubun = addCodeFilter(1, QStringLiteral("cboKeepGubun"), QStringLiteral("보관구분"), QStringLiteral("E0016"));
    m_cboEquipGubun = addCodeFilter(1, QStringLiteral("cboEquipGubun"), QStringLiteral("장비구분"), QStringLiteral("E0009"));
    m_cboEquipNameGubun =
        addCodeFilter(1, QStringLiteral("cboEquipNameGubun"), QStringLiteral("장비명구분"), QStringLiteral("E0021"));

    // The grid shows the list; the panel the rest of the current item.
    m_rgrGrid->setFooterVisible(false); // a list without totals
    m_rgrGrid->setColumns({
        column(QStringLiteral("KEEP_NO"), QStringLiteral("보관번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("KEEP_STAT_NAME"), QStringLiteral("보관상태"), 70),
        column(QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("보관구분"), 80),
        column(QStringLiteral("EQUIP_GUBUN_NAME"), QStringLiteral("장비구분"), 80),
        column(QStringLiteral("EQUIP_NAME_GUBUN_NAME"), QStringLiteral("장비명구분"), 80),
        column(QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 90, Qt::AlignCenter),
        column(QStringLiteral("KEEP_NAME"), QStringLiteral("보관자명"), 80),
        column(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 80),
        column(QStringLiteral("GUEST_NO"), QStringLiteral("우대번호")),
        column(QStringLiteral("GUEST_NAME"), QStringLiteral("우대명")),
        column(QStringLiteral("EQUIP_NAME_ETC"), QStringLiteral("장비명기타")),
        column(QStringLiteral("NATIVE_NO"), QStringLiteral("고유번호")),
        column(QStringLiteral("POELS_YN"), QStringLiteral("폴유무")),
        column(QStringLiteral("POELS_NAME"), QStringLiteral("폴명")),
        column(QStringLiteral("IPGO_DATE"), QStringLiteral("입고일")),
        column(QStringLiteral("CHULGO_DATE"), QStringLiteral("출고일")),
        column(QStringLiteral("ZIP_CODE"), QStringLiteral("우편번호")),
        column(QStringLiteral("ADDR1"), QStringLiteral("주소1")),
        column(QStringLiteral("ADDR2"), QStringLiteral("주소2")),
        column(QStringLiteral("MOBILE_NO"), QStringLiteral("연락처(핸드폰)")),
        column(QStringLiteral("TEL_NO"), QStringLiteral("연락처(자택)")),
        column(QStringLiteral("REMARK"), QStringLiteral("비고")),
        column(QStringLiteral("CONF_QUESTION"), QStringLiteral("보관증 분실시 확인질문")),
        column(QStringLiteral("CONF_ANSWER"), QStringLiteral("보관증 분실시 확인답변")),
    });

    auto *form = new QFormLayout(m_panInfo);
    const std::pair<const char *, QStringList> details[] = {
        {"우대번호", {QStringLiteral("GUEST_NO")}},
        {"우대명", {QStringLiteral("GUEST_NAME")}},
        {"장비명기타", {QStringLiteral("EQUIP_NAME_ETC")}},
        {"고유번호", {QStringLiteral("NATIVE_NO")}},
        {"폴유무", {QStringLiteral("POELS_YN")}},
        {"폴명", {QStringLiteral("POELS_NAME")}},
        {"입고일", {QStringLiteral("IPGO_DATE")}},
        {"출고일", {QStringLiteral("CHULGO_DATE")}},
        {"주소", {QStringLiteral("ZIP_CODE"), QStringLiteral("ADDR1"), QStringLiteral("ADDR2")}},
        {"연락처(핸드폰)", {QStringLiteral("MOBILE_NO")}},
        {"연락처(자택)", {QStringLiteral("TEL_NO")}},
        {"비고", {QStringLiteral("REMARK")}},
        {"보관증 분실시 확인질문", {QStringLiteral("CONF_QUESTION")}},
        {"보관증 분실시 확인답변", {QStringLiteral("CONF_ANSWER")}},
    };
    for (const auto &[caption, fields] : details) {
        auto *value = new QLabel(m_panInfo);
        value->setObjectName(QStringLiteral("lblInfo_") + fields.first());
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(QString::fromUtf8(caption), value);
        m_details.append({value, fields});
    }
    m_panInfo->setMinimumWidth(300);
    m_panInfo->show();
    connect(m_rgrGrid, &DataGrid::rowChange, this, &TfrmEBS100::showDetails);
}

void TfrmEBS100::showDetails()
{
    const int row = m_rgrGrid->currentRow();
    for (const auto &[label, fields] : std::as_const(m_details)) {
        QStringList parts;
        if (row >= 0)
            for (const QString &f : fields)
                if (!m_rgrGrid->cell(row, f).isEmpty())
                    parts << m_rgrGrid->cell(row, f);
        label->setText(parts.join(QLatin1Char(' ')));
    }
}

bool TfrmEBS100::bbtSearchClick()
{
    if (!ButtonUsable(m_bbtSearch, this))
        return false;
    if (!checkSeason())
        return false;
    EquipmentReports::StorageFilter filter;
    QVariantHash values{{QStringLiteral("SEASON_GUBUN"), season()}, {QStringLiteral("AREA_GUBUN"), m_cboArea->value()}};
    const std::tuple<CodeCombo *, bool EquipmentReports::StorageFilter::*, const char *> filters[] = {
        {m_cboKeepStat, &EquipmentReports::StorageFilter::state, "KEEP_STAT"},
        {m_cboKeepGubun, &EquipmentReports::StorageFilter::storageKind, "KEEP_GUBUN"},
        {m_cboEquipGubun, &EquipmentReports::StorageFilter::equipKind, "EQUIP_GUBUN"},
        {m_cboEquipNameGubun, &EquipmentReports::StorageFilter::equipName, "EQUIP_NAME_GUBUN"},
    };
    for (const auto &[combo, flag, param] : filters) {
        const QString value = filterValue(combo);
        filter.*flag = !value.isEmpty();
        if (filter.*flag)
            values.insert(QString::fromLatin1(param), value);
    }
    const QString name = m_edtKeepName->text().trimmed();
    filter.ownerName = !name.isEmpty();
    if (filter.ownerName)
        values.insert(QStringLiteral("KEEP_NAME"), QLatin1Char('%') + name + QLatin1Char('%'));
    setStatement(EquipmentReports::storedItems(filter), values);
    const bool searched = TfrmEBS000::bbtSearchClick();
    showDetails();
    return searched;
}

std::unique_ptr<TfrmZZP010> TfrmEBS100::CreateReport()
{
    if (!canPrint())
        return nullptr;
    auto report = std::make_unique<TfrmEBP100>();
    const QString name = m_edtKeepName->text().trimmed();
    report->setCondition1(ConditionLine({ConditionText(QStringLiteral("*시즌"), seasonName()), comboCondition(m_cboArea)}));
    report->setCondition2(ConditionLine({comboCondition(m_cboKeepStat), comboCondition(m_cboKeepGubun)}));
    report->setCondition(ConditionLine({comboCondition(m_cboEquipGubun), comboCondition(m_cboEquipNameGubun),
                                        ConditionText(QStringLiteral("보관자명"), name.isEmpty() ? QStringLiteral("[전체]") : name)}));
    return report;
}
