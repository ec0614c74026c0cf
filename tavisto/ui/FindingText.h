#pragma once
// What a file that does not look like a timing file shows, in the window's words or in English
// for the command line.

#include "TimingFileFormat.h"

#include <QString>

namespace tavisto {

enum class FindingLanguage { Chinese, English };

// One finding, e.g. "程序1 音乐定时 05 的序列号是 07" or "program 1 music timing 05 has serial number 07".
QString findingText(const TimingFileFinding& finding, FindingLanguage language);

}  // namespace tavisto
