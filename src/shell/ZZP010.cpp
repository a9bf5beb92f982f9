#include "ZZP010.h"
#include "FormHelpers.h"
#include "SqlQuery.h"
#include "ZZD000.h"
#include <QPainter>
#include <QPainterPath>

namespace {
const qreal kConditionTop = 62;
const qreal kConditionStep = 20;

// The resort's mark: two snow-capped peaks in a ring.
void paintLogo(QPainter &p, const QRectF &r)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0, 70, 150);
    p.setPen(QPen(blue, 1.2));
    p.setBrush(QColor(225, 238, 252));
    p.drawEllipse(r);
    auto at = [&r](qreal x, qreal y) { return QPointF(r.left() + r.width() * x, r.top() + r.height() * y); };
    QPainterPath peaks;
    peaks.moveTo(at(0.12, 0.72));
    peaks.lineTo(at(0.40, 0.28));
    peaks.lineTo(at(0.55, 0.50));
    peaks.lineTo(at(0.68, 0.36));
    peaks.lineTo(at(0.88, 0.72));
    peaks.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    p.drawPath(peaks);
    QPainterPath snow;
    snow.moveTo(at(0.40, 0.28));
    snow.lineTo(at(0.47, 0.39));
    snow.lineTo(at(0.40, 0.36));
    snow.lineTo(at(0.33, 0.39));
    snow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(snow);
}
} // namespace

TfrmZZP010::TfrmZZP010(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmZZP010"));
    setAttribute(Qt::WA_DeleteOnClose);

    const QFont base = ReportFont(QStringLiteral("굴림"), 13);
    const QFont footerFont = ReportFont(QStringLiteral("굴림체"), 11);

    m_header = &m_report.band(ReportBand::Kind::Title, QStringLiteral("qrbHeader"), 90);
    m_header->addFrame(QStringLiteral("qrsTitleShadow"), {}, 1, Qt::darkGray);
    m_header->addFrame(QStringLiteral("qrsTitle"), {}, 1.5, Qt::white);
    m_header->addLabel(QStringLiteral("qrlTitle"), {}, QStringLiteral("제목"),
                       ReportFont(QStringLiteral("굴림"), 19, true), Qt::AlignCenter);
    m_header->addLabel(QStringLiteral("qrlCondition"), {}, QString(), base);
    m_conditionLines << QStringLiteral("qrlCondition");

    m_columnHeader = &m_report.band(ReportBand::Kind::ColumnHeader, QStringLiteral("qrbColumnHeader"), 24);
    m_detail = &m_report.band(ReportBand::Kind::Detail, QStringLiteral("qrbDetail"), 20);
    m_summary = &m_report.band(ReportBand::Kind::Summary, QStringLiteral("qrbSummary"), 24);

    m_footer = &m_report.band(ReportBand::Kind::PageFooter, QStringLiteral("qrbFooter"), 40);
    m_footer->addLine(QStringLiteral("qrsFooterLine"), {}, {}, 0.8);
    m_footer->addLabel(QStringLiteral("qrlDateLabel"), {}, QStringLiteral("Date :"), footerFont);
    m_footer->addLabel(QStringLiteral("qrlDate"), {}, QString(), footerFont).compute = [](const ReportContext &c) {
        return c.printedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    };
    m_footer->addLabel(QStringLiteral("qrlPageCurrent"), {}, QString(), footerFont, Qt::AlignRight | Qt::AlignVCenter)
        .compute = [](const ReportContext &c) { return QString::number(c.page); };
    m_footer->addLabel(QStringLiteral("qrlPageSlash"), {}, QStringLiteral("/"), footerFont, Qt::AlignCenter);
    m_footer->addLabel(QStringLiteral("qrlPageTotal"), {}, QString(), footerFont).compute =
        [](const ReportContext &c) { return QString::number(c.pageCount); };
    m_footer->addLabel(QStringLiteral("qrlProgramID"), {}, QString(), footerFont).compute =
        [this](const ReportContext &) { return programId(); };
    ReportElement logo;
    logo.name = QStringLiteral("qriLogo");
    logo.kind = ReportElement::Kind::Custom;
    logo.paint = &paintLogo;
    m_footer->add(std::move(logo));
    m_footer->addLabel(QStringLiteral("qrlCompany"), {}, QStringLiteral("탈보리조트"),
                       ReportFont(QStringLiteral("돋움"), 13, true));
    m_footer->addLabel(QStringLiteral("qrlCompanyEng"), {}, QStringLiteral("TALVO RESORT"),
                       ReportFont(QStringLiteral("Arial"), 9));

    m_report.setDataSource(&m_cdsQuery);
    m_report.beforePrint = [this] { qrpReportBeforePrint(); };
    layoutCommonBands();
}

TfrmZZP010::~TfrmZZP010() = default;

QString TfrmZZP010::programId() const
{
    return ProgramIdOf(objectName());
}

void TfrmZZP010::layoutCommonBands()
{
    const qreal w = m_report.contentWidth();
    const qreal cx = w / 2;
    const QRectF titleBox(cx - 180, 8, 360, 42);
    m_header->find(QStringLiteral("qrsTitleShadow"))->rect = titleBox.translated(4, 4);
    m_header->find(QStringLiteral("qrsTitle"))->rect = titleBox;
    m_header->find(QStringLiteral("qrlTitle"))->rect = titleBox;
    qreal y = kConditionTop;
    for (const QString &name : std::as_const(m_conditionLines)) {
        m_header->find(name)->rect = QRectF(0, y, w, 18);
        y += kConditionStep;
    }
    m_header->setHeight(y + 6);

    auto put = [this](const char *name, const QRectF &r) { m_footer->find(QLatin1String(name))->rect = r; };
    put("qrsFooterLine", QRectF(QPointF(0, 2), QPointF(w, 2)));
    put("qrlDateLabel", QRectF(0, 10, 44, 16));
    put("qrlDate", QRectF(46, 10, 150, 16));
    put("qrlPageCurrent", QRectF(cx - 50, 10, 40, 16));
    put("qrlPageSlash", QRectF(cx - 5, 10, 10, 16));
    put("qrlPageTotal", QRectF(cx + 10, 10, 40, 16));
    put("qrlProgramID", QRectF(cx + 56, 10, 90, 16));
    put("qriLogo", QRectF(w - 150, 5, 28, 28));
    put("qrlCompany", QRectF(w - 116, 4, 116, 17));
    put("qrlCompanyEng", QRectF(w - 116, 22, 116, 12));
}

void TfrmZZP010::setTitle(const QString &text)
{
    item(QStringLiteral("qrlTitle"))->text = text;
}

QString TfrmZZP010::title() const
{
    return item(QStringLiteral("qrlTitle"))->text;
}

void TfrmZZP010::setCondition(const QString &text)
{
    item(QStringLiteral("qrlCondition"))->text = text;
}

QString TfrmZZP010::condition() const
{
    return item(QStringLiteral("qrlCondition"))->text;
}

ReportElement &TfrmZZP010::addConditionLine(const QString &name)
{
    ReportElement &e = m_header->addLabel(name, {}, QString(), item(QStringLiteral("qrlCondition"))->font);
    m_conditionLines << name;
    layoutCommonBands();
    return e;
}

void TfrmZZP010::setOrientation(QPageLayout::Orientation orientation)
{
    m_report.setOrientation(orientation);
    layoutCommonBands();
}

SqlQuery &TfrmZZP010::qryQuery()
{
    if (!m_qryQuery)
        m_qryQuery = std::make_unique<SqlQuery>(Db());
    return *m_qryQuery;
}

void TfrmZZP010::copyQuery(const SqlQuery &from)
{
    SqlQuery &q = qryQuery();
    q.setSql(from.sql());
    q.clearParams();
    for (const QString &name : from.paramNames())
        if (from.isParamSet(name))
            q.setParam(name, from.param(name));
}

void TfrmZZP010::openData()
{
    m_cdsQuery.close();
    m_cdsQuery.setRows(qryQuery().open());
}

bool TfrmZZP010::Print()
{
    m_report.setDocumentName(programId());
    return m_report.print();
}

bool TfrmZZP010::Preview(QWidget *parent)
{
    m_report.setDocumentName(programId());
    return m_report.preview(parent);
}

bool TfrmZZP010::ExportPdf(const QString &path)
{
    m_report.setDocumentName(programId());
    return m_report.exportPdf(path);
}
