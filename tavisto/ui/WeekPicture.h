#pragma once
// The painted week: Monday..Sunday side by side, 00:00 to 24:00 downwards, one lane per zone in
// each day; music timings as marks, spans as bars, clashes outlined.

#include "WeekCheck.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>
#include <vector>

class QPalette;

namespace tavisto {

// What the picture shows: the events, and which of them clash or are picked out.
struct WeekDrawing {
    const WeekPlan* plan = nullptr;
    std::vector<std::uint8_t> clashing;     // by event: the zones in which it clashes
    std::vector<std::uint8_t> highlighted;  // by event: the zones in which it is picked out
};

// Every event of a clash outlined, and the events of finding `picked` (an index, or -1) picked out.
WeekDrawing weekDrawing(const WeekPlan& plan, const std::vector<Finding>& findings, int picked = -1);

// The colours of the kinds, for the picture and its legend.
QColor kindColour(TimingKind kind);
// The outline of a clash: a red that stands out on the palette's base.
QColor warningColour(const QPalette& palette);

// The legend: each kind's colour and name, and the clash outline.
struct LegendEntry {
    QColor colour;
    QString name;
    bool outline;
};
QList<LegendEntry> legend(const QPalette& palette);
// Paints the legend in one line from `topLeft`.
void drawLegend(QPainter& painter, const QPointF& topLeft, const QPalette& palette);

// Paints the week into `area`: a header with the days and zones at the top, the hours on the left,
// and the day from minute `firstMinute` on at `minuteHeight` pixels per minute below the header
// (0: the whole day fits).
void drawWeek(QPainter& painter, const QRectF& area, const WeekDrawing& drawing, const QPalette& palette,
              double firstMinute, double minuteHeight);

class WeekPicture : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kMaxZoom = 12;  // the whole day at 1, two hours at 12

    explicit WeekPicture(QWidget* parent = nullptr);

    void setDrawing(WeekDrawing drawing);
    int zoom() const { return zoom_; }
    void setZoom(int zoom, double anchorY = -1);  // anchorY: the viewport row that keeps its time
    // Scrolls so that `minute` of the day is in view.
    void showMinute(int minute);
    // The event under a point of the viewport, or -1.
    int eventAt(const QPointF& point) const;

signals:
    void zoomChanged(int zoom);
    void timingChosen(const tavisto::TimingRef& timing);  // its mark double-clicked

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    double minuteHeight() const;
    void updateScrollRange();

    WeekDrawing drawing_;
    int zoom_ = 1;
};

}  // namespace tavisto
