#include "ReportBand.h"
#include "DataGridModel.h"
#include "ReportDataSource.h"
#include <QFontMetricsF>
#include <QPainter>

namespace {
// Draws text a word at a time: PDF readers then take the gaps for blanks, where
// some Korean fonts would hand them a control character for the blank glyph.
// Lines break at "\n" only; each line is aligned inside the rectangle.
void drawWords(QPainter &p, const QRectF &r, Qt::Alignment alignment, const QString &text)
{
    const QFontMetricsF fm(p.font());
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qreal lineHeight = fm.height();
    const qreal total = lineHeight * lines.size();
    qreal y = r.top();
    if (alignment & Qt::AlignBottom)
        y = r.bottom() - total;
    else if (alignment & Qt::AlignVCenter)
        y = r.top() + (r.height() - total) / 2;
    for (const QString &line : lines) {
        const qreal width = fm.horizontalAdvance(line);
        qreal x = r.left();
        if (alignment & Qt::AlignRight)
            x = r.right() - width;
        else if (alignment & Qt::AlignHCenter)
            x = r.left() + (r.width() - width) / 2;
        const qreal baseline = y + fm.ascent();
        int start = 0;
        while (start < line.size()) {
            while (start < line.size() && line.at(start).isSpace())
                ++start;
            int end = start;
            while (end < line.size() && !line.at(end).isSpace())
                ++end;
            if (end > start)
                p.drawText(QPointF(x + fm.horizontalAdvance(line.left(start)), baseline), line.mid(start, end - start));
            start = end;
        }
        y += lineHeight;
    }
}
} // namespace

QString ReportElement::textFor(const ReportContext &context) const
{
    if (compute)
        return compute(context);
    if (kind == Kind::Field) {
        const QString t = context.data ? context.data->text(text) : QString();
        return thousands ? DataGridModel::groupThousands(t) : t;
    }
    return text;
}

ReportElement &ReportBand::add(ReportElement element)
{
    m_elements.push_back(std::make_unique<ReportElement>(std::move(element)));
    return *m_elements.back();
}

ReportElement &ReportBand::addLabel(const QString &name, const QRectF &rect, const QString &text, const QFont &font,
                                    Qt::Alignment alignment)
{
    ReportElement e;
    e.name = name;
    e.kind = ReportElement::Kind::Label;
    e.rect = rect;
    e.text = text;
    e.font = font;
    e.alignment = alignment;
    return add(std::move(e));
}

ReportElement &ReportBand::addField(const QString &name, const QRectF &rect, const QString &field, const QFont &font,
                                    Qt::Alignment alignment)
{
    ReportElement &e = addLabel(name, rect, field, font, alignment);
    e.kind = ReportElement::Kind::Field;
    return e;
}

ReportElement &ReportBand::addFrame(const QString &name, const QRectF &rect, qreal penWidth, const QColor &fill)
{
    ReportElement e;
    e.name = name;
    e.kind = ReportElement::Kind::Frame;
    e.rect = rect;
    e.penWidth = penWidth;
    e.fill = fill;
    return add(std::move(e));
}

ReportElement &ReportBand::addLine(const QString &name, const QPointF &from, const QPointF &to, qreal penWidth)
{
    ReportElement e;
    e.name = name;
    e.kind = ReportElement::Kind::Line;
    e.rect = QRectF(from, to);
    e.penWidth = penWidth;
    return add(std::move(e));
}

ReportElement *ReportBand::find(const QString &name)
{
    for (const auto &e : m_elements)
        if (e->name == name)
            return e.get();
    return nullptr;
}

void ReportBand::paint(QPainter &painter, qreal top, qreal left, const ReportContext &context) const
{
    for (const auto &ptr : m_elements) {
        const ReportElement &e = *ptr;
        if (!e.visible)
            continue;
        const QRectF r = e.rect.translated(left, top);
        painter.save();
        switch (e.kind) {
        case ReportElement::Kind::Label:
        case ReportElement::Kind::Field:
            painter.setFont(e.font);
            painter.setPen(e.color);
            drawWords(painter, r, e.alignment, e.textFor(context));
            break;
        case ReportElement::Kind::Frame:
            painter.setPen(e.penWidth > 0 ? QPen(e.color, e.penWidth) : QPen(Qt::NoPen));
            painter.setBrush(e.fill.isValid() ? QBrush(e.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(r);
            break;
        case ReportElement::Kind::Line:
            painter.setPen(QPen(e.color, e.penWidth));
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        case ReportElement::Kind::Image:
            if (!e.image.isNull())
                painter.drawImage(r, e.image);
            break;
        case ReportElement::Kind::Custom:
            if (e.paint)
                e.paint(painter, r);
            break;
        }
        painter.restore();
    }
}

QFont ReportFont(const QString &family, qreal pixelSize, bool bold)
{
    static const QStringList korean = {QStringLiteral("굴림"), QStringLiteral("굴림체"), QStringLiteral("돋움"),
                                       QStringLiteral("돋움체"), QStringLiteral("바탕"), QStringLiteral("바탕체")};
    QFont f(korean.contains(family) ? QStringLiteral("NanumGothic") : family);
    // Pixel sizes are design pixels; the painter's scale carries them to the device.
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setBold(bold);
    return f;
}
