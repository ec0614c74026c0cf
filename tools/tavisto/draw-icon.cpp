// Draws Tavisto's icon from one drawing: a calendar sheet with a green band and a red note, a
// timing file in the making (Quennet's is a clock on a blue tile).
// - tavisto.png: 32 x 32 in the 16 standard colours, for the windows and the About window;
// - icons/scalable/org.mp3timing.Tavisto.svg and icons/<n>x<n>/org.mp3timing.Tavisto.png for the
//   desktop's icon theme.
// Usage: tavisto_draw_icon RESOURCES_DIRECTORY

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cstdio>

namespace {

constexpr int kGrid = 16;  // the drawing's units: one pixel of the 16-pixel icon
constexpr int kClassicSize = 32;
constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};
const QString kIconName = QStringLiteral("org.mp3timing.Tavisto");

// Every straight edge lies on the grid, so that the icon stays sharp at 16 pixels and at every
// multiple of it; only the note's head is round.
void paintIcon(QPainter& p)
{
    p.setPen(Qt::NoPen);
    // The sheet: black frame, green band, white body ruled in grey.
    p.fillRect(QRectF(1, 2, 14, 13), QColor(QRgb(0x000000)));
    p.fillRect(QRectF(2, 3, 12, 3), QColor(QRgb(0x008000)));
    p.fillRect(QRectF(2, 6, 12, 8), QColor(QRgb(0xffffff)));
    for (int row : {8, 10, 12})
        p.fillRect(QRectF(3, row, 5, 1), QColor(QRgb(0xc0c0c0)));
    // The two rings that hold it.
    for (int x : {4, 10})
        p.fillRect(QRectF(x, 1, 2, 3), QColor(QRgb(0x000000)));

    // A red note on the sheet.
    const QColor note(QRgb(0xff0000));
    p.fillRect(QRectF(11, 7, 1, 6), note);
    QPainterPath flag;
    flag.moveTo(12, 7);
    flag.lineTo(14, 8);
    flag.lineTo(14, 10);
    flag.lineTo(12, 9);
    flag.closeSubpath();
    p.fillPath(flag, note);
    p.setBrush(note);
    p.drawEllipse(QRectF(8, 11, 4, 3));
}

// The 16-colour palette of classic desktop icons and a transparent colour around the sheet;
// drawn without smoothing, every pixel stays one of them.
bool saveClassicIcon(const QString& path)
{
    const QList<QRgb> palette{0x00000000, 0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080,
                              0xff800080, 0xff008080, 0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00,
                              0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
    QImage icon(kClassicSize, kClassicSize, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.scale(double(kClassicSize) / kGrid, double(kClassicSize) / kGrid);
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
    p.scale(double(size) / kGrid, double(size) / kGrid);
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
    svg.setSize(QSize(kClassicSize, kClassicSize));
    svg.setViewBox(QRect(0, 0, kGrid, kGrid));
    svg.setTitle(QStringLiteral("Tavisto"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing);
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
