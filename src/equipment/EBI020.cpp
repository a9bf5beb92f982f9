#include "EBI020.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "SqlQuery.h"
#include "EZC000.h"
#include "MaskEdit.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

TfrmEBI020::TfrmEBI020(QWidget *parent) : TfrmEBI000(parent)
{
    setObjectName(QStringLiteral("frmEBI020"));
    setWindowTitle(QStringLiteral("장비등록"));

    auto *areaLabel = new QLabel(QStringLiteral("*지역구분"));
    areaLabel->setObjectName(QStringLiteral("lblAreaGubun"));
    m_cboAreaGubun = new CodeCombo;
    m_cboAreaGubun->setObjectName(QStringLiteral("cboAreaGubun"));
    auto *kindLabel = new QLabel(QStringLiteral("*장비구분"));
    kindLabel->setObjectName(QStringLiteral("lblEquipGubun"));
    m_cboEquipGubun = new CodeCombo;
    m_cboEquipGubun->setObjectName(QStringLiteral("cboEquipGubun"));
    for (QWidget *w : std::initializer_list<QWidget *>{areaLabel, m_cboAreaGubun, kindLabel, m_cboEquipGubun})
        addSearchField(w);

    qryQuery().setSql(QStringLiteral(
        "SELECT T1.EQUIP_NO, T1.EQUIP_SIZE_GUBUN, T1.EQUIP_RENT_YN, T1.BUY_DATE, T1.REMARK, T1.SVRL_RENT_YN, "
        "DECODE(T2.SVRL_RENT_FROM_DATE, NULL, '', SUBSTR(T2.SVRL_RENT_FROM_DATE,1,4) || '-' || SUBSTR(T2.SVRL_RENT_FROM_DATE,5,2) "
        "|| '-' || SUBSTR(T2.SVRL_RENT_FROM_DATE,7,2)) AS SVRL_RENT_FROM_DATE, DECODE(T2.SVRL_RENT_TO_DATE, NULL, '', "
        "SUBSTR(T2.SVRL_RENT_TO_DATE,1,4) || '-' || SUBSTR(T2.SVRL_RENT_TO_DATE,5,2) || '-' || SUBSTR(T2.SVRL_RENT_TO_DATE,7,2)) "
        "AS SVRL_RENT_TO_DATE FROM EB020MS T1 LEFT JOIN EB040DT T2 ON T1.AREA_GUBUN = T2.AREA_GUBUN AND "
        "T1.EQUIP_GUBUN = T2.EQUIP_GUBUN AND T1.EQUIP_NO = T2.EQUIP_NO AND T1.SVRL_FROM_DATE = T2.RENT_DATE "
        "WHERE T1.AREA_GUBUN = :AREA_GUBUN AND T1.EQUIP_GUBUN = :EQUIP_GUBUN ORDER BY T1.EQUIP_SIZE_GUBUN, T1.EQUIP_NO"));
    setSaveProcName(QStringLiteral("PR_EBI020_01"));

    m_wlbEquipNo = new QLabel(m_panBody);
    m_wlbEquipNo->setObjectName(QStringLiteral("wlbEquipNo"));
    m_wlbEquipNo->setStyleSheet(QStringLiteral("background-color: yellow"));
    m_wlbEquipNo->setFrameShape(QFrame::StyledPanel);
    m_cboEquipSizeGubun = new CodeCombo(m_panBody);
    m_cboEquipSizeGubun->setObjectName(QStringLiteral("cboEquipSizeGubun"));
    m_cboEquipRentYn = new CodeCombo(m_panBody);
    m_cboEquipRentYn->setObjectName(QStringLiteral("cboEquipRentYn"));
    m_cboEquipRentYn->setItemsAndValues({QStringLiteral("가능"), QStringLiteral("불가능")}, {QStringLiteral("Y"), QStringLiteral("N")});
    m_wmeBuyDate = new MaskEdit(m_panBody);
    m_wmeBuyDate->setObjectName(QStringLiteral("wmeBuyDate"));
    m_wmeBuyDate->setEditMask(QStringLiteral("9999-99-99"));
    m_edtRemark = new QLineEdit(m_panBody);
    m_edtRemark->setObjectName(QStringLiteral("edtRemark"));
    m_edtRemark->setMaxLength(60);
    auto *svrlYn = new QLabel(m_panBody);
    svrlYn->setObjectName(QStringLiteral("wlbSvrlRentYn"));
    auto *svrlFrom = new QLabel(m_panBody);
    svrlFrom->setObjectName(QStringLiteral("wlbSvrlRentFromDate"));
    auto *svrlTo = new QLabel(m_panBody);
    svrlTo->setObjectName(QStringLiteral("wlbSvrlRentToDate"));

    try {
        FillCodeCombo(m_cboAreaGubun, QStringLiteral("E0017"));
        FillCodeCombo(m_cboEquipGubun, QStringLiteral("E0009"));
        FillCodeCombo(m_cboEquipSizeGubun, QStringLiteral("E0010"));
    } catch (const DbError &e) {
        ShowError(e.message());
    }
    for (CodeCombo *c : {m_cboAreaGubun, m_cboEquipGubun})
        if (c->count() > 0)
            c->setCurrentIndex(0);

    DataGridColumn no = column(QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 5, 70);
    no.alignment = Qt::AlignCenter;
    DataGridColumn size = column(QStringLiteral("EQUIP_SIZE_GUBUN"), QStringLiteral("사이즈"), 40, 70);
    size.pickItems = m_cboEquipSizeGubun->items();
    size.pickValues = m_cboEquipSizeGubun->values();
    DataGridColumn rentYn = column(QStringLiteral("EQUIP_RENT_YN"), QStringLiteral("장비대여가능여부"), 1, 110);
    rentYn.pickItems = m_cboEquipRentYn->items();
    rentYn.pickValues = m_cboEquipRentYn->values();
    DataGridColumn buyDate = column(QStringLiteral("BUY_DATE"), QStringLiteral("구입일자"), 8, 90);
    buyDate.kind = DataGridColumn::Kind::Mask;
    buyDate.mask = QStringLiteral("9999-99-99");
    SetGridColumns({no, size, rentYn, buyDate, column(QStringLiteral("REMARK"), QStringLiteral("비고"), 60, 200),
                    column(QStringLiteral("SVRL_RENT_YN"), QStringLiteral("연일대여여부"), 1),
                    column(QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral("연일사용기간FROM"), 10),
                    column(QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral("연일사용기간TO"), 10)});

    auto *grid = new QGridLayout(m_panBody);
    int line = 0;
    const auto addRow = [&](const QString &name, const QString &caption, QWidget *w, QWidget *second = nullptr) {
        auto *label = new QLabel(caption, m_panBody);
        label->setObjectName(name);
        grid->addWidget(label, line, 0);
        grid->addWidget(w, line, 1, 1, second ? 1 : 3);
        if (second) {
            grid->addWidget(new QLabel(QStringLiteral("~"), m_panBody), line, 2);
            grid->addWidget(second, line, 3);
        }
        ++line;
    };
    addRow(QStringLiteral("lblEquipNo"), QStringLiteral("장비번호"), m_wlbEquipNo);
    addRow(QStringLiteral("lblEquipSizeGubun"), QStringLiteral("*사이즈"), m_cboEquipSizeGubun);
    addRow(QStringLiteral("lblEquipRentYn"), QStringLiteral("*장비대여\r\n 가능여부"), m_cboEquipRentYn);
    addRow(QStringLiteral("lblBuyDate"), QStringLiteral("*구입일자"), m_wmeBuyDate);
    addRow(QStringLiteral("lblRemark"), QStringLiteral("비고"), m_edtRemark);
    addRow(QStringLiteral("lblSvrlRentYn"), QStringLiteral("연일 대여여부"), svrlYn);
    addRow(QStringLiteral("lblSvrlRentDate"), QStringLiteral("연일사용기간"), svrlFrom, svrlTo);
    grid->setRowStretch(line, 1);

    BindControl(m_wlbEquipNo, QStringLiteral("장비번호"));
    BindControl(m_cboEquipSizeGubun, QStringLiteral("사이즈"));
    BindControl(m_cboEquipRentYn, QStringLiteral("장비대여가능여부"));
    BindControl(m_wmeBuyDate, QStringLiteral("구입일자"));
    BindControl(m_edtRemark, QStringLiteral("비고"));
    BindControl(svrlYn, QStringLiteral("연일대여여부"));
    BindControl(svrlFrom, QStringLiteral("연일사용기간FROM"));
    BindControl(svrlTo, QStringLiteral("연일사용기간TO"));
}

bool TfrmEBI020::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    qryQuery().setParam(QStringLiteral("AREA_GUBUN"), m_cboAreaGubun->value());
    qryQuery().setParam(QStringLiteral("EQUIP_GUBUN"), m_cboEquipGubun->value());
    return TfrmEBI000::bbtSearchClick();
}

bool TfrmEBI020::SaveData()
{
    prcSaveData().setParam(QStringLiteral("AAREA_GUBUN"), m_cboAreaGubun->value());
    prcSaveData().setParam(QStringLiteral("AEQUIP_GUBUN"), m_cboEquipGubun->value());
    return TfrmEBI000::SaveData();
}

bool TfrmEBI020::CheckRow()
{
    if (m_cboEquipSizeGubun->currentIndex() < 0)
        return missing(QStringLiteral("*사이즈"), m_cboEquipSizeGubun);
    if (m_cboEquipRentYn->currentIndex() < 0)
        return missing(QStringLiteral("*장비대여\r\n 가능여부"), m_cboEquipRentYn);
    bool inGroup = false;
    try {
        inGroup = IsSizeInGroup(m_cboAreaGubun->value(), m_cboEquipGubun->value(), m_cboEquipSizeGubun->value());
    } catch (const DbError &) {
        // A check that cannot be read refuses, as a size outside every group.
    }
    if (!inGroup)
        return fail(QStringLiteral("선택하신 지역,장비에 해당하는 사이즈그룹이 존재하지 않습니다\r\r공통코드를 확인 하십시요!"),
                    m_cboEquipSizeGubun);
    const QString buyDate = m_wmeBuyDate->value().trimmed();
    if (buyDate.isEmpty())
        return missing(QStringLiteral("*구입일자"), m_wmeBuyDate);
    if (!IsValidYmd(buyDate))
        return wrong(QStringLiteral("*구입일자"), m_wmeBuyDate);
    return true;
}
