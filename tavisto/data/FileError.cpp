#include "FileError.h"

#include <cstring>

namespace tavisto {

std::string reasonText(const FileError& error)
{
    switch (error.kind) {
    case FileError::Kind::Busy: return "另一个程序正在使用这个文件";
    case FileError::Kind::NotRegular: return "这不是普通文件";
    case FileError::Kind::Replaced: return "文件已被其他程序替换";
    case FileError::Kind::System: return std::strerror(error.code);
    case FileError::Kind::None: break;
    }
    return {};
}

}  // namespace tavisto
