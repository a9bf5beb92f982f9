#include "StatusBar.h"
#include <QHBoxLayout>
#include <QLabel>

StatusBar::StatusBar(QWidget *parent) : QFrame(parent)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addStretch(1);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setFixedHeight(fontMetrics().height() + 8);
}

int StatusBar::addPanel(Qt::Alignment alignment, int width)
{
    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("panel%1").arg(m_panels.size()));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    auto *box = static_cast<QHBoxLayout *>(layout());
    box->insertWidget(box->count() - 1, label);
    m_panels.append({label, 0});
    setPanelWidth(int(m_panels.size()) - 1, width);
    return int(m_panels.size()) - 1;
}

QString StatusBar::panelText(int index) const
{
    return m_panels.at(index).label->text();
}

bool StatusBar::setPanelText(int index, const QString &text)
{
    QLabel *label = m_panels.at(index).label;
    if (label->text() == text)
        return false;
    label->setText(text);
    label->repaint();
    return true;
}

int StatusBar::panelWidth(int index) const
{
    return m_panels.at(index).width;
}

void StatusBar::setPanelWidth(int index, int width)
{
    Panel &p = m_panels[index];
    p.width = qMax(0, width);
    p.label->setFixedWidth(p.width);
    p.label->setVisible(p.width > 0);
}

int StatusBar::textWidth(const QString &text) const
{
    return fontMetrics().horizontalAdvance(text);
}
