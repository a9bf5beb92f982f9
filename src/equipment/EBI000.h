#pragma once
#include "EZI000.h"
#include "DataGridModel.h"

// Base of the equipment entry screens that check a row before it is left,
// before New and before Save (EBI020, EBI030, EBI040). Leaving a blank new row
// removes it without a word; leaving any other row runs CheckRow, whose failure
// keeps the user on the row. Leaving by Cancel, Delete or Save skips the checks
// (Save runs them itself).
class TfrmEBI000 : public TfrmEZI000
{
    Q_OBJECT
public:
    explicit TfrmEBI000(QWidget *parent = nullptr);

    // The screen's checks of the current row: the first failure is shown in an
    // information box, gets the focus, and the answer is false.
    virtual bool CheckRow() { return true; }

    bool bbtAddClick() override;
    bool bbtSaveClick() override;

protected:
    // A row added on the screen that nobody filled in: text cells empty or "0"
    // in number columns, lists still on their first entry (ShowRow puts them there).
    virtual bool isBlankRow(int row) const;

    bool fail(const QString &message, QWidget *focus);
    bool missing(const QString &caption, QWidget *focus);
    bool wrong(const QString &caption, QWidget *focus);

    // A grid column of a query field: visible with a width in pixels, hidden without.
    static DataGridColumn column(const QString &field, const QString &title, int dataWidth, int width = 0);

private:
    void onRowExit(int row, bool &allow);
};
