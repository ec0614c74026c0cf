// Draws Tavisto's icon from one drawing: a clock face with a music note on a navy tile.
// - tavisto.png: 32 x 32 in the 16 standard colours, for the windows and the About window;
// - icons/scalable/org.mp3timing.Tavisto.svg and icons/<n>x<n>/org.mp3timing.Tavisto.png for the
//   desktop's icon theme, drawn smooth.
// Usage: tavisto_draw_icon RESOURCES_DIRECTORY

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kDesignSize = 32;
constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};
const QString kIconName = QStringLiteral("org.mp3timing.Tavisto");

// The drawing, in a 32 x 32 grid of whole pixels. Smooth renderings move it by half a pixel, so
// that its lines lie on the pixel centres as in the 32 x 32 original.
void paintIcon(QPainter& p)
{
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
}

// The 16-colour palette of classic desktop icons; drawn without smoothing, every pixel stays one
// of them.
bool saveClassicIcon(const QString& path)
{
    const QList<QRgb> palette{0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080,
                              0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00,
                              0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    QImage icon(kDesignSize, kDesignSize, QImage::Format_RGB32);
    QPainter p(&icon);
    paintIcon(p);
    p.end();
    return icon.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither | Qt::AvoidDither)
        .save(path, "PNG");
}

bool saveThemeIcon(const QDir& icons, int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / kDesignSize, double(size) / kDesignSize);
    p.translate(0.5, 0.5);
    paintIcon(p);
    p.end();
    const QString folder = QStringLiteral("%1x%1").arg(size);
    return icons.mkpath(folder) && icon.save(icons.filePath(folder + "/" + kIconName + ".png"), "PNG");
}

bool saveScalableIcon(const QDir& icons)
{
    if (!icons.mkpath(QStringLiteral("scalable")))
        return false;
    QSvgGenerator svg;
    svg.setFileName(icons.filePath(QStringLiteral("scalable/") + kIconName + ".svg"));
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(QStringLiteral("Tavisto"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5);
    paintIcon(p);
    return p.end();
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s RESOURCES_DIRECTORY\n", argv[0]);
        return 2;
    }
    const QDir resources(QString::fromLocal8Bit(argv[1]));
    const QDir icons(resources.filePath(QStringLiteral("icons")));
    bool saved = resources.mkpath(QStringLiteral("icons"))
        && saveClassicIcon(resources.filePath("tavisto.png")) && saveScalableIcon(icons);
    for (int size : kThemeSizes)
        saved = saved && saveThemeIcon(icons, size);
    return saved ? 0 : 1;
}
