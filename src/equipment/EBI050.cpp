#include "EBI050.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "EZC000.h"
#include "FormHelpers.h"
#include "MaskEdit.h"
#include "Pickers.h"
#include "SqlQuery.h"
#include "ZZC000.h"
#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

// ---------------------------------------------------------------- ticket

QList<TicketLine> KeepTicketLines(const TKeepTicketInfo &info)
{
    const QString serial = QLatin1Char('(') + info.nativeNo + QLatin1Char(')');
    const QString big = QStringLiteral("2,2");
    const QString small = QStringLiteral("1,1");
    return {
        {QStringLiteral("5,150"), big, QStringLiteral("3"), QStringLiteral("장비보관증")},
        {QStringLiteral("70,400"), small, QStringLiteral("5"), QStringLiteral("NO: ") + info.ticketNo},
        {QStringLiteral("110,10"), big, QStringLiteral("2"), QStringLiteral("보관함번호: ") + info.keepBoxNo},
        {QStringLiteral("150,10"), big, QStringLiteral("2"), QStringLiteral("고객명    : ") + info.keepName},
        {QStringLiteral("190,10"), big, QStringLiteral("2"), QStringLiteral("장비명    : ") + info.equipName},
        {QStringLiteral("230,10"), big, QStringLiteral("2"), QString(10, QLatin1Char(' ')) + serial},
        {QStringLiteral("270,10"), big, QStringLiteral("2"), QStringLiteral("보관종류  : ") + info.keepKindName},
        {QStringLiteral("310,10"), big, QStringLiteral("2"), QStringLiteral("보관일자  : ") + info.ipgoDate},
        {QStringLiteral("70,690"), small, QStringLiteral("3"), info.ticketNo},
        {QStringLiteral("110,690"), small, QStringLiteral("3"), info.keepBoxNo},
        {QStringLiteral("150,690"), small, QStringLiteral("3"), info.keepName},
        {QStringLiteral("190,690"), small, QStringLiteral("3"), info.equipName},
        {QStringLiteral("230,690"), small, QStringLiteral("3"), serial},
        {QStringLiteral("270,690"), small, QStringLiteral("3"), info.keepKindName},
        {QStringLiteral("310,690"), small, QStringLiteral("3"), info.ipgoDate},
    };
}

bool PrintKeepTicket(TicketPrinter &printer, const TKeepTicketInfo &info)
{
    return printer.printTicket(QStringLiteral("<NR>"), KeepTicketLines(info));
}

// ---------------------------------------------------------------- screen

namespace {

const QString kSeasonHead = QStringLiteral("E0004");

enum Column {
    ColKeepNo, ColKeepStat, ColIpgoDate, ColChulgoDate, ColGuestNo, ColGuestName, ColKeepGubun, ColEquipGubun,
    ColEquipNameGubun, ColEquipNameEtc, ColNativeNo, ColPoelsYn, ColPoelsName, ColMemberNo, ColKeepName, ColZipCode,
    ColAddr1, ColAddr2, ColTelNo, ColMobileNo, ColKeepBoxNo, ColRemark, ColConfQuestion, ColConfAnswer, ColTemp
};

QToolButton *lookupButton(const QString &name, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QStringLiteral("…"));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QString dashedToSlashed(const QString &yyyymmdd)
{
    if (yyyymmdd.size() != 8)
        return yyyymmdd;
    return yyyymmdd.left(4) + QLatin1Char('/') + yyyymmdd.mid(4, 2) + QLatin1Char('/') + yyyymmdd.mid(6, 2);
}

} // namespace

TfrmEBI050::TfrmEBI050(QWidget *parent) : TfrmEBI000(parent)
{
    setObjectName(QStringLiteral("frmEBI050"));
    setWindowTitle(QStringLiteral("장비 보관/불출 작업"));

    // Saved rows come back in storage-number order, so new items (numbered last)
    // stand after the ones that were already on the screen.
    qryQuery().setSql(QStringLiteral(
        "SELECT TO_CHAR(KEEP_NO, 'FM0000000000') AS KEEP_NO, KEEP_STAT, IPGO_DATE, CHULGO_DATE, GUEST_NO, GUEST_NAME, "
        "KEEP_GUBUN, EQUIP_GUBUN, EQUIP_NAME_GUBUN, EQUIP_NAME_ETC, NATIVE_NO, POELS_YN, POELS_NAME, MEMBER_NO, "
        "KEEP_NAME, ZIP_CODE, ADDR1, ADDR2, TEL_NO, MOBILE_NO, KEEP_BOX_NO, REMARK, CONF_QUESTION, CONF_ANSWER "
        "FROM EB050MS WHERE SEASON_GUBUN = :SEASON_GUBUN AND AREA_GUBUN = :AREA_GUBUN ORDER BY EB050MS.KEEP_NO"));
    setSaveProcName(QStringLiteral("PR_EBI050_01"));

    DataGridColumn inDate = column(QStringLiteral("IPGO_DATE"), QStringLiteral("입고일자"), 16, 80);
    inDate.kind = DataGridColumn::Kind::Mask;
    inDate.mask = QStringLiteral("9999-99-99");
    DataGridColumn outDate = inDate;
    outDate.fieldName = QStringLiteral("CHULGO_DATE");
    outDate.title = QStringLiteral("출고일자");
    DataGridColumn keepNo = column(QStringLiteral("KEEP_NO"), QStringLiteral("보관번호"), 10, 84);
    keepNo.alignment = Qt::AlignCenter;
    DataGridColumn state = column(QStringLiteral("KEEP_STAT"), QStringLiteral("보관상태"), 1, 60);
    state.alignment = Qt::AlignCenter;
    SetGridColumns({
        keepNo,
        state,
        inDate,
        outDate,
        column(QStringLiteral("GUEST_NO"), QStringLiteral("우대번호"), 10),
        column(QStringLiteral("GUEST_NAME"), QStringLiteral("우대명"), 30),
        column(QStringLiteral("KEEP_GUBUN"), QStringLiteral("보관구분"), 2),
        column(QStringLiteral("EQUIP_GUBUN"), QStringLiteral("장비구분"), 2),
        column(QStringLiteral("EQUIP_NAME_GUBUN"), QStringLiteral("장비명구분"), 2),
        column(QStringLiteral("EQUIP_NAME_ETC"), QStringLiteral("장비명기타"), 40),
        column(QStringLiteral("NATIVE_NO"), QStringLiteral("고유번호"), 40),
        column(QStringLiteral("POELS_YN"), QStringLiteral("폴유무"), 1),
        column(QStringLiteral("POELS_NAME"), QStringLiteral("폴명"), 40),
        column(QStringLiteral("MEMBER_NO"), QStringLiteral("회원번호"), 10),
        column(QStringLiteral("KEEP_NAME"), QStringLiteral("보관자명"), 30),
        column(QStringLiteral("ZIP_CODE"), QStringLiteral("우편번호"), 6),
        column(QStringLiteral("ADDR1"), QStringLiteral("주소1"), 60),
        column(QStringLiteral("ADDR2"), QStringLiteral("주소2"), 60),
        column(QStringLiteral("TEL_NO"), QStringLiteral("연락처(자택)"), 20),
        column(QStringLiteral("MOBILE_NO"), QStringLiteral("연락처(핸드폰)"), 20),
        column(QStringLiteral("KEEP_BOX_NO"), QStringLiteral("보관함번호"), 10),
        column(QStringLiteral("REMARK"), QStringLiteral("비고"), 60),
        column(QStringLiteral("CONF_QUESTION"), QStringLiteral("질문"), 80),
        column(QStringLiteral("CONF_ANSWER"), QStringLiteral("답변"), 80),
    });

    buildSearchPanel();
    buildBody();

    m_tickets = new TicketDesk(this, QStringLiteral("보관증"), QStringLiteral("보관증 재발급"),
                               [this](TicketPrinter &printer, int row) { return PrintKeepTicket(printer, ticketOf(row)); },
                               [this](int row) { return m_rgrGrid->cell(row, ColKeepNo); });
    for (QPushButton *b : m_tickets->buttons())
        addBarButton(b);
    connect(m_tickets->buttons().at(0), &QPushButton::clicked, this, &TfrmEBI050::bbtReissueClick);
    connect(m_tickets->buttons().at(1), &QPushButton::clicked, this, &TfrmEBI050::bbtPrinterInitClick);

    m_popHotkeyKeep = addHotkey(QStringLiteral("popHotkeyKeep"), QStringLiteral("보관"), QKeySequence(Qt::Key_F5));
    m_popHotkeyRelease = addHotkey(QStringLiteral("popHotkeyRelease"), QStringLiteral("불출"), QKeySequence(Qt::Key_F6));
    connect(m_popHotkeyKeep, &QAction::triggered, this, [this] { stateButtonClick(QStringLiteral("K")); });
    connect(m_popHotkeyRelease, &QAction::triggered, this, [this] { stateButtonClick(QStringLiteral("R")); });

    fillCodes();
    showState(QString());
}

TfrmEBI050::~TfrmEBI050() = default;

void TfrmEBI050::buildSearchPanel()
{
    auto *seasonLabel = new QLabel(QStringLiteral("*시즌"));
    seasonLabel->setObjectName(QStringLiteral("lblSeason"));
    m_edtSeason = new QLineEdit;
    m_edtSeason->setObjectName(QStringLiteral("edtSeason"));
    m_edtSeason->setMaxLength(2);
    m_edtSeason->setFixedWidth(36);
    m_sbtSeason = lookupButton(QStringLiteral("sbtSeason"), nullptr);
    m_wlbSeasonName = new QLabel;
    m_wlbSeasonName->setObjectName(QStringLiteral("wlbSeasonName"));
    m_wlbSeasonName->setMinimumWidth(120);
    m_wlbSeasonName->setFrameShape(QFrame::StyledPanel);
    auto *areaLabel = new QLabel(QStringLiteral("*지역구분"));
    areaLabel->setObjectName(QStringLiteral("lblArea"));
    m_cboArea = new CodeCombo;
    m_cboArea->setObjectName(QStringLiteral("cboArea"));
    m_cboArea->setMinimumWidth(100);
    for (QWidget *w : std::initializer_list<QWidget *>{seasonLabel, m_edtSeason, m_sbtSeason, m_wlbSeasonName, areaLabel, m_cboArea})
        addSearchField(w);
    watchInput(m_edtSeason);
    watchInput(m_cboArea);
    m_edtSeason->installEventFilter(this);
    m_cboArea->installEventFilter(this);

    connect(m_edtSeason, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int at = m_edtSeason->cursorPosition();
        m_edtSeason->setText(text.toUpper());
        m_edtSeason->setCursorPosition(at);
    });
    // A changed season has no name until it is looked up again.
    connect(m_edtSeason, &QLineEdit::textChanged, m_wlbSeasonName, &QLabel::clear);
    connect(m_sbtSeason, &QToolButton::clicked, this, &TfrmEBI050::pickSeason);
}

void TfrmEBI050::buildBody()
{
    auto *outer = new QVBoxLayout(m_panBody);
    outer->setContentsMargins(8, 8, 8, 8);

    auto *statePanel = new QFrame(m_panBody);
    statePanel->setObjectName(QStringLiteral("panState"));
    auto *stateLayout = new QHBoxLayout(statePanel);
    stateLayout->setContentsMargins(0, 0, 0, 0);
    m_sbtKeep = new QToolButton(statePanel);
    m_sbtKeep->setObjectName(QStringLiteral("sbtKeep"));
    m_sbtKeep->setText(QStringLiteral("보관[F5]"));
    m_sbtRelease = new QToolButton(statePanel);
    m_sbtRelease->setObjectName(QStringLiteral("sbtRelease"));
    m_sbtRelease->setText(QStringLiteral("불출[F6]"));
    for (QToolButton *b : {m_sbtKeep, m_sbtRelease}) {
        b->setFixedSize(90, 26);
        b->setFocusPolicy(Qt::NoFocus);
        stateLayout->addWidget(b);
    }
    stateLayout->addStretch();
    connect(m_sbtKeep, &QToolButton::clicked, this, [this] { stateButtonClick(QStringLiteral("K")); });
    connect(m_sbtRelease, &QToolButton::clicked, this, [this] { stateButtonClick(QStringLiteral("R")); });
    outer->addWidget(statePanel);

    auto *grid = new QGridLayout;
    outer->addLayout(grid);
    outer->addStretch();
    int line = 0;
    auto label = [&](const QString &name, const QString &caption) {
        auto *l = new QLabel(caption, m_panBody);
        l->setObjectName(name);
        grid->addWidget(l, line, 0);
        return l;
    };
    auto edit = [&](const QString &name, int maxBytes, const QString &title) {
        auto *e = new QLineEdit(m_panBody);
        e->setObjectName(name);
        e->setMaxLength(maxBytes);
        BindControl(e, title);
        return e;
    };
    auto mask = [&](const QString &name, const QString &pattern, const QString &title) {
        auto *e = new MaskEdit(m_panBody);
        e->setObjectName(name);
        e->setEditMask(pattern);
        e->setFixedWidth(100);
        BindControl(e, title);
        return e;
    };
    auto combo = [&](const QString &name, const QString &title) {
        auto *c = new CodeCombo(m_panBody);
        c->setObjectName(name);
        c->setMinimumWidth(140);
        BindControl(c, title);
        return c;
    };
    auto row = [&](std::initializer_list<QWidget *> widgets) {
        auto *h = new QHBoxLayout;
        for (QWidget *w : widgets)
            h->addWidget(w);
        h->addStretch();
        grid->addLayout(h, line++, 1);
    };

    label(QStringLiteral("lblKeepNo"), QStringLiteral("보관번호"));
    m_wlbKeepNo = new QLabel(m_panBody);
    m_wlbKeepNo->setObjectName(QStringLiteral("wlbKeepNo"));
    m_wlbKeepNo->setFixedWidth(100);
    m_wlbKeepNo->setAutoFillBackground(true);
    m_wlbKeepNo->setStyleSheet(QStringLiteral("background-color: yellow;"));
    BindControl(m_wlbKeepNo, QStringLiteral("보관번호"));
    row({m_wlbKeepNo});

    label(QStringLiteral("lblKeepInDate"), QStringLiteral("*입고일"));
    m_wmeKeepInDate = mask(QStringLiteral("wmeKeepInDate"), QStringLiteral("9999-99-99"), QStringLiteral("입고일자"));
    auto *outLabel = new QLabel(QStringLiteral("출고일"), m_panBody);
    outLabel->setObjectName(QStringLiteral("lblKeepOutDate"));
    m_wmeKeepOutDate = mask(QStringLiteral("wmeKeepOutDate"), QStringLiteral("9999-99-99"), QStringLiteral("출고일자"));
    row({m_wmeKeepInDate, outLabel, m_wmeKeepOutDate});

    label(QStringLiteral("lblKeepWoodaeNo"), QStringLiteral("우대번호"));
    m_edtKeepWoodaeNo = edit(QStringLiteral("edtKeepWoodaeNo"), 10, QStringLiteral("우대번호"));
    m_edtKeepWoodaeNo->setFixedWidth(100);
    m_sbtKeepWoodaeNo = lookupButton(QStringLiteral("sbtKeepWoodaeNo"), m_panBody);
    m_wlbKeepWoodaeNo = new QLabel(m_panBody);
    m_wlbKeepWoodaeNo->setObjectName(QStringLiteral("wlbKeepWoodaeNo"));
    m_wlbKeepWoodaeNo->setMinimumWidth(140);
    m_wlbKeepWoodaeNo->setFrameShape(QFrame::StyledPanel);
    BindControl(m_wlbKeepWoodaeNo, QStringLiteral("우대명"));
    row({m_edtKeepWoodaeNo, m_sbtKeepWoodaeNo, m_wlbKeepWoodaeNo});

    label(QStringLiteral("lblKeep"), QStringLiteral("*보관구분"));
    m_cboKeep = combo(QStringLiteral("cboKeep"), QStringLiteral("보관구분"));
    row({m_cboKeep});
    label(QStringLiteral("lblKeepEquip"), QStringLiteral("*장비구분"));
    m_cboKeepEquip = combo(QStringLiteral("cboKeepEquip"), QStringLiteral("장비구분"));
    row({m_cboKeepEquip});
    label(QStringLiteral("lblKeepEquipName"), QStringLiteral("*장비명"));
    m_cboKeepEquipName = combo(QStringLiteral("cboKeepEquipName"), QStringLiteral("장비명구분"));
    m_edtKeepEquipNameEtc = edit(QStringLiteral("edtKeepEquipNameEtc"), 40, QStringLiteral("장비명기타"));
    row({m_cboKeepEquipName, m_edtKeepEquipNameEtc});
    label(QStringLiteral("lblKeepEquipID"), QStringLiteral("*고유번호"));
    m_edtKeepEquipID = edit(QStringLiteral("edtKeepEquipID"), 40, QStringLiteral("고유번호"));
    row({m_edtKeepEquipID});
    label(QStringLiteral("lblKeepPoles"), QStringLiteral("폴유무"));
    m_cboKeepPoles = combo(QStringLiteral("cboKeepPoles"), QStringLiteral("폴유무"));
    m_cboKeepPoles->setMinimumWidth(60);
    m_cboKeepPoles->setItemsAndValues({QStringLiteral("유"), QStringLiteral("무")}, {QStringLiteral("Y"), QStringLiteral("N")});
    auto *polesName = new QLabel(QStringLiteral("폴명"), m_panBody);
    polesName->setObjectName(QStringLiteral("lblKeepPolesName"));
    m_edtKeepPolesName = edit(QStringLiteral("edtKeepPolesName"), 40, QStringLiteral("폴명"));
    row({m_cboKeepPoles, polesName, m_edtKeepPolesName});

    label(QStringLiteral("lblKeepMemberNo"), QStringLiteral("회원번호"));
    m_edtKeepMemberNo = edit(QStringLiteral("edtKeepMemberNo"), 10, QStringLiteral("회원번호"));
    m_edtKeepMemberNo->setFixedWidth(100);
    m_sbtKeepMemberNo = lookupButton(QStringLiteral("sbtKeepMemberNo"), m_panBody);
    row({m_edtKeepMemberNo, m_sbtKeepMemberNo});
    label(QStringLiteral("lblKeepName"), QStringLiteral("*보관자명"));
    m_edtKeepName = edit(QStringLiteral("edtKeepName"), 30, QStringLiteral("보관자명"));
    row({m_edtKeepName});

    label(QStringLiteral("lblKeepZipCode"), QStringLiteral("우편번호"));
    m_wmeKeepZipCode = mask(QStringLiteral("wmeKeepZipCode"), QStringLiteral("999-999"), QStringLiteral("우편번호"));
    m_sbtKeepZipCode = lookupButton(QStringLiteral("sbtKeepZipCode"), m_panBody);
    m_edtKeepAddr1 = edit(QStringLiteral("edtKeepAddr1"), 60, QStringLiteral("주소1"));
    m_edtKeepAddr1->setReadOnly(true);
    row({m_wmeKeepZipCode, m_sbtKeepZipCode, m_edtKeepAddr1});
    label(QStringLiteral("lblKeepAddr2"), QStringLiteral("주소2"));
    m_wlbKeepAddr2 = edit(QStringLiteral("wlbKeepAddr2"), 60, QStringLiteral("주소2"));
    row({m_wlbKeepAddr2});
    label(QStringLiteral("lblKeepTel"), QStringLiteral("*연락처(자택)"));
    m_edtKeepTel = edit(QStringLiteral("edtKeepTel"), 20, QStringLiteral("연락처(자택)"));
    row({m_edtKeepTel});
    label(QStringLiteral("lblKeepMobile"), QStringLiteral("연락처(핸드폰)"));
    m_edtKeepMobile = edit(QStringLiteral("edtKeepMobile"), 20, QStringLiteral("연락처(핸드폰)"));
    row({m_edtKeepMobile});
    label(QStringLiteral("lblKeepBoxNo"), QStringLiteral("*보관함번호"));
    m_edtKeepBoxNo = edit(QStringLiteral("edtKeepBoxNo"), 10, QStringLiteral("보관함번호"));
    row({m_edtKeepBoxNo});
    label(QStringLiteral("lblKeepRemark"), QStringLiteral("비고"));
    m_edtKeepRemark = edit(QStringLiteral("edtKeepRemark"), 60, QStringLiteral("비고"));
    row({m_edtKeepRemark});

    auto *loss = new QGroupBox(QStringLiteral("보관증 분실시 확인 질문/답변"), m_panBody);
    loss->setObjectName(QStringLiteral("grpKeepLoss"));
    auto *lossLayout = new QGridLayout(loss);
    m_edtKeepLossQuestion = new QLineEdit(loss);
    m_edtKeepLossQuestion->setObjectName(QStringLiteral("edtKeepLossQuestion"));
    m_edtKeepLossQuestion->setMaxLength(80);
    BindControl(m_edtKeepLossQuestion, QStringLiteral("질문"));
    m_edtKeepLossAnswer = new QLineEdit(loss);
    m_edtKeepLossAnswer->setObjectName(QStringLiteral("edtKeepLossAnswer"));
    m_edtKeepLossAnswer->setMaxLength(80);
    BindControl(m_edtKeepLossAnswer, QStringLiteral("답변"));
    lossLayout->addWidget(new QLabel(QStringLiteral("질문"), loss), 0, 0);
    lossLayout->addWidget(m_edtKeepLossQuestion, 0, 1);
    lossLayout->addWidget(new QLabel(QStringLiteral("답변"), loss), 1, 0);
    lossLayout->addWidget(m_edtKeepLossAnswer, 1, 1);
    grid->addWidget(loss, line++, 0, 1, 2);

    // Inputs whose leaving or F1 does more than the base.
    for (QWidget *w : std::initializer_list<QWidget *>{m_wmeKeepInDate, m_edtKeepWoodaeNo, m_edtKeepMemberNo, m_wmeKeepZipCode}) {
        w->installEventFilter(this);
        connect(static_cast<QLineEdit *>(w), &QLineEdit::textEdited, this, [this, w] { m_edited.insert(w); });
    }
    // What was looked up from a number no longer holds once the number changes.
    connect(m_edtKeepWoodaeNo, &QLineEdit::textEdited, this, [this] { setCellOf(m_wlbKeepWoodaeNo, QString()); });
    connect(m_edtKeepMemberNo, &QLineEdit::textEdited, m_edtKeepName, &QLineEdit::clear);
    connect(m_wmeKeepZipCode, &QLineEdit::textEdited, m_edtKeepAddr1, &QLineEdit::clear);
    connect(m_sbtKeepWoodaeNo, &QToolButton::clicked, this, &TfrmEBI050::pickGuest);
    connect(m_sbtKeepMemberNo, &QToolButton::clicked, this, &TfrmEBI050::pickMember);
    connect(m_sbtKeepZipCode, &QToolButton::clicked, this, &TfrmEBI050::pickZipCode);
}

void TfrmEBI050::fillCodes()
{
    try {
        FillCodeCombo(m_cboArea, QStringLiteral("E0017"));
        if (m_cboArea->count() > 0)
            m_cboArea->setCurrentIndex(0);
        FillCodeColumn(m_rgrGrid, ColKeepStat, QStringLiteral("E0015"));
        const std::pair<CodeCombo *, QString> lists[] = {
            {m_cboKeep, QStringLiteral("E0016")}, {m_cboKeepEquip, QStringLiteral("E0009")}, {m_cboKeepEquipName, QStringLiteral("E0021")}};
        for (const auto &[combo, head] : lists) {
            FillCodeCombo(combo, head);
            if (combo->count() > 0)
                combo->setCurrentIndex(0);
        }
        m_rgrGrid->setPickList(ColKeepGubun, m_cboKeep->items(), m_cboKeep->values());
        m_rgrGrid->setPickList(ColEquipGubun, m_cboKeepEquip->items(), m_cboKeepEquip->values());
        m_rgrGrid->setPickList(ColEquipNameGubun, m_cboKeepEquipName->items(), m_cboKeepEquipName->values());
        m_rgrGrid->setPickList(ColPoelsYn, m_cboKeepPoles->items(), m_cboKeepPoles->values());
    } catch (const DbError &e) {
        ShowError(e.message());
    }
}

// ---------------------------------------------------------------- state

void TfrmEBI050::showState(const QString &state)
{
    m_state = state;
    const auto look = [](QToolButton *b, bool raised) {
        b->setAutoRaise(!raised);
        b->setStyleSheet(raised ? QStringLiteral("color: blue; font-weight: bold;") : QStringLiteral("color: maroon;"));
    };
    look(m_sbtKeep, state == QLatin1String("K"));
    look(m_sbtRelease, state == QLatin1String("R"));
}

void TfrmEBI050::stateButtonClick(const QString &state)
{
    QToolButton *button = state == QLatin1String("K") ? m_sbtKeep : m_sbtRelease;
    if (!button->isEnabled() || isSearchMode())
        return;
    showState(state);
    m_modified = true;
    writeState();
}

void TfrmEBI050::SelectState(const QString &state)
{
    stateButtonClick(state);
}

void TfrmEBI050::writeState()
{
    const int row = m_rgrGrid->currentRow();
    if (!m_modified || row < 0 || m_rgrGrid->rowCount() == 0 || m_state.isEmpty())
        return;
    m_rgrGrid->setCell(row, ColKeepStat, m_state);
}

void TfrmEBI050::StoreControl(QWidget *control)
{
    TfrmEBI000::StoreControl(control);
    writeState();
}

void TfrmEBI050::ShowRow()
{
    TfrmEBI000::ShowRow();
    const int row = m_rgrGrid->currentRow();
    if (row < 0 || row >= m_rgrGrid->rowCount())
        return;
    const QString state = m_rgrGrid->cell(row, ColKeepStat);
    if (state == QLatin1String("K") || state == QLatin1String("R"))
        showState(state);
    else if (state.isEmpty() && m_rgrGrid->cell(row, ColTemp) != QLatin1String("Y"))
        showState(QStringLiteral("K")); // a new item starts as stored, not as the row shown before
    m_edited.clear();
}

// ---------------------------------------------------------------- checks

bool TfrmEBI050::CheckRow()
{
    const QString inDate = m_wmeKeepInDate->value().trimmed();
    const QString outDate = m_wmeKeepOutDate->value().trimmed();
    if (!m_edtKeepWoodaeNo->text().trimmed().isEmpty() && m_wlbKeepWoodaeNo->text().trimmed().isEmpty())
        return wrong(QStringLiteral("우대번호"), m_edtKeepWoodaeNo);
    if (m_cboKeep->currentIndex() < 0)
        return missing(QStringLiteral("*보관구분"), m_cboKeep);
    if (m_cboKeepEquip->currentIndex() < 0)
        return missing(QStringLiteral("*장비구분"), m_cboKeepEquip);
    if (m_cboKeepEquipName->currentIndex() < 0)
        return missing(QStringLiteral("*장비명"), m_cboKeepEquipName);
    if (m_edtKeepEquipID->text().trimmed().isEmpty())
        return missing(QStringLiteral("*고유번호"), m_edtKeepEquipID);
    if (inDate.isEmpty())
        return missing(QStringLiteral("*입고일"), m_wmeKeepInDate);
    if (!IsValidYmd(inDate))
        return wrong(QStringLiteral("*입고일"), m_wmeKeepInDate);
    if (m_edtKeepName->text().trimmed().isEmpty())
        return missing(QStringLiteral("*보관자명"), m_edtKeepName);
    if (m_edtKeepTel->text().trimmed().isEmpty())
        return missing(QStringLiteral("*연락처(자택)"), m_edtKeepTel);
    if (m_edtKeepBoxNo->text().trimmed().isEmpty())
        return missing(QStringLiteral("*보관함번호"), m_edtKeepBoxNo);
    if (m_state.isEmpty())
        return fail(QStringLiteral("보관상태를 선택하십시요"), nullptr);
    if (m_state == QLatin1String("R") && outDate.isEmpty())
        return fail(QStringLiteral("보관상태가 [불출]일 경우 출고일을 입력하십시요"), m_wmeKeepOutDate);
    if (!outDate.isEmpty() && !IsValidYmd(outDate))
        return wrong(QStringLiteral("출고일"), m_wmeKeepOutDate);
    return true;
}

// ---------------------------------------------------------------- search, save, cancel

bool TfrmEBI050::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    ShowStatus(QString());
    const QString season = m_edtSeason->text().trimmed();
    if (season.isEmpty())
        return missing(QStringLiteral("*시즌"), m_edtSeason);
    // F3 straight from the season field: the name was not looked up yet.
    if (m_wlbSeasonName->text().isEmpty())
        seasonExit();
    if (m_wlbSeasonName->text().isEmpty())
        return wrong(QStringLiteral("*시즌"), m_edtSeason);
    qryQuery().setParam(QStringLiteral("SEASON_GUBUN"), season);
    qryQuery().setParam(QStringLiteral("AREA_GUBUN"), m_cboArea->value());
    return TfrmEBI000::bbtSearchClick();
}

bool TfrmEBI050::SaveData()
{
    prcSaveData().setParam(QStringLiteral("ASEASON_GUBUN"), m_edtSeason->text().trimmed());
    prcSaveData().setParam(QStringLiteral("AAREA_GUBUN"), m_cboArea->value());
    return TfrmEBI000::SaveData();
}

QString TfrmEBI050::rowSignature(int row) const
{
    QStringList cells;
    for (int c = ColKeepStat; c < ColTemp; ++c)
        cells << m_rgrGrid->cell(row, c);
    return cells.join(QChar(0x1f));
}

bool TfrmEBI050::AfterSave()
{
    m_newPositions.clear();
    m_newSignatures.clear();
    m_knownNumbers.clear();
    for (int r = 0; r < m_rgrGrid->rowCount(); ++r) {
        if (m_rgrGrid->cell(r, ColTemp) == QLatin1String("Y")) {
            m_knownNumbers.insert(m_rgrGrid->cell(r, ColKeepNo));
        } else {
            m_newPositions << r;
            m_newSignatures << rowSignature(r);
        }
    }
    return true;
}

bool TfrmEBI050::bbtSaveClick()
{
    m_newPositions.clear();
    m_newSignatures.clear();
    const bool saved = TfrmEBI000::bbtSaveClick();
    if (saved && !m_newSignatures.isEmpty()) {
        // The reloaded rows carry the numbers the server gave. Each new item is
        // the first row with its cells that was not on the screen before, so a
        // row another desk saved meanwhile does not take its ticket.
        QList<int> rows;
        for (const QString &signature : std::as_const(m_newSignatures)) {
            for (int r = 0; r < m_rgrGrid->rowCount(); ++r) {
                if (!rows.contains(r) && m_rgrGrid->cell(r, ColTemp) == QLatin1String("Y")
                    && !m_knownNumbers.contains(m_rgrGrid->cell(r, ColKeepNo)) && rowSignature(r) == signature) {
                    rows << r;
                    break;
                }
            }
        }
        m_tickets->print(rows);
        m_tickets->reportFailures(true);
    }
    m_newPositions.clear();
    m_newSignatures.clear();
    m_knownNumbers.clear();
    return saved;
}

bool TfrmEBI050::bbtCancelClick()
{
    if (!TfrmEBI000::bbtCancelClick())
        return false;
    showState(QString());
    return true;
}

// ---------------------------------------------------------------- tickets

TKeepTicketInfo TfrmEBI050::ticketOf(int row) const
{
    TKeepTicketInfo t;
    t.ticketNo = m_edtSeason->text().trimmed() + QLatin1Char('-') + m_rgrGrid->cell(row, ColKeepNo);
    t.keepName = m_rgrGrid->cell(row, ColKeepName);
    t.equipName = m_rgrGrid->displayText(row, ColEquipNameGubun);
    t.nativeNo = m_rgrGrid->cell(row, ColNativeNo);
    t.keepKindName = m_rgrGrid->displayText(row, ColKeepGubun);
    t.ipgoDate = dashedToSlashed(m_rgrGrid->cell(row, ColIpgoDate));
    t.keepBoxNo = m_rgrGrid->cell(row, ColKeepBoxNo);
    return t;
}

void TfrmEBI050::bbtReissueClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_tickets->reissueButton(), this))
        return;
    const int row = m_rgrGrid->currentRow();
    if (m_rgrGrid->rowCount() == 0 || row < 0 || m_rgrGrid->cell(row, ColTemp) != QLatin1String("Y"))
        return;
    m_tickets->reissue(row);
}

void TfrmEBI050::bbtPrinterInitClick()
{
    m_tickets->reopenPrinter();
}

// ---------------------------------------------------------------- lookups

void TfrmEBI050::setCellOf(QWidget *control, const QString &text)
{
    // Display labels do not report changes; their cell is written here.
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    if (m_loading)
        return;
    m_modified = true;
    StoreControl(control);
}

void TfrmEBI050::seasonExit()
{
    const QString season = m_edtSeason->text().trimmed();
    if (!season.isEmpty())
        m_wlbSeasonName->setText(GetCodeName(kSeasonHead, season));
}

void TfrmEBI050::keepInDateExit()
{
    const QString inDate = m_wmeKeepInDate->value().trimmed();
    if (inDate.isEmpty() || !IsValidYmd(inDate))
        return;
    m_wmeKeepOutDate->setValue(GetReleaseDate(inDate, m_cboKeep->value()));
}

void TfrmEBI050::guestNoExit()
{
    const QString no = m_edtKeepWoodaeNo->text().trimmed();
    if (!no.isEmpty())
        setCellOf(m_wlbKeepWoodaeNo, GetMemberName(no));
}

void TfrmEBI050::memberNoExit()
{
    const QString no = m_edtKeepMemberNo->text().trimmed();
    if (!no.isEmpty())
        m_edtKeepName->setText(GetMemberName(no));
}

void TfrmEBI050::zipCodeExit()
{
    const QString zip = m_wmeKeepZipCode->value().trimmed();
    if (!zip.isEmpty())
        m_edtKeepAddr1->setText(GetZipAddress(zip).trimmed());
}

void TfrmEBI050::pickSeason()
{
    QString code, name;
    if (PickCode(QStringLiteral("스키 시즌구분"), kSeasonHead, code, name)) {
        m_edtSeason->setText(code);
        m_wlbSeasonName->setText(name);
        m_cboArea->setFocus();
    } else {
        m_edtSeason->setFocus();
    }
}

// The preferential-guest number is a member number: the member picker and the
// member's name stand behind it, so a typed number can pass the guest check.
void TfrmEBI050::pickGuest()
{
    if (!m_sbtKeepWoodaeNo->isEnabled())
        return;
    QString no, name;
    if (PickMember(QString(), no, name)) {
        m_edtKeepWoodaeNo->setText(no);
        setCellOf(m_wlbKeepWoodaeNo, name);
        m_cboKeep->setFocus();
    } else {
        m_edtKeepWoodaeNo->setFocus();
    }
}

void TfrmEBI050::pickMember()
{
    if (!m_sbtKeepMemberNo->isEnabled())
        return;
    QString no, name;
    if (PickMember(m_edtKeepName->text().trimmed(), no, name)) {
        m_edtKeepMemberNo->setText(no);
        m_edtKeepName->setText(name);
        m_wmeKeepZipCode->setFocus();
    } else {
        m_edtKeepMemberNo->setFocus();
    }
}

void TfrmEBI050::pickZipCode()
{
    if (!m_sbtKeepZipCode->isEnabled())
        return;
    QString zip, address;
    if (PickZipCode(zip, address)) {
        m_wmeKeepZipCode->setValue(zip);
        m_edtKeepAddr1->setText(address.trimmed());
        m_wlbKeepAddr2->setFocus();
    } else {
        m_wmeKeepZipCode->setFocus();
    }
}

bool TfrmEBI050::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::FocusIn) {
        m_edited.remove(w);
    } else if (event->type() == QEvent::FocusOut) {
        try {
            if (w == m_edtSeason)
                seasonExit();
            else if (editedSinceEnter(w)) {
                m_edited.remove(w);
                if (w == m_wmeKeepInDate)
                    keepInDateExit();
                else if (w == m_edtKeepWoodaeNo)
                    guestNoExit();
                else if (w == m_edtKeepMemberNo)
                    memberNoExit();
                else if (w == m_wmeKeepZipCode)
                    zipCodeExit();
            }
        } catch (const DbError &e) {
            ShowError(e.message());
        }
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1) {
        if (w == m_edtSeason)
            pickSeason();
        else if (w == m_edtKeepWoodaeNo)
            m_sbtKeepWoodaeNo->click();
        else if (w == m_edtKeepMemberNo)
            pickMember();
        else if (w == m_wmeKeepZipCode)
            pickZipCode();
        else
            return TfrmEBI000::eventFilter(watched, event);
        return true;
    }
    return TfrmEBI000::eventFilter(watched, event);
}
