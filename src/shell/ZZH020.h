#pragma once
#include "RowSet.h"
#include "ZZH010.h"

class QToolButton;
class DataGrid;
class StatusBar;

// Picker with a result grid `rgrGrid` over a cached copy of the query (cdsQuery),
// navigation buttons, and a two-panel status bar (program ID, message line).
// Double-clicking a row or pressing Enter in the grid confirms it like the OK button,
// but only when the current record's first field has a value. Derived dialogs
// define the grid's columns, open the result (openQuery or setResult) and read
// their outputs from the current record.
class TfrmZZH020 : public TfrmZZH010
{
    Q_OBJECT
public:
    explicit TfrmZZH020(QWidget *parent = nullptr);

    // Object name from the 4th character on ("frmEZH030" gives "EZH030").
    QString programId() const;

    // Message line (status panel 1), repainted at once when it changes.
    void ShowStatus(const QString &text);
    QString statusText() const;

    // The cached result: open after setResult / openQuery, closed after closeQuery.
    // Fields the grid has no column for are kept as hidden columns, so every field
    // of the current record stays readable.
    void setResult(const RowSet &rows);
    // Runs qryQuery and caches its rows; throws DbError with the engine's message.
    void openQuery();
    void closeQuery();
    bool isQueryOpen() const { return m_open; }
    const RowSet &cdsQuery() const { return m_cdsQuery; }
    // Current record (grid row), -1 when none; a field of it, "" when none.
    int currentRecord() const;
    QString currentValue(const QString &field) const;

    // Clear the message line, then the base behaviour.
    bool bbtSearchClick() override;
    bool bbtOKClick() override;
    bool bbtCloseClick() override;

    // Double-click or Enter on the grid: OK when the current record's first field
    // has a value; otherwise nothing. Returns true when the dialog was confirmed.
    bool chooseCurrentRow();

protected:
    DataGrid *m_rgrGrid = nullptr;
    QToolButton *m_sbtFirst = nullptr;
    QToolButton *m_sbtPrior = nullptr;
    QToolButton *m_sbtNext = nullptr;
    QToolButton *m_sbtLast = nullptr;
    StatusBar *m_stbMessage = nullptr;

private:
    void navigate(bool (DataGrid::*move)());

    RowSet m_cdsQuery;
    bool m_open = false;
};
