// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/ExecutableFolder.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace quellard {

std::string executableFolder(const char *link)
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink(link, error);
    if (!error && executable.has_parent_path())
        return executable.parent_path().string();
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

} // namespace quellard
