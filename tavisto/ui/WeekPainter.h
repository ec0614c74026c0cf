#pragma once
// The painted week, the same on the screen and on paper: the legend, the days and their zones
// along the top, the hours down the left, one lane per zone in each day; music timings as marks,
// spans as bars, clashes outlined in red, the timings of the picked finding in a colour of their own.

#include "WeekCheck.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

class QPaintDevice;
class QPainter;
class QPalette;

namespace tavisto {

// What the picture shows: the events, and which of them clash or are picked out.
struct WeekDrawing {
    std::vector<WeekEvent> events;
    std::vector<std::uint8_t> clashing;  // by event: the zones in which it clashes
    std::vector<std::uint8_t> picked;    // by event: the zones in which the picked finding has it
    std::vector<Finding> clashes;        // the clashes, which a mark's tooltip names
};

// Every event of a clash outlined, and the events of finding `picked` (an index, or -1) picked out.
WeekDrawing weekDrawing(const WeekPlan& plan, const std::vector<Finding>& findings, int picked = -1);

// The minutes of the day that the week uses, on all seven days: from the start of the hour before
// the first event to the end of the hour after the last; the whole day when nothing plays.
struct MinuteRange {
    int first = 0;
    int last = kMinutesPerDay;
};
MinuteRange minutesInUse(const std::vector<WeekEvent>& events);

// One palette for the kinds of both programs, told apart in grey print too.
QColor kindColour(TimingKind kind, const QPalette& palette);
QString kindName(TimingKind kind);
QColor clashColour(const QPalette& palette);
// The outline of the picked finding's timings: a colour no kind and no clash uses.
QColor pickedColour(const QPalette& palette);

// A mark or a bar in one zone's lane of one day.
struct WeekMark {
    QRectF rect;
    int event = 0;  // index into WeekDrawing::events
    int day = 0;
    int zone = 0;
};

// A mark's tooltip: the timing, and each clash it is in on that day and in that zone with the
// other timings of the clash.
QString markText(const WeekDrawing& drawing, const WeekMark& mark);

class WeekPainter {
public:
    // The week laid out in `area` for the minutes firstMinute..lastMinute of the day, written in
    // `font` as `device` measures it.
    WeekPainter(const QRectF& area, const QFont& font, QPaintDevice* device, double firstMinute,
                double lastMinute);

    // The height of the legend, days and zones above the hours.
    static double headerHeight(const QFont& font, QPaintDevice* device);

    double y(double minute) const;
    double minuteAt(double y) const;
    // The marks of the events in view, in painting order: the spans, then the music on top.
    std::vector<WeekMark> marks(const WeekDrawing& drawing) const;
    void paint(QPainter& painter, const WeekDrawing& drawing, const QPalette& palette) const;

private:
    double dayWidth() const;
    double laneWidth() const;
    double laneLeft(int day, int zone) const;
    void paintHours(QPainter& painter, const QPalette& palette) const;
    void paintMarks(QPainter& painter, const WeekDrawing& drawing, const std::vector<WeekMark>& marks,
                    const QPalette& palette) const;
    void paintTimes(QPainter& painter, const WeekDrawing& drawing, const std::vector<WeekMark>& marks,
                    const QPalette& palette) const;
    void paintHeader(QPainter& painter, const QPalette& palette) const;

    QRectF area_;
    QFont font_;
    QPaintDevice* device_;
    double line_;
    double axis_;
    double header_;
    double firstMinute_;
    double minuteHeight_;
};

}  // namespace tavisto
