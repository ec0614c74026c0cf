#pragma once
// Windows paths on drive C: mapped into a folder that stands for the drive.
#include "FileAccess.h"

#include <string>

namespace quennet {

// "C:\DSdata\UserDS.KQD" -> the path below driveFolder that the player family's file system
// would reach: each name is matched against what exists whatever its case (an exact lower-case
// match wins), and a name that does not exist yet is spelt in lower case.
std::string hostPath(FileAccess& access, const std::string& driveFolder, const std::string& windowsPath);

}  // namespace quennet
