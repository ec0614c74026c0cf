#pragma once
// The system's files, locked with flock and found by name in a folder held open: the one place of
// the program that calls the system for its files.
#include "FileAccess.h"

namespace quennet {

// The first call also prepares the process: a write beyond the file-size limit then fails and is
// reported instead of ending the program.
FileAccess& systemFileAccess();

}  // namespace quennet
