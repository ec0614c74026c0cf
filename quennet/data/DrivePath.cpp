#include "DrivePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace quennet {

namespace fs = std::filesystem;

namespace {
std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

// The name in folder that stands for `name`: the lower-case spelling if it exists, else the
// first existing spelling in sorted order, else the lower-case spelling for a new entry.
std::string existingName(const fs::path& folder, const std::string& name)
{
    const std::string lower = lowerCase(name);
    std::error_code error;
    if (fs::exists(fs::symlink_status(folder / lower, error)))
        return lower;
    std::string found;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string candidate = it->path().filename().string();
        if (lowerCase(candidate) == lower && (found.empty() || candidate < found))
            found = candidate;
    }
    return found.empty() ? lower : found;
}
}  // namespace

std::string hostPath(const std::string& driveFolder, const std::string& windowsPath)
{
    std::string rest = windowsPath;
    if (rest.size() >= 2 && rest[1] == ':')
        rest.erase(0, 2);
    std::replace(rest.begin(), rest.end(), '\\', '/');

    // Split by hand: a string stream would set up the C++ stream locale at start-up for nothing.
    fs::path path(driveFolder);
    for (std::size_t start = 0; start < rest.size();) {
        const std::size_t end = std::min(rest.find('/', start), rest.size());
        if (end > start)
            path /= existingName(path, rest.substr(start, end - start));
        start = end + 1;
    }
    return path.string();
}

}  // namespace quennet
