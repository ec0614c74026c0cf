#pragma once
// The painted week: Monday to Sunday side by side, 00:00 at the top and 24:00 at the bottom, one
// lane per zone in each day; music as marks, spans as bars, clashes outlined. The same painting
// serves the screen and the printout.
#include "WeekPlan.h"

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <set>
#include <tuple>
#include <vector>

class QPainter;
class QPalette;

namespace quennet {

// What is drawn: the events, which of them clash on which day, and the timings picked out.
struct WeekDrawing {
    std::vector<WeekEvent> events;
    std::set<std::tuple<TimingRef, int, int>> clashes;  // a timing, the day and the zone it clashes in
    std::vector<TimingRef> highlighted;
};

// One mark or bar in one zone's lane.
struct WeekMark {
    QRectF rect;
    std::size_t event = 0;  // index into WeekDrawing::events
    int day = 0;
    int zone = 0;
};

QColor kindColor(EventKind kind);
// Red that stands out against the palette's window, light or dark.
QColor warningColor(const QPalette& palette);
QString kindName(EventKind kind);

// The kinds' colours and the clash outline with their names, at the right end of `line`.
void paintLegend(QPainter& painter, const QRectF& line, const QPalette& palette);

// Where every mark goes in `area`, for hours firstMinute..lastMinute; in painting order.
std::vector<WeekMark> layOutWeek(const WeekDrawing& drawing, const QRectF& area, const QFont& font);
void paintWeek(QPainter& painter, const WeekDrawing& drawing, const QRectF& area, const QPalette& palette);

class WeekPicture : public QWidget {
    Q_OBJECT
public:
    explicit WeekPicture(QWidget* parent = nullptr);

    void setDrawing(WeekDrawing drawing);
    void setHighlighted(std::vector<TimingRef> timings);
    const WeekDrawing& drawing() const { return drawing_; }
    // The marks as painted now, in the widget's coordinates.
    const std::vector<WeekMark>& marks() const { return marks_; }
    // The y of a minute of the day, and the minute at a y.
    double yOfMinute(double minute) const;
    double minuteAt(double y) const;

signals:
    void timingChosen(const quennet::TimingRef& timing);
    // Ctrl+wheel: zoom in (steps > 0) or out about the minute under the mouse.
    void zoomRequested(int steps, double minute);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    const WeekMark* markAt(const QPointF& point) const;
    void layOut();

    WeekDrawing drawing_;
    std::vector<WeekMark> marks_;
};

}  // namespace quennet
