// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppPaths.h"

#include <filesystem>
#include <system_error>

namespace quellard {

std::string appFilePath(std::string_view folder, std::string_view fileName)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += fileName;
    return path;
}

std::string appFilePath(std::string_view folder, std::string_view subfolder, std::string_view fileName)
{
    return appFilePath(appFilePath(folder, subfolder), fileName);
}

GameFolders findGameFolders(const std::string &executableFolder)
{
    std::error_code error;
    const auto exists = [&error](const std::string &path) { return std::filesystem::exists(path, error); };
    const bool filesBeside = exists(appFilePath(executableFolder, "images")) ||
                             exists(appFilePath(executableFolder, "sounds")) ||
                             exists(appFilePath(executableFolder, "help.html"));
    const std::string installed = appFilePath(executableFolder, "../share/games/quellard");
    if (!filesBeside && std::filesystem::is_directory(installed, error))
        return {std::filesystem::path(installed).lexically_normal().string(), {}};
    return {executableFolder, executableFolder};
}

} // namespace quellard
