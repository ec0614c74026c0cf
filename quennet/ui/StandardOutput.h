#pragma once
// What the command line writes to standard output.
#include "FileError.h"

#include <string>

namespace quennet {

// Writes all of text to standard output; false, with the reason, when it did not arrive whole (a
// full disk, a closed pipe).
bool writeStandardOutput(const std::string& text, FileError& error);

}  // namespace quennet
