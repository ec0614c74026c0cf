#pragma once
// Why the data file could not be used, in words for the user.
#include <string>

namespace quennet {

struct FileError {
    enum class Kind {
        None,
        System,       // the system refused; `code` holds its errno
        Busy,         // another program holds the file
        NotRegular,   // a folder, a pipe or a device where the file should be
        TooShort,     // the file ends before the block that was asked for
        NotDataFile,  // its header is not the one of a data file
        Gone,         // deleted, renamed or replaced by another program while held
    };
    Kind kind = Kind::None;
    int code = 0;

    static FileError system(int code) { return {Kind::System, code}; }
    bool isMissing() const;
};

// "另一个程序正在使用这个文件", "这不是普通文件", or the system's own reason.
std::string reasonText(const FileError& error);

}  // namespace quennet
