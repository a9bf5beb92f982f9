#pragma once
#include <QList>
#include <QString>
#include <Qt>

class TfrmZZP010;

// Layout of the equipment report templates (EBP060 .. EBP130): titled columns
// across the page, a detail band of one or more lines, and the summary line.
namespace EquipmentPrint {

struct Column
{
    Column(QString field, QString title, qreal width, Qt::Alignment alignment = Qt::AlignLeft, QString subTitle = {},
           int line = 0)
        : field(std::move(field)), title(std::move(title)), width(width), alignment(alignment),
          subTitle(std::move(subTitle)), line(line)
    {
    }

    QString field;                  // empty: the room stays free
    QString title;
    qreal width;                    // relative: the columns of a line fill the page width
    Qt::Alignment alignment;
    // A second header line: `title` stands over it, spanning the neighbours
    // that share the same title ("연일대여" over "시작일자" and "끝   일자").
    QString subTitle;
    int line;                       // detail line of the record
};

void layoutColumns(TfrmZZP010 &report, const QList<Column> &columns);
// List templates: "건수:" and the number of rows.
void addCountSummary(TfrmZZP010 &report);
// Summary templates: "합계" and the total in qrlSum.
void addSumSummary(TfrmZZP010 &report);
void setSum(TfrmZZP010 &report, const QString &total);

} // namespace EquipmentPrint
