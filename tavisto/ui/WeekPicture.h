#pragma once
// The week on the screen: the WeekPainter's picture of a few hours of the day at a time, scrolled
// through the day, the legend, days and zones staying at the top.

#include "WeekPainter.h"

#include <QAbstractScrollArea>

namespace tavisto {

class WeekPicture : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int kFewestHours = 1;
    static constexpr int kMostHours = 24;

    explicit WeekPicture(QWidget* parent = nullptr);

    void setDrawing(WeekDrawing drawing);
    const WeekDrawing& drawing() const { return drawing_; }

    // The view: the minute of the day at the top, and how many hours are in view.
    int firstMinute() const;
    int hoursShown() const { return hours_; }
    void setView(int firstMinute, int hours);
    // Fewer hours (steps > 0) or more, the minute at `anchorY` of the viewport staying where it is
    // (the middle when none is given).
    void zoomBy(int steps, double anchorY = -1);
    // Scrolls so that `minute` of the day is in view.
    void showMinute(int minute);

    // The marks as painted now, in the viewport's coordinates, and the one at a point.
    std::vector<WeekMark> marks() const;
    const WeekMark* markAt(const std::vector<WeekMark>& marks, const QPointF& point) const;

signals:
    void viewChanged();                                   // zoomed or scrolled
    void timingChosen(const tavisto::TimingRef& timing);  // its mark double-clicked

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    WeekPainter painter() const;

    WeekDrawing drawing_;
    int hours_ = kMostHours;
};

}  // namespace tavisto
