#include "EZH999.h"
#include "DataGrid.h"
#include "EZI000.h"
#include "RowSet.h"
#include <QHBoxLayout>
#include <QPlainTextEdit>

TfrmEZH999::TfrmEZH999(const ChangeLog &log, QWidget *parent) : TfrmZZH000(parent)
{
    setObjectName(QStringLiteral("frmEZH999"));
    setWindowTitle(QStringLiteral("GridBack DisPlay"));
    resize(997, 284);
    auto *layout = new QHBoxLayout(m_panMain);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new DataGrid(m_panMain);
    m_grid->setObjectName(QStringLiteral("rgrGrid"));
    QVector<DataGridColumn> columns;
    QStringList params;
    for (const QString &title : log.titles) {
        DataGridColumn c;
        c.title = title;
        c.fieldName = title;
        c.width = 130;
        columns << c;
        params << QLatin1Char('A') + title;
    }
    m_grid->setColumns(columns);
    QVector<QVariant> cells;
    for (const QStringList &row : log.rows)
        for (int c = 0; c < log.titles.size(); ++c)
            cells << row.value(c);
    m_grid->fill(RowSet(log.titles, cells), DataGridModel::FillMode::Positional);
    layout->addWidget(m_grid, 1);

    m_memParam = new QPlainTextEdit(m_panMain);
    m_memParam->setObjectName(QStringLiteral("memParam"));
    m_memParam->setReadOnly(true);
    m_memParam->setPlainText(params.join(QLatin1Char('\n')));
    m_memParam->setFixedWidth(200);
    layout->addWidget(m_memParam);
}
