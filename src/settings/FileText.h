// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Reading a small file whole.

enum class FileReadStatus { Read, Missing, Unreadable };

struct FileText {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes; // the file's bytes when status is Read, empty otherwise
};

// Reads the whole file. A path that names nothing (or whose folder does not exist) is Missing;
// a folder, or a file that cannot be opened or read, is Unreadable.
FileText readFileText(const std::string &path);

} // namespace quellard
