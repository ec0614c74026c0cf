#pragma once
// A timing file on disk, held exclusively from opening until closing; it only moves bytes. The
// only place that talks to the system about files.

#include "FileError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavisto {

class TimingFile {
public:
    // Once at program start: a write beyond the file size limit or to a pipe nobody reads fails
    // and is reported instead of ending the program.
    static void startUp();

    TimingFile() = default;
    TimingFile(TimingFile&& other) noexcept;
    TimingFile& operator=(TimingFile&& other) noexcept;
    TimingFile(const TimingFile&) = delete;
    TimingFile& operator=(const TimingFile&) = delete;
    ~TimingFile() { close(); }

    // An existing regular file, read and write, locked; Busy when another program holds it.
    // The path is resolved here, once: later saves go to this folder and this name whatever
    // links are put in its way.
    FileError open(const std::string& path);
    // The path a new set will be saved to, its folder resolved once. A file that is there already
    // is held from now on (together with `held` when it is that one), but nothing on disk changes
    // before replace(). A link at the name is not followed: the save puts a file in its place.
    // Fails when the folder does not exist or may not be written.
    FileError create(const std::string& path, const TimingFile& held);
    void close();
    bool isOpen() const { return folder_ >= 0; }

    // Everything the held file holds now; nothing for a path taken by create() without a file.
    FileError readAll(std::vector<std::uint8_t>& bytes) const;
    // Makes `image` the file at the held name: written whole to a temporary file beside it,
    // flushed and renamed over it, which is then the file held; written in place through the held
    // file when a new file could not keep its owner and group or its other hard links. Replaced
    // when the name now leads to a file other than the held one, unless `overOther`. On failure
    // the file at the name is left as it was (Damaged when an in-place write could not be undone),
    // and the held file stays held.
    FileError replace(const std::vector<std::uint8_t>& image, bool overOther);

    // The first `limit` bytes of a file, for looking only: without holding or locking it, so
    // that a file another program holds can be read too.
    static FileError peek(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes);

private:
    FileError resolve(const std::string& path, bool followLink);
    void removeLeftovers() const;
    FileError writeInPlace(const std::vector<std::uint8_t>& image) const;
    bool restore(const std::vector<std::uint8_t>& old) const;
    FileError writeReplacement(const std::vector<std::uint8_t>& image, bool inPlaceAllowed);

    int folder_ = -1;   // the folder the path led to when it was opened or created
    std::string name_;  // the file's name in that folder
    int fd_ = -1;       // the held file; none for a created path not yet written
};

}  // namespace tavisto
