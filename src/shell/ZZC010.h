#pragma once
#include <QImage>
#include <QRegion>
#include <QWidget>

class QLabel;

// The splash window shown during start-up. Its picture and shape come from the
// resource file "MainImg.rcc" beside the executable (SPLASH and SMASK); without the
// file the shape is empty and the window stays invisible, and start-up goes on.
class TfrmZZC010 : public QWidget
{
    Q_OBJECT
public:
    explicit TfrmZZC010(const QString &resourceFile, QWidget *parent = nullptr);

    // Window shape from a monochrome mask: in every row each run of 0-bits (black)
    // that a 1-bit ends becomes a one-pixel-high rectangle. The mask is widened to a
    // multiple of 16 pixels with 1-bits; rows at or below formHeight count as all 1-bits.
    static QRegion regionFromMask(const QImage &mask, int formHeight);

    QRegion shape() const { return m_shape; }
    bool hasPicture() const { return !m_picture.isNull(); }

private:
    QImage m_picture;
    QRegion m_shape;
    QLabel *m_image = nullptr;
};
