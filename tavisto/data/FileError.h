#pragma once
// Why a timing file could not be used, in words for the user.
#include <string>

namespace tavisto {

struct FileError {
    enum class Kind {
        None,
        System,      // the system refused; `code` holds its errno
        Busy,        // another program holds the file
        NotRegular,  // a folder, a pipe or a device where the file should be
        Replaced,    // another program put a different file at the held file's name
    };
    Kind kind = Kind::None;
    int code = 0;

    static FileError system(int code) { return {Kind::System, code}; }
    explicit operator bool() const { return kind != Kind::None; }
};

// "另一个程序正在使用这个文件", "这不是普通文件", or the system's own reason.
std::string reasonText(const FileError& error);

}  // namespace tavisto
