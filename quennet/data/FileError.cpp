#include "FileError.h"

#include <cerrno>
#include <cstring>

namespace quennet {

bool FileError::isMissing() const
{
    return kind == Kind::System && code == ENOENT;
}

std::string reasonText(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::Busy: return "另一个程序正在使用这个文件";
    case FileError::Kind::NotRegular: return "这不是普通文件";
    case FileError::Kind::NotDataFile: return "不是定时数据文件";
    case FileError::Kind::TooShort: return "文件不完整";
    case FileError::Kind::Gone: return "文件已被别的程序删除或改名";
    case FileError::Kind::System: return std::strerror(error.code);
    case FileError::Kind::None: break;
    }
    return {};
}

}  // namespace quennet
