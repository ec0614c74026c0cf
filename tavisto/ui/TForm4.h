#pragma once
// The relation-diagram window: three lines of text over a picture of how the programs meet.

#include <QWidget>

namespace tavisto {

class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;  // Escape closes, as 关闭 does
};

}  // namespace tavisto
