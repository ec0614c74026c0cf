#pragma once
// Why a timing file could not be used; ui/FileFailureText words it for the user.

namespace tavisto {

struct FileError {
    enum class Kind {
        None,
        System,      // the system refused; `code` holds its errno
        Busy,        // another program holds the file
        NotRegular,  // a folder, a pipe or a device where the file should be
        Replaced,    // another program put a different file at the held file's name
        Damaged,     // a write in place failed and what it changed could not be put back; `code` tells why
    };
    Kind kind = Kind::None;
    int code = 0;

    static FileError system(int code) { return {Kind::System, code}; }
    explicit operator bool() const { return kind != Kind::None; }
};

}  // namespace tavisto
