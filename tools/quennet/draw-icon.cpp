// Draws Quennet's icon, a clock face with a music note on a blue tile (Tavisto's is a sheet), from
// one drawing into a scalable SVG and PNGs at the hicolor sizes:
//   quennet_draw_icon <icons folder>   writes <n>x<n>/apps/<id>.png and scalable/apps/<id>.svg
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>

namespace {
const char kIconName[] = "org.mp3timing.Quennet";
const int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
const qreal kDesignSize = 128;  // the drawing's own units
const QColor kTile(0x1d, 0x5f, 0xa8);
const QColor kNote(0xff, 0xd2, 0x3f);

// Every straight edge lies on a multiple of 8 units, a whole pixel at 16 pixels, so that the icon
// stays sharp there and at every multiple of it; only the round shapes are smoothed.
void draw(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawRoundedRect(QRectF(8, 8, 112, 112), 20, 20);

    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(60, 60), 40, 40);
    painter.fillRect(QRectF(56, 32, 8, 32), kTile);  // the hands at three o'clock
    painter.fillRect(QRectF(56, 56, 32, 8), kTile);

    painter.setBrush(kNote);
    painter.drawEllipse(QRectF(76, 94, 28, 20));
    painter.fillRect(QRectF(96, 64, 8, 40), kNote);
    QPainterPath flag;
    flag.moveTo(104, 64);
    flag.lineTo(116, 72);
    flag.lineTo(116, 84);
    flag.lineTo(104, 76);
    flag.closeSubpath();
    painter.drawPath(flag);
}

bool writeSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(int(kDesignSize), int(kDesignSize)));
    svg.setViewBox(QRectF(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(QStringLiteral("Quennet"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    draw(painter);
    return painter.end();
}

bool writePng(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(size / kDesignSize, size / kDesignSize);
    draw(painter);
    painter.end();
    return image.save(path);
}
}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <icons folder>\n", argv[0]);
        return 2;
    }
    const QDir icons(QString::fromLocal8Bit(argv[1]));
    const QString name = QString::fromLatin1(kIconName);
    bool ok = icons.mkpath(QStringLiteral("scalable/apps"))
        && writeSvg(icons.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)));
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = ok && icons.mkpath(folder)
            && writePng(icons.filePath(folder + QLatin1Char('/') + name + ".png"), size);
    }
    if (!ok)
        std::fprintf(stderr, "%s: cannot write the icons into %s\n", argv[0], argv[1]);
    return ok ? 0 : 1;
}
