#include "WeekPicture.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

namespace tavisto {

namespace {

constexpr int kWheelStep = 120;
constexpr int kScrollStep = 15;  // minutes per arrow key
constexpr double kHitSlack = 2;  // around a mark, for the mouse
// The hours in view that zooming steps through.
constexpr int kZoomHours[] = {24, 18, 12, 9, 6, 4, 3, 2, 1};

}  // namespace

WeekPicture::WeekPicture(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The scroll bar counts minutes of the day.
    verticalScrollBar()->setSingleStep(kScrollStep);
    setView(0, kMostHours);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        viewport()->update();
        emit viewChanged();
    });
}

void WeekPicture::setDrawing(WeekDrawing drawing)
{
    drawing_ = std::move(drawing);
    viewport()->update();
}

int WeekPicture::firstMinute() const
{
    return verticalScrollBar()->value();
}

void WeekPicture::setView(int firstMinute, int hours)
{
    hours = std::clamp(hours, kFewestHours, kMostHours);
    const bool zoomed = hours != hours_;
    hours_ = hours;
    QScrollBar* bar = verticalScrollBar();
    const QSignalBlocker blocker(bar);
    bar->setRange(0, kMinutesPerDay - hours * 60);
    bar->setPageStep(hours * 60);
    const bool scrolled = std::clamp(firstMinute, 0, bar->maximum()) != bar->value();
    bar->setValue(firstMinute);
    viewport()->update();
    if (zoomed || scrolled)
        emit viewChanged();
}

void WeekPicture::zoomBy(int steps, double anchorY)
{
    const WeekPainter before = painter();
    const double top = WeekPainter::headerHeight(font(), viewport());
    if (anchorY < top)
        anchorY = (top + viewport()->height()) / 2;
    const double minute = before.minuteAt(anchorY);
    // The next step of the list past the hours now in view.
    int hours = hours_;
    if (steps > 0) {
        for (int step = 0; step < steps; ++step) {
            const auto next = std::find_if(std::begin(kZoomHours), std::end(kZoomHours),
                                           [&](int shown) { return shown < hours; });
            hours = next == std::end(kZoomHours) ? kFewestHours : *next;
        }
    } else {
        for (int step = 0; step < -steps; ++step) {
            const auto next = std::find_if(std::rbegin(kZoomHours), std::rend(kZoomHours),
                                           [&](int shown) { return shown > hours; });
            hours = next == std::rend(kZoomHours) ? kMostHours : *next;
        }
    }
    const double share = (anchorY - top) / std::max(1.0, viewport()->height() - top);
    setView(int(std::lround(minute - share * hours * 60)), hours);
}

void WeekPicture::showMinute(int minute)
{
    if (minute < firstMinute() || minute >= firstMinute() + hours_ * 60)
        setView(minute - hours_ * 60 / 3, hours_);
}

WeekPainter WeekPicture::painter() const
{
    return WeekPainter(QRectF(viewport()->rect()), font(), viewport(), firstMinute(),
                       firstMinute() + hours_ * 60);
}

std::vector<WeekMark> WeekPicture::marks() const
{
    return painter().marks(drawing_);
}

const WeekMark* WeekPicture::markAt(const std::vector<WeekMark>& marks, const QPointF& point) const
{
    if (point.y() < WeekPainter::headerHeight(font(), viewport()))
        return nullptr;
    // The last painted lies on top; a thin mark is hit a little beside it too.
    for (auto mark = marks.rbegin(); mark != marks.rend(); ++mark)
        if (mark->rect.adjusted(0, -kHitSlack, 0, kHitSlack).contains(point))
            return &*mark;
    return nullptr;
}

void WeekPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    this->painter().paint(painter, drawing_, palette());
}

void WeekPicture::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y() / kWheelStep;
    if (steps != 0)
        zoomBy(steps, event->position().y());
    event->accept();
}

void WeekPicture::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::vector<WeekMark> shown = marks();
    if (const WeekMark* mark = markAt(shown, event->position()))
        emit timingChosen(drawing_.events[std::size_t(mark->event)].timing);
}

bool WeekPicture::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const std::vector<WeekMark> shown = marks();
        if (const WeekMark* mark = markAt(shown, help->pos()))
            QToolTip::showText(help->globalPos(), markText(drawing_, *mark), viewport(),
                               mark->rect.toAlignedRect());
        else
            QToolTip::hideText();
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
