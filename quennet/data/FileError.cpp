#include "FileError.h"

namespace quennet {

std::string reasonText(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::Busy: return "另一个程序正在使用这个文件";
    case FileError::Kind::NotRegular: return "这不是普通文件";
    case FileError::Kind::NotDataFile: return "不是定时数据文件";
    case FileError::Kind::TooShort: return "文件不完整";
    case FileError::Kind::Gone: return "文件已被别的程序删除或改名";
    case FileError::Kind::Missing:
    case FileError::Kind::System: return error.systemReason;
    case FileError::Kind::None: break;
    }
    return {};
}

}  // namespace quennet
