#pragma once
// The system's files, locked with flock: the one place of the program that calls the system.
#include "FileAccess.h"

#include <string>

namespace quennet {

// The first call also prepares the process: a write beyond the file-size limit then fails and is
// reported instead of ending the program.
FileAccess& systemFileAccess();

// Writes all of text to standard output and flushes it; false, with the reason, when it did not
// arrive whole (a full disk, a closed pipe).
bool writeStandardOutput(const std::string& text, FileError& error);

}  // namespace quennet
