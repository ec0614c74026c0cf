// Draws Tavisto's 32 x 32 icon in the 16 standard colours: a clock face with a music note.
// Usage: draw-tavisto-icon OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }

    // The 16-colour palette of classic desktop icons.
    const QList<QRgb> palette{0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                              0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                              0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

    QImage icon(32, 32, QImage::Format_RGB32);
    QPainter p(&icon);  // no antialiasing: every pixel stays one of the palette colours

    // Navy tile with a light edge, covering the whole icon.
    p.setPen(QColor(QRgb(0xc0c0c0)));
    p.setBrush(QColor(QRgb(0x000080)));
    p.drawRect(0, 0, 31, 31);

    // Clock face with hands at ten past ten.
    p.setPen(QPen(QColor(QRgb(0x000000)), 1));
    p.setBrush(QColor(QRgb(0xffffff)));
    p.drawEllipse(3, 3, 21, 21);
    p.setPen(QColor(QRgb(0x808080)));
    for (QPoint tick : {QPoint(13, 5), QPoint(13, 22), QPoint(5, 13), QPoint(22, 13)})
        p.drawPoint(tick);
    p.setPen(QPen(QColor(QRgb(0x000080)), 2));
    p.drawLine(13, 13, 13, 7);
    p.drawLine(13, 13, 18, 11);
    p.setPen(QColor(QRgb(0xff0000)));
    p.drawPoint(13, 13);

    // Music note at the lower right, over the clock's edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(QRgb(0xffff00)));
    p.drawRect(25, 12, 2, 14);
    p.drawRect(27, 12, 3, 2);
    p.drawRect(28, 14, 2, 2);
    p.drawEllipse(19, 23, 7, 6);
    p.end();

    QImage indexed =
        icon.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither);
    return indexed.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
