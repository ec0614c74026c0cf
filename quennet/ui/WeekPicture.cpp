#include "WeekPicture.h"

#include "CheckListTexts.h"
#include "WeekText.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QToolTip>
#include <algorithm>

namespace quennet {

namespace {
// The parts of the picture around the plot of 24 hours by seven days.
struct Frame {
    QRectF plot;
    double dayWidth = 0;
    double laneWidth = 0;
    double lanePad = 0;
    double headerTop = 0;
    double lineHeight = 0;
};

Frame frameOf(const QRectF& area, const QFont& font)
{
    const QFontMetricsF metrics(font);
    Frame frame;
    frame.lineHeight = metrics.height() * 1.3;
    const double gutter = metrics.horizontalAdvance(QStringLiteral("00:00")) + metrics.averageCharWidth() * 2;
    frame.headerTop = area.top();
    frame.plot =
        area.adjusted(gutter, frame.lineHeight * 2, -metrics.averageCharWidth(), -metrics.height() / 2);
    frame.dayWidth = frame.plot.width() / kDaysPerWeek;
    frame.lanePad = std::max(2.0, frame.dayWidth / 20);
    frame.laneWidth = (frame.dayWidth - 2 * frame.lanePad) / kZoneCount;
    return frame;
}

double yOf(const Frame& frame, double minute)
{
    return frame.plot.top() + minute * frame.plot.height() / kMinutesPerDay;
}

// Hours between two labels, so that labels never crowd each other.
int labelStep(const Frame& frame)
{
    const double hour = frame.plot.height() / 24;
    for (int step : {1, 2, 3, 6})
        if (hour * step >= frame.lineHeight * 1.2)
            return step;
    return 12;
}

// A tooltip's text: the timing's name and its row of the check list.
QString fullText(const WeekEvent& event)
{
    const QStringList cells = checkListRow(event.timing.position, event.entry);
    return QStringLiteral("%1\n%2  %3  %4\n星期 %5  分区 %6")
        .arg(QString::fromStdString(timingName(event.timing)), cells[1], cells[2], cells[3], cells[4],
             cells[5]);
}

// The days and their zones, in a band of two lines from `top`.
void paintDayHeader(QPainter& painter, const Frame& frame, const QPalette& palette, double top)
{
    for (int day = 0; day < kDaysPerWeek; ++day) {
        const double left = frame.plot.left() + day * frame.dayWidth;
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(QRectF(left, top, frame.dayWidth, frame.lineHeight), Qt::AlignCenter,
                         QString::fromStdString(dayName(day)));
        painter.setPen(palette.color(QPalette::PlaceholderText));
        for (int zone = 0; zone < kZoneCount; ++zone)
            painter.drawText(QRectF(left + frame.lanePad + zone * frame.laneWidth, top + frame.lineHeight,
                                    frame.laneWidth, frame.lineHeight),
                             Qt::AlignCenter, QString::number(zone + 1));
    }
}

bool contains(const std::vector<TimingRef>& timings, const TimingRef& timing)
{
    return std::find(timings.begin(), timings.end(), timing) != timings.end();
}
}  // namespace

QColor kindColor(EventKind kind)
{
    switch (kind) {
    case EventKind::Music: return QColor(0x2f, 0x7f, 0xd8);
    case EventKind::Recording: return QColor(0x9b, 0x59, 0xb6);
    case EventKind::Radio: return QColor(0x27, 0xa0, 0x60);
    default: return QColor(0xe0, 0x8a, 0x1e);
    }
}

QColor warningColor(const QPalette& palette)
{
    return palette.color(QPalette::Window).lightness() < 128 ? QColor(0xff, 0x5f, 0x57)
                                                             : QColor(0xd0, 0x10, 0x10);
}

QString kindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Music: return QStringLiteral("音乐");
    case EventKind::Recording: return QStringLiteral("录音");
    case EventKind::Radio: return QStringLiteral("收音");
    default: return QStringLiteral("外设");
    }
}

void paintLegend(QPainter& painter, const QRectF& line, const QPalette& palette)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double box = metrics.height() * 0.6;
    const double gap = metrics.averageCharWidth();
    const std::pair<QColor, QString> entries[] = {
        {kindColor(EventKind::Music), kindName(EventKind::Music)},
        {kindColor(EventKind::Recording), kindName(EventKind::Recording)},
        {kindColor(EventKind::Radio), kindName(EventKind::Radio)},
        {kindColor(EventKind::Peripheral), kindName(EventKind::Peripheral)},
        {QColor(), QStringLiteral("冲突")}};
    double width = 0;
    for (const auto& entry : entries)
        width += box + gap + metrics.horizontalAdvance(entry.second) + 2 * gap;
    double x = line.right() - width;
    painter.save();
    for (const auto& [color, name] : entries) {
        const QRectF swatch(x, line.center().y() - box / 2, box, box);
        if (color.isValid()) {
            painter.fillRect(swatch, color);
        } else {
            painter.setPen(QPen(warningColor(palette), 2));
            painter.drawRect(swatch);
        }
        painter.setPen(palette.color(QPalette::Text));
        x += box + gap;
        painter.drawText(QRectF(x, line.top(), metrics.horizontalAdvance(name) + gap, line.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, name);
        x += metrics.horizontalAdvance(name) + 2 * gap;
    }
    painter.restore();
}

std::vector<WeekMark> layOutWeek(const WeekDrawing& drawing, const QRectF& area, const QFont& font)
{
    const Frame frame = frameOf(area, font);
    const double markHeight = std::max(3.0, QFontMetricsF(font).height() / 4);
    std::vector<WeekMark> spans, music;
    for (std::size_t i = 0; i < drawing.events.size(); ++i) {
        const WeekEvent& event = drawing.events[i];
        for (const DayPart& part : dayParts(event)) {
            for (int zone = 0; zone < kZoneCount; ++zone) {
                if (!(event.zones & (1 << zone)))
                    continue;
                const double left = frame.plot.left() + part.day * frame.dayWidth + frame.lanePad
                    + zone * frame.laneWidth + 1;
                QRectF rect(left, yOf(frame, part.from), frame.laneWidth - 2,
                            yOf(frame, part.to) - yOf(frame, part.from));
                if (event.isSpan()) {
                    rect.setHeight(std::max(rect.height(), 2.0));
                    spans.push_back({rect, i, part.day, zone});
                } else {
                    rect.setTop(rect.top() - markHeight / 2);
                    rect.setHeight(markHeight);
                    music.push_back({rect, i, part.day, zone});
                }
            }
        }
    }
    spans.insert(spans.end(), music.begin(), music.end());
    return spans;
}

void paintWeek(QPainter& painter, const WeekDrawing& drawing, const QRectF& area, const QPalette& palette)
{
    const Frame frame = frameOf(area, painter.font());
    painter.save();
    painter.fillRect(area, palette.color(QPalette::Base));
    const QColor text = palette.color(QPalette::Text);
    QColor grid = text;
    grid.setAlphaF(0.15);
    QColor strongGrid = text;
    strongGrid.setAlphaF(0.45);

    paintDayHeader(painter, frame, palette, frame.headerTop);
    const int step = labelStep(frame);
    for (int hour = 0; hour <= 24; ++hour) {
        const double y = yOf(frame, hour * 60);
        painter.setPen(hour % step == 0 ? strongGrid : grid);
        painter.drawLine(QPointF(frame.plot.left(), y), QPointF(frame.plot.right(), y));
        if (hour % step == 0) {
            painter.setPen(text);
            painter.drawText(QRectF(area.left(), y - frame.lineHeight / 2,
                                    frame.plot.left() - area.left() - 4, frame.lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, QString::asprintf("%02d:00", hour));
        }
    }
    painter.setPen(strongGrid);
    for (int day = 0; day <= kDaysPerWeek; ++day) {
        const double x = frame.plot.left() + day * frame.dayWidth;
        painter.drawLine(QPointF(x, frame.headerTop), QPointF(x, frame.plot.bottom()));
    }

    const QColor warning = warningColor(palette);
    const QColor highlight = palette.color(QPalette::Highlight);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const WeekMark& mark : layOutWeek(drawing, area, painter.font())) {
        const WeekEvent& event = drawing.events[mark.event];
        QColor fill = kindColor(event.kind);
        if (event.isSpan())
            fill.setAlphaF(0.6);
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawRect(mark.rect);
        const bool clash = drawing.clashes.count({event.timing, mark.day, mark.zone}) > 0;
        const bool picked = contains(drawing.highlighted, event.timing);
        if (clash || picked) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(picked ? highlight : warning, picked ? 3 : 2));
            painter.drawRect(mark.rect.adjusted(-1, -1, 1, 1));
        }
    }
    painter.restore();
}

WeekPicture::WeekPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void WeekPicture::setDrawing(WeekDrawing drawing)
{
    drawing_ = std::move(drawing);
    layOut();
    update();
}

void WeekPicture::setHighlighted(std::vector<TimingRef> timings)
{
    drawing_.highlighted = std::move(timings);
    update();
}

double WeekPicture::yOfMinute(double minute) const
{
    return yOf(frameOf(rect(), font()), minute);
}

double WeekPicture::minuteAt(double y) const
{
    const Frame frame = frameOf(rect(), font());
    return std::clamp((y - frame.plot.top()) * kMinutesPerDay / frame.plot.height(), 0.0,
                      double(kMinutesPerDay));
}

void WeekPicture::layOut()
{
    marks_ = layOutWeek(drawing_, rect(), font());
}

const WeekMark* WeekPicture::markAt(const QPointF& point) const
{
    // The last painted is on top; a thin mark is hit a little beside it too.
    for (auto mark = marks_.rbegin(); mark != marks_.rend(); ++mark) {
        if (mark->rect.adjusted(0, -2, 0, 2).contains(point))
            return &*mark;
    }
    return nullptr;
}

bool WeekPicture::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (const WeekMark* mark = markAt(help->pos()))
            QToolTip::showText(help->globalPos(), fullText(drawing_.events[mark->event]), this,
                               mark->rect.toAlignedRect());
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

// Scrolled down, the days stay in sight at the top.
void WeekPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintWeek(painter, drawing_, rect(), palette());
    const int top = visibleRegion().boundingRect().top();
    if (top <= 0)
        return;
    const Frame frame = frameOf(rect(), font());
    const QRectF band(0, top, width(), frame.lineHeight * 2);
    painter.fillRect(band, palette().color(QPalette::Base));
    paintDayHeader(painter, frame, palette(), top);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(band.bottomLeft(), band.bottomRight());
}

void WeekPicture::resizeEvent(QResizeEvent*)
{
    layOut();
}

void WeekPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (const WeekMark* mark = markAt(event->position()))
        emit timingChosen(drawing_.events[mark->event].timing);
}

void WeekPicture::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier) || event->angleDelta().y() == 0) {
        event->ignore();  // the scroll area scrolls
        return;
    }
    emit zoomRequested(event->angleDelta().y() > 0 ? 1 : -1, minuteAt(event->position().y()));
    event->accept();
}

}  // namespace quennet
