#pragma once
// The About window: borderless, always on top, closed with its own "确定" button.

#include <QWidget>

class QLabel;
class QPushButton;

namespace tavisto {

class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

signals:
    // "确定" was pressed; the window closes right after.
    void okPressed();

private:
    void Button1Click();  // 确定

    QPushButton* Button1;
};

}  // namespace tavisto
