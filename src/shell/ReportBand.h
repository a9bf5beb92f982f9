#pragma once
#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class ReportDataSource;

// What a computed text or a band hook knows while a page is laid out or painted.
struct ReportContext
{
    int page = 0;        // 1-based
    int pageCount = 0;   // known in both passes (the first pass counts, the second paints)
    int record = -1;     // record of the detail band being printed, -1 elsewhere
    int recordCount = 0;
    QDateTime printedAt; // one instant for the whole output
    const ReportDataSource *data = nullptr;
};

// One thing printed in a band. Positions and sizes are in design pixels (1/96
// inch) from the band's top left corner; fonts are sized in pixels.
struct ReportElement
{
    enum class Kind { Label, Field, Frame, Line, Image, Custom };

    QString name;                // qrlTitle, qrlDate, ...
    Kind kind = Kind::Label;
    QRectF rect;
    QString text;                // Label: the text; Field: the field name
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;    // text and lines
    QColor fill;                 // Frame: inside, none when invalid
    qreal penWidth = 1;
    bool thousands = false;      // Field: numbers with thousands separators
    bool visible = true;
    QImage image;
    // A text computed when printed (page numbers, dates, totals); wins over `text`.
    std::function<QString(const ReportContext &)> compute;
    std::function<void(QPainter &, const QRectF &)> paint; // Custom

    // What a Label or Field prints in the given context.
    QString textFor(const ReportContext &context) const;
};

// A band of a banded report: printed once (title, summary), on every page (column
// header, page footer) or once per record (detail).
class ReportBand
{
public:
    enum class Kind { Title, ColumnHeader, Detail, Summary, PageFooter };

    ReportBand(Kind kind, QString name, qreal height) : m_kind(kind), m_name(std::move(name)), m_height(height) {}

    Kind kind() const { return m_kind; }
    const QString &name() const { return m_name; }
    qreal height() const { return m_height; }
    void setHeight(qreal height) { m_height = height; }
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }

    ReportElement &add(ReportElement element);
    ReportElement &addLabel(const QString &name, const QRectF &rect, const QString &text, const QFont &font,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement &addField(const QString &name, const QRectF &rect, const QString &field, const QFont &font,
                            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    ReportElement &addFrame(const QString &name, const QRectF &rect, qreal penWidth = 1, const QColor &fill = {});
    ReportElement &addLine(const QString &name, const QPointF &from, const QPointF &to, qreal penWidth = 1);
    ReportElement *find(const QString &name);
    const std::vector<std::unique_ptr<ReportElement>> &elements() const { return m_elements; }

    // Called before the band is printed (in both passes); false leaves it out.
    std::function<bool(const ReportContext &)> beforePrint;

    void paint(QPainter &painter, qreal top, qreal left, const ReportContext &context) const;

private:
    Kind m_kind;
    QString m_name;
    qreal m_height;
    bool m_visible = true;
    std::vector<std::unique_ptr<ReportElement>> m_elements;
};

// A report font: the Korean Windows faces (굴림, 굴림체, 돋움, 바탕) are printed
// with NanumGothic; sizes are design pixels.
QFont ReportFont(const QString &family, qreal pixelSize, bool bold = false);
