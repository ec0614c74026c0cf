#pragma once
// Windows paths on drive C: mapped into a folder that stands for the drive.
#include <string>

namespace quennet {

// "C:\DSdata\UserDS.KQD" -> driveFolder + "/dsdata/userds.kqd": every component is folded
// to lower case, so all spellings of one Windows path reach the same file.
std::string HostPath(const std::string& driveFolder, const std::string& windowsPath);

} // namespace quennet
