// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FileChecks.h"

#include "settings/AsciiCase.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace quellard {

bool isBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

bool fileExists(const std::string &path)
{
    if (isBlank(path))
        return false;
    const std::filesystem::path p(path);
    const std::string name = p.filename().string();
    if (name.empty() || name.front() == '.')
        return false;
    std::error_code error;
    return std::filesystem::is_regular_file(p, error);
}

std::string findIgnoringCase(const std::string &path)
{
    if (isBlank(path) || fileExists(path))
        return path;
    const std::filesystem::path p(path);
    const std::string wanted = p.filename().string();
    std::error_code error;
    std::string found;
    for (const auto &entry : std::filesystem::directory_iterator(p.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        if (equalIgnoringCase(name, wanted) && fileExists(entry.path().string()) && (found.empty() || name < found))
            found = name;
    }
    return found.empty() ? path : (p.parent_path() / found).string();
}

bool playerCanWrite(const std::string &path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        // A file without any write permission is read-only by intent, also to the superuser, whom
        // access() would let through.
        return S_ISREG(info.st_mode) && (info.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
    }
    // A link to a missing file is left as it is, and counts as a file the player cannot write. Its
    // target may lie on a drive that is not mounted now or in a folder that has moved: a file made
    // through the link would then be out of sight once the drive is back, or land where the player
    // never meant it to, and a link left in a shared game folder would have the game create files
    // wherever the player may write. Replacing the link would undo the player's own arrangement.
    // The settings go to the player's own folder instead, as for any game folder not theirs.
    if (errno != ENOENT || ::lstat(path.c_str(), &info) == 0)
        return false;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0;
}

} // namespace quellard
