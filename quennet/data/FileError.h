#pragma once
// Why the data file could not be used; ui/FileFailureText words it for the user.
#include <cerrno>
#include <cstring>
#include <string>

namespace quennet {

struct FileError {
    enum class Kind {
        None,
        Missing,      // nothing at the path
        System,       // the system refused, for the reason it gave
        Busy,         // another program holds the file
        NotRegular,   // a folder, a pipe or a device where the file should be
        TooShort,     // the file ends before the block that was asked for
        NotDataFile,  // its header is not the one of a data file
        Gone,         // deleted, renamed or replaced by another program while held
    };
    Kind kind = Kind::None;
    std::string systemReason;  // the system's own words, for Missing and System

    bool failed() const { return kind != Kind::None; }
    static FileError system(std::string reason) { return {Kind::System, std::move(reason)}; }
    // The one place where a system call's refusal becomes a FileError.
    static FileError fromErrno(int code)
    {
        return {code == ENOENT ? Kind::Missing : Kind::System, std::strerror(code)};
    }
};

}  // namespace quennet
