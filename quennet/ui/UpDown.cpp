#include "UpDown.h"

#include "ControlNames.h"

#include <QToolButton>
#include <algorithm>

namespace quennet {

UpDown::UpDown(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName(QString::fromLatin1(kSpinUp));
    down_->setObjectName(QString::fromLatin1(kSpinDown));
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setRange(int low, int high)
{
    low_ = low;
    high_ = high;
    position_ = std::clamp(position_, low_, high_);
}

void UpDown::setPosition(int position)
{
    position_ = std::clamp(position, low_, high_);
}

void UpDown::step(int delta)
{
    position_ = std::clamp(position_ + delta, low_, high_);
    emit scrolled(position_);
}

void UpDown::resizeEvent(QResizeEvent*)
{
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace quennet
