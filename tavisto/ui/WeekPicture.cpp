#include "WeekPicture.h"

#include "WeekText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace tavisto {

namespace {

constexpr double kDayGap = 6;      // between two days' lanes
constexpr double kMarkHeight = 3;  // a music timing's mark, at least
constexpr double kHitSlack = 2;    // around a mark, for the mouse
constexpr int kWheelStep = 120;

// Where things go in an area of a given size.
struct Geometry {
    QRectF area;
    double header;
    double axis;
    double firstMinute;
    double minuteHeight;

    Geometry(const QRectF& area, const QFontMetricsF& metrics, double firstMinute, double minuteHeight)
        : area(area),
          header(2 * metrics.height() + 6),
          axis(metrics.horizontalAdvance(QStringLiteral("00:00")) + 10),
          firstMinute(firstMinute),
          minuteHeight(minuteHeight)
    { }
    double dayWidth() const { return (area.width() - axis) / kDays; }
    double laneWidth() const { return (dayWidth() - kDayGap) / kZones; }
    QRectF day(int day) const
    {
        return QRectF(area.left() + axis + day * dayWidth(), area.top(), dayWidth(), area.height());
    }
    double laneLeft(int day, int zone) const
    {
        return this->day(day).left() + kDayGap / 2 + zone * laneWidth();
    }
    double y(double minute) const { return area.top() + header + (minute - firstMinute) * minuteHeight; }
    QRectF body() const { return area.adjusted(0, header, 0, 0); }
};

struct Item {
    QRectF rect;
    int event;
    int zone;
};

// The rectangles of every event, lane by lane, the spans first so that the marks stay in sight; a
// span past midnight in two pieces.
std::vector<Item> itemsOf(const Geometry& geometry, const WeekPlan& plan)
{
    std::vector<Item> items;
    std::vector<int> order(plan.events.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_partition(order.begin(), order.end(), [&](int i) { return plan.events[i].end.has_value(); });
    for (int i : order) {
        const WeekEvent& event = plan.events[i];
        struct Piece {
            int day;
            double top, bottom;
        };
        std::vector<Piece> pieces;
        if (!event.end) {
            const double y = geometry.y(event.start);
            const double half = std::max(kMarkHeight, geometry.minuteHeight) / 2;
            pieces.push_back({event.day, y - half, y + half});
        } else if (!event.pastMidnight()) {
            pieces.push_back({event.day, geometry.y(event.start), geometry.y(*event.end)});
        } else {
            pieces.push_back({event.day, geometry.y(event.start), geometry.y(kMinutesPerDay)});
            pieces.push_back({(event.day + 1) % kDays, geometry.y(0), geometry.y(*event.end)});
        }
        for (int zone = 0; zone < kZones; ++zone) {
            if (!(event.zones & (1 << zone)))
                continue;
            for (const Piece& piece : pieces)
                items.push_back({QRectF(geometry.laneLeft(piece.day, zone), piece.top,
                                        geometry.laneWidth() - 1, std::max(1.0, piece.bottom - piece.top)),
                                 i, zone});
        }
    }
    return items;
}

// Hours between two labels on the axis, so that the labels do not touch.
int labelStep(double hourHeight, double lineHeight)
{
    for (int step : {1, 2, 3, 6})
        if (step * hourHeight >= 1.3 * lineHeight)
            return step;
    return 12;
}

}  // namespace

WeekDrawing weekDrawing(const WeekPlan& plan, const std::vector<Finding>& findings, int picked)
{
    WeekDrawing drawing;
    drawing.plan = &plan;
    drawing.clashing.assign(plan.events.size(), 0);
    drawing.highlighted.assign(plan.events.size(), 0);
    const auto mark = [&](const Finding& finding, std::vector<std::uint8_t>& marks) {
        for (std::size_t i = 0; i < plan.events.size(); ++i) {
            const WeekEvent& event = plan.events[i];
            if ((finding.days & (1 << event.day))
                && std::find(finding.timings.begin(), finding.timings.end(), event.timing)
                    != finding.timings.end())
                marks[i] |= finding.zones ? finding.zones : event.zones;
        }
    };
    for (const Finding& finding : findings)
        if (finding.level == Finding::Level::Clash)
            mark(finding, drawing.clashing);
    if (picked >= 0)
        mark(findings[picked], drawing.highlighted);
    return drawing;
}

QColor kindColour(TimingKind kind)
{
    switch (kind) {
    case TimingKind::Music: return QColor(0x1e, 0x88, 0xe5);
    case TimingKind::Peripheral: return QColor(0x43, 0xa0, 0x47);
    case TimingKind::Random: break;
    }
    return QColor(0xfb, 0x8c, 0x00);
}

QColor warningColour(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128 ? QColor(0xff, 0x6b, 0x6b)
                                                           : QColor(0xd5, 0x00, 0x00);
}

QList<LegendEntry> legend(const QPalette& palette)
{
    return {{kindColour(TimingKind::Music), QStringLiteral("音乐"), false},
            {kindColour(TimingKind::Peripheral), QStringLiteral("外设"), false},
            {kindColour(TimingKind::Random), QStringLiteral("随机"), false},
            {warningColour(palette), QStringLiteral("冲突"), true}};
}

void drawLegend(QPainter& painter, const QPointF& topLeft, const QPalette& palette)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const double square = metrics.ascent() * 0.8;
    QPointF at = topLeft;
    painter.save();
    for (const LegendEntry& entry : legend(palette)) {
        const QRectF box(at.x(), at.y() + (metrics.height() - square) / 2, square, square);
        painter.setPen(entry.outline ? QPen(entry.colour, 2) : Qt::NoPen);
        painter.setBrush(entry.outline ? QBrush() : QBrush(entry.colour));
        painter.drawRect(box);
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QPointF(box.right() + square / 2, at.y() + metrics.ascent()), entry.name);
        at.rx() += square * 2.5 + metrics.horizontalAdvance(entry.name);
    }
    painter.restore();
}

void drawWeek(QPainter& painter, const QRectF& area, const WeekDrawing& drawing, const QPalette& palette,
              double firstMinute, double minuteHeight)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    if (minuteHeight <= 0)
        minuteHeight = (area.height() - Geometry(area, metrics, 0, 0).header) / kMinutesPerDay;
    const Geometry geometry(area, metrics, firstMinute, minuteHeight);
    painter.save();
    painter.fillRect(area, palette.color(QPalette::Base));
    painter.setClipRect(geometry.body());
    for (int day = 1; day < kDays; day += 2)
        painter.fillRect(geometry.day(day), palette.color(QPalette::AlternateBase));
    const int step = labelStep(60 * minuteHeight, metrics.height());
    QColor rule = palette.color(QPalette::Text);
    rule.setAlphaF(0.15);
    painter.setPen(rule);
    for (int hour = 0; hour <= 24; ++hour)
        painter.drawLine(QPointF(area.left() + geometry.axis, geometry.y(hour * 60)),
                         QPointF(area.right(), geometry.y(hour * 60)));

    if (drawing.plan) {
        const auto items = itemsOf(geometry, *drawing.plan);
        painter.setPen(Qt::NoPen);
        for (const Item& item : items)
            painter.fillRect(item.rect, kindColour(drawing.plan->events[item.event].kind));
        painter.setBrush(Qt::NoBrush);
        const auto marked = [](const std::vector<std::uint8_t>& marks, const Item& item) {
            return item.event < int(marks.size()) && (marks[item.event] & (1 << item.zone));
        };
        for (const Item& item : items) {
            const bool picked = marked(drawing.highlighted, item);
            if (!picked && !marked(drawing.clashing, item))
                continue;
            painter.setPen(
                QPen(picked ? palette.color(QPalette::Highlight) : warningColour(palette), picked ? 3 : 2));
            painter.drawRect(item.rect.adjusted(-1, -1, 1, 1));
        }
    }

    painter.setClipping(false);
    painter.setPen(palette.color(QPalette::Text));
    for (int hour = 0; hour <= 24; hour += step) {
        const double y = geometry.y(hour * 60);
        if (y < area.top() + geometry.header - 1 || y > area.bottom() + 1)
            continue;
        const QRectF label(area.left(), y - metrics.height() / 2, geometry.axis - 4, metrics.height());
        // The first and last label stay inside the day.
        const double shift = hour == 0 ? metrics.height() / 2 : hour == 24 ? -metrics.height() / 2 : 0;
        painter.drawText(label.translated(0, shift), Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0')));
    }
    const QRectF header(area.topLeft(), QSizeF(area.width(), geometry.header));
    painter.fillRect(header, palette.color(QPalette::Window));
    painter.setPen(palette.color(QPalette::WindowText));
    for (int day = 0; day < kDays; ++day) {
        const QRectF column = geometry.day(day);
        painter.drawText(QRectF(column.left(), area.top() + 2, column.width(), metrics.height()),
                         Qt::AlignCenter, QString::fromStdString(dayName(day)));
        for (int zone = 0; zone < kZones; ++zone)
            painter.drawText(QRectF(geometry.laneLeft(day, zone), area.top() + 2 + metrics.height(),
                                    geometry.laneWidth(), metrics.height()),
                             Qt::AlignCenter, QString::number(zone + 1));
    }
    painter.drawLine(header.bottomLeft(), header.bottomRight());
    painter.restore();
}

WeekPicture::WeekPicture(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setMouseTracking(true);
}

void WeekPicture::setDrawing(WeekDrawing drawing)
{
    drawing_ = std::move(drawing);
    viewport()->update();
}

double WeekPicture::minuteHeight() const
{
    const Geometry geometry(QRectF(viewport()->rect()), QFontMetricsF(font()), 0, 0);
    return std::max(1.0, viewport()->height() - geometry.header) / kMinutesPerDay * zoom_;
}

void WeekPicture::updateScrollRange()
{
    const double dayHeight = minuteHeight() * kMinutesPerDay;
    const int visible = int(std::lround(dayHeight / zoom_));
    verticalScrollBar()->setRange(0, std::max(0, int(std::lround(dayHeight)) - visible));
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setSingleStep(std::max(1, int(minuteHeight() * 15)));
}

void WeekPicture::setZoom(int zoom, double anchorY)
{
    zoom = std::clamp(zoom, 1, kMaxZoom);
    if (zoom == zoom_)
        return;
    const Geometry geometry(QRectF(viewport()->rect()), QFontMetricsF(font()), 0, 0);
    if (anchorY < geometry.header)
        anchorY = geometry.header + (viewport()->height() - geometry.header) / 2;
    const double minute = (verticalScrollBar()->value() + anchorY - geometry.header) / minuteHeight();
    zoom_ = zoom;
    updateScrollRange();
    verticalScrollBar()->setValue(int(minute * minuteHeight() - (anchorY - geometry.header)));
    viewport()->update();
    emit zoomChanged(zoom_);
}

void WeekPicture::showMinute(int minute)
{
    const double y = minute * minuteHeight();
    QScrollBar* bar = verticalScrollBar();
    if (y < bar->value() || y > bar->value() + bar->pageStep())
        bar->setValue(int(y - bar->pageStep() / 3));
}

int WeekPicture::eventAt(const QPointF& point) const
{
    if (!drawing_.plan)
        return -1;
    const Geometry geometry(QRectF(viewport()->rect()), QFontMetricsF(font()),
                            verticalScrollBar()->value() / minuteHeight(), minuteHeight());
    if (point.y() < geometry.header)
        return -1;
    // The last painted lies on top.
    const std::vector<Item> items = itemsOf(geometry, *drawing_.plan);
    for (auto item = items.rbegin(); item != items.rend(); ++item)
        if (item->rect.adjusted(0, -kHitSlack, 0, kHitSlack).contains(point))
            return item->event;
    return -1;
}

void WeekPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    drawWeek(painter, QRectF(viewport()->rect()), drawing_, palette(),
             verticalScrollBar()->value() / minuteHeight(), minuteHeight());
}

void WeekPicture::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void WeekPicture::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / kWheelStep;
    if (steps != 0)
        setZoom(zoom_ + steps, event->position().y());
    event->accept();
}

void WeekPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int index = eventAt(event->position());
    if (index >= 0)
        emit timingChosen(drawing_.plan->events[index].timing);
}

bool WeekPicture::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const int index = eventAt(help->pos());
        if (index >= 0) {
            const WeekEvent& shown = drawing_.plan->events[index];
            QToolTip::showText(help->globalPos(),
                               QString::fromStdString(timingText(shown.timing, shown.fields)), viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::viewportEvent(event);
}

QSize WeekPicture::sizeHint() const
{
    return QSize(1100, 470);
}

QSize WeekPicture::minimumSizeHint() const
{
    return QSize(500, 200);
}

}  // namespace tavisto
