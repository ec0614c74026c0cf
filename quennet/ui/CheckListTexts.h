#pragma once
// The texts of the check list: its title, its column titles and the cells of a row. The window,
// its printout and `quennet --print` all show a program with these.
#include <QStringList>

namespace quennet {

struct TimingEntry;

// " 定时程序第 %d 套,定时信息检查" for programIndex 0..3 (第 1..4 套).
QString checkListTitle(int programIndex);

QStringList checkListColumns();

// Relative widths of the columns: 45, 100, 80, 200, 100 and 80 pixels in the window's design.
inline constexpr int kCheckListColumnWidths[] = {45, 100, 80, 200, 100, 80};
inline constexpr int kCheckListTotalWidth = [] {
    int sum = 0;
    for (int width : kCheckListColumnWidths)
        sum += width;
    return sum;
}();

// The six cells of the row numbered row (1 for the first row, whatever the timing's position).
QStringList checkListRow(int row, const TimingEntry& entry);

}  // namespace quennet
