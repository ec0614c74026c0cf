#include "FileAccess.h"

#include <utility>

namespace quennet {

namespace {
// "folder/name" split at its last slash.
std::pair<std::string, std::string> splitPath(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}
}  // namespace

std::unique_ptr<HeldFile> FileAccess::open(const std::string& path, Mode mode, FileError& error)
{
    const auto [folderPath, name] = splitPath(path);
    const std::unique_ptr<Folder> folder = openFolder(folderPath, error);
    return folder ? folder->open(name, mode, error) : nullptr;
}

std::unique_ptr<HeldFile> FileAccess::create(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                             bool replace, FileError& error)
{
    const auto [folderPath, name] = splitPath(path);
    const std::unique_ptr<Folder> folder = openFolder(folderPath, error);
    return folder ? folder->create(name, bytes, replace, error) : nullptr;
}

}  // namespace quennet
