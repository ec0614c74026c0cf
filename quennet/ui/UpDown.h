#pragma once
// An up-down control with its own range and position, attached to no edit.
#include <QWidget>

class QToolButton;

namespace quennet {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int low, int high);
    void setPosition(int position);
    int top() const { return high_; }

signals:
    // Every click reports the new position, also when a limit kept it where it was.
    void scrolled(int position);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    int low_ = 0;
    int high_ = 0;
    int position_ = 0;
};

}  // namespace quennet
