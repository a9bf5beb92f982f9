#include "EBS000.h"
#include "EBP000.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "EZC000.h"
#include "MaskEdit.h"
#include "Pickers.h"
#include "SqlQuery.h"
#include "ZZC000.h"
#include <QBoxLayout>
#include <QDateEdit>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QToolButton>

namespace EquipmentReports {

namespace {

// Name of a code column from the common code table, named after the column.
QString codeName(const QString &headParam, const QString &column, const QString &alias = {})
{
    const QString bare = column.section(QLatin1Char('.'), -1);
    return QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :%1 AND DETAIL = %2) AS %3")
        .arg(headParam, column, alias.isEmpty() ? bare + QStringLiteral("_NAME") : alias);
}

// yyyymmdd shown as yyyy-mm-dd; an empty date stays empty.
QString dashed(const QString &column)
{
    const QString bare = column.section(QLatin1Char('.'), -1);
    return QStringLiteral("DECODE(%1, NULL, NULL, SUBSTR(%1,1,4)||'-'||SUBSTR(%1,5,2)||'-'||SUBSTR(%1,7,2)) AS %2")
        .arg(column, bare);
}

// The two rollup levels over (first key, equipment kind), see the header.
// keyShown is the first key as the detail rows show it, written over
// LEVELS.FIRST_KEY; join may add a table to look it up.
QString kindRollup(const QString &keyExpr, const QString &keyShown, const QString &keyAlias, const QString &countName,
                   const QString &count, const QString &fromWhere, const QString &join = {})
{
    return QStringLiteral(
               "SELECT LEVELS.EQUIP_GUBUN_INDEX, DECODE(LEVELS.EQUIP_GUBUN_INDEX, 1, NULL, %2) AS %3, "
               "DECODE(LEVELS.EQUIP_GUBUN_INDEX, 0, LEVELS.EQUIP_GUBUN_NAME, '소계') AS EQUIP_GUBUN_NAME, LEVELS.%4 "
               "FROM ( SELECT 0 AS EQUIP_GUBUN_INDEX, %1 AS FIRST_KEY, EQUIP_GUBUN, "
               "(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_EQUIP_GUBUN_CODE AND DETAIL = EQUIP_GUBUN) AS EQUIP_GUBUN_NAME, "
               "%5 AS %4 %6 GROUP BY %1, EQUIP_GUBUN "
               "UNION ALL "
               "SELECT 1, %1, NULL, NULL, %5 %6 GROUP BY %1 ) LEVELS %7"
               "ORDER BY COALESCE(LEVELS.FIRST_KEY, ''), LEVELS.EQUIP_GUBUN_INDEX, COALESCE(LEVELS.EQUIP_GUBUN, '')")
        .arg(keyExpr, keyShown, keyAlias, countName, count, fromWhere, join.isEmpty() ? QString() : join + QLatin1Char(' '));
}

QString rentalPeriod()
{
    return QStringLiteral("FROM EB040DT WHERE RENT_DATE BETWEEN NVL(:RENT_DATE_FROM,'00000000') AND NVL(:RENT_DATE_TO,'99999999') "
                          "AND AREA_GUBUN = :AREA_GUBUN");
}

QString rentalDay()
{
    return QStringLiteral("FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN");
}

QString storedInPeriod()
{
    return QStringLiteral("FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN "
                          "AND IPGO_DATE BETWEEN NVL(:IPGO_DATE_FROM,'00000000') AND NVL(:IPGO_DATE_TO,'99999999')");
}

QString storedWithZip()
{
    return storedInPeriod() + QStringLiteral(" AND ZIP_CODE IS NOT NULL");
}

QString poles(const QString &column)
{
    return QStringLiteral("DECODE(%1, 'Y', '유', 'N', '무', %1) AS %1").arg(column);
}

} // namespace

const QVariantHash &codeHeads()
{
    static const QVariantHash heads{
        {QStringLiteral("GC_RENT_STAT_CODE"), QStringLiteral("E0012")},
        {QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("E0009")},
        {QStringLiteral("GC_EQUIP_SIZE_GUBUN_CODE"), QStringLiteral("E0010")},
        {QStringLiteral("GC_SHOES_SIZE_CODE"), QStringLiteral("E0011")},
        {QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("I0005")},
        {QStringLiteral("GC_KEEP_KIND_GUBUN_CODE"), QStringLiteral("E0013")},
        {QStringLiteral("GC_KEEP_STAT_CODE"), QStringLiteral("E0015")},
        {QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("E0016")},
        {QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("E0021")},
    };
    return heads;
}

QString dailyRentals(bool byState, bool byTicketKind)
{
    QString sql = QStringLiteral("SELECT TO_CHAR(RENT_NO, 'FM0000000000') AS RENT_NO, RENT_SEQ, ")
        + codeName(QStringLiteral("GC_RENT_STAT_CODE"), QStringLiteral("RENT_STAT")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN"))
        + QStringLiteral(", EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT, ")
        + codeName(QStringLiteral("GC_SHOES_SIZE_CODE"), QStringLiteral("SHOES_SIZE")) + QStringLiteral(", BINDING, ")
        + codeName(QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("TICKET_KIND")) + QStringLiteral(", ")
        + dashed(QStringLiteral("SVRL_RENT_FROM_DATE")) + QStringLiteral(", ") + dashed(QStringLiteral("SVRL_RENT_TO_DATE"))
        + QLatin1Char(' ') + rentalDay() + QLatin1Char(' ');
    if (byState)
        sql += QStringLiteral("AND RENT_STAT = :RENT_STAT ");
    if (byTicketKind)
        sql += QStringLiteral("AND TICKET_KIND = :TICKET_KIND ");
    return sql + QStringLiteral("ORDER BY EB040DT.RENT_NO, EB040DT.RENT_SEQ");
}

QString multiDayRentals()
{
    // Only the multi-day row holds the piece: a day rental of the same piece on
    // the same date, returned before it went out again, is not listed with it.
    return QStringLiteral("SELECT ") + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("T1.EQUIP_GUBUN"))
        + QStringLiteral(", T1.EQUIP_NO, ")
        + codeName(QStringLiteral("GC_EQUIP_SIZE_GUBUN_CODE"), QStringLiteral("T1.EQUIP_SIZE_GUBUN"))
        + QStringLiteral(", TO_CHAR(T2.RENT_NO, 'FM0000000000') AS RENT_NO, T2.RENT_NAME, T2.TEL_NO, ")
        + codeName(QStringLiteral("GC_TICKET_KIND_CODE"), QStringLiteral("T2.TICKET_KIND")) + QStringLiteral(", ")
        + dashed(QStringLiteral("T2.SVRL_RENT_FROM_DATE")) + QStringLiteral(", ") + dashed(QStringLiteral("T2.SVRL_RENT_TO_DATE"))
        + QStringLiteral(", T3.DEAL_NAME, ") + codeName(QStringLiteral("GC_KEEP_KIND_GUBUN_CODE"), QStringLiteral("T3.KEEP_KIND_GUBUN"))
        + QStringLiteral(", T3.KEEP_BOX_NO "
                         "FROM EB020MS T1, EB040DT T2, EB040MS T3 WHERE T1.AREA_GUBUN = :AREA_GUBUN AND T1.SVRL_RENT_YN = 'Y' "
                         "AND T1.SVRL_FROM_DATE = T2.RENT_DATE AND T1.AREA_GUBUN = T2.AREA_GUBUN AND T1.EQUIP_GUBUN = T2.EQUIP_GUBUN "
                         "AND T1.EQUIP_NO = T2.EQUIP_NO AND T2.RENT_STAT = 'S' AND T2.RENT_DATE = T3.RENT_DATE "
                         "AND T2.AREA_GUBUN = T3.AREA_GUBUN AND T2.RENT_NO = T3.RENT_NO "
                         "ORDER BY T1.EQUIP_GUBUN, T1.EQUIP_NO");
}

QString hourlyRentals()
{
    return kindRollup(QStringLiteral("SUBSTR(RENT_TIME,1,2)"),
                      QStringLiteral("LEVELS.FIRST_KEY || ':00 - ' || LEVELS.FIRST_KEY || ':59'"),
                      QStringLiteral("RENT_TIME"), QStringLiteral("RENT_COUNT"), QStringLiteral("COUNT(RENT_NO)"), rentalDay());
}

QString hourlyRentalsTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + rentalDay();
}

QString periodRentals()
{
    return kindRollup(QStringLiteral("RENT_DATE"),
                      QStringLiteral("SUBSTR(LEVELS.FIRST_KEY,1,4) ||'-'|| SUBSTR(LEVELS.FIRST_KEY,5,2) ||'-'|| SUBSTR(LEVELS.FIRST_KEY,7,2)"),
                      QStringLiteral("RENT_DATE"), QStringLiteral("RENT_COUNT"), QStringLiteral("COUNT(RENT_NO)"), rentalPeriod());
}

QString periodRentalsTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + rentalPeriod();
}

QString storedItems(const StorageFilter &filter)
{
    QString sql = QStringLiteral("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, ")
        + codeName(QStringLiteral("GC_KEEP_STAT_CODE"), QStringLiteral("KEEP_STAT")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("KEEP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("EQUIP_NAME_GUBUN"))
        + QStringLiteral(", MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, GUEST_NO, GUEST_NAME, EQUIP_NAME_ETC, NATIVE_NO, ")
        + poles(QStringLiteral("POELS_YN")) + QStringLiteral(", POELS_NAME, ") + dashed(QStringLiteral("IPGO_DATE"))
        + QStringLiteral(", ") + dashed(QStringLiteral("CHULGO_DATE"))
        + QStringLiteral(", DECODE(ZIP_CODE, NULL, NULL, SUBSTR(ZIP_CODE,1,3)||'-'||SUBSTR(ZIP_CODE,4,3)) AS ZIP_CODE, "
                         "ADDR1, ADDR2, MOBILE_NO, TEL_NO, REMARK, CONF_QUESTION, CONF_ANSWER "
                         "FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN ");
    if (filter.state)
        sql += QStringLiteral("AND KEEP_STAT = :KEEP_STAT ");
    if (filter.storageKind)
        sql += QStringLiteral("AND KEEP_GUBUN = :KEEP_GUBUN ");
    if (filter.equipKind)
        sql += QStringLiteral("AND EQUIP_GUBUN = :EQUIP_GUBUN ");
    if (filter.equipName)
        sql += QStringLiteral("AND EQUIP_NAME_GUBUN = :EQUIP_NAME_GUBUN ");
    if (filter.ownerName)
        sql += QStringLiteral("AND KEEP_NAME LIKE :KEEP_NAME ");
    return sql + QStringLiteral("ORDER BY EB050MS.KEEP_NO");
}

QString overdueItems()
{
    return QStringLiteral("SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, MEMBER_NO, KEEP_NAME, KEEP_BOX_NO, ")
        + codeName(QStringLiteral("GC_KEEP_GUBUN_CODE"), QStringLiteral("KEEP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_GUBUN_CODE"), QStringLiteral("EQUIP_GUBUN")) + QStringLiteral(", ")
        + codeName(QStringLiteral("GC_EQUIP_NAME_GUBUN_CODE"), QStringLiteral("EQUIP_NAME_GUBUN"))
        + QStringLiteral(", EQUIP_NAME_ETC, NATIVE_NO, ") + poles(QStringLiteral("POELS_YN"))
        + QStringLiteral(", POELS_NAME, ") + dashed(QStringLiteral("IPGO_DATE")) + QStringLiteral(", ")
        + dashed(QStringLiteral("CHULGO_DATE"))
        + QStringLiteral(", MOBILE_NO FROM EB050MS WHERE AREA_GUBUN = :AREA_GUBUN AND CHULGO_DATE < :CHULGO_DATE "
                         "AND KEEP_STAT = :KEEP_STAT ORDER BY EB050MS.CHULGO_DATE, EB050MS.KEEP_NO");
}

QString byStorageKind()
{
    return kindRollup(QStringLiteral("KEEP_GUBUN"),
                      QStringLiteral("(SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_KEEP_GUBUN_CODE AND DETAIL = LEVELS.FIRST_KEY)"),
                      QStringLiteral("KEEP_GUBUN_NAME"), QStringLiteral("KEEP_COUNT"), QStringLiteral("COUNT(KEEP_NO)"),
                      storedInPeriod());
}

QString byStorageKindTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + storedInPeriod();
}

QString byRegion()
{
    // One region per zip-code prefix (the first address pair in code order), so
    // that a prefix spread over several districts is counted once. A prefix the
    // zip-code table does not know is shown as it is rather than dropped, which
    // keeps the rows in step with the total.
    return kindRollup(QStringLiteral("SUBSTR(ZIP_CODE,1,3)"), QStringLiteral("NVL(REGION.ADDRESS, LEVELS.FIRST_KEY)"),
                      QStringLiteral("ADDRESS"), QStringLiteral("KEEP_COUNT"), QStringLiteral("COUNT(KEEP_NO)"), storedWithZip(),
                      QStringLiteral("LEFT JOIN (SELECT SUBSTR(ZIP_CODE,1,3) AS ZIP_PREFIX, "
                                     "MIN(TRIM(COALESCE(ADDRESS1,'') || ' ' || COALESCE(ADDRESS2,''))) AS ADDRESS "
                                     "FROM ZX030MS GROUP BY SUBSTR(ZIP_CODE,1,3)) REGION ON REGION.ZIP_PREFIX = LEVELS.FIRST_KEY"));
}

QString byRegionTotal()
{
    return QStringLiteral("SELECT COUNT(*) AS TOT_COUNT ") + storedWithZip();
}

} // namespace EquipmentReports

using EquipmentReports::codeHeads;

// ---------------------------------------------------------------- screens

namespace {
const char *const kCaption = "conditionCaption";
const QString kAll = QStringLiteral("[전체]");
const QString kSeasonHead = QStringLiteral("E0004");
const QString kLevelField = QStringLiteral("EQUIP_GUBUN_INDEX");
} // namespace

TfrmEBS000::TfrmEBS000(QWidget *parent) : TfrmEZS000(parent)
{
    m_conditions = new QWidget;
    m_conditions->setObjectName(QStringLiteral("panConditions"));
    m_conditionLayout = new QGridLayout(m_conditions);
    m_conditionLayout->setContentsMargins(0, 0, 0, 0);
    m_conditionLayout->setVerticalSpacing(2);
    addSearchField(m_conditions);
}

QLabel *TfrmEBS000::addLabeled(int row, const QString &labelName, const QString &caption, QList<QWidget *> inputs)
{
    while (m_rowFill.size() <= row)
        m_rowFill << 0;
    auto *label = new QLabel(caption, m_conditions);
    label->setObjectName(labelName);
    auto *line = new QHBoxLayout;
    line->setSpacing(4);
    line->addWidget(label);
    for (QWidget *w : inputs) {
        line->addWidget(w);
        w->setProperty(kCaption, caption);
        if (w->focusPolicy() != Qt::NoFocus && !qobject_cast<QLabel *>(w)) {
            w->installEventFilter(this);
            watchInput(w);
        }
    }
    m_conditionLayout->addLayout(line, row, m_rowFill[row]++, Qt::AlignLeft);
    if (row > 0)
        m_panSearch->setFixedHeight(14 + 28 * (row + 1));
    return label;
}

CodeCombo *TfrmEBS000::addArea(int row, const QString &caption)
{
    m_cboArea = new CodeCombo;
    m_cboArea->setObjectName(QStringLiteral("cboArea"));
    m_cboArea->setMinimumWidth(100);
    addLabeled(row, QStringLiteral("lblArea"), caption, {m_cboArea});
    try {
        FillCodeCombo(m_cboArea, QStringLiteral("E0017"));
    } catch (const DbError &e) {
        ShowError(e.message());
    }
    if (m_cboArea->count() > 0)
        m_cboArea->setCurrentIndex(0);
    return m_cboArea;
}

CodeCombo *TfrmEBS000::addCodeFilter(int row, const QString &name, const QString &caption, const QString &head)
{
    auto *combo = new CodeCombo;
    combo->setObjectName(name);
    combo->setMinimumWidth(110);
    combo->addItemValue(kAll, kAll);
    try {
        FillCodeCombo(combo, head);
    } catch (const DbError &e) {
        ShowError(e.message());
    }
    combo->setCurrentIndex(0);
    addLabeled(row, QStringLiteral("lbl") + name.mid(3), caption, {combo});
    return combo;
}

QString TfrmEBS000::filterValue(const CodeCombo *combo)
{
    return combo->currentIndex() > 0 ? combo->value() : QString();
}

QDateEdit *TfrmEBS000::addDatePicker(int row, const QString &caption)
{
    auto *picker = new QDateEdit;
    picker->setObjectName(QStringLiteral("dtpDate"));
    picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    picker->setCalendarPopup(true);
    addLabeled(row, QStringLiteral("lblDate"), caption, {picker});
    WatchDatePicker(picker);
    return picker;
}

void TfrmEBS000::addSeason(int row)
{
    m_edtSeason = new QLineEdit;
    m_edtSeason->setObjectName(QStringLiteral("edtSeason"));
    m_edtSeason->setMaxLength(2);
    m_edtSeason->setFixedWidth(36);
    m_sbtSeason = new QToolButton;
    m_sbtSeason->setObjectName(QStringLiteral("sbtSeason"));
    m_sbtSeason->setText(QStringLiteral("…"));
    m_sbtSeason->setFocusPolicy(Qt::NoFocus);
    m_wlbSeasonName = new QLabel;
    m_wlbSeasonName->setObjectName(QStringLiteral("wlbSeasonName"));
    m_wlbSeasonName->setMinimumWidth(110);
    m_wlbSeasonName->setFrameShape(QFrame::StyledPanel);
    addLabeled(row, QStringLiteral("lblSeason"), QStringLiteral("*시즌"), {m_edtSeason, m_sbtSeason, m_wlbSeasonName});
    connect(m_edtSeason, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int at = m_edtSeason->cursorPosition();
        m_edtSeason->setText(text.toUpper());
        m_edtSeason->setCursorPosition(at);
    });
    connect(m_edtSeason, &QLineEdit::textChanged, m_wlbSeasonName, &QLabel::clear);
    connect(m_sbtSeason, &QToolButton::clicked, this, &TfrmEBS000::pickSeason);
}

void TfrmEBS000::addPeriod(int row, const QString &caption)
{
    m_periodCaption = caption;
    auto mask = [](const QString &name) {
        auto *e = new MaskEdit;
        e->setObjectName(name);
        e->setEditMask(QStringLiteral("9999-99-99"));
        e->setFixedWidth(90);
        return e;
    };
    m_wmeDateFrom = mask(QStringLiteral("wmeDateFrom"));
    m_wmeDateTo = mask(QStringLiteral("wmeDateTo"));
    auto *tilde = new QLabel(QStringLiteral("∼"));
    tilde->setObjectName(QStringLiteral("lblDateTilde"));
    addLabeled(row, QStringLiteral("lblPeriod"), caption, {m_wmeDateFrom, tilde, m_wmeDateTo});
}

void TfrmEBS000::lookUpSeason()
{
    const QString code = season();
    if (!code.isEmpty())
        m_wlbSeasonName->setText(GetCodeName(kSeasonHead, code));
}

void TfrmEBS000::pickSeason()
{
    QString code, name;
    if (PickCode(QStringLiteral("스키 시즌구분"), kSeasonHead, code, name)) {
        m_edtSeason->setText(code);
        m_wlbSeasonName->setText(name);
        if (m_cboArea)
            m_cboArea->setFocus();
    } else {
        m_edtSeason->setFocus();
    }
}

QString TfrmEBS000::season() const
{
    return m_edtSeason ? m_edtSeason->text().trimmed() : QString();
}

QString TfrmEBS000::seasonName() const
{
    return m_wlbSeasonName ? m_wlbSeasonName->text() : QString();
}

bool TfrmEBS000::checkSeason()
{
    if (!m_edtSeason)
        return true;
    auto refuse = [this](const QString &text) {
        ShowInfo(QStringLiteral("*시즌") + text);
        m_edtSeason->setFocus();
        return false;
    };
    if (season().isEmpty())
        return refuse(QStringLiteral("을(를) 먼저 입력하십시오."));
    // F3 straight from the season field: the name was not looked up yet.
    if (seasonName().isEmpty())
        lookUpSeason();
    if (seasonName().isEmpty())
        return refuse(QStringLiteral("을(를) 정확히 입력하십시오."));
    return true;
}

bool TfrmEBS000::checkPeriod()
{
    for (MaskEdit *bound : {m_wmeDateFrom, m_wmeDateTo}) {
        if (!bound)
            continue;
        const QString value = bound->value().trimmed();
        if (!value.isEmpty() && !IsValidYmd(value)) {
            ShowInfo(m_periodCaption + QStringLiteral("을(를) 정확히 입력하십시오."));
            bound->setFocus();
            return false;
        }
    }
    return true;
}

QString TfrmEBS000::periodFrom() const
{
    return m_wmeDateFrom ? m_wmeDateFrom->value().trimmed() : QString();
}

QString TfrmEBS000::periodTo() const
{
    return m_wmeDateTo ? m_wmeDateTo->value().trimmed() : QString();
}

QString TfrmEBS000::periodCondition() const
{
    const auto shown = [](const QString &bound) { return bound.isEmpty() ? kAll : ToDashedDate(bound); };
    return m_periodCaption + QStringLiteral(": ") + shown(periodFrom()) + QStringLiteral("  ∼  ") + shown(periodTo());
}

QString TfrmEBS000::labelCaption(const QWidget *input) const
{
    return input->property(kCaption).toString();
}

QString TfrmEBS000::comboCondition(const CodeCombo *combo) const
{
    return ConditionText(labelCaption(combo), combo->currentText());
}

DataGridColumn TfrmEBS000::column(const QString &field, const QString &title, int width, Qt::Alignment alignment)
{
    DataGridColumn c;
    c.fieldName = field;
    c.title = title;
    c.width = width > 0 ? width : 80;
    c.visible = width > 0;
    c.alignment = alignment;
    return c;
}

void TfrmEBS000::setStatement(const QString &sql, const QVariantHash &values)
{
    SqlQuery &q = qryQuery();
    q.setSql(sql);
    const QVariantHash &heads = codeHeads();
    for (auto it = heads.cbegin(); it != heads.cend(); ++it)
        if (q.hasParam(it.key()))
            q.setParam(it.key(), it.value());
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        q.setParam(it.key(), it.value());
}

void TfrmEBS000::setSummaryColumns(const QVector<DataGridColumn> &columns, const QString &footerCaption)
{
    QVector<DataGridColumn> all = columns;
    DataGridColumn level;
    level.fieldName = kLevelField;
    level.title = kLevelField;
    level.visible = false;
    all << level;
    m_rgrGrid->setColumns(all);
    m_rgrGrid->setFooterText(0, footerCaption);
    const int levelColumn = int(all.size()) - 1;
    m_rgrGrid->setCellStyler([this, levelColumn](int row, int, CellStyle &style) {
        if (m_rgrGrid->cell(row, levelColumn) == QLatin1String("1")) {
            style.background = Qt::yellow;
            style.foreground = Qt::black;
        }
    });
}

QString TfrmEBS000::showTotal(const QString &totalSql)
{
    SqlQuery &footer = qryFooter();
    footer.setSql(totalSql);
    const SqlQuery &q = qryQuery();
    for (const QString &name : footer.paramNames())
        footer.setParam(name, q.param(name));
    m_total = footer.open().scalarText();
    // The count column is the last one shown; the hidden level column follows it.
    m_rgrGrid->setFooterText(m_rgrGrid->columnCount() - 2, m_total);
    return m_total;
}

bool TfrmEBS000::searchWithTotal(const QString &sql, const QVariantHash &values, const QString &totalSql)
{
    setStatement(sql, values);
    if (!TfrmEZS000::bbtSearchClick())
        return false;
    try {
        showTotal(totalSql);
    } catch (const DbError &e) {
        ShowError(e.message());
    }
    return true;
}

bool TfrmEBS000::putTotal(TfrmZZP010 &report, const QString &totalSql)
{
    try {
        EquipmentPrint::setSum(report, showTotal(totalSql));
        return true;
    } catch (const DbError &e) {
        ShowError(e.message());
        return false;
    }
}

bool TfrmEBS000::canPrint()
{
    if (isDataOpen())
        return true;
    ShowStatus(QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
    return false;
}

bool TfrmEBS000::eventFilter(QObject *watched, QEvent *event)
{
    if (m_edtSeason && watched == m_edtSeason) {
        if (event->type() == QEvent::FocusOut) {
            try {
                lookUpSeason();
            } catch (const DbError &e) {
                ShowError(e.message());
            }
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
            pickSeason();
            return true;
        }
    }
    return TfrmEZS000::eventFilter(watched, event);
}
