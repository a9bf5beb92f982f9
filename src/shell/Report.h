#pragma once
#include "ReportBand.h"
#include <QMarginsF>
#include <QPageLayout>
#include <QSizeF>

class QPagedPaintDevice;
class QWidget;

// The banded report engine. Bands are laid out in two passes: the first places
// every band on its page and so counts the pages, the second paints them, so that
// a footer can print "page / total". Printer, preview and PDF all go through
// render(), so they give the same pages. The data comes from a ReportDataSource
// (not owned); a report without one prints its bands as for an empty result.
class Report
{
public:
    enum class Action { Print, Preview };
    // Where print() and preview() go. The default sends Print to the default
    // printer and Preview to the preview dialog; with SPORTS_REPORT_PDF set in the
    // environment both write that PDF file instead. Tests install their own.
    using OutputHandler = std::function<bool(Report &report, Action action)>;

    Report();
    ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    void setOrientation(QPageLayout::Orientation orientation) { m_orientation = orientation; }
    QPageLayout::Orientation orientation() const { return m_orientation; }
    // Page margins in design pixels.
    void setMargins(const QMarginsF &margins) { m_margins = margins; }
    const QMarginsF &margins() const { return m_margins; }
    // A4 in design pixels (1/96 inch), turned by the orientation.
    QSizeF pageSize() const;
    // Width between the left and right margins.
    qreal contentWidth() const;
    void setDocumentName(const QString &name) { m_documentName = name; }
    const QString &documentName() const { return m_documentName; }
    // A report prints one page even without records (title, summary, footer).
    void setPrintIfEmpty(bool on) { m_printIfEmpty = on; }

    // The band of a kind, created on first use with the given height.
    ReportBand &band(ReportBand::Kind kind, const QString &name = {}, qreal height = 20);
    ReportBand *findBand(ReportBand::Kind kind) const;
    ReportElement *element(const QString &name) const;

    void setDataSource(ReportDataSource *data) { m_data = data; }
    ReportDataSource *dataSource() const { return m_data; }

    // Run at the start of every output, before the first pass.
    std::function<void()> beforePrint;

    // First pass: places the bands; returns the number of pages (0 when an empty
    // report must not print).
    int paginate();
    int pageCount() const { return int(m_pages.size()); }
    // Paints one page (0-based) of the last pagination on a painter in design pixels.
    void paintPage(QPainter &painter, int page);
    // Both passes onto a printer or PDF writer, one device page per report page.
    bool render(QPagedPaintDevice *device);
    bool exportPdf(const QString &path);
    bool print();
    bool preview(QWidget *parent = nullptr);

    static OutputHandler installOutputHandler(OutputHandler handler);
    // The built-in outputs, for handlers that pass some actions on.
    static bool defaultOutput(Report &report, Action action);

private:
    struct Placement
    {
        const ReportBand *band;
        qreal top;
        int record;
    };
    ReportContext contextFor(int page, int record) const;
    bool positionData(int record);
    void preparePages(QPagedPaintDevice *device) const;

    QPageLayout::Orientation m_orientation = QPageLayout::Portrait;
    QMarginsF m_margins {38, 38, 38, 30};
    QString m_documentName;
    bool m_printIfEmpty = true;
    std::vector<std::unique_ptr<ReportBand>> m_bands;
    ReportDataSource *m_data = nullptr;
    std::vector<std::vector<Placement>> m_pages;
    int m_recordCount = 0;
    int m_cursor = -1; // record the data source stands on while painting
    QDateTime m_printedAt;
};
