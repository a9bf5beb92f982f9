#pragma once
#include <QFrame>
#include <QList>

class QLabel;

// The screens' bottom status bar: a row of fixed-width text panels, no size grip.
// Widths are set by the owner (the screen bases lay them out from their texts);
// a panel of width 0 takes no room.
class StatusBar : public QFrame
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget *parent = nullptr);

    // Appends a panel with its alignment and initial width.
    int addPanel(Qt::Alignment alignment, int width);
    int panelCount() const { return int(m_panels.size()); }

    QString panelText(int index) const;
    // Returns true when the text changed; the panel is repainted at once then.
    bool setPanelText(int index, const QString &text);
    int panelWidth(int index) const;
    void setPanelWidth(int index, int width);
    // Width a text needs in this bar's font, without padding.
    int textWidth(const QString &text) const;

private:
    struct Panel { QLabel *label; int width; };
    QList<Panel> m_panels;
};
