// Paints the splash picture and its shape mask at build time, so the repository
// carries no binary pictures: mksplash <output folder>.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QSize size(537, 284);

    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(18, 52, 112));
    sky.setColorAt(1, QColor(120, 170, 220));
    p.fillRect(picture.rect(), sky);
    QPainterPath far;
    far.moveTo(0, 200);
    far.lineTo(110, 95);
    far.lineTo(190, 150);
    far.lineTo(300, 60);
    far.lineTo(420, 140);
    far.lineTo(537, 90);
    far.lineTo(537, 284);
    far.lineTo(0, 284);
    p.fillPath(far, QColor(225, 235, 245));
    QPainterPath near;
    near.moveTo(0, 250);
    near.lineTo(160, 170);
    near.lineTo(260, 215);
    near.lineTo(380, 160);
    near.lineTo(537, 240);
    near.lineTo(537, 284);
    near.lineTo(0, 284);
    p.fillPath(near, QColor(250, 252, 255));
    p.setPen(QPen(QColor(40, 90, 60), 3));
    for (int i = 0; i < 6; ++i)
        p.drawLine(400 + i * 18, 230 - i * 6, 400 + i * 18, 250 - i * 6);
    p.end();

    // Black is the window's shape, white is cut away: a rounded card.
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter m(&mask);
    QPainterPath card;
    card.addRoundedRect(QRectF(0, 0, size.width() - 1, size.height()), 18, 18);
    m.fillPath(card, Qt::black);
    m.end();

    const bool ok = picture.save(dir + QStringLiteral("/SPLASH.png"))
        && mask.convertToFormat(QImage::Format_Mono).save(dir + QStringLiteral("/SMASK.png"));
    return ok ? 0 : 1;
}
