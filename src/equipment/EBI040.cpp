#include "EBI040.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "EZC000.h"
#include "FormHelpers.h"
#include "MaskEdit.h"
#include "NumEdit.h"
#include "Pickers.h"
#include "Session.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace {

enum Column {
    ColRentSeq, ColTicketKind, ColRentStat, ColEquipGubun, ColEquipNo, ColRentName, ColTelNo, ColHeight, ColWeight,
    ColShoesSize, ColBinding, ColZipCode, ColAddr1, ColAddr2, ColSvrlFrom, ColSvrlTo, ColRemark, ColTemp
};

const QString kSaveFailed = QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r");
const QString kDay = QStringLiteral("D");
const QString kSeveralDays = QStringLiteral("S");
const QString kReturned = QStringLiteral("R");

const QString kFreeList = QStringLiteral(
    "SELECT EQUIP_NO FROM EB020MS WHERE AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN AND "
    "EQUIP_SIZE_GUBUN = :EQUIP_SIZE_GUBUN AND EQUIP_RENT_YN = 'Y' AND SVRL_RENT_YN = 'N' AND EQUIP_NO NOT IN "
    "(SELECT EQUIP_NO FROM EB040DT WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND "
    "EQUIP_GUBUN = :EQUIP_GUBUN AND RENT_STAT = :RENT_STAT) AND EQUIP_NO NOT IN (SELECT EQUIP_NO FROM EB020TM "
    "WHERE RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND EQUIP_GUBUN = :EQUIP_GUBUN) ORDER BY EQUIP_NO");

QLabel *caption(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QToolButton *lookupButton(const QString &name, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("…"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

bool isDigits(const QString &text)
{
    for (QChar c : text)
        if (!c.isDigit())
            return false;
    return true;
}

} // namespace

TfrmEBI040::TfrmEBI040(QWidget *parent) : TfrmEBI000(parent)
{
    setObjectName(QStringLiteral("frmEBI040"));
    setWindowTitle(QStringLiteral("장비 대여/반납 작업"));

    qryQuery().setSql(QStringLiteral(
        "SELECT RENT_SEQ, TICKET_KIND, RENT_STAT, EQUIP_GUBUN, EQUIP_NO, RENT_NAME, TEL_NO, HEIGHT, WEIGHT, SHOES_SIZE, "
        "BINDING, ZIP_CODE, ADDR1, ADDR2, SVRL_RENT_FROM_DATE, SVRL_RENT_TO_DATE, REMARK FROM EB040DT WHERE "
        "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO ORDER BY RENT_SEQ"));
    setSaveProcName(QStringLiteral("PR_EBI040_02"));

    buildSearchPanel();
    buildHeader();
    buildBody();

    m_tickets = new TicketDesk(this, QStringLiteral("대여증"), QStringLiteral("대여증 재발급(F99)"),
                               [this](TicketPrinter &printer, int row) { return PrintRentTicket(printer, ticketOf(row)); },
                               [this](int row) { return m_rgrGrid->cell(row, ColRentName); });
    for (QPushButton *b : m_tickets->buttons())
        addBarButton(b);
    connect(m_tickets->buttons().at(0), &QPushButton::clicked, this, &TfrmEBI040::bbtReissueClick);
    connect(m_tickets->buttons().at(1), &QPushButton::clicked, this, &TfrmEBI040::bbtPrinterInitClick);

    // Each key acts only while its button is usable.
    const auto key = [this](const char *name, const QString &text, Qt::Key k, QAbstractButton *button) {
        QAction *a = addHotkey(QString::fromLatin1(name), text, QKeySequence(k));
        connect(a, &QAction::triggered, this, [this, button] {
            if (ButtonUsable(button, this))
                button->click();
        });
    };
    key("popHotkeyDay", QStringLiteral("일일대여"), Qt::Key_F5, m_sbtRentDay);
    key("popHotkeySvrl", QStringLiteral("연일대여"), Qt::Key_F6, m_sbtRentSvrl);
    key("popHotkeyReturn", QStringLiteral("반납"), Qt::Key_F7, m_sbtRentReturn);
    key("popHotkeyEquipSelect", QStringLiteral("장비선택"), Qt::Key_F10, m_bbtEquipSelect);
    key("popHotkeyEquipCancel", QStringLiteral("장비취소"), Qt::Key_F11, m_bbtEquipCancel);

    fillCodes();
    showState(QString());
    closeFreeList();
}

TfrmEBI040::~TfrmEBI040() = default;

// ---------------------------------------------------------------- layout

void TfrmEBI040::buildSearchPanel()
{
    auto *dtpDate = new QDateEdit;
    dtpDate->setObjectName(QStringLiteral("dtpDate"));
    dtpDate->setCalendarPopup(true);
    dtpDate->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_cboArea = new CodeCombo;
    m_cboArea->setObjectName(QStringLiteral("cboArea"));
    m_edtRentNo = new QLineEdit;
    m_edtRentNo->setObjectName(QStringLiteral("edtRentNo"));
    m_edtRentNo->setMaxLength(10);
    m_edtRentNo->setFixedWidth(90);
    m_sbtRentNo = lookupButton(QStringLiteral("sbtRentNo"), nullptr);
    for (QWidget *w : std::initializer_list<QWidget *>{caption(QStringLiteral("lblDate"), QStringLiteral("*대여일자"), nullptr), dtpDate,
                                                       caption(QStringLiteral("lblArea"), QStringLiteral("*지역구분"), nullptr), m_cboArea,
                                                       caption(QStringLiteral("lblRentNo"), QStringLiteral("대여번호"), nullptr),
                                                       m_edtRentNo, m_sbtRentNo})
        addSearchField(w);
    WatchDatePicker(dtpDate);
    m_edtRentNo->installEventFilter(this);
    connect(m_sbtRentNo, &QToolButton::clicked, this, &TfrmEBI040::pickRentNo);
}

void TfrmEBI040::buildHeader()
{
    m_panHead->setFixedHeight(36);
    m_panHead->show();
    auto *row = new QHBoxLayout(m_panHead);
    row->setContentsMargins(6, 4, 6, 4);
    m_edtDealName = new QLineEdit(m_panHead);
    m_edtDealName->setObjectName(QStringLiteral("edtDealName"));
    m_edtDealName->setMaxLength(30);
    m_cboKeepKind = new CodeCombo(m_panHead);
    m_cboKeepKind->setObjectName(QStringLiteral("cboKeepKind"));
    m_edtKeepBoxNo = new QLineEdit(m_panHead);
    m_edtKeepBoxNo->setObjectName(QStringLiteral("edtKeepBoxNo"));
    m_edtKeepBoxNo->setMaxLength(5);
    row->addWidget(caption(QStringLiteral("lblDealName"), QStringLiteral("*취급자"), m_panHead));
    row->addWidget(m_edtDealName);
    row->addWidget(caption(QStringLiteral("lblKeepKind"), QStringLiteral("*보관내용구분"), m_panHead));
    row->addWidget(m_cboKeepKind);
    row->addWidget(caption(QStringLiteral("lblKeepBoxNo"), QStringLiteral("*보관함번호"), m_panHead));
    row->addWidget(m_edtKeepBoxNo);
    row->addStretch(1);
    for (QWidget *w : std::initializer_list<QWidget *>{m_edtDealName, m_cboKeepKind, m_edtKeepBoxNo})
        watchInput(w);
}

void TfrmEBI040::buildBody()
{
    QWidget *body = m_panBody;
    auto *grid = new QGridLayout(body);
    int line = 0;
    const auto addLine = [&](const QString &name, const QString &text, QWidget *w, QWidget *extra = nullptr) {
        grid->addWidget(caption(name, text, body), line, 0);
        grid->addWidget(w, line, 1, 1, extra ? 1 : 2);
        if (extra)
            grid->addWidget(extra, line, 2);
        ++line;
    };

    m_cboRentTicketKind = new CodeCombo(body);
    m_cboRentTicketKind->setObjectName(QStringLiteral("cboRentTicketKind"));
    addLine(QStringLiteral("lblRentTicketKind"), QStringLiteral("*권종"), m_cboRentTicketKind);

    auto *states = new QWidget(body);
    states->setObjectName(QStringLiteral("panRentStat"));
    auto *stateRow = new QHBoxLayout(states);
    stateRow->setContentsMargins(0, 0, 0, 0);
    const auto stateButton = [&](const char *name, const QString &text, const QString &state) {
        auto *b = new QToolButton(states);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(text);
        b->setFocusPolicy(Qt::NoFocus);
        stateRow->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, state] { stateButtonClick(state); });
        return b;
    };
    m_sbtRentDay = stateButton("sbtRentDay", QStringLiteral("일일대여[F5]"), kDay);
    m_sbtRentSvrl = stateButton("sbtRentSvrl", QStringLiteral("연일대여[F6]"), kSeveralDays);
    m_sbtRentReturn = stateButton("sbtRentReturn", QStringLiteral("반납[F7]"), kReturned);
    addLine(QStringLiteral("lblRentStat"), QStringLiteral("대여상태"), states);

    m_cboRentEquip = new CodeCombo(body);
    m_cboRentEquip->setObjectName(QStringLiteral("cboRentEquip"));
    addLine(QStringLiteral("lblRentEquip"), QStringLiteral("*장비구분"), m_cboRentEquip);

    auto *group = new QGroupBox(QStringLiteral(" 장비선택 "), body);
    group->setObjectName(QStringLiteral("grpEquip"));
    auto *g = new QGridLayout(group);
    m_edtRentEquipNo = new QLineEdit(group);
    m_edtRentEquipNo->setObjectName(QStringLiteral("edtRentEquipNo"));
    m_edtRentEquipNo->setReadOnly(true);
    m_cboEquipSizeGubun = new CodeCombo(group);
    m_cboEquipSizeGubun->setObjectName(QStringLiteral("cboEquipSizeGubun"));
    m_rgrEquipNo = new DataGrid(group);
    m_rgrEquipNo->setObjectName(QStringLiteral("rgrEquipNo"));
    m_rgrEquipNo->setOptions(DataGrid::RowSelect);
    m_rgrEquipNo->setFocusPolicy(Qt::ClickFocus);
    DataGridColumn no;
    no.fieldName = QStringLiteral("EQUIP_NO");
    no.title = QStringLiteral("장비번호");
    no.width = 90;
    no.readOnly = true;
    no.alignment = Qt::AlignCenter;
    m_rgrEquipNo->setColumns({no});
    m_rgrEquipNo->setFooterVisible(true);
    m_bbtEquipSelect = new QPushButton(QStringLiteral("선택(F10)"), group);
    m_bbtEquipSelect->setObjectName(QStringLiteral("bbtEquipSelect"));
    m_bbtEquipCancel = new QPushButton(QStringLiteral("취소(F11)"), group);
    m_bbtEquipCancel->setObjectName(QStringLiteral("bbtEquipCancel"));
    m_bbtEquipRefresh = new QPushButton(QStringLiteral("다시보기"), group);
    m_bbtEquipRefresh->setObjectName(QStringLiteral("bbtEquipRefresh"));
    for (QPushButton *b : {m_bbtEquipSelect, m_bbtEquipCancel, m_bbtEquipRefresh})
        b->setFocusPolicy(Qt::ClickFocus);
    g->addWidget(caption(QStringLiteral("lblRentEquipNo"), QStringLiteral("*장비번호"), group), 0, 0);
    g->addWidget(m_edtRentEquipNo, 0, 1);
    g->addWidget(caption(QStringLiteral("lblEquipSizeGubun"), QStringLiteral("사이즈"), group), 1, 0);
    g->addWidget(m_cboEquipSizeGubun, 1, 1);
    g->addWidget(m_rgrEquipNo, 0, 2, 4, 1);
    g->addWidget(m_bbtEquipSelect, 2, 0);
    g->addWidget(m_bbtEquipCancel, 2, 1);
    g->addWidget(m_bbtEquipRefresh, 3, 0);
    grid->addWidget(group, line++, 0, 1, 3);
    connect(m_bbtEquipSelect, &QPushButton::clicked, this, &TfrmEBI040::bbtEquipSelectClick);
    connect(m_bbtEquipCancel, &QPushButton::clicked, this, &TfrmEBI040::bbtEquipCancelClick);
    connect(m_bbtEquipRefresh, &QPushButton::clicked, this, &TfrmEBI040::RefreshFreeList);

    m_edtRentName = new QLineEdit(body);
    m_edtRentName->setObjectName(QStringLiteral("edtRentName"));
    m_edtRentName->setMaxLength(30);
    addLine(QStringLiteral("lblRentName"), QStringLiteral("*대여자명"), m_edtRentName);
    m_edtRentTel = new QLineEdit(body);
    m_edtRentTel->setObjectName(QStringLiteral("edtRentTel"));
    m_edtRentTel->setMaxLength(20);
    addLine(QStringLiteral("lblRentTel"), QStringLiteral("연락처"), m_edtRentTel);
    const auto number = [&](const char *name) {
        auto *n = new NumEdit(body);
        n->setObjectName(QString::fromLatin1(name));
        n->setMaxDigits(3);
        return n;
    };
    m_wneRentHeight = number("wneRentHeight");
    addLine(QStringLiteral("lblRentHeight"), QStringLiteral("신장"), m_wneRentHeight, new QLabel(QStringLiteral("Cm"), body));
    m_wneRentWeight = number("wneRentWeight");
    addLine(QStringLiteral("lblRentWeight"), QStringLiteral("체중"), m_wneRentWeight, new QLabel(QStringLiteral("Kg"), body));
    m_cboRentBootsSize = new CodeCombo(body);
    m_cboRentBootsSize->setObjectName(QStringLiteral("cboRentBootsSize"));
    addLine(QStringLiteral("lblRentBootsSize"), QStringLiteral("*부츠사이즈"), m_cboRentBootsSize);
    m_wneRentBinding = number("wneRentBinding");
    addLine(QStringLiteral("lblRentBinding"), QStringLiteral("바인딩강도"), m_wneRentBinding);
    m_wmeRentZipCode = new MaskEdit(body);
    m_wmeRentZipCode->setObjectName(QStringLiteral("wmeRentZipCode"));
    m_wmeRentZipCode->setEditMask(QStringLiteral("999-999"));
    m_sbtZipCode = lookupButton(QStringLiteral("sbtZipCode"), body);
    addLine(QStringLiteral("lblRentZipCode"), QStringLiteral("우편번호"), m_wmeRentZipCode, m_sbtZipCode);
    m_edtRentAddr1 = new QLineEdit(body);
    m_edtRentAddr1->setObjectName(QStringLiteral("edtRentAddr1"));
    m_edtRentAddr1->setReadOnly(true);
    addLine(QStringLiteral("lblRentAddr"), QStringLiteral("주소"), m_edtRentAddr1);
    m_wlbRentAddr2 = new QLineEdit(body);
    m_wlbRentAddr2->setObjectName(QStringLiteral("wlbRentAddr2"));
    m_wlbRentAddr2->setMaxLength(60);
    addLine(QStringLiteral("lblRentAddr2"), QString(), m_wlbRentAddr2);
    m_wmeRentSvrlDateFrom = new MaskEdit(body);
    m_wmeRentSvrlDateFrom->setObjectName(QStringLiteral("wmeRentSvrlDateFrom"));
    m_wmeRentSvrlDateTo = new MaskEdit(body);
    m_wmeRentSvrlDateTo->setObjectName(QStringLiteral("wmeRentSvrlDateTo"));
    for (MaskEdit *m : {m_wmeRentSvrlDateFrom, m_wmeRentSvrlDateTo})
        m->setEditMask(QStringLiteral("9999-99-99"));
    addLine(QStringLiteral("lblRentSvrlDate"), QStringLiteral("연일대여기간"), m_wmeRentSvrlDateFrom, m_wmeRentSvrlDateTo);
    m_edtRentRemark = new QLineEdit(body);
    m_edtRentRemark->setObjectName(QStringLiteral("edtRentRemark"));
    m_edtRentRemark->setMaxLength(60);
    addLine(QStringLiteral("lblRentRemark"), QStringLiteral("비고"), m_edtRentRemark);
    grid->setRowStretch(line, 1);

    connect(m_cboRentEquip, &QComboBox::currentIndexChanged, this, &TfrmEBI040::equipKindChanged);
    connect(m_cboEquipSizeGubun, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showingRow)
            RefreshFreeList();
    });
    connect(m_edtRentEquipNo, &QLineEdit::textChanged, this, &TfrmEBI040::updateEquipButtons);
    connect(m_wmeRentZipCode, &QLineEdit::textEdited, this, [this] {
        if (!m_loading)
            m_edtRentAddr1->clear();
    });
    connect(m_sbtZipCode, &QToolButton::clicked, this, &TfrmEBI040::pickZipCode);
    m_wmeRentZipCode->installEventFilter(this);
    watchInput(m_cboEquipSizeGubun);
}

void TfrmEBI040::fillCodes()
{
    CodeCombo states;
    try {
        FillCodeCombo(m_cboArea, QStringLiteral("E0017"));
        FillCodeCombo(m_cboKeepKind, QStringLiteral("E0013"));
        FillCodeCombo(m_cboRentTicketKind, QStringLiteral("I0005"));
        FillCodeCombo(&states, QStringLiteral("E0012"));
        FillCodeCombo(m_cboRentEquip, QStringLiteral("E0009"));
        FillCodeCombo(m_cboRentBootsSize, QStringLiteral("E0011"));
    } catch (const DbError &e) {
        ShowError(e.message());
    }

    const auto pick = [](DataGridColumn c, const CodeCombo *from) {
        c.pickItems = from->items();
        c.pickValues = from->values();
        return c;
    };
    DataGridColumn seq = column(QStringLiteral("RENT_SEQ"), QStringLiteral("대여순번"), 4, 38);
    seq.alignment = Qt::AlignRight | Qt::AlignVCenter;
    DataGridColumn ticket = pick(column(QStringLiteral("TICKET_KIND"), QStringLiteral("권종"), 40, 130), m_cboRentTicketKind);
    ticket.alignment = Qt::AlignCenter;
    DataGridColumn state = pick(column(QStringLiteral("RENT_STAT"), QStringLiteral("대여상태"), 40, 64), &states);
    state.alignment = Qt::AlignCenter;
    const auto numberColumn = [](DataGridColumn c) {
        c.kind = DataGridColumn::Kind::Number;
        return c;
    };
    const auto dateColumn = [](DataGridColumn c) {
        c.kind = DataGridColumn::Kind::Mask;
        c.mask = QStringLiteral("9999-99-99");
        return c;
    };
    SetGridColumns({seq, ticket, state,
                    pick(column(QStringLiteral("EQUIP_GUBUN"), QStringLiteral("장비구분"), 40), m_cboRentEquip),
                    column(QStringLiteral("EQUIP_NO"), QStringLiteral("장비번호"), 5),
                    column(QStringLiteral("RENT_NAME"), QStringLiteral("대여자명"), 30),
                    column(QStringLiteral("TEL_NO"), QStringLiteral("연락처"), 20),
                    numberColumn(column(QStringLiteral("HEIGHT"), QStringLiteral("신장"), 3)),
                    numberColumn(column(QStringLiteral("WEIGHT"), QStringLiteral("체중"), 3)),
                    pick(column(QStringLiteral("SHOES_SIZE"), QStringLiteral("부츠사이즈"), 40), m_cboRentBootsSize),
                    numberColumn(column(QStringLiteral("BINDING"), QStringLiteral("바인딩강도"), 3)),
                    column(QStringLiteral("ZIP_CODE"), QStringLiteral("우편번호"), 6),
                    column(QStringLiteral("ADDR1"), QStringLiteral("주소1"), 60),
                    column(QStringLiteral("ADDR2"), QStringLiteral("주소2"), 60),
                    dateColumn(column(QStringLiteral("SVRL_RENT_FROM_DATE"), QStringLiteral("연일대여시작일자"), 16)),
                    dateColumn(column(QStringLiteral("SVRL_RENT_TO_DATE"), QStringLiteral("연일대여끝일자"), 16)),
                    column(QStringLiteral("REMARK"), QStringLiteral("비고"), 60)});

    BindControl(m_cboRentTicketKind, QStringLiteral("권종"));
    BindControl(m_cboRentEquip, QStringLiteral("장비구분"));
    BindControl(m_edtRentEquipNo, QStringLiteral("장비번호"));
    BindControl(m_edtRentName, QStringLiteral("대여자명"));
    BindControl(m_edtRentTel, QStringLiteral("연락처"));
    BindControl(m_wneRentHeight, QStringLiteral("신장"));
    BindControl(m_wneRentWeight, QStringLiteral("체중"));
    BindControl(m_cboRentBootsSize, QStringLiteral("부츠사이즈"));
    BindControl(m_wneRentBinding, QStringLiteral("바인딩강도"));
    BindControl(m_wmeRentZipCode, QStringLiteral("우편번호"));
    BindControl(m_edtRentAddr1, QStringLiteral("주소1"));
    BindControl(m_wlbRentAddr2, QStringLiteral("주소2"));
    BindControl(m_wmeRentSvrlDateFrom, QStringLiteral("연일대여시작일자"));
    BindControl(m_wmeRentSvrlDateTo, QStringLiteral("연일대여끝일자"));
    BindControl(m_edtRentRemark, QStringLiteral("비고"));

    for (CodeCombo *c : {m_cboArea, m_cboKeepKind, m_cboRentTicketKind, m_cboRentEquip, m_cboRentBootsSize})
        if (c->count() > 0)
            c->setCurrentIndex(0);
}

// ---------------------------------------------------------------- rental state

void TfrmEBI040::showState(const QString &state)
{
    m_state = state;
    const auto paint = [](QToolButton *b, bool raised) {
        b->setAutoRaise(!raised);
        b->setStyleSheet(raised ? QStringLiteral("color: blue") : QStringLiteral("color: maroon"));
    };
    paint(m_sbtRentDay, state == kDay);
    paint(m_sbtRentSvrl, state == kSeveralDays);
    paint(m_sbtRentReturn, state == kReturned);
}

void TfrmEBI040::SelectState(const QString &state)
{
    stateButtonClick(state);
}

void TfrmEBI040::stateButtonClick(const QString &state)
{
    if (m_loading)
        return;
    showState(state);
    m_modified = true;
    const int row = m_rgrGrid->currentRow();
    if (row >= 0 && row < m_rgrGrid->rowCount())
        m_rgrGrid->setCell(row, ColRentStat, state);
}

void TfrmEBI040::StoreControl(QWidget *control)
{
    TfrmEBI000::StoreControl(control);
    const int row = m_rgrGrid->currentRow();
    if (!m_modified || row < 0 || row >= m_rgrGrid->rowCount() || m_state.isEmpty())
        return;
    m_rgrGrid->setCell(row, ColRentStat, m_state);
}

// ---------------------------------------------------------------- rows

bool TfrmEBI040::isNewRow(int row) const
{
    return row >= 0 && row < m_rgrGrid->rowCount() && m_rgrGrid->cell(row, ColTemp) != QLatin1String("Y");
}

void TfrmEBI040::ShowRow()
{
    m_showingRow = true;
    TfrmEBI000::ShowRow();
    const int row = m_rgrGrid->currentRow();
    if (row >= 0 && row < m_rgrGrid->rowCount()) {
        const QString state = m_rgrGrid->cell(row, ColRentStat);
        if (state == kDay || state == kSeveralDays || state == kReturned)
            showState(state);
    }
    if (m_cboEquipSizeGubun->count() > 0)
        m_cboEquipSizeGubun->setCurrentIndex(0);
    m_showingRow = false;
    RefreshFreeList();
    // A saved row can neither be deleted nor give its piece back here.
    const bool fresh = isNewRow(row);
    if (!isSearchMode()) {
        m_bbtEquipCancel->setEnabled(fresh);
        m_bbtDelete->setEnabled(fresh);
    }
    updateEquipButtons();
}

void TfrmEBI040::updateEquipButtons()
{
    if (isSearchMode())
        return;
    const bool noPiece = m_edtRentEquipNo->text().isEmpty();
    m_bbtEquipSelect->setEnabled(noPiece);
    // The kind belongs to the chosen piece: another kind would file its number
    // under a different piece and leave the chosen one held for the day.
    m_cboRentEquip->setEnabled(noPiece);
}

bool TfrmEBI040::CheckRow()
{
    if (m_edtDealName->text().trimmed().isEmpty())
        return missing(QStringLiteral("*취급자"), m_edtDealName);
    if (m_cboKeepKind->currentIndex() < 0)
        return missing(QStringLiteral("*보관내용구분"), m_cboKeepKind);
    if (m_edtKeepBoxNo->text().trimmed().isEmpty())
        return missing(QStringLiteral("*보관함번호"), m_edtKeepBoxNo);
    if (m_cboRentEquip->currentIndex() < 0)
        return missing(QStringLiteral("*장비구분"), m_cboRentEquip);
    if (m_edtRentEquipNo->text().trimmed().isEmpty())
        return missing(QStringLiteral("*장비번호"), nullptr);
    if (m_edtRentName->text().trimmed().isEmpty())
        return missing(QStringLiteral("*대여자명"), m_edtRentName);
    if (m_cboRentBootsSize->currentIndex() < 0)
        return missing(QStringLiteral("*부츠사이즈"), m_cboRentBootsSize);
    if (m_cboRentTicketKind->currentIndex() < 0)
        return missing(QStringLiteral("*권종"), m_cboRentTicketKind);
    if (!m_wmeRentZipCode->value().trimmed().isEmpty() && m_edtRentAddr1->text().trimmed().isEmpty())
        return wrong(QStringLiteral("주소"), m_wmeRentZipCode);
    const QString from = m_wmeRentSvrlDateFrom->value().trimmed();
    const QString to = m_wmeRentSvrlDateTo->value().trimmed();
    if (!from.isEmpty() && !IsValidYmd(from))
        return wrong(QStringLiteral("연일대여기간"), m_wmeRentSvrlDateFrom);
    if (!to.isEmpty() && !IsValidYmd(to))
        return wrong(QStringLiteral("연일대여기간"), m_wmeRentSvrlDateTo);
    if (!from.isEmpty() && to.isEmpty())
        return wrong(QStringLiteral("연일대여기간"), m_wmeRentSvrlDateTo);
    // A period that ends before it begins would be stored as it stands.
    if (!from.isEmpty() && DigitsOnly(to) < DigitsOnly(from))
        return wrong(QStringLiteral("연일대여기간"), m_wmeRentSvrlDateTo);
    if (m_state.isEmpty())
        return fail(QStringLiteral("대여상태를 선택하십시요"), nullptr);
    if (!from.isEmpty() && !to.isEmpty() && m_state == kDay)
        return fail(QStringLiteral("연일대여기간 등록시 대여상태는 [연일대여]만 설정가능합니다"), nullptr);
    if (m_state == kSeveralDays && (from.isEmpty() || to.isEmpty()))
        return fail(QStringLiteral("대여상태가 [연일대여]일 경우 연일대여기간을 입력하십시요"), m_wmeRentSvrlDateFrom);
    return true;
}

// ---------------------------------------------------------------- equipment choice

void TfrmEBI040::equipKindChanged()
{
    QWidget *focus = QApplication::focusWidget();
    if (focus == m_bbtCancel || focus == m_bbtClose)
        return;
    const QString kind = m_cboRentEquip->value();
    QStringList filter;
    if (kind == QLatin1String("CS"))
        filter = {QStringLiteral("Y")};
    else if (kind == QLatin1String("SB"))
        filter = {QString(), QStringLiteral("Y")};
    else if (kind == QLatin1String("NS"))
        filter = {QString(), QString(), QStringLiteral("Y")};
    if (!filter.isEmpty()) {
        const bool showing = m_showingRow;
        m_showingRow = true; // one refresh below, not one per entry
        m_cboEquipSizeGubun->clearItems();
        try {
            FillCodeCombo(m_cboEquipSizeGubun, QStringLiteral("E0010"), filter);
        } catch (const DbError &e) {
            ShowError(e.message());
        }
        if (m_cboEquipSizeGubun->count() > 0)
            m_cboEquipSizeGubun->setCurrentIndex(0);
        else
            closeFreeList();
        m_showingRow = showing;
    }
    if (!m_showingRow)
        RefreshFreeList();
}

void TfrmEBI040::closeFreeList()
{
    m_rgrEquipNo->clearRows();
    m_rgrEquipNo->setFooterText(0, QStringLiteral("0"));
}

void TfrmEBI040::RefreshFreeList()
{
    if (isSearchMode() || m_cboArea->currentIndex() < 0 || m_cboRentEquip->currentIndex() < 0
        || m_cboEquipSizeGubun->currentIndex() < 0)
        return;
    closeFreeList();
    try {
        const RowSet rows = SqlQuery::select(Db(), kFreeList,
                                             {{QStringLiteral("AREA_GUBUN"), m_cboArea->value()},
                                              {QStringLiteral("EQUIP_GUBUN"), m_cboRentEquip->value()},
                                              {QStringLiteral("EQUIP_SIZE_GUBUN"), m_cboEquipSizeGubun->value()},
                                              {QStringLiteral("RENT_DATE"), WorkDate()},
                                              {QStringLiteral("RENT_STAT"), kDay}});
        m_rgrEquipNo->fill(rows, DataGridModel::FillMode::ByFieldName);
        if (m_rgrEquipNo->rowCount() > 0)
            m_rgrEquipNo->setCurrentRow(0);
        m_rgrEquipNo->setFooterText(0, QString::number(m_rgrEquipNo->rowCount()));
    } catch (const DbError &e) {
        ShowError(e.message());
    }
}

bool TfrmEBI040::holdCall(const QString &kind, const QString &equipNo, const QString &status)
{
    try {
        StoredProc proc(Db(), QStringLiteral("PR_EBI040_03"));
        proc.setParam(QStringLiteral("ARENT_DATE"), WorkDate());
        proc.setParam(QStringLiteral("AAREA_GUBUN"), m_cboArea->value());
        proc.setParam(QStringLiteral("AEQUIP_GUBUN"), kind);
        proc.setParam(QStringLiteral("AEQUIP_NO"), equipNo);
        proc.setParam(QStringLiteral("AU_EMP_NO"), Login::EmpNo);
        proc.setParam(QStringLiteral("AU_IP"), Login::LocalIP);
        proc.setParam(QStringLiteral("AEDITSTATUS"), status);
        proc.execProc(); // a transaction of its own: other desks see the hold at once
    } catch (const DbError &e) {
        ShowError(kSaveFailed + e.message());
        return false;
    }
    return true;
}

bool TfrmEBI040::bbtEquipSelectClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtEquipSelect, this))
        return false;
    const int listed = m_rgrEquipNo->currentRow();
    if (m_rgrEquipNo->rowCount() == 0 || listed < 0) {
        ShowInfo(QStringLiteral("조건[지역, 장비, 장비사이즈]에 맞는 잔여장비가 없습니다"));
        return false;
    }
    const QString equipNo = m_rgrEquipNo->cell(listed, 0);
    bool unavailable = true;
    try {
        unavailable = IsEquipUnavailable(WorkDate(), m_cboArea->value(), m_cboRentEquip->value(), equipNo);
    } catch (const DbError &e) {
        ShowError(e.message());
        return false;
    }
    if (unavailable) {
        ShowInfo(QStringLiteral("선택하신 장비는 이미 대여되었거나 작업중입니다"));
        RefreshFreeList();
        return false;
    }
    if (!holdCall(m_cboRentEquip->value(), equipNo, QStringLiteral("2"))) {
        RefreshFreeList();
        return false;
    }
    m_edtRentEquipNo->setText(equipNo); // bound: the row's piece column follows
    RefreshFreeList();
    return true;
}

bool TfrmEBI040::bbtEquipCancelClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtEquipCancel, this))
        return false;
    if (m_edtRentEquipNo->text().isEmpty()) {
        ShowInfo(QStringLiteral("선택된 장비가 없습니다"));
        return false;
    }
    if (!holdCall(m_cboRentEquip->value(), m_edtRentEquipNo->text(), QStringLiteral("3")))
        return false;
    m_edtRentEquipNo->clear();
    RefreshFreeList();
    return true;
}

bool TfrmEBI040::releaseHeldPieces()
{
    // The shown piece goes back even when the field is empty (nothing to do then).
    if (!holdCall(m_cboRentEquip->value(), m_edtRentEquipNo->text(), QStringLiteral("3")))
        return false;
    // Pieces chosen on other unsaved rows would otherwise stay held for the day.
    const int current = m_rgrGrid->currentRow();
    for (int r = 0; r < m_rgrGrid->rowCount(); ++r) {
        if (r == current || !isNewRow(r) || m_rgrGrid->cell(r, ColEquipNo).isEmpty())
            continue;
        if (!holdCall(m_rgrGrid->cell(r, ColEquipGubun), m_rgrGrid->cell(r, ColEquipNo), QStringLiteral("3")))
            return false;
    }
    return true;
}

// ---------------------------------------------------------------- search, save, cancel, close

bool TfrmEBI040::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    ShowStatus(QString());
    const QString rentNo = m_edtRentNo->text().trimmed();
    if (!isDigits(rentNo))
        return wrong(QStringLiteral("대여번호"), m_edtRentNo);
    m_masterStatus = 2;
    try {
        const RowSet header = SqlQuery::select(Db(),
                                               QStringLiteral("SELECT DEAL_NAME, KEEP_KIND_GUBUN, KEEP_BOX_NO FROM EB040MS WHERE "
                                                              "RENT_DATE = :RENT_DATE AND AREA_GUBUN = :AREA_GUBUN AND RENT_NO = :RENT_NO"),
                                               {{QStringLiteral("RENT_DATE"), WorkDate()},
                                                {QStringLiteral("AREA_GUBUN"), m_cboArea->value()},
                                                {QStringLiteral("RENT_NO"), rentNo}});
        if (!header.isEmpty()) {
            m_edtDealName->setText(header.text(0, QStringLiteral("DEAL_NAME")));
            m_cboKeepKind->setValue(header.text(0, QStringLiteral("KEEP_KIND_GUBUN")));
            m_edtKeepBoxNo->setText(header.text(0, QStringLiteral("KEEP_BOX_NO")));
            m_masterStatus = 1;
        }
    } catch (const DbError &) {
        // A header that cannot be read counts as a new rental.
    }
    SqlQuery &q = qryQuery();
    q.setParam(QStringLiteral("RENT_DATE"), WorkDate());
    q.setParam(QStringLiteral("AREA_GUBUN"), m_cboArea->value());
    q.setParam(QStringLiteral("RENT_NO"), rentNo);
    if (!TfrmEBI000::bbtSearchClick())
        return false;
    m_edtDealName->setFocus();
    return true;
}

bool TfrmEBI040::SaveData()
{
    const int status = m_masterStatus;
    const QString rentNo = m_edtRentNo->text().trimmed();
    try {
        StoredProc header(Db(), QStringLiteral("PR_EBI040_01"));
        header.setParam(QStringLiteral("ARENT_DATE"), WorkDate());
        header.setParam(QStringLiteral("AAREA_GUBUN"), m_cboArea->value());
        header.setParam(QStringLiteral("ARENT_NO"), rentNo);
        header.setParam(QStringLiteral("ADEAL_NAME"), m_edtDealName->text());
        header.setParam(QStringLiteral("AKEEP_KIND_GUBUN"), m_cboKeepKind->value());
        header.setParam(QStringLiteral("AKEEP_BOX_NO"), m_edtKeepBoxNo->text());
        header.setParam(QStringLiteral("AU_EMP_NO"), Login::EmpNo);
        header.setParam(QStringLiteral("AU_IP"), Login::LocalIP);
        header.setParam(QStringLiteral("AEDITSTATUS"), QString::number(status));
        header.execProc();
        if (status == 2) {
            const QString given = header.output(QStringLiteral("ANEW_RENT_NO")).toString();
            m_edtRentNo->setText(given);
            qryQuery().setParam(QStringLiteral("RENT_NO"), given);
        }
        StoredProc &rows = prcSaveData();
        rows.setParam(QStringLiteral("ARENT_DATE"), WorkDate());
        rows.setParam(QStringLiteral("AAREA_GUBUN"), m_cboArea->value());
        rows.setParam(QStringLiteral("ARENT_NO"), m_edtRentNo->text().trimmed());
        m_masterStatus = 1;
        return TfrmEBI000::SaveData();
    } catch (...) {
        // The save is rolled back: the rental is as new as before, and its
        // number was never given.
        m_masterStatus = status;
        m_edtRentNo->setText(rentNo);
        qryQuery().setParam(QStringLiteral("RENT_NO"), rentNo);
        throw;
    }
}

TRentTicketInfo TfrmEBI040::ticketOf(int row) const
{
    TRentTicketInfo t;
    t.ticketKindName = m_rgrGrid->displayText(row, ColTicketKind);
    t.equipKindName = m_rgrGrid->displayText(row, ColEquipGubun);
    t.rentStatName = m_rgrGrid->displayText(row, ColRentStat);
    t.areaName = m_cboArea->currentText();
    t.rentDate = TicketRentDate(WorkDate());
    t.rentName = m_rgrGrid->cell(row, ColRentName);
    t.height = m_rgrGrid->cell(row, ColHeight);
    t.weight = m_rgrGrid->cell(row, ColWeight);
    t.bootsSizeName = m_rgrGrid->displayText(row, ColShoesSize);
    const QString from = m_rgrGrid->cell(row, ColSvrlFrom);
    if (!from.isEmpty()) {
        t.svrlFromDate = TicketPeriodDate(from);
        t.svrlToDate = TicketPeriodDate(m_rgrGrid->cell(row, ColSvrlTo));
    }
    t.rentNo = TicketRentNo(m_edtRentNo->text());
    t.keepBoxNo = m_edtKeepBoxNo->text();
    return t;
}

bool TfrmEBI040::AfterSave()
{
    // After the commit, before the reload: the rows without TEMP are the new ones.
    QList<int> fresh;
    for (int r = 0; r < m_rgrGrid->rowCount(); ++r)
        if (isNewRow(r))
            fresh << r;
    m_tickets->print(fresh);
    return true;
}

bool TfrmEBI040::bbtSaveClick()
{
    m_tickets->clearFailures();
    const bool saved = TfrmEBI000::bbtSaveClick();
    if (saved)
        RefreshFreeList();
    m_tickets->reportFailures(true);
    return saved;
}

bool TfrmEBI040::bbtDeleteClick()
{
    const int row = m_rgrGrid->currentRow();
    const bool fresh = isNewRow(row);
    const QString kind = fresh ? m_rgrGrid->cell(row, ColEquipGubun) : QString();
    const QString equipNo = fresh ? m_rgrGrid->cell(row, ColEquipNo) : QString();
    if (!TfrmEBI000::bbtDeleteClick())
        return false;
    // The deleted new row's piece is no longer chosen by anyone.
    if (!equipNo.isEmpty())
        holdCall(kind, equipNo, QStringLiteral("3"));
    RefreshFreeList();
    return true;
}

bool TfrmEBI040::BeforeCancel()
{
    if (!releaseHeldPieces())
        return false;
    if (m_cboKeepKind->count() > 0)
        m_cboKeepKind->setCurrentIndex(0);
    m_edtKeepBoxNo->clear();
    showState(QString());
    closeFreeList();
    return true;
}

bool TfrmEBI040::BeforeClose()
{
    if (!isSearchMode() && !releaseHeldPieces())
        return false;
    m_piecesReleased = true;
    return true;
}

bool TfrmEBI040::canClose()
{
    // Closing the main window closes every tab without the desk's own Close;
    // pieces chosen on unsaved rows must still go back to the free list. A failed
    // release has shown its message; it does not keep the program from closing.
    if (!isSearchMode() && !m_piecesReleased)
        releaseHeldPieces();
    return TfrmEBI000::canClose();
}

// ---------------------------------------------------------------- tickets, lookups

void TfrmEBI040::bbtReissueClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_tickets->reissueButton(), this))
        return;
    const int row = m_rgrGrid->currentRow();
    if (m_rgrGrid->rowCount() == 0 || row < 0 || isNewRow(row))
        return;
    m_tickets->reissue(row);
}

void TfrmEBI040::bbtPrinterInitClick()
{
    m_tickets->reopenPrinter();
}

void TfrmEBI040::zipCodeExit()
{
    const QString zip = m_wmeRentZipCode->value().trimmed();
    if (zip.isEmpty())
        return;
    try {
        m_edtRentAddr1->setText(GetZipAddress(zip));
    } catch (const DbError &e) {
        ShowError(e.message());
    }
}

void TfrmEBI040::pickZipCode()
{
    if (!ButtonUsable(m_sbtZipCode, this))
        return;
    QString zip, address;
    if (PickZipCode(zip, address)) {
        m_wmeRentZipCode->setValue(zip);
        m_edtRentAddr1->setText(address);
        m_wlbRentAddr2->setFocus();
    } else {
        m_wmeRentZipCode->setFocus();
    }
}

void TfrmEBI040::pickRentNo()
{
    if (!ButtonUsable(m_sbtRentNo, this))
        return;
    QString chosen;
    if (PickRentNo(WorkDate(), m_cboArea->value(), m_edtRentNo->text().trimmed(), chosen)) {
        m_edtRentNo->setText(chosen);
        bbtSearchClick();
    } else {
        m_edtRentNo->setFocus();
    }
}

bool TfrmEBI040::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (watched == m_edtRentNo) {
            pickRentNo();
            return true;
        }
        if (watched == m_wmeRentZipCode) {
            pickZipCode();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && watched == m_wmeRentZipCode && !m_loading)
        zipCodeExit();
    return TfrmEBI000::eventFilter(watched, event);
}
