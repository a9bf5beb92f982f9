#include "Report.h"
#include "ReportDataSource.h"
#include "ZZC000.h"
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
// A4 in design pixels: 210 x 297 mm at 96 per inch.
constexpr qreal kA4Width = 210.0 / 25.4 * 96.0;
constexpr qreal kA4Height = 297.0 / 25.4 * 96.0;
constexpr qreal kDesignDpi = 96.0;

Report::OutputHandler &handlerSlot()
{
    static Report::OutputHandler handler = &Report::defaultOutput;
    return handler;
}

QPointer<QWidget> &previewParent()
{
    static QPointer<QWidget> parent;
    return parent;
}
} // namespace

Report::Report() = default;
Report::~Report() = default;

QSizeF Report::pageSize() const
{
    return m_orientation == QPageLayout::Portrait ? QSizeF(kA4Width, kA4Height) : QSizeF(kA4Height, kA4Width);
}

qreal Report::contentWidth() const
{
    return pageSize().width() - m_margins.left() - m_margins.right();
}

ReportBand &Report::band(ReportBand::Kind kind, const QString &name, qreal height)
{
    if (ReportBand *b = findBand(kind))
        return *b;
    m_bands.push_back(std::make_unique<ReportBand>(kind, name, height));
    return *m_bands.back();
}

ReportBand *Report::findBand(ReportBand::Kind kind) const
{
    for (const auto &b : m_bands)
        if (b->kind() == kind)
            return b.get();
    return nullptr;
}

ReportElement *Report::element(const QString &name) const
{
    for (const auto &b : m_bands)
        if (ReportElement *e = b->find(name))
            return e;
    return nullptr;
}

ReportContext Report::contextFor(int page, int record) const
{
    ReportContext c;
    c.page = page;
    c.pageCount = pageCount();
    c.record = record;
    c.recordCount = m_recordCount;
    c.printedAt = m_printedAt;
    c.data = m_data;
    return c;
}

int Report::paginate()
{
    m_pages.clear();
    m_recordCount = m_data ? m_data->count() : 0;
    if (!m_printedAt.isValid())
        m_printedAt = QDateTime::currentDateTime();
    auto shown = [this](ReportBand::Kind kind) {
        ReportBand *b = findBand(kind);
        return b && b->isVisible() ? b : nullptr;
    };
    const ReportBand *title = shown(ReportBand::Kind::Title);
    const ReportBand *header = shown(ReportBand::Kind::ColumnHeader);
    const ReportBand *detail = shown(ReportBand::Kind::Detail);
    const ReportBand *summary = shown(ReportBand::Kind::Summary);
    const ReportBand *footer = shown(ReportBand::Kind::PageFooter);

    if (m_data)
        m_data->open();
    if (m_recordCount == 0 && !m_printIfEmpty)
        return 0;

    const qreal top = m_margins.top();
    const qreal bottom = pageSize().height() - m_margins.bottom() - (footer ? footer->height() : 0);
    qreal y = top;
    qreal bodyTop = top; // below the page's headers: a band taller than a page still gets printed
    auto wanted = [this](const ReportBand *b, int record) {
        return !b->beforePrint || b->beforePrint(contextFor(int(m_pages.size()), record));
    };
    auto place = [&](const ReportBand *b, int record) {
        m_pages.back().push_back({b, y, record});
        y += b->height();
    };
    auto newPage = [&] {
        m_pages.emplace_back();
        y = top;
        if (m_pages.size() == 1 && title && wanted(title, -1))
            place(title, -1);
        if (header && wanted(header, -1))
            place(header, -1);
        bodyTop = y;
    };
    auto fit = [&](const ReportBand *b) {
        if (y + b->height() > bottom && y > bodyTop)
            newPage();
    };

    newPage();
    if (detail && m_data) {
        for (int r = 0; m_data->next(); ++r) {
            if (!wanted(detail, r))
                continue;
            fit(detail);
            place(detail, r);
        }
    }
    if (summary && wanted(summary, -1)) {
        fit(summary);
        place(summary, -1);
    }
    if (m_data)
        m_data->open();
    m_cursor = -1;
    return pageCount();
}

bool Report::positionData(int record)
{
    if (!m_data)
        return false;
    if (record < m_cursor) {
        m_data->open();
        m_cursor = -1;
    }
    while (m_cursor < record) {
        if (!m_data->next())
            return false;
        ++m_cursor;
    }
    return true;
}

void Report::paintPage(QPainter &painter, int page)
{
    if (page < 0 || page >= pageCount())
        return;
    for (const Placement &p : m_pages.at(page)) {
        if (p.record >= 0 && !positionData(p.record))
            continue;
        p.band->paint(painter, p.top, m_margins.left(), contextFor(page + 1, p.record));
    }
    const ReportBand *footer = findBand(ReportBand::Kind::PageFooter);
    if (footer && footer->isVisible()) {
        const ReportContext c = contextFor(page + 1, -1);
        if (!footer->beforePrint || footer->beforePrint(c))
            footer->paint(painter, pageSize().height() - m_margins.bottom() - footer->height(), m_margins.left(), c);
    }
}

void Report::preparePages(QPagedPaintDevice *device) const
{
    if (auto *printer = dynamic_cast<QPrinter *>(device)) {
        printer->setFullPage(true); // our margins are part of the design
        if (!m_documentName.isEmpty())
            printer->setDocName(m_documentName);
    }
    device->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), m_orientation, QMarginsF(0, 0, 0, 0)));
}

bool Report::render(QPagedPaintDevice *device)
{
    if (beforePrint)
        beforePrint();
    m_printedAt = QDateTime::currentDateTime();
    const int pages = paginate();
    if (pages == 0)
        return true;
    preparePages(device);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const qreal sx = device->logicalDpiX() / kDesignDpi;
    const qreal sy = device->logicalDpiY() / kDesignDpi;
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(sx, sy);
        paintPage(painter, i);
        painter.restore();
    }
    return painter.end();
}

bool Report::exportPdf(const QString &path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setCreator(AppTitle());
    writer.setTitle(m_documentName);
    return render(&writer);
}

bool Report::print()
{
    return handlerSlot()(*this, Action::Print);
}

bool Report::preview(QWidget *parent)
{
    previewParent() = parent;
    return handlerSlot()(*this, Action::Preview);
}

Report::OutputHandler Report::installOutputHandler(OutputHandler handler)
{
    OutputHandler previous = std::move(handlerSlot());
    handlerSlot() = handler ? std::move(handler) : OutputHandler(&Report::defaultOutput);
    return previous;
}

bool Report::defaultOutput(Report &report, Action action)
{
    const QString pdf = qEnvironmentVariable("SPORTS_REPORT_PDF");
    if (!pdf.isEmpty())
        return report.exportPdf(pdf);

    QPrinter printer(QPrinter::HighResolution);
    report.preparePages(&printer);
    if (action == Action::Print) {
        if (QPrinterInfo::defaultPrinter().isNull()) {
            ShowError(QStringLiteral("기본 프린터가 지정되어 있지 않아 출력할 수 없습니다."));
            return false;
        }
        if (!report.render(&printer)) {
            ShowError(QStringLiteral("출력하지 못했습니다."));
            return false;
        }
        return true;
    }
    QPrintPreviewDialog dialog(&printer, previewParent());
    dialog.setWindowTitle(report.documentName());
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *p) { report.render(p); });
    dialog.exec();
    return true;
}
