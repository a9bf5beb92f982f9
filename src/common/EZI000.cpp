#include "EZI000.h"
#include "CodeCombo.h"
#include "DataGrid.h"
#include "DbError.h"
#include "EZH999.h"
#include "Focus.h"
#include "FormHelpers.h"
#include "MaskEdit.h"
#include "NumEdit.h"
#include "Session.h"
#include "SportsGrid.h"
#include "SqlQuery.h"
#include "StoredProc.h"
#include "WaitCursor.h"
#include "ZZC000.h"
#include "ZZD000.h"
#include <QAction>
#include <QBoxLayout>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextEdit>
#include <QToolButton>
#include <cmath>

namespace {

const char *const HintProperty = "sportsHint";
const QString TempTitle = QStringLiteral("TEMP");
const QString FromDatabase = QStringLiteral("Y");

// How deep below panBody ClearControls still reaches.
constexpr int BodyDepth = 4;

bool isMemo(const QWidget *w)
{
    return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w);
}

bool isBindable(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || isMemo(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QLabel *>(w);
}

// Inputs whose enabled state follows the key rule (labels only display).
bool isKeyInput(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || isMemo(w) || qobject_cast<const QComboBox *>(w);
}

QString memoText(const QWidget *w)
{
    if (auto *p = qobject_cast<const QPlainTextEdit *>(w))
        return p->toPlainText();
    if (auto *t = qobject_cast<const QTextEdit *>(w))
        return t->toPlainText();
    return {};
}

void setMemoText(QWidget *w, const QString &text)
{
    if (auto *p = qobject_cast<QPlainTextEdit *>(w))
        p->setPlainText(text);
    else if (auto *t = qobject_cast<QTextEdit *>(w))
        t->setPlainText(text);
}

bool withinLevels(const QWidget *w, const QWidget *ancestor, int levels)
{
    const QWidget *p = w->parentWidget();
    for (int level = 1; p && level <= levels; ++level, p = p->parentWidget())
        if (p == ancestor)
            return true;
    return false;
}

QFrame *loweredPanel(const QString &name, QWidget *parent)
{
    auto *f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

TfrmEZI000::TfrmEZI000(QWidget *parent) : TfrmZZI010(parent)
{
    auto *mainLayout = new QVBoxLayout(m_panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    m_panHead = new QFrame(m_panMain);
    m_panHead->setObjectName(QStringLiteral("panHead"));
    m_panHead->setFixedHeight(4);
    m_panHead->hide();
    mainLayout->addWidget(m_panHead);
    auto *split = new QHBoxLayout;
    split->setContentsMargins(0, 0, 0, 0);
    split->setSpacing(0);
    mainLayout->addLayout(split, 1);

    m_panGrid = loweredPanel(QStringLiteral("panGrid"), m_panMain);
    auto *gridLayout = new QVBoxLayout(m_panGrid);
    gridLayout->setContentsMargins(1, 1, 1, 1);
    m_rgrGrid = new DataGrid(m_panGrid);
    m_rgrGrid->setObjectName(QStringLiteral("rgrGrid"));
    m_rgrGrid->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    m_rgrGrid->setOptions(DataGrid::EnterMovesNext | DataGrid::RowSelect | DataGrid::ColumnSizing);
    m_rgrGrid->setColors(SportsGridColors());
    m_rgrGrid->setCellStyler([this](int row, int, CellStyle &style) {
        if (row == m_rgrGrid->currentRow()) {
            style.background = style.selectedBackground = QColor(0, 0, 255);
            style.foreground = style.selectedForeground = Qt::white;
        }
    });
    gridLayout->addWidget(m_rgrGrid);
    split->addWidget(m_panGrid, 1);

    m_panBody = loweredPanel(QStringLiteral("panBody"), m_panMain);
    m_panBody->setFixedWidth(514);
    split->addWidget(m_panBody);

    connect(m_rgrGrid, &DataGrid::rowExit, this, &TfrmEZI000::onRowExit);
    connect(m_rgrGrid, &DataGrid::rowEnter, this, &TfrmEZI000::onRowEnter);
    connect(m_rgrGrid, &DataGrid::rowChange, this, &TfrmEZI000::onRowChange);
    connect(m_rgrGrid, &DataGrid::afterPost, this, &TfrmEZI000::onGridAfterPost);

    // Navigation at the left of the bar, add and delete before save.
    const auto navButton = [this](const QString &name, QStyle::StandardPixmap icon, void (TfrmEZI000::*handler)()) {
        auto *b = new QToolButton;
        b->setObjectName(name);
        b->setAutoRaise(true);
        b->setIcon(style()->standardIcon(icon));
        b->setFocusPolicy(Qt::NoFocus);
        addBarButtonLeft(b);
        connect(b, &QToolButton::clicked, this, handler);
        return b;
    };
    m_sbtFirst = navButton(QStringLiteral("sbtFirst"), QStyle::SP_MediaSkipBackward, &TfrmEZI000::sbtFirstClick);
    m_sbtPrior = navButton(QStringLiteral("sbtPrior"), QStyle::SP_MediaSeekBackward, &TfrmEZI000::sbtPriorClick);
    m_sbtNext = navButton(QStringLiteral("sbtNext"), QStyle::SP_MediaSeekForward, &TfrmEZI000::sbtNextClick);
    m_sbtLast = navButton(QStringLiteral("sbtLast"), QStyle::SP_MediaSkipForward, &TfrmEZI000::sbtLastClick);

    m_bbtAdd = new QPushButton(QStringLiteral("신규(F4)"));
    m_bbtAdd->setObjectName(QStringLiteral("bbtAdd"));
    m_bbtDelete = new QPushButton(QStringLiteral("삭제(F9)"));
    m_bbtDelete->setObjectName(QStringLiteral("bbtDelete"));
    for (QPushButton *b : {m_bbtAdd, m_bbtDelete}) {
        b->setFixedSize(80, 25);
        addBarButton(b);
    }
    // Add and delete stand before save and cancel.
    for (QBoxLayout *l : m_panButtons->findChildren<QBoxLayout *>()) {
        const int at = l->indexOf(m_bbtSave);
        if (at < 0)
            continue;
        l->removeWidget(m_bbtAdd);
        l->removeWidget(m_bbtDelete);
        l->insertWidget(at, m_bbtDelete);
        l->insertWidget(at, m_bbtAdd);
    }
    for (QPushButton *b : {m_bbtAdd, m_bbtDelete, m_bbtSave, m_bbtCancel, m_bbtClose})
        b->setFocusPolicy(Qt::ClickFocus); // the bar's buttons are not tab stops
    connect(m_bbtAdd, &QPushButton::clicked, this, [this] { bbtAddClick(); });
    connect(m_bbtDelete, &QPushButton::clicked, this, [this] { bbtDeleteClick(); });

    m_popHotkeyAdd = addHotkey(QStringLiteral("popHotkeyAdd"), QStringLiteral("신규"), QKeySequence(Qt::Key_F4));
    m_popHotkeyDelete = addHotkey(QStringLiteral("popHotkeyDelete"), QStringLiteral("삭제"), QKeySequence(Qt::Key_F9));
    m_popGridBack = addHotkey(QStringLiteral("popGridBack"), QStringLiteral("rgrGridBack DisPlay"),
                              QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(m_popHotkeyAdd, &QAction::triggered, this, [this] {
        if (m_bbtAdd->isEnabled()) {
            m_bbtAdd->setFocus();
            bbtAddClick();
        }
    });
    connect(m_popHotkeyDelete, &QAction::triggered, this, [this] {
        if (m_bbtDelete->isEnabled()) {
            m_bbtDelete->setFocus();
            bbtDeleteClick();
        }
    });
    connect(m_popGridBack, &QAction::triggered, this, &TfrmEZI000::ShowChangeLog);

    m_workDate = TodayText();
    SetSearchMode(true);
}

TfrmEZI000::~TfrmEZI000() = default;

void TfrmEZI000::SetHint(QWidget *control, const QString &title)
{
    control->setProperty(HintProperty, title);
}

QString TfrmEZI000::HintOf(const QWidget *control)
{
    return control->property(HintProperty).toString();
}

void TfrmEZI000::BindControl(QWidget *control, const QString &title)
{
    SetHint(control, title);
    if (auto *num = qobject_cast<NumEdit *>(control))
        connect(num, &NumEdit::valueChanged, this, [this, control] { edtValueChange(control); });
    else if (auto *edit = qobject_cast<QLineEdit *>(control))
        connect(edit, &QLineEdit::textChanged, this, [this, control] { edtChange(control); });
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        connect(memo, &QPlainTextEdit::textChanged, this, [this, control] { edtChange(control); });
    else if (auto *memo2 = qobject_cast<QTextEdit *>(control))
        connect(memo2, &QTextEdit::textChanged, this, [this, control] { edtChange(control); });
    else if (auto *combo = qobject_cast<QComboBox *>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, [this, control] { edtValueChange(control); });
    if (isKeyInput(control)) {
        control->installEventFilter(this);
        watchInput(control);
    }
}

void TfrmEZI000::SetGridColumns(const QVector<DataGridColumn> &columns)
{
    m_rgrGrid->setColumns(columns);
    ensureTempColumn();
}

void TfrmEZI000::ensureTempColumn()
{
    const int n = m_rgrGrid->columnCount();
    if (n > 0 && m_rgrGrid->column(n - 1).title == TempTitle)
        return;
    DataGridColumn temp;
    temp.title = TempTitle;
    temp.fieldName = TempTitle;
    temp.dataWidth = 1;
    temp.visible = false;
    m_rgrGrid->addColumn(temp);
}

int TfrmEZI000::tempColumn() const
{
    const int n = m_rgrGrid->columnCount();
    return n > 0 && m_rgrGrid->column(n - 1).title == TempTitle ? n - 1 : -1;
}

void TfrmEZI000::setSaveProcName(const QString &name)
{
    m_procName = name;
    m_prcSaveData.reset();
}

StoredProc &TfrmEZI000::prcSaveData()
{
    if (!m_prcSaveData)
        m_prcSaveData = std::make_unique<StoredProc>(Db(), m_procName);
    return *m_prcSaveData;
}

QList<QWidget *> TfrmEZI000::boundControls() const
{
    QList<QWidget *> out;
    for (QWidget *w : findChildren<QWidget *>())
        if (isBindable(w) && !HintOf(w).isEmpty())
            out << w;
    return out;
}

QList<QWidget *> TfrmEZI000::controlsFor(const QString &title) const
{
    QList<QWidget *> out;
    for (QWidget *w : boundControls())
        if (HintOf(w) == title)
            out << w;
    return out;
}

bool TfrmEZI000::searchUsable() const
{
    return ButtonUsable(m_bbtSearch, this);
}

bool TfrmEZI000::LoadData()
{
    SqlQuery &q = qryQuery();
    RowSet rows;
    if (!q.sql().isEmpty()) {
        const QStringList missing = q.unsetParams();
        if (!missing.isEmpty()) {
            ShowStatus(missing.first() + QStringLiteral(" 파라미터가 없습니다."));
            return false;
        }
        try {
            rows = q.open();
        } catch (const DbError &e) {
            ShowError(e.message());
            return false;
        }
    } else {
        rows = q.result();
    }
    WaitCursor wait;
    ShowStatus(QStringLiteral("자료를 불러오고 있습니다. 잠시 기다리십시오."));

    m_log.titles = rows.fields();
    m_log.titles << QStringLiteral("EDITSTATUS");
    m_log.clear();
    m_retryRows.clear();

    m_rgrGrid->setUpdatesEnabled(false);
    if (m_rgrGrid->columnCount() > 0)
        ensureTempColumn();
    m_rgrGrid->fill(rows, DataGridModel::FillMode::Positional);
    ensureTempColumn();
    const int temp = tempColumn();
    const int n = m_rgrGrid->rowCount();
    for (int c = 0; c < temp && c < rows.fieldCount(); ++c) {
        if (!m_rgrGrid->column(c).isPickList())
            continue;
        // A code missing from the pick list has no position: the cell stays empty.
        for (int r = 0; r < n; ++r)
            if (m_rgrGrid->pickIndex(r, c) < 0)
                m_rgrGrid->setPickIndex(r, c, -1);
    }
    for (int r = 0; r < n; ++r) {
        m_rgrGrid->setCell(r, temp, FromDatabase);
        m_rgrGrid->setRowTag(r, r + 1);
    }
    m_rgrGrid->setUpdatesEnabled(true);

    if (n > 0)
        m_rgrGrid->setCurrentRow(0);
    m_log.clear();
    m_modified = false;
    ShowStatus(QString());
    return true;
}

bool TfrmEZI000::bbtSearchClick()
{
    if (!searchUsable())
        return false;
    if (!LoadData())
        return false;
    if (!TfrmZZI010::bbtSearchClick())
        return false;
    m_rgrGrid->setFocus();
    m_addingRow = false;
    if (m_rgrGrid->rowCount() > 0) {
        SetKeyEditable(false);
    } else {
        m_rgrGrid->appendRow();
        SetKeyEditable(true);
    }
    ShowRow();
    focusAfterGrid();
    return true;
}

void TfrmEZI000::focusAfterGrid()
{
    if (QWidget *w = NextTabStop(m_rgrGrid))
        w->setFocus(Qt::TabFocusReason);
}

void TfrmEZI000::onRowExit(int, bool &allow)
{
    if (m_modified && !PostRow())
        allow = false;
}

void TfrmEZI000::onRowEnter(int)
{
    SetKeyEditable(m_addingRow);
    m_addingRow = false;
}

void TfrmEZI000::onRowChange(int, int)
{
    ShowRow();
    focusAfterGrid();
    m_rgrGrid->viewport()->update();
}

void TfrmEZI000::onGridAfterPost(int row)
{
    if (m_selfPost == 0)
        GridAfterPost(row);
}

bool TfrmEZI000::GridBeforePost(int)
{
    return true;
}

void TfrmEZI000::GridAfterPost(int row)
{
    LogRow(1, row);
}

bool TfrmEZI000::PostRow()
{
    const int row = m_rgrGrid->currentRow();
    if (row >= 0) {
        if (!GridBeforePost(row))
            return false;
        ++m_selfPost;
        m_rgrGrid->post();
        --m_selfPost;
        GridAfterPost(row);
    }
    m_modified = false;
    return true;
}

void TfrmEZI000::edtChange(QWidget *control)
{
    if (m_loading)
        return;
    ShowStatus(QString());
    m_modified = true;
    StoreControl(control);
}

void TfrmEZI000::StoreControl(QWidget *control)
{
    const int row = m_rgrGrid->currentRow();
    if (!m_modified || m_rgrGrid->rowCount() == 0 || row < 0)
        return;
    const QString hint = HintOf(control);
    if (hint.isEmpty())
        return;
    for (int c = 0; c < m_rgrGrid->columnCount(); ++c) {
        if (m_rgrGrid->column(c).title != hint)
            continue;
        if (auto *mask = qobject_cast<MaskEdit *>(control)) {
            m_rgrGrid->setCell(row, c, mask->value());
        } else if (auto *num = qobject_cast<NumEdit *>(control)) {
            m_rgrGrid->setCell(row, c, QString::number(qint64(std::trunc(num->value()))));
        } else if (auto *edit = qobject_cast<QLineEdit *>(control)) {
            m_rgrGrid->setCell(row, c, edit->text());
        } else if (isMemo(control)) {
            m_rgrGrid->setCell(row, c, memoText(control));
        } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
            if (m_rgrGrid->column(c).isPickList())
                m_rgrGrid->setPickIndex(row, c, combo->currentIndex());
            else
                m_rgrGrid->setCell(row, c, QString::number(combo->currentIndex()));
        } else if (auto *label = qobject_cast<QLabel *>(control)) {
            m_rgrGrid->setCell(row, c, label->text());
        }
    }
}

void TfrmEZI000::ShowRow()
{
    const int row = m_rgrGrid->currentRow();
    if (m_rgrGrid->rowCount() == 0 || row < 0)
        return;
    const QList<QWidget *> bound = boundControls();
    m_loading = true;
    for (int c = 0; c < m_rgrGrid->columnCount(); ++c) {
        const DataGridColumn &column = m_rgrGrid->column(c);
        for (QWidget *w : bound) {
            if (HintOf(w) != column.title)
                continue;
            const QString cell = m_rgrGrid->cell(row, c);
            if (auto *mask = qobject_cast<MaskEdit *>(w)) {
                mask->setValue(cell);
            } else if (auto *num = qobject_cast<NumEdit *>(w)) {
                if (cell.isEmpty())
                    m_rgrGrid->setCell(row, c, QStringLiteral("0"));
                num->setValue(double(TextToInt64(cell)));
            } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
                edit->setText(cell);
            } else if (isMemo(w)) {
                setMemoText(w, cell);
            } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
                int position = column.isPickList() ? m_rgrGrid->pickIndex(row, c) : (cell.isEmpty() ? -1 : cell.toInt());
                if (position < 0) {
                    position = 0;
                    if (column.isPickList())
                        m_rgrGrid->setPickIndex(row, c, 0);
                    else
                        m_rgrGrid->setCell(row, c, QStringLiteral("0"));
                }
                combo->setCurrentIndex(position < combo->count() ? position : -1);
            } else if (auto *label = qobject_cast<QLabel *>(w)) {
                label->setText(cell);
            }
        }
    }
    m_loading = false;
}

void TfrmEZI000::LogRow(int status, int row)
{
    if (m_rgrGrid->rowCount() == 0)
        return;
    if (row < 0)
        row = m_rgrGrid->currentRow();
    if (row < 0 || row >= m_rgrGrid->rowCount())
        return;
    const int temp = tempColumn();
    if ((status == 1 || status == 3) && (temp < 0 || m_rgrGrid->cell(row, temp) != FromDatabase))
        return;
    if (m_log.titles.isEmpty())
        m_log.titles << QStringLiteral("EDITSTATUS");
    QStringList entry;
    const int fields = m_log.statusColumn();
    for (int c = 0; c < fields; ++c)
        entry << (c < m_rgrGrid->columnCount() ? m_rgrGrid->cell(row, c) : QString());
    entry << QString::number(status);
    m_log.append(entry, m_rgrGrid->rowTag(row));
}

bool TfrmEZI000::bbtAddClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtAdd, this))
        return false;
    const int row = m_rgrGrid->currentRow();
    if (row >= 0 && m_rgrGrid->isRowEmpty(row))
        return false; // no second blank row
    // The new row becomes current at once; its row-enter reads AddingRow.
    m_addingRow = true;
    if (!m_rgrGrid->appendRow()) {
        m_addingRow = false;
        return false;
    }
    return true;
}

bool TfrmEZI000::bbtDeleteClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtDelete, this))
        return false;
    bool deleted = false;
    if (m_rgrGrid->rowCount() > 0 && AskYesNo(QStringLiteral("현재 자료를 삭제하시겠습니까?"))) {
        LogRow(3, -1);
        // The edits of the deleted row went into its log entry; they belong to no other row.
        m_modified = false;
        deleted = m_rgrGrid->deleteRow();
    }
    m_rgrGrid->setFocus();
    return deleted;
}

bool TfrmEZI000::bbtSaveClick()
{
    if (!TfrmZZI010::bbtSaveClick())
        return false;
    m_bbtSave->setFocus();
    if (m_modified && !PostRow())
        return false;
    if (!AskYesNo(QStringLiteral("저장 하시겠습니까?")))
        return false;
    if (m_procName.isEmpty()) {
        ShowStatus(QStringLiteral("스토어드 프로시져가 지정되지 않았습니다."));
        return false;
    }
    {
        WaitCursor wait;
        try {
            Session &session = Db();
            {
                Transaction tx(session);
                if (!SaveData())
                    return false; // the screen said why; the guard rolls back
                tx.commit();
            }
            AfterSave();
            ShowStatus(QStringLiteral("자료를 저장했습니다."));
            m_modified = false;
        } catch (const DbError &e) {
            ShowError(QStringLiteral("자료를 저장하지 못했습니다.\r\r에러내용:\r") + e.message());
            return false;
        }
    }
    const int row = m_rgrGrid->currentRow();
    ClearGrid();
    if (LoadData())
        m_rgrGrid->setCurrentRow(row);
    else
        ShowInfo(QStringLiteral("자료를 불러오는중에 문제가 발생했습니다. 취소후 다시 조회하십시요"));
    return true;
}

bool TfrmEZI000::SaveData()
{
    StoredProc &proc = prcSaveData();
    const int temp = tempColumn();
    if (m_rgrGrid->rowCount() > 0 && temp >= 0) {
        // A failed save leaves the new rows it logged behind; they are taken from
        // the grid afresh so that each is sent exactly once, with its latest values.
        const int status = m_log.statusColumn();
        for (int i = int(m_log.rows.size()) - 1; i >= 0; --i)
            if (m_log.rows.at(i).value(status) == QLatin1String("2"))
                m_log.removeAt(i);
        for (int r = 0; r < m_rgrGrid->rowCount(); ++r)
            if (m_rgrGrid->cell(r, temp) != FromDatabase)
                LogRow(2, r);
        // A refused change is sent again with what the row holds now.
        for (int r = 0; r < m_rgrGrid->rowCount(); ++r)
            if (m_retryRows.contains(m_rgrGrid->rowTag(r)))
                LogRow(1, r);
    }
    m_retryRows.clear();
    for (int i = 0; i < m_log.rows.size(); ++i) {
        const QStringList &entry = m_log.rows.at(i);
        for (int j = 0; j < m_log.titles.size(); ++j) {
            const QString param = QLatin1Char('A') + m_log.titles.at(j);
            if (proc.hasParam(param))
                proc.setParam(param, entry.value(j));
        }
        proc.setParam(QStringLiteral("AU_EMP_NO"), Login::EmpNo);
        proc.setParam(QStringLiteral("AU_IP"), Login::LocalIP);
        try {
            proc.execProc();
        } catch (...) {
            // The refused entry leaves the log; a refused change of a saved row is
            // remembered so that the user's edit is not lost with it.
            if (entry.value(m_log.statusColumn()) == QLatin1String("1") && m_log.rowTags.value(i) > 0)
                m_retryRows.insert(m_log.rowTags.at(i));
            m_log.removeAt(i);
            throw;
        }
    }
    m_log.clear();
    return true;
}

bool TfrmEZI000::bbtCancelClick()
{
    ShowStatus(QString());
    if (!ButtonUsable(m_bbtCancel, this))
        return false;
    m_bbtCancel->setFocus();
    if (!m_log.isEmpty() && !AskYesNo(QStringLiteral("변경된 자료가 있습니다.\r정말 취소하시겠습니까?")))
        return false;
    if (!BeforeCancel())
        return false;
    if (!ClearLog())
        return false;
    ClearControls();
    ClearGrid();
    m_modified = false;
    m_addingRow = false;
    return TfrmZZI010::bbtCancelClick();
}

bool TfrmEZI000::bbtCloseClick()
{
    if (!ButtonUsable(m_bbtClose, this))
        return false;
    if (!m_log.isEmpty() && !AskYesNo(QStringLiteral("변경된 자료가 있습니다.\r정말 종료하시겠습니까?")))
        return false;
    if (!BeforeClose())
        return false;
    return TfrmZZI010::bbtCloseClick();
}

bool TfrmEZI000::ClearLog()
{
    m_log.clear();
    m_retryRows.clear();
    return true;
}

void TfrmEZI000::ClearGrid()
{
    m_rgrGrid->clearRows();
}

void TfrmEZI000::ClearControls()
{
    m_loading = true;
    for (QWidget *w : boundControls()) {
        if (!withinLevels(w, m_panBody, BodyDepth))
            continue;
        if (auto *num = qobject_cast<NumEdit *>(w))
            num->setValue(0);
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->clear();
        else if (isMemo(w))
            setMemoText(w, QString());
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            combo->setCurrentIndex(-1); // the item lists stay for the next search
        else if (auto *label = qobject_cast<QLabel *>(w))
            label->clear();
    }
    m_loading = false;
}

void TfrmEZI000::SetKeyEditable(bool on)
{
    for (int c = 0; c < m_rgrGrid->columnCount(); ++c) {
        if (!m_rgrGrid->column(c).required)
            continue;
        for (QWidget *w : controlsFor(m_rgrGrid->column(c).title))
            if (isKeyInput(w))
                w->setEnabled(on);
    }
}

bool TfrmEZI000::HasDuplicateKey() const
{
    QVector<int> keys;
    for (int c = 0; c < m_rgrGrid->columnCount(); ++c)
        if (m_rgrGrid->column(c).required)
            keys << c;
    const int current = m_rgrGrid->currentRow();
    if (keys.isEmpty() || current < 0)
        return false;
    int same = 0;
    for (int r = 0; r < m_rgrGrid->rowCount(); ++r) {
        bool equal = true;
        for (int c : keys)
            equal = equal && m_rgrGrid->cell(r, c) == m_rgrGrid->cell(current, c);
        if (equal)
            ++same;
    }
    return same > 1;
}

void TfrmEZI000::sbtFirstClick()
{
    if (ButtonUsable(m_sbtFirst, this))
        m_rgrGrid->first();
}

void TfrmEZI000::sbtPriorClick()
{
    if (ButtonUsable(m_sbtPrior, this))
        m_rgrGrid->prior();
}

void TfrmEZI000::sbtNextClick()
{
    if (ButtonUsable(m_sbtNext, this))
        m_rgrGrid->next();
}

void TfrmEZI000::sbtLastClick()
{
    if (ButtonUsable(m_sbtLast, this))
        m_rgrGrid->last();
}

void TfrmEZI000::ShowChangeLog()
{
    TfrmEZH999 dialog(m_log, this);
    dialog.exec();
}

void TfrmEZI000::WatchDatePicker(QDateEdit *picker)
{
    m_dtpDate = picker;
    watchInput(picker);
    picker->setDate(QDate::currentDate());
    m_workDate = TodayText();
    connect(picker, &QDateEdit::dateChanged, this, &TfrmEZI000::dtpChange);
}

void TfrmEZI000::dtpChange()
{
    if (m_dtpDate)
        m_workDate = ToCompactDate(m_dtpDate->date().toString(QStringLiteral("yyyy-MM-dd")));
}

void TfrmEZI000::showEvent(QShowEvent *event)
{
    // Inputs a screen added after the base was built take part in the mode too.
    if (!m_shown && isSearchMode())
        SetSearchMode(true);
    m_shown = true;
    if (!m_dtpDate)
        if (auto *picker = findChild<QDateEdit *>(QStringLiteral("dtpDate")))
            WatchDatePicker(picker);
    TfrmZZI010::showEvent(event);
}

bool TfrmEZI000::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *control = static_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            if (QWidget *next = NextTabStop(control)) {
                next->setFocus(Qt::TabFocusReason);
                if (next == m_bbtSearch)
                    m_bbtSearch->click();
            }
            return true;
        }
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            if (key->key() == Qt::Key_Up)
                sbtPriorClick();
            else
                sbtNextClick();
            // Arrows never change a combo's value.
            if (qobject_cast<QComboBox *>(control))
                return true;
        }
    }
    return TfrmZZI010::eventFilter(watched, event);
}
