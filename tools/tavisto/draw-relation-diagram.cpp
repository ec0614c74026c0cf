// Draws the relation diagram of Tavisto's help window: the four standard programs with their
// music and peripheral timings, the run selection, the independent random program, and how
// they meet in the player's decision on the next timing. 639 x 512, saved as JPEG.
// Usage: draw-relation-diagram OUTPUT.jpg

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>

namespace {

const QStringList kFamilies{"Noto Sans CJK SC", "AR PL UMing CN", "Droid Sans Fallback"};

QFont font(int pixels, bool bold = false)
{
    QFont f;
    f.setFamilies(kFamilies);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void box(QPainter& p, const QRectF& r, QColor fill, QColor edge, qreal radius = 6)
{
    p.setPen(QPen(edge, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, QColor colour = Qt::black,
          int flags = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(colour);
    p.drawText(r, flags | Qt::TextWordWrap, s);
}

// A line from `from` to `to` with a filled head at `to`.
void arrow(QPainter& p, QPointF from, QPointF to, QColor colour, qreal width = 2)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    const QLineF line(from, to);
    const qreal angle = qDegreesToRadians(line.angle());
    const QPointF back(std::cos(angle) * 10, -std::sin(angle) * 10);
    const QPointF side(std::sin(angle) * 5, std::cos(angle) * 5);
    p.drawLine(from, to - back * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF{to, to - back + side, to - back - side});
}

// A path of straight segments ending in an arrow head.
void route(QPainter& p, const QList<QPointF>& points, QColor colour, qreal width = 2)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i + 2 < points.size(); ++i)
        p.drawLine(points[i], points[i + 1]);
    arrow(p, points[points.size() - 2], points.last(), colour, width);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }

    const QColor ink(0x20, 0x20, 0x20);
    const QColor programFill(0xdd, 0xea, 0xf8), programEdge(0x2f, 0x5f, 0x9e);
    const QColor musicFill(0xd8, 0xf0, 0xd0), musicEdge(0x2e, 0x7d, 0x32);
    const QColor deviceFill(0xff, 0xe6, 0xc8), deviceEdge(0xd0, 0x6a, 0x00);
    const QColor randomFill(0xec, 0xde, 0xf5), randomEdge(0x6a, 0x3d, 0x9a);
    const QColor selectFill(0xff, 0xf4, 0xb0), selectEdge(0xb0, 0x8a, 0x00);
    const QColor decideFill(0xfd, 0xdc, 0xdc), decideEdge(0xc0, 0x28, 0x28);

    QImage image(639, 512, QImage::Format_RGB32);
    image.fill(QColor(0xfa, 0xfa, 0xf6));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    text(p, QRectF(0, 6, 639, 28), "MP3自动播放机：定时程序与下一定时的决策", font(18, true), ink);

    // The four standard programs, each with 100 music and 100 peripheral timings.
    const qreal programTop = 44, programHeight = 78, programGap = 8;
    QList<QPointF> programOutlets;
    for (int n = 0; n < 4; ++n) {
        const QRectF r(14, programTop + n * (programHeight + programGap), 224, programHeight);
        box(p, r, programFill, programEdge);
        text(p, QRectF(r.left(), r.top() + 3, r.width(), 22), QString("标准程序%1").arg(n + 1),
             font(15, true), programEdge);
        const QRectF music(r.left() + 8, r.top() + 28, 100, 42),
            device(r.left() + 116, r.top() + 28, 100, 42);
        box(p, music, musicFill, musicEdge, 4);
        box(p, device, deviceFill, deviceEdge, 4);
        text(p, music, "MP3定时\n100个", font(13), musicEdge);
        text(p, device, "外设定时\n100个", font(13), deviceEdge);
        programOutlets << QPointF(r.right(), r.center().y());
    }

    // The run selection picks exactly one of them.
    const QRectF select(286, 150, 112, 74);
    const int chosen = 1;  // drawn last so that its line lies on top
    for (int n : {0, 2, 3, chosen})
        route(p,
              {programOutlets[n], QPointF(262, programOutlets[n].y()), QPointF(262, select.center().y()),
               QPointF(select.left(), select.center().y())},
              n == chosen ? selectEdge : QColor(0x9a, 0x9a, 0x9a), n == chosen ? 2.5 : 1.5);
    box(p, select, selectFill, selectEdge, 10);
    text(p, QRectF(select.left(), select.top() + 6, select.width(), 24), "运行设定", font(16, true),
         selectEdge);
    text(p, QRectF(select.left(), select.top() + 32, select.width(), 36), "4套标准程序\n只运行其中1套",
         font(12), ink);
    text(p, QRectF(270, 228, 150, 40), "例：选中程序2", font(12), QColor(0x80, 0x60, 0x00));

    // The independent random program.
    const QRectF random(14, 400, 224, 98);
    box(p, random, randomFill, randomEdge);
    text(p, QRectF(random.left(), random.top() + 4, random.width(), 22), "独立随机定时程序", font(15, true),
         randomEdge);
    text(p, QRectF(random.left() + 8, random.top() + 28, random.width() - 16, 66),
         "10个随机定时\n每个播放一个曲目范围\n播放方式：顺序 / 随机", font(13), ink);

    // The player's decision on the next timing.
    const QRectF decide(440, 150, 184, 150);
    box(p, decide, decideFill, decideEdge, 10);
    text(p, QRectF(decide.left(), decide.top() + 8, decide.width(), 26), "下一定时的决策", font(17, true),
         decideEdge);
    text(p, QRectF(decide.left() + 10, decide.top() + 40, decide.width() - 20, 104),
         "比较各定时的星期和时间，\n找出最先到来的一个；\n时间一到，\n播放曲目或让外设工作。", font(12), ink,
         Qt::AlignLeft | Qt::AlignTop);

    route(p, {QPointF(select.right(), 172), QPointF(decide.left(), 172)}, musicEdge, 2.5);
    text(p, QRectF(400, 154, 40, 18), "MP3", font(11, true), musicEdge);
    route(p, {QPointF(select.right(), 204), QPointF(decide.left(), 204)}, deviceEdge, 2.5);
    text(p, QRectF(400, 206, 40, 18), "外设", font(11, true), deviceEdge);

    route(p,
          {QPointF(random.right(), random.center().y()), QPointF(532, random.center().y()),
           QPointF(532, decide.bottom())},
          randomEdge, 2.5);
    text(p, QRectF(262, random.center().y() - 40, 250, 36), "随机定时（开启时）一起参与", font(13),
         randomEdge);

    // What the decision starts.
    const QRectF play(440, 330, 88, 52), device(536, 330, 88, 52);
    arrow(p, QPointF(484, decide.bottom()), QPointF(484, play.top()), decideEdge);
    arrow(p, QPointF(580, decide.bottom()), QPointF(580, device.top()), decideEdge);
    box(p, play, musicFill, musicEdge, 4);
    box(p, device, deviceFill, deviceEdge, 4);
    text(p, play, "播放曲目\n送往分区1~6", font(12), musicEdge);
    text(p, device, "外设工作\n从开始到结束", font(12), deviceEdge);

    // Legend.
    const QRectF legend(286, 300, 140, 70);
    text(p, QRectF(legend.left(), legend.top(), legend.width(), 18), "每个定时都有：", font(12, true), ink,
         Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(legend.left(), legend.top() + 20, legend.width(), 40), "星期（1~6、日）\n分区（1~6）",
         font(12), ink, Qt::AlignLeft | Qt::AlignTop);
    p.end();

    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpeg");
    writer.setQuality(90);
    if (!writer.write(image)) {
        std::fprintf(stderr, "%s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
