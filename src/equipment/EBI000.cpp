#include "EBI000.h"
#include "DataGrid.h"
#include "FormHelpers.h"
#include "ZZC000.h"
#include <QApplication>
#include <QPushButton>
#include <QTimer>

TfrmEBI000::TfrmEBI000(QWidget *parent) : TfrmEZI000(parent)
{
    // The row checks come before the base posts the row.
    disconnect(m_rgrGrid, &DataGrid::rowExit, this, nullptr);
    connect(m_rgrGrid, &DataGrid::rowExit, this, &TfrmEBI000::onRowExit);
}

DataGridColumn TfrmEBI000::column(const QString &field, const QString &title, int dataWidth, int width)
{
    DataGridColumn c;
    c.fieldName = field;
    c.title = title;
    c.dataWidth = dataWidth;
    c.width = width > 0 ? width : 80;
    c.visible = width > 0;
    c.readOnly = true;
    return c;
}

bool TfrmEBI000::fail(const QString &message, QWidget *focus)
{
    ShowInfo(message);
    if (focus && focus->isEnabled())
        focus->setFocus();
    return false;
}

bool TfrmEBI000::missing(const QString &caption, QWidget *focus)
{
    return fail(caption + QStringLiteral("을(를) 먼저 입력하십시오."), focus);
}

bool TfrmEBI000::wrong(const QString &caption, QWidget *focus)
{
    return fail(caption + QStringLiteral("을(를) 정확히 입력하십시오."), focus);
}

bool TfrmEBI000::isBlankRow(int row) const
{
    const int temp = m_rgrGrid->columnCount() - 1;
    if (row < 0 || row >= m_rgrGrid->rowCount() || temp < 0 || m_rgrGrid->cell(row, temp) == QLatin1String("Y"))
        return false;
    for (int c = 0; c < temp; ++c) {
        const DataGridColumn &col = m_rgrGrid->column(c);
        const QString cell = m_rgrGrid->cell(row, c).trimmed();
        if (col.isPickList()) {
            if (m_rgrGrid->pickIndex(row, c) > 0)
                return false;
        } else if (!cell.isEmpty() && !(col.kind == DataGridColumn::Kind::Number && cell == QLatin1String("0"))) {
            return false;
        }
    }
    return true;
}

void TfrmEBI000::onRowExit(int row, bool &allow)
{
    QWidget *focus = QApplication::focusWidget();
    const bool byButton = focus == m_bbtCancel || focus == m_bbtDelete || focus == m_bbtSave;
    if (!byButton) {
        if (isBlankRow(row)) {
            // Removed once the grid has moved on, without a message.
            m_modified = false;
            const QPersistentModelIndex blank(m_rgrGrid->gridModel()->index(row, 0));
            QTimer::singleShot(0, this, [this, blank] {
                if (blank.isValid() && blank.row() != m_rgrGrid->currentRow() && isBlankRow(blank.row()))
                    m_rgrGrid->deleteRow(blank.row());
            });
            return;
        }
        if (!CheckRow()) {
            allow = false;
            return;
        }
    }
    if (m_modified && !PostRow())
        allow = false;
}

bool TfrmEBI000::bbtAddClick()
{
    if (!ButtonUsable(m_bbtAdd, this))
        return false;
    if (isBlankRow(m_rgrGrid->currentRow()))
        return false;
    if (m_rgrGrid->rowCount() > 0 && !CheckRow())
        return false;
    return TfrmEZI000::bbtAddClick();
}

bool TfrmEBI000::bbtSaveClick()
{
    if (!ButtonUsable(m_bbtSave, this))
        return false;
    if (m_rgrGrid->rowCount() > 0 && !CheckRow())
        return false;
    const bool saved = TfrmEZI000::bbtSaveClick();
    if (saved && m_rgrGrid->rowCount() == 0) {
        ClearControls();
        m_rgrGrid->appendRow();
        ShowRow();
    }
    return saved;
}
