#include "ScheduleTableFaults.h"

#include <iterator>

namespace tavisto {

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
    {"序号应为 1 到 %1", "the slot must be 1 to %1"},
    {"音乐定时没有这一项", "a music timing has no such field"},
    {"外设定时没有这一项", "a peripheral timing has no such field"},
    {"随机定时没有这一项", "a random timing has no such field"},
    {"播放方式应为“顺序”或“随机”", "the order must be 顺序 or 随机"},
    {"星期只能由“一二三四五六日”组成", "the days must be characters of 一二三四五六日"},
    {"分区只能是 1 到 6 的数字", "the zones must be digits 1 to 6"},
    {"与第 %1 行的序号相同", "the same slot as line %1"},
    {"一个表最多 %1 条定时，这一行已没有空位", "a table holds %1 timings; none is free for this row"},
    {"程序应为 1 到 4 或“随机”", "the program must be 1 to 4 or 随机"},
    {"类型应为“音乐”、“外设”或“随机”", "the kind must be 音乐, 外设 or 随机"},
    {"随机程序只有随机定时", "the random program holds random timings only"},
    {"程序 1 到 4 只有音乐和外设定时", "programs 1 to 4 hold music and peripheral timings only"},
    {"缺少时间", "no time given"},
    {"不是 0:00 到 23:59 之间的时间", "not a time from 0:00 to 23:59"},
    {"曲目号应为 0 到 99", "a track must be 0 to 99"},
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

}  // namespace tavisto
