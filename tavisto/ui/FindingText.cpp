#include "FindingText.h"

#include "TextConversions.h"

namespace tavisto {

namespace {

struct FindingWords {
    const char* shortFile;
    const char* runProgram;
    const char* serial;
    const char* time;
    const char* track;
    const char* music;       // %1: the program
    const char* peripheral;  // %1: the program
    const char* random;
};

// %1 is the value, or the timing (named as the week plan names it) and %2 the value.
const FindingWords kChinese{"文件只有 %1 字节，定时文件有 18560 字节",
                            "运行设定是 %1，不是程序1到程序4",
                            "%1 的序列号是 %2",
                            "%1 的时间 %2 不是有效的时间",
                            "%1 的曲目 %2 超过 99",
                            "程序%1 音乐定时",
                            "程序%1 外设定时",
                            "随机程序"};
const FindingWords kEnglish{"only %1 bytes long, a timing file has 18560",
                            "run program %1 is not 1 to 4",
                            "%1 has serial number %2",
                            "%1 has the time %2, which is not a valid time",
                            "%1 has track %2, above 99",
                            "program %1 music timing",
                            "program %1 peripheral timing",
                            "random timing"};

QString hexByte(int value)
{
    return QStringLiteral("%1").arg(value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

QString findingText(const TimingFileFinding& finding, FindingLanguage language)
{
    const FindingWords& words = language == FindingLanguage::Chinese ? kChinese : kEnglish;
    const SlotSelection& at = finding.timing;
    const QString table = at.EditObject == kRandomProgram
        ? QString::fromUtf8(words.random)
        : QString::fromUtf8(at.Type == TimingType::Music ? words.music : words.peripheral).arg(at.EditObject);
    const QString timing = table + QLatin1Char(' ') + QString::fromStdString(MyIntToStr(at.SlotNo));
    using Kind = TimingFileFinding::Kind;
    switch (finding.kind) {
    case Kind::Short: return QString::fromUtf8(words.shortFile).arg(finding.value);
    case Kind::RunProgram: return QString::fromUtf8(words.runProgram).arg(finding.value);
    case Kind::Serial:
        return QString::fromUtf8(words.serial).arg(timing, QString::fromStdString(MyIntToStr(finding.value)));
    case Kind::Time:
        return QString::fromUtf8(words.time)
            .arg(timing, hexByte(finding.value >> 8) + QLatin1Char(':') + hexByte(finding.value));
    case Kind::Track: return QString::fromUtf8(words.track).arg(timing, QString::number(finding.value));
    }
    return {};
}

}  // namespace tavisto
