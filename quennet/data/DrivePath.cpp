#include "DrivePath.h"

#include <algorithm>
#include <cctype>

namespace quennet {

std::string HostPath(const std::string& driveFolder, const std::string& windowsPath)
{
    std::string rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':')
        rest.erase(0, 2);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    std::transform(rest.begin(), rest.end(), rest.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (rest.empty() || rest.front() != '/')
        rest.insert(rest.begin(), '/');
    return driveFolder + rest;
}

} // namespace quennet
