#include "StandardOutput.h"

#include <cerrno>
#include <unistd.h>

namespace quennet {

bool writeStandardOutput(const std::string& text, FileError& error)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(STDOUT_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {  // nothing written at all: a full disk
            error = FileError::fromErrno(n < 0 ? errno : ENOSPC);
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

}  // namespace quennet
