#pragma once
#include "RowSet.h"
#include "ZZS010.h"

class DataGrid;
class QMenu;
class QSplitter;
class QToolButton;

// Inquiry base with a result grid: the grid `rgrGrid` shows the cached result of
// the screen's query (`cdsQuery`), navigation buttons move through it, the column
// menu `popGrid` (rebuilt at every search) shows or hides columns, and "Excel"
// (Ctrl+F11) writes the shown columns to a spreadsheet file that can then be
// opened with the workstation's spreadsheet program. A hidden information panel
// `panInfo` beside the grid is there for screens that show one.
class TfrmZZS020 : public TfrmZZS010
{
    Q_OBJECT
public:
    explicit TfrmZZS020(QWidget *parent = nullptr);

    DataGrid *rgrGrid() const { return m_rgrGrid; }
    QMenu *popGrid() const { return m_popGrid; }
    QWidget *panInfo() const { return m_panInfo; }

    // The cached result: open from a search until the next one or closeData.
    bool isDataOpen() const { return m_dataOpen; }
    const RowSet &cdsQuery() const { return m_cdsQuery; }
    // Closes and reopens the cached result from qryQuery and shows it in the grid,
    // on its first row. Throws DbError (the result then stays closed).
    void openData();
    void closeData();

    // The search of the base, then the column menu is rebuilt.
    bool bbtSearchClick() override;
    // Writes the spreadsheet file; its name, or "" when nothing was written.
    QString ExportToExcel();
    // Button and Ctrl+F11: export, then offer to open the file.
    bool bbtExcelClick();

    // One checked entry per grid column, in column order.
    void rebuildColumnMenu();

protected:
    DataGrid *m_rgrGrid = nullptr;
    QSplitter *m_splSplitter = nullptr;
    QWidget *m_panInfo = nullptr;
    QMenu *m_popGrid = nullptr;
    QPushButton *m_bbtExcel = nullptr;
    QAction *m_popHotkeyExcel = nullptr;
    QToolButton *m_sbtFirst = nullptr;
    QToolButton *m_sbtPrior = nullptr;
    QToolButton *m_sbtNext = nullptr;
    QToolButton *m_sbtLast = nullptr;

private:
    RowSet m_cdsQuery;
    bool m_dataOpen = false;
};
