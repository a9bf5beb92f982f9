#include "ZZC010.h"
#include "ZZC000.h"
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QResource>
#include <QScreen>

namespace {
const QString kRoot = QStringLiteral("/mainimg");
}

TfrmZZC010::TfrmZZC010(const QString &resourceFile, QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmZZC010"));
    setFixedSize(537, 284);
    QImage mask;
    if (QFile::exists(resourceFile) && QResource::registerResource(resourceFile)) {
        m_picture.load(QStringLiteral(":") + kRoot + QStringLiteral("/SPLASH.png"));
        mask.load(QStringLiteral(":") + kRoot + QStringLiteral("/SMASK.png"));
        // The pictures are copied; the resource file is released at once.
        m_picture = m_picture.copy();
        mask = mask.copy();
        QResource::unregisterResource(resourceFile);
    }
    m_shape = mask.isNull() ? QRegion() : regionFromMask(mask, height());

    m_image = new QLabel(this);
    m_image->setObjectName(QStringLiteral("imgImage"));
    m_image->setGeometry(rect());
    m_image->setPixmap(QPixmap::fromImage(m_picture));

    auto *shadow = new QLabel(AppTitle(), this);
    shadow->setObjectName(QStringLiteral("lblProjectNameShadow"));
    auto *name = new QLabel(AppTitle(), this);
    name->setObjectName(QStringLiteral("lblProjectName"));
    QFont f(QStringLiteral("NanumMyeongjo"), 1);
    f.setPixelSize(24);
    f.setStyleHint(QFont::Serif);
    f.setBold(true);
    for (QLabel *l : {shadow, name}) {
        l->setFont(f);
        l->adjustSize();
    }
    name->move(40, 180);
    shadow->move(name->x() - 1, name->y() + 1);
    name->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    shadow->setStyleSheet(QStringLiteral("color: olive; background: transparent;"));
    name->raise();

    auto *version = new QLabel(QApplication::applicationVersion(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setStyleSheet(QStringLiteral("color: white; font-weight: bold; background: transparent;"));
    version->move(42, 214);
    auto *fixed = new QLabel(QStringLiteral("TALVO RESORT"), this);
    fixed->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    fixed->move(42, 236);

    // An empty region would show the whole window on most platforms; an invisible
    // splash is the rule without pictures, so such a window is never shown.
    if (!m_shape.isEmpty())
        setMask(m_shape);
    if (QScreen *s = QApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

QRegion TfrmZZC010::regionFromMask(const QImage &mask, int formHeight)
{
    const QImage mono = mask.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    const int width = (mono.width() + 15) / 16 * 16;
    const int rows = qMin(mono.height(), formHeight);
    // Which palette index is white decides what a 1-bit is.
    const bool indexOneIsWhite = qGray(mono.color(1)) > qGray(mono.color(0));
    QRegion region;
    for (int y = 0; y < rows; ++y) {
        int runStart = -1;
        for (int x = 0; x < width; ++x) {
            bool bit = true; // widened pixels are 1-bits
            if (x < mono.width())
                bit = (mono.pixelIndex(x, y) == 1) == indexOneIsWhite;
            if (!bit) {
                if (runStart < 0)
                    runStart = x;
            } else if (runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}
