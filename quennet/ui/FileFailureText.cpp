#include "FileFailureText.h"

namespace quennet {

namespace {

struct FailureWords {
    const char* busy;
    const char* notRegular;
    const char* notDataFile;
    const char* tooShort;
    const char* gone;
};

const FailureWords kChinese{"另一个程序正在使用这个文件", "这不是普通文件", "不是定时数据文件", "文件不完整",
                            "文件已被别的程序删除或改名"};
const FailureWords kEnglish{"another program is using this file", "not a regular file",
                            "not a timing data file", "the file is incomplete",
                            "deleted or renamed by another program"};

}  // namespace

QString fileFailureReason(const FileError& error, FailureLanguage language)
{
    const FailureWords& words = language == FailureLanguage::Chinese ? kChinese : kEnglish;
    switch (error.kind) {
    case FileError::Kind::Busy: return QString::fromUtf8(words.busy);
    case FileError::Kind::NotRegular: return QString::fromUtf8(words.notRegular);
    case FileError::Kind::NotDataFile: return QString::fromUtf8(words.notDataFile);
    case FileError::Kind::TooShort: return QString::fromUtf8(words.tooShort);
    case FileError::Kind::Gone: return QString::fromUtf8(words.gone);
    case FileError::Kind::Missing:
    case FileError::Kind::System: return QString::fromLocal8Bit(error.systemReason.c_str());
    case FileError::Kind::None: break;
    }
    return {};
}

}  // namespace quennet
