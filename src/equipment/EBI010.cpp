#include "EBI010.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "SqlQuery.h"
#include "EZC000.h"
#include "Session.h"
#include "StoredProc.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const QString kRunStateHead = QStringLiteral("E0008");
const QString kStopped = QStringLiteral("S");
constexpr int kRunColumn = 2;
} // namespace

TfrmEBI010::TfrmEBI010(QWidget *parent) : TfrmEZI000(parent)
{
    setObjectName(QStringLiteral("frmEBI010"));
    setWindowTitle(QStringLiteral("코스,리프트 운영정보 등록"));

    auto *dateLabel = new QLabel(QStringLiteral("*운행일자"));
    dateLabel->setObjectName(QStringLiteral("lblDate"));
    auto *dtpDate = new QDateEdit;
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    addSearchField(dateLabel);
    addSearchField(dtpDate);
    WatchDatePicker(dtpDate);

    // Courses and lifts in one list, each under the name of its facility kind.
    qryQuery().setSql(QStringLiteral(
        "SELECT T2.FAC_GUBUN_NAME, T2.FAC_DETAIL_GUBUN_NAME, T1.RUN_YN, T2.FAC_GUBUN, T2.FAC_DETAIL_GUBUN FROM EB010MS T1, "
        "(SELECT Z1.DETAIL AS FAC_DETAIL_GUBUN, Z1.DETAIL_NAME AS FAC_DETAIL_GUBUN_NAME, Z1.ITEM1 AS FAC_GUBUN, "
        "Z2.DETAIL_NAME AS FAC_GUBUN_NAME FROM ZX010MS Z1, (SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_FAC_GUBUN) Z2 "
        "WHERE Z1.HEAD = :GC_COURSE_GUBUN AND Z1.ITEM1 = Z2.DETAIL UNION ALL SELECT Z1.DETAIL AS FAC_DETAIL_GUBUN, "
        "Z1.DETAIL_NAME AS FAC_DETAIL_GUBUN_NAME, Z1.ITEM1 AS FAC_GUBUN, Z2.DETAIL_NAME AS FAC_GUBUN_NAME FROM ZX010MS Z1, "
        "(SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = :GC_FAC_GUBUN) Z2 WHERE Z1.HEAD = :GC_LIFT_GUBUN AND "
        "Z1.ITEM1 = Z2.DETAIL) T2 WHERE T1.RUN_DATE = :RUN_DATE AND T1.FAC_GUBUN = T2.FAC_GUBUN AND "
        "T1.FAC_DETAIL_GUBUN = T2.FAC_DETAIL_GUBUN"));
    setSaveProcName(QStringLiteral("PR_EBI010_02"));

    m_cboRunGubun = new CodeCombo(m_panBody);
    m_cboRunGubun->setObjectName(QStringLiteral("cboRunGubun"));
    FillCodeCombo(m_cboRunGubun, kRunStateHead);

    const auto col = [](const QString &field, const QString &title, int width) {
        DataGridColumn c;
        c.fieldName = field;
        c.title = title;
        c.width = width > 0 ? width : 80;
        c.visible = width > 0;
        c.readOnly = true;
        c.alignment = Qt::AlignCenter;
        return c;
    };
    DataGridColumn kind = col(QStringLiteral("FAC_GUBUN_NAME"), QStringLiteral("코스,리프트구분"), 142);
    kind.suppressRepeats = true;
    DataGridColumn run = col(QStringLiteral("RUN_YN"), QStringLiteral("운행여부"), 91);
    run.pickItems = m_cboRunGubun->items();
    run.pickValues = m_cboRunGubun->values();
    SetGridColumns({kind, col(QStringLiteral("FAC_DETAIL_GUBUN_NAME"), QStringLiteral("세부구분"), 215), run,
                    col(QStringLiteral("FAC_GUBUN"), QStringLiteral("코스,리프트구분코드"), 0),
                    col(QStringLiteral("FAC_DETAIL_GUBUN"), QStringLiteral("세부구분코드"), 0)});

    auto *form = new QFormLayout(m_panBody);
    m_wlbFacGubunName = new QLabel(m_panBody);
    m_wlbFacGubunName->setObjectName(QStringLiteral("wlbFacGubunName"));
    m_wlbFacDetailName = new QLabel(m_panBody);
    m_wlbFacDetailName->setObjectName(QStringLiteral("wlbFacDetailGubunName"));
    for (QLabel *l : {m_wlbFacGubunName, m_wlbFacDetailName})
        l->setFrameShape(QFrame::StyledPanel);
    form->addRow(QStringLiteral("코스/리프트 구분명"), m_wlbFacGubunName);
    form->addRow(QStringLiteral("세부구분명"), m_wlbFacDetailName);
    form->addRow(QStringLiteral("*운행여부"), m_cboRunGubun);
    BindControl(m_wlbFacGubunName, QStringLiteral("코스,리프트구분"));
    BindControl(m_wlbFacDetailName, QStringLiteral("세부구분"));
    BindControl(m_cboRunGubun, QStringLiteral("운행여부"));

    // Rows come only from PR_EBI010_01; the day's list is edited, never extended.
    m_bbtAdd->hide();
    m_bbtDelete->hide();

    // A stopped facility is drawn red, then the base marks the current row.
    const DataGrid::CellStyler baseStyler = m_rgrGrid->cellStyler();
    m_rgrGrid->setCellStyler([this, baseStyler](int row, int column, CellStyle &style) {
        const bool stopped = m_rgrGrid->cell(row, kRunColumn) == kStopped;
        style.foreground = stopped ? QColor(Qt::red) : QColor(Qt::black);
        style.selectedForeground = stopped ? QColor(Qt::red) : QColor(Qt::white);
        if (baseStyler)
            baseStyler(row, column, style);
    });

    m_panProgress = new QLabel(QStringLiteral("신규자료를 생성중입니다. . . . . "), this);
    m_panProgress->setObjectName(QStringLiteral("panProgress"));
    m_panProgress->setAlignment(Qt::AlignCenter);
    m_panProgress->setFrameShape(QFrame::Panel);
    m_panProgress->setFrameShadow(QFrame::Raised);
    m_panProgress->setAutoFillBackground(true);
    m_panProgress->resize(320, 60);
    m_panProgress->hide();
}

bool TfrmEBI010::createDay()
{
    m_panProgress->move((width() - m_panProgress->width()) / 2, (height() - m_panProgress->height()) / 2 - 100);
    m_panProgress->show();
    m_panProgress->raise();
    m_panProgress->repaint();
    QElapsedTimer shown;
    shown.start();
    bool created = true;
    try {
        StoredProc proc(Db(), QStringLiteral("PR_EBI010_01"));
        proc.setParam(QStringLiteral("ARUN_DATE"), WorkDate());
        proc.setParam(QStringLiteral("AU_EMP_NO"), Login::EmpNo);
        proc.setParam(QStringLiteral("AU_IP"), Login::LocalIP);
        Transaction tx(Db());
        proc.execProc();
        tx.commit();
    } catch (const DbError &e) {
        created = false;
        m_panProgress->hide();
        ShowError(QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + e.message());
    }
    if (created) {
        // The panel stays a second, so the clerk sees that the day was made.
        while (shown.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        m_panProgress->hide();
    }
    return created;
}

bool TfrmEBI010::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    bool empty = false;
    try {
        empty = IsFacilityDayEmpty(WorkDate());
    } catch (const DbError &) {
        // A count that cannot be read counts as a day that has its rows.
    }
    if (empty && !createDay())
        return false;
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("GC_FAC_GUBUN"), QStringLiteral("E0005"));
    q.setParam(QStringLiteral("GC_COURSE_GUBUN"), QStringLiteral("E0006"));
    q.setParam(QStringLiteral("GC_LIFT_GUBUN"), QStringLiteral("E0007"));
    q.setParam(QStringLiteral("RUN_DATE"), WorkDate());
    return TfrmEZI000::bbtSearchClick();
}

bool TfrmEBI010::SaveData()
{
    prcSaveData().setParam(QStringLiteral("ARUN_DATE"), WorkDate());
    return TfrmEZI000::SaveData();
}
