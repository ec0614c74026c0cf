#include "ScheduleTableFaults.h"

#include <iterator>

namespace quennet {

namespace {

struct Words {
    const char* chinese;
    const char* english;
};

// In FaultReason's order. The values a cell may hold are the table's own words in both.
constexpr Words kWords[] = {
    {"不认识这一列", "unknown column"},
    {"这一列出现了两次", "column given twice"},
    {"缺少这一列", "column missing"},
    {"标题行没有这一列", "beyond the columns of the header"},
    {"程序应为 1 到 4", "the program must be 1 to 4"},
    {"序号应为 1 到 %1", "the slot must be 1 to %1"},
    {"与第 %1 行的序号相同", "the same slot as line %1"},
    {"一个程序最多 %1 条定时，这一行已没有空位", "a program holds %1 timings; none is free for this row"},
    {"类型应为“音乐”、“录音”、“收音”或“外设”", "the kind must be 音乐, 录音, 收音 or 外设"},
    {"音乐定时没有这一项", "a music timing has no such field"},
    {"录音定时没有这一项", "a recording timing has no such field"},
    {"收音定时没有这一项", "a radio timing has no such field"},
    {"外设定时没有这一项", "a peripheral timing has no such field"},
    {"缺少时间", "no time given"},
    {"不是 0:00 到 23:59 之间的时间", "not a time from 0:00 to 23:59"},
    {"缺少曲目号", "no track given"},
    {"曲目号应为 0 到 99", "a track must be 0 to 99"},
    {"缺少电台", "no station given"},
    {"电台应为 0 到 99", "the station must be 0 to 99"},
    {"录音的曲目1应为 95 到 99", "a recording's track1 must be 95 to 99"},
    {"曲目 95 到 99 是录音，类型应为“录音”", "tracks 95 to 99 are recordings: the kind must be 录音"},
    {"星期只能由“一二三四五六日”组成", "the days must be characters of 一二三四五六日"},
    {"分区只能是 1 到 4 的数字", "the zones must be digits 1 to 4"},
    {"既不是 UTF-8 也不是 GB18030 编码的文本", "neither UTF-8 nor GB18030 text"},
    {"没有标题行", "no header row"},
    {"引号没有结束", "a quote that never ends"},
};
static_assert(std::size(kWords) == std::size_t(FaultReason::OpenQuote) + 1, "words for every reason");

}  // namespace

std::string faultWords(FaultReason reason, TableWording wording, int number)
{
    const Words& words = kWords[std::size_t(reason)];
    std::string text = wording == TableWording::Chinese ? words.chinese : words.english;
    if (const std::size_t at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(number));
    return text;
}

}  // namespace quennet
