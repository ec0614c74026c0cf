#include "WeekPainter.h"

#include "CheckListTexts.h"
#include "WeekText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace quennet {

namespace {

constexpr double kLineFactor = 1.3;  // a line of text with its spacing
constexpr int kHeaderLines = 3;      // the legend, the days, the zones

bool isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

// Hours between two labels on the axis, so that the labels do not touch.
int labelStep(double hourHeight, double line)
{
    for (int step : {1, 2, 3, 6})
        if (step * hourHeight >= 1.2 * line)
            return step;
    return 12;
}

QString timeOfDay(int minute)
{
    return QString::fromStdString(clockText(minute));
}

int keyOf(const TimingRef& timing)
{
    return timing.program * 100 + timing.position;
}

QFont smallerFont(const QFont& font)
{
    QFont smaller = font;
    if (font.pointSizeF() > 0)
        smaller.setPointSizeF(font.pointSizeF() * 0.85);
    else
        smaller.setPixelSize(std::max(1, int(font.pixelSize() * 0.85)));
    return smaller;
}

}  // namespace

WeekDrawing weekDrawing(const WeekPlan& plan, const std::vector<Finding>& findings, int picked)
{
    WeekDrawing drawing;
    drawing.events = plan.events;
    drawing.clashing.assign(plan.events.size(), 0);
    drawing.picked.assign(plan.events.size(), 0);
    // The events of each timing, so that a week of many findings is marked in one pass.
    std::unordered_map<int, std::vector<std::size_t>> eventsOf;
    for (std::size_t i = 0; i < plan.events.size(); ++i)
        eventsOf[keyOf(plan.events[i].timing)].push_back(i);
    const auto mark = [&](const Finding& finding, std::vector<std::uint8_t>& marks) {
        for (const TimingRef& timing : finding.timings) {
            const auto events = eventsOf.find(keyOf(timing));
            if (events == eventsOf.end())
                continue;
            for (std::size_t i : events->second) {
                const WeekEvent& event = plan.events[i];
                if (finding.days & (1 << event.day))
                    marks[i] |= (finding.zones ? finding.zones : event.zones) & event.zones;
            }
        }
    };
    for (const Finding& finding : findings)
        if (finding.level == Finding::Level::Clash) {
            mark(finding, drawing.clashing);
            drawing.clashes.push_back(finding);
        }
    if (picked >= 0 && picked < int(findings.size()))
        mark(findings[std::size_t(picked)], drawing.picked);
    return drawing;
}

MinuteRange minutesInUse(const std::vector<WeekEvent>& events)
{
    if (events.empty())
        return {};
    int first = kMinutesPerDay, last = 0;
    for (const WeekEvent& event : events) {
        if (event.pastMidnight())
            return {};  // it plays on into the small hours of the next day
        first = std::min(first, event.start);
        last = std::max(last, event.end ? *event.end - 1 : event.start);
    }
    return {std::max(0, (first / 60 - 1) * 60), std::min(kMinutesPerDay, (last / 60 + 2) * 60)};
}

// Each kind has a light and a dark shade, so that the kinds stay as far apart in grey as on a white
// page; the fifth colour of the palette (random 2bbf9f / 4fe0c0) is Tavisto's.
QColor kindColour(EventKind kind, const QPalette& palette)
{
    const bool dark = isDark(palette);
    switch (kind) {
    case EventKind::Music: return dark ? QColor(0x3a, 0x8e, 0xe0) : QColor(0x1f, 0x78, 0xc8);
    case EventKind::Recording: return dark ? QColor(0x62, 0x36, 0xa0) : QColor(0x4e, 0x24, 0x88);
    case EventKind::Radio: return dark ? QColor(0x7e, 0xd9, 0x57) : QColor(0x65, 0xca, 0x33);
    case EventKind::Peripheral: break;
    }
    return dark ? QColor(0xff, 0xcc, 0x66) : QColor(0xff, 0xad, 0x24);
}

QString kindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Music: return QStringLiteral("音乐");
    case EventKind::Recording: return QStringLiteral("录音");
    case EventKind::Radio: return QStringLiteral("收音");
    case EventKind::Peripheral: break;
    }
    return QStringLiteral("外设");
}

QColor clashColour(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x6b, 0x6b) : QColor(0xd5, 0x00, 0x00);
}

QColor pickedColour(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x66, 0xff) : QColor(0xcc, 0x00, 0xcc);
}

QString markText(const WeekDrawing& drawing, const WeekMark& mark)
{
    const WeekEvent& event = drawing.events[std::size_t(mark.event)];
    const QStringList cells = checkListRow(event.timing.position, event.entry);
    QString text = QStringLiteral("%1\n%2  %3  %4\n星期 %5  分区 %6")
                       .arg(QString::fromStdString(timingName(event.timing)), cells[1], cells[2], cells[3],
                            cells[4], cells[5]);
    for (const Finding& clash : drawing.clashes) {
        const std::uint8_t zones = clash.zones ? clash.zones : event.zones;
        if (!(clash.days & (1 << event.day)) || !(zones & (1 << mark.zone))
            || std::find(clash.timings.begin(), clash.timings.end(), event.timing) == clash.timings.end())
            continue;
        QStringList others;
        for (const TimingRef& timing : clash.timings)
            if (!(timing == event.timing))
                others << QString::fromStdString(timingName(timing));
        text += QStringLiteral("\n冲突：%1，与 %2")
                    .arg(QString::fromStdString(reasonText(clash)), others.join(QStringLiteral("、")));
    }
    return text;
}

WeekPainter::WeekPainter(const QRectF& area, const QFont& font, QPaintDevice* device, double firstMinute,
                         double lastMinute)
    : area_(area),
      font_(font),
      device_(device),
      line_(QFontMetricsF(font, device).height() * kLineFactor),
      axis_(QFontMetricsF(font, device).horizontalAdvance(QStringLiteral("00:00"))
            + 2 * QFontMetricsF(font, device).averageCharWidth()),
      header_(headerHeight(font, device)),
      firstMinute_(firstMinute),
      minuteHeight_(std::max(1.0, area.height() - header_) / std::max(1.0, lastMinute - firstMinute))
{ }

double WeekPainter::headerHeight(const QFont& font, QPaintDevice* device)
{
    return kHeaderLines * QFontMetricsF(font, device).height() * kLineFactor;
}

double WeekPainter::dayWidth() const
{
    return (area_.width() - axis_) / kDaysPerWeek;
}

double WeekPainter::laneWidth() const
{
    return (dayWidth() - line_ / 3) / kZoneCount;
}

double WeekPainter::laneLeft(int day, int zone) const
{
    return area_.left() + axis_ + day * dayWidth() + line_ / 6 + zone * laneWidth();
}

double WeekPainter::y(double minute) const
{
    return area_.top() + header_ + (minute - firstMinute_) * minuteHeight_;
}

double WeekPainter::minuteAt(double y) const
{
    return firstMinute_ + (y - area_.top() - header_) / minuteHeight_;
}

std::vector<WeekMark> WeekPainter::marks(const WeekDrawing& drawing) const
{
    const double top = area_.top() + header_, bottom = area_.bottom();
    const double markHeight = std::max(line_ / 5, minuteHeight_);
    std::vector<WeekMark> spans, music;
    for (std::size_t i = 0; i < drawing.events.size(); ++i) {
        const WeekEvent& event = drawing.events[i];
        struct Piece {
            int day;
            double top, bottom;
        };
        Piece pieces[2];
        int count = 1;
        if (!event.end) {
            const double at = y(event.start);
            pieces[0] = {event.day, at - markHeight / 2, at + markHeight / 2};
        } else if (!event.pastMidnight()) {
            pieces[0] = {event.day, y(event.start), std::max(y(*event.end), y(event.start) + 1)};
        } else {
            pieces[0] = {event.day, y(event.start), y(kMinutesPerDay)};
            pieces[1] = {(event.day + 1) % kDaysPerWeek, y(0), y(*event.end)};
            count = 2;
        }
        std::vector<WeekMark>& into = event.end ? spans : music;
        for (int p = 0; p < count; ++p) {
            const Piece& piece = pieces[p];
            if (piece.bottom < top || piece.top > bottom)
                continue;  // out of view
            for (int zone = 0; zone < kZoneCount; ++zone)
                if (event.zones & (1 << zone))
                    into.push_back({QRectF(laneLeft(piece.day, zone) + 0.5, piece.top, laneWidth() - 1,
                                           piece.bottom - piece.top),
                                    int(i), piece.day, zone});
        }
    }
    spans.insert(spans.end(), music.begin(), music.end());
    return spans;
}

void WeekPainter::paint(QPainter& painter, const WeekDrawing& drawing, const QPalette& palette) const
{
    painter.save();
    painter.setFont(font_);
    painter.fillRect(area_, palette.color(QPalette::Base));
    const QRectF body = area_.adjusted(0, header_, 0, 0);
    painter.setClipRect(body);
    for (int day = 1; day < kDaysPerWeek; day += 2)
        painter.fillRect(
            QRectF(area_.left() + axis_ + day * dayWidth(), body.top(), dayWidth(), body.height()),
            palette.color(QPalette::AlternateBase));
    const std::vector<WeekMark> shown = marks(drawing);
    paintHours(painter, palette);
    paintMarks(painter, drawing, shown, palette);
    paintTimes(painter, drawing, shown, palette);
    painter.setClipping(false);
    paintHeader(painter, palette);
    painter.restore();
}

void WeekPainter::paintHours(QPainter& painter, const QPalette& palette) const
{
    const QColor text = palette.color(QPalette::Text);
    QColor rule = text;
    rule.setAlphaF(0.15);
    QColor strong = text;
    strong.setAlphaF(0.4);
    const int step = labelStep(60 * minuteHeight_, line_);
    const int firstHour = std::max(0, int(std::floor(minuteAt(area_.top() + header_) / 60)));
    const int lastHour = std::min(24, int(std::ceil(minuteAt(area_.bottom()) / 60)));
    const double top = area_.top() + header_;
    for (int hour = firstHour; hour <= lastHour; ++hour) {
        const double at = y(hour * 60);
        if (at < top - 0.5 || at > area_.bottom() + 0.5)
            continue;
        const bool labelled = hour % step == 0;
        painter.setPen(labelled ? strong : rule);
        painter.drawLine(QPointF(area_.left() + axis_, at), QPointF(area_.right(), at));
        if (!labelled)
            continue;
        // A label at the top or bottom edge stays inside the picture.
        const double labelTop = std::clamp(at - line_ / 2, top, area_.bottom() - line_);
        painter.setPen(text);
        painter.drawText(QRectF(area_.left(), labelTop, axis_ - line_ / 4, line_),
                         Qt::AlignRight | Qt::AlignVCenter, timeOfDay(hour * 60));
    }
    painter.setPen(strong);
    for (int day = 1; day < kDaysPerWeek; ++day) {
        const double x = area_.left() + axis_ + day * dayWidth();
        painter.drawLine(QPointF(x, top), QPointF(x, area_.bottom()));
    }
}

// The fill of every mark, then the red outline of every clash, then the picked finding's own
// timings in their colour around it, thicker.
void WeekPainter::paintMarks(QPainter& painter, const WeekDrawing& drawing,
                             const std::vector<WeekMark>& marks, const QPalette& palette) const
{
    // Painted kind by kind, the spans before the music, as few calls as a full week allows.
    std::map<std::pair<bool, EventKind>, std::vector<QRect>> fills;
    std::vector<QRectF> clashes, picked;  // the four sides of each outline, filled: far faster than stroked
    const double pen = std::max(2.0, line_ / 8);
    const auto outline = [](std::vector<QRectF>& sides, const QRectF& rect, double width) {
        const QRectF outer = rect.adjusted(-width, -width, width, width);
        sides.push_back(QRectF(outer.left(), outer.top(), outer.width(), width));
        sides.push_back(QRectF(outer.left(), rect.bottom(), outer.width(), width));
        sides.push_back(QRectF(outer.left(), rect.top(), width, rect.height()));
        sides.push_back(QRectF(rect.right(), rect.top(), width, rect.height()));
    };
    const auto marked = [](const std::vector<std::uint8_t>& bits, const WeekMark& mark) {
        return std::size_t(mark.event) < bits.size() && (bits[std::size_t(mark.event)] & (1 << mark.zone));
    };
    for (const WeekMark& mark : marks) {
        const WeekEvent& event = drawing.events[std::size_t(mark.event)];
        fills[{!event.end, event.kind}].push_back(mark.rect.toRect());  // whole pixels fill fastest
        if (marked(drawing.clashing, mark))
            outline(clashes, mark.rect, pen);
        if (marked(drawing.picked, mark))
            outline(picked, mark.rect.adjusted(-pen, -pen, pen, pen), pen * 1.5);
    }
    painter.setPen(Qt::NoPen);
    for (const auto& [kind, rects] : fills) {
        painter.setBrush(kindColour(kind.second, palette));
        painter.drawRects(rects.data(), int(rects.size()));
    }
    painter.setBrush(clashColour(palette));
    painter.drawRects(clashes.data(), int(clashes.size()));
    painter.setBrush(pickedColour(palette));
    painter.drawRects(picked.data(), int(picked.size()));
}

// Where an hour has room, each event's time beside its mark: inside a bar tall enough for it, else
// just below; across the lanes of its zones that lie side by side, never over another time or a
// later music mark.
void WeekPainter::paintTimes(QPainter& painter, const WeekDrawing& drawing,
                             const std::vector<WeekMark>& marks, const QPalette& palette) const
{
    const QFont font = smallerFont(font_);
    const QFontMetricsF metrics(font, device_);
    const double height = metrics.height();
    if (60 * minuteHeight_ < 2.5 * height)
        return;
    // Lanes by day and zone: the tops of the music marks, and where the last time placed ends.
    std::map<int, std::vector<double>> musicTops;
    for (const WeekMark& mark : marks)
        if (!drawing.events[std::size_t(mark.event)].end)
            musicTops[mark.day * kZoneCount + mark.zone].push_back(mark.rect.top());
    for (auto& [lane, tops] : musicTops)
        std::sort(tops.begin(), tops.end());
    std::vector<double> laneFree(kDaysPerWeek * kZoneCount, -1e9);

    struct Run {
        const WeekMark* first;
        int zones;
        double right;
    };
    std::vector<Run> runs;
    for (const WeekMark& mark : marks) {
        const WeekEvent& event = drawing.events[std::size_t(mark.event)];
        if (mark.day != event.day)
            continue;  // the piece after midnight
        Run* last = runs.empty() ? nullptr : &runs.back();
        if (last && last->first->event == mark.event && last->first->day == mark.day
            && last->first->zone + last->zones == mark.zone)
            ++last->zones, last->right = mark.rect.right();
        else
            runs.push_back({&mark, 1, mark.rect.right()});
    }
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Run& a, const Run& b) { return a.first->rect.top() < b.first->rect.top(); });

    painter.setFont(font);
    for (const Run& run : runs) {
        const WeekEvent& event = drawing.events[std::size_t(run.first->event)];
        const QRectF mark(run.first->rect.topLeft(), QPointF(run.right, run.first->rect.bottom()));
        QString text = timeOfDay(event.start);
        if (event.end
            && metrics.horizontalAdvance(text + QStringLiteral("-") + timeOfDay(*event.end)) <= mark.width())
            text += QStringLiteral("-") + timeOfDay(*event.end);
        if (metrics.horizontalAdvance(text) > mark.width())
            continue;
        const bool inside = event.end && mark.height() >= height;
        const QRectF box(mark.left(), inside ? mark.top() : mark.bottom(), mark.width(), height);
        bool free = true;
        for (int zone = run.first->zone; free && zone < run.first->zone + run.zones; ++zone) {
            const int lane = run.first->day * kZoneCount + zone;
            free = laneFree[std::size_t(lane)] <= box.top();
            const auto tops = musicTops.find(lane);
            if (free && tops != musicTops.end()) {
                const auto next = std::upper_bound(tops->second.begin(), tops->second.end(), mark.top());
                free = next == tops->second.end() || *next >= box.bottom();
            }
        }
        if (!free)
            continue;
        for (int zone = run.first->zone; zone < run.first->zone + run.zones; ++zone)
            laneFree[std::size_t(run.first->day * kZoneCount + zone)] = box.bottom();
        const QColor fill = kindColour(event.kind, palette);
        painter.setPen(inside ? (fill.lightness() > 140 ? QColor(Qt::black) : QColor(Qt::white))
                              : palette.color(QPalette::Text));
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
}

void WeekPainter::paintHeader(QPainter& painter, const QPalette& palette) const
{
    const QRectF header(area_.topLeft(), QSizeF(area_.width(), header_));
    painter.fillRect(header, palette.color(QPalette::Window));
    const QFontMetricsF metrics(font_, device_);

    // The legend, at the right end of the first line.
    struct Entry {
        QColor colour;
        QString name;
        bool outline;
    };
    const Entry entries[] = {
        {kindColour(EventKind::Music, palette), kindName(EventKind::Music), false},
        {kindColour(EventKind::Recording, palette), kindName(EventKind::Recording), false},
        {kindColour(EventKind::Radio, palette), kindName(EventKind::Radio), false},
        {kindColour(EventKind::Peripheral, palette), kindName(EventKind::Peripheral), false},
        {clashColour(palette), QStringLiteral("冲突"), true}};
    const double square = metrics.ascent() * 0.75;
    const double gap = metrics.averageCharWidth();
    double width = 0;
    for (const Entry& entry : entries)
        width += square + gap + metrics.horizontalAdvance(entry.name) + 2 * gap;
    double x = area_.right() - width;
    for (const Entry& entry : entries) {
        const QRectF box(x, area_.top() + (line_ - square) / 2, square, square);
        if (entry.outline) {
            painter.setPen(QPen(entry.colour, std::max(1.5, square / 6)));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        } else {
            painter.fillRect(box, entry.colour);
        }
        x += square + gap;
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QRectF(x, area_.top(), metrics.horizontalAdvance(entry.name) + gap, line_),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.name);
        x += metrics.horizontalAdvance(entry.name) + 2 * gap;
    }

    painter.setPen(palette.color(QPalette::WindowText));
    for (int day = 0; day < kDaysPerWeek; ++day) {
        const double left = area_.left() + axis_ + day * dayWidth();
        painter.drawText(QRectF(left, area_.top() + line_, dayWidth(), line_), Qt::AlignCenter,
                         QString::fromStdString(dayName(day)));
        for (int zone = 0; zone < kZoneCount; ++zone)
            painter.drawText(QRectF(laneLeft(day, zone), area_.top() + 2 * line_, laneWidth(), line_),
                             Qt::AlignCenter, QString::number(zone + 1));
    }
    QColor rule = palette.color(QPalette::WindowText);
    rule.setAlphaF(0.4);
    painter.setPen(rule);
    painter.drawLine(header.bottomLeft(), header.bottomRight());
}

}  // namespace quennet
