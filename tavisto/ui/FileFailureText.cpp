#include "FileFailureText.h"

#include <cstring>

namespace tavisto {

namespace {

struct FailureWords {
    const char* busy;
    const char* notRegular;
    const char* replaced;
    const char* damaged;  // %1: the system's reason
};

const FailureWords kChinese{"另一个程序正在使用这个文件", "这不是普通文件", "文件已被其他程序替换",
                            "无法恢复原来的内容，文件可能已损坏：%1"};
const FailureWords kEnglish{"another program is using this file", "not a regular file",
                            "replaced by another program",
                            "the old contents could not be put back, the file may be damaged: %1"};

}  // namespace

QString fileFailureReason(const FileError& error, FindingLanguage language)
{
    const FailureWords& words = language == FindingLanguage::Chinese ? kChinese : kEnglish;
    const QString system = QString::fromLocal8Bit(std::strerror(error.code));
    switch (error.kind) {
    case FileError::Kind::Busy: return QString::fromUtf8(words.busy);
    case FileError::Kind::NotRegular: return QString::fromUtf8(words.notRegular);
    case FileError::Kind::Replaced: return QString::fromUtf8(words.replaced);
    case FileError::Kind::Damaged: return QString::fromUtf8(words.damaged).arg(system);
    case FileError::Kind::System: return system;
    case FileError::Kind::None: break;
    }
    return {};
}

}  // namespace tavisto
