#include "DrivePath.h"

#include <algorithm>
#include <cctype>

namespace quennet {

namespace {
std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The name in folder that stands for `name`: the lower-case spelling if it exists, else the
// first existing spelling in sorted order, else the lower-case spelling for a new entry.
std::string existingName(FileAccess& access, const std::string& folder, const std::string& name)
{
    const std::string lower = lowerCase(name);
    FileError ignored;  // a folder that cannot be read holds nothing to match
    const std::vector<std::string> names = access.names(folder, ignored).value_or(std::vector<std::string>());
    if (std::find(names.begin(), names.end(), lower) != names.end())
        return lower;
    std::string found;
    for (const std::string& candidate : names)
        if (lowerCase(candidate) == lower && (found.empty() || candidate < found))
            found = candidate;
    return found.empty() ? lower : found;
}
}  // namespace

std::string hostPath(FileAccess& access, const std::string& driveFolder, const std::string& windowsPath)
{
    std::string rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':')
        rest.erase(0, 2);
    std::replace(rest.begin(), rest.end(), '\\', '/');

    std::string path = driveFolder;
    for (std::size_t start = 0; start < rest.size();) {
        const std::size_t end = std::min(rest.find('/', start), rest.size());
        if (end > start) {
            const std::string name = existingName(access, path, rest.substr(start, end - start));
            path += (path.empty() || path.back() == '/' ? "" : "/") + name;
        }
        start = end + 1;
    }
    return path;
}

}  // namespace quennet
