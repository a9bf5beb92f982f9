#pragma once
#include <QSet>
#include "StoredProc.h"
#include "ZZI010.h"
#include <QStringList>
#include <QVector>
#include <memory>

class DataGrid;
struct DataGridColumn;
class QDateEdit;
class QPushButton;
class QToolButton;

// Pending rows of a record-entry screen, in the order they are sent: one text
// column per field of the screen's query (titled with the field name) and a last
// column EDITSTATUS ("1" changed, "2" new, "3" deleted).
struct ChangeLog
{
    QStringList titles;
    QVector<QStringList> rows;
    // Per entry: the grid row's tag (a saved row's stable number; 0 for new rows).
    QVector<int> rowTags;

    int statusColumn() const { return int(titles.size()) - 1; }
    bool isEmpty() const { return rows.isEmpty(); }
    void append(const QStringList &entry, int rowTag) { rows.append(entry); rowTags.append(rowTag); }
    void removeAt(int i) { rows.removeAt(i); rowTags.removeAt(i); }
    void clear() { rows.clear(); rowTags.clear(); }
};

// Base of the sports master-detail entry screens: the grid of records on the left
// (`rgrGrid`, one column per field of qryQuery plus a hidden TEMP column that marks
// rows read from the database), the current record's inputs on the right
// (`panBody`), and the save protocol. An input is bound to the grid column whose
// title equals its hint; every posted, deleted or new row goes into the change
// log, and a save sends the log to the screen's procedure row by row ("A" + field
// name, AU_EMP_NO, AU_IP, AEDITSTATUS) inside one transaction, then reloads.
//
// A screen: sets qryQuery's SQL, calls SetGridColumns and BindControl for its
// inputs, names its procedure with setSaveProcName, and in its own bbtSearchClick
// checks searchUsable(), sets the query's parameters and calls the base.
class TfrmEZI000 : public TfrmZZI010
{
    Q_OBJECT
public:
    explicit TfrmEZI000(QWidget *parent = nullptr);
    ~TfrmEZI000() override;

    // The hint binds a control to the grid column of the same title.
    static void SetHint(QWidget *control, const QString &title);
    static QString HintOf(const QWidget *control);
    // Sets the hint and connects the control's change, key and colour handlers.
    // Bindable: line edits (MaskEdit, NumEdit included), memos, combos, labels.
    void BindControl(QWidget *control, const QString &title);

    // The grid's columns, one per query field in field order; TEMP is appended.
    void SetGridColumns(const QVector<DataGridColumn> &columns);
    DataGrid *rgrGrid() const { return m_rgrGrid; }
    QWidget *panHead() const { return m_panHead; }
    QWidget *panGrid() const { return m_panGrid; }
    QWidget *panBody() const { return m_panBody; }

    // The save procedure (a name of the procedure catalog); empty: none.
    void setSaveProcName(const QString &name);
    QString saveProcName() const { return m_procName; }
    // Throws DbError when the named procedure does not exist.
    StoredProc &prcSaveData();

    // Overridable steps.
    // Sends the change log to the save procedure; runs inside the save transaction.
    virtual bool SaveData();
    // After the commit; nothing by default.
    virtual bool AfterSave() { return true; }
    // Current grid row -> bound controls.
    virtual void ShowRow();
    // One bound control -> current grid row (only while Modified).
    virtual void StoreControl(QWidget *control);
    // Validation before a row is posted; false keeps the row (and the user) where it is.
    virtual bool GridBeforePost(int row);
    // After a row was posted: logs it as changed.
    virtual void GridAfterPost(int row);
    // After the user agreed to cancel or close, before the screen is cleared or
    // closed: a screen gives back what it holds (a desk's held pieces). False stops.
    virtual bool BeforeCancel() { return true; }
    virtual bool BeforeClose() { return true; }

    bool LoadData();
    bool PostRow();
    // Appends a copy of a grid row (-1: the current one) with the edit status;
    // changed and deleted rows only when they came from the database.
    void LogRow(int status, int row = -1);
    // True when another row has the same values in every required column.
    bool HasDuplicateKey() const;
    void SetKeyEditable(bool on);
    void ClearControls();
    void ClearGrid();
    bool ClearLog();

    bool bbtSearchClick() override;
    bool bbtSaveClick() override;
    bool bbtCancelClick() override;
    bool bbtCloseClick() override;
    virtual bool bbtAddClick();
    virtual bool bbtDeleteClick();
    void sbtFirstClick();
    void sbtPriorClick();
    void sbtNextClick();
    void sbtLastClick();
    // Ctrl+F2: the pending change log with the parameter names it feeds.
    void ShowChangeLog();

    bool isModified() const { return m_modified; }
    bool isLoading() const { return m_loading; }
    bool isAddingRow() const { return m_addingRow; }
    QString WorkDate() const { return m_workDate; }
    const ChangeLog &changeLog() const { return m_log; }

    // The date picker named dtpDate: set to today, WorkDate follows it.
    void WatchDatePicker(QDateEdit *picker);

protected:
    // Change handlers of bound controls (edits, memos; combos and numeric edits).
    void edtChange(QWidget *control);
    void edtValueChange(QWidget *control) { edtChange(control); }
    void dtpChange();
    // The search handler's first step in every screen.
    bool searchUsable() const;

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

    QWidget *m_panHead = nullptr;
    QWidget *m_panGrid = nullptr;
    QWidget *m_panBody = nullptr;
    DataGrid *m_rgrGrid = nullptr;
    QToolButton *m_sbtFirst = nullptr;
    QToolButton *m_sbtPrior = nullptr;
    QToolButton *m_sbtNext = nullptr;
    QToolButton *m_sbtLast = nullptr;
    QPushButton *m_bbtAdd = nullptr;
    QPushButton *m_bbtDelete = nullptr;
    QAction *m_popHotkeyAdd = nullptr;
    QAction *m_popHotkeyDelete = nullptr;
    QAction *m_popGridBack = nullptr;
    QDateEdit *m_dtpDate = nullptr;

    bool m_modified = false;
    bool m_loading = false;
    bool m_addingRow = false;
    QString m_workDate;
    ChangeLog m_log;
    // Saved rows whose change the server refused at the last save: their entry left
    // the log with the rollback, so the next save sends their current values again.
    QSet<int> m_retryRows;

private:
    QList<QWidget *> boundControls() const;
    QList<QWidget *> controlsFor(const QString &title) const;
    int tempColumn() const;
    void ensureTempColumn();
    void focusAfterGrid();
    void onRowExit(int row, bool &allow);
    void onRowEnter(int row);
    void onRowChange(int oldRow, int newRow);
    void onGridAfterPost(int row);

    QString m_procName;
    std::unique_ptr<StoredProc> m_prcSaveData;
    int m_selfPost = 0;
    bool m_shown = false;
};
