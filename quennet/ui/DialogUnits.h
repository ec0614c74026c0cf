#pragma once
// Window layouts are given in dialog units: a quarter of the font's average Latin letter
// width horizontally and an eighth of its height vertically.
#include <QFont>
#include <QRect>

namespace quennet {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;
    int x(int value) const { return value * baseX_ / 4; }
    int y(int value) const { return value * baseY_ / 8; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace quennet
