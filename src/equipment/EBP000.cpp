#include "EBP000.h"
#include "ZZP010.h"

namespace EquipmentPrint {

namespace {
constexpr qreal kLine = 18;
const QString kFace = QStringLiteral("굴림");
} // namespace

void layoutColumns(TfrmZZP010 &report, const QList<Column> &columns)
{
    const qreal page = report.qrpReport().contentWidth();
    const QFont titleFont = ReportFont(kFace, 12, true);
    const QFont cellFont = ReportFont(kFace, 12);
    ReportBand &header = report.qrbColumnHeader();
    ReportBand &detail = report.qrbDetail();

    int lines = 0;
    for (const Column &c : columns)
        lines = qMax(lines, c.line + 1);
    qreal headerTop = 2;
    for (int line = 0; line < lines; ++line) {
        QList<Column> cols;
        qreal sum = 0;
        bool twoRows = false;
        for (const Column &c : columns) {
            if (c.line != line)
                continue;
            cols << c;
            sum += c.width;
            twoRows = twoRows || !c.subTitle.isEmpty();
        }
        const qreal rowHeight = twoRows ? 2 * kLine : kLine;
        qreal x = 0;
        for (int i = 0; i < cols.size(); ++i) {
            const Column &c = cols.at(i);
            const qreal w = page * c.width / sum;
            const QString id = c.field + QStringLiteral("_%1").arg(line);
            if (c.field.isEmpty()) { // room left free
                x += w;
                continue;
            }
            if (c.subTitle.isEmpty()) {
                header.addLabel(QStringLiteral("qrlTitle_") + id, QRectF(x, headerTop, w, rowHeight), c.title, titleFont,
                                Qt::AlignCenter);
            } else {
                // The shared title once, over the first of its neighbours.
                if (i == 0 || cols.at(i - 1).title != c.title || cols.at(i - 1).subTitle.isEmpty()) {
                    qreal span = 0;
                    for (int j = i; j < cols.size() && cols.at(j).title == c.title && !cols.at(j).subTitle.isEmpty(); ++j)
                        span += page * cols.at(j).width / sum;
                    header.addLabel(QStringLiteral("qrlTitle_") + id, QRectF(x, headerTop, span, kLine), c.title, titleFont,
                                    Qt::AlignCenter);
                }
                header.addLabel(QStringLiteral("qrlSubTitle_") + id, QRectF(x, headerTop + kLine, w, kLine), c.subTitle,
                                titleFont, Qt::AlignCenter);
            }
            detail.addField(QStringLiteral("qrd") + id, QRectF(x + 4, line * kLine, w - 10, kLine), c.field, cellFont,
                            c.alignment | Qt::AlignVCenter);
            x += w;
        }
        headerTop += rowHeight;
    }
    header.addLine(QStringLiteral("qrsHeaderTop"), QPointF(0, 1), QPointF(page, 1));
    header.addLine(QStringLiteral("qrsHeaderBottom"), QPointF(0, headerTop + 1), QPointF(page, headerTop + 1));
    header.setHeight(headerTop + 4);
    detail.setHeight(lines * kLine + (lines > 1 ? 4 : 0));
}

void addCountSummary(TfrmZZP010 &report)
{
    const qreal page = report.qrpReport().contentWidth();
    ReportBand &summary = report.qrbSummary();
    summary.addLine(QStringLiteral("qrsSummaryLine"), QPointF(0, 2), QPointF(page, 2));
    summary.addLabel(QStringLiteral("qrlCount"), QRectF(page - 200, 4, 200, kLine), QString(), ReportFont(kFace, 12, true),
                     Qt::AlignRight | Qt::AlignVCenter)
        .compute = [](const ReportContext &c) { return QStringLiteral("건수: ") + QString::number(c.recordCount); };
}

void addSumSummary(TfrmZZP010 &report)
{
    const qreal page = report.qrpReport().contentWidth();
    ReportBand &summary = report.qrbSummary();
    const QFont font = ReportFont(kFace, 12, true);
    summary.addLine(QStringLiteral("qrsSummaryLine"), QPointF(0, 2), QPointF(page, 2));
    summary.addLabel(QStringLiteral("qrlSumLabel"), QRectF(0, 4, 120, kLine), QStringLiteral("합계"), font, Qt::AlignCenter);
    summary.addLabel(QStringLiteral("qrlSum"), QRectF(page - 160, 4, 156, kLine), QStringLiteral("0"), font,
                     Qt::AlignRight | Qt::AlignVCenter);
}

void setSum(TfrmZZP010 &report, const QString &total)
{
    if (ReportElement *sum = report.item(QStringLiteral("qrlSum")))
        sum->text = total;
}

} // namespace EquipmentPrint
