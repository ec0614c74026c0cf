// Draws Quennet's icon, a clock face with a music note on a blue tile, from one drawing into
// a scalable SVG and PNGs at the hicolor sizes:
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

void draw(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);

    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(56, 58), 40, 40);
    painter.setPen(QPen(kTile, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(56, 58), QPointF(56, 32));
    painter.drawLine(QPointF(56, 58), QPointF(76, 58));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawEllipse(QPointF(56, 58), 5, 5);

    painter.setBrush(kNote);
    painter.drawEllipse(QPointF(92, 104), 13, 10);
    painter.drawRect(QRectF(99, 62, 6, 42));
    QPainterPath flag;
    flag.moveTo(99, 62);
    flag.lineTo(122, 70);
    flag.lineTo(122, 80);
    flag.lineTo(105, 73);
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
