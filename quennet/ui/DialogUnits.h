#pragma once
// Window layouts are given in dialog units: a quarter of the font's average Latin letter
// width horizontally and an eighth of its height vertically.
#include <QFont>
#include <QRect>

namespace quennet {

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;
    int X(int x) const { return x * baseX_ / 4; }
    int Y(int y) const { return y * baseY_ / 8; }

private:
    int baseX_;
    int baseY_;
};

} // namespace quennet
