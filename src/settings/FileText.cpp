// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FileText.h"

#include "settings/Descriptor.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace quellard {

FileText readFileText(const std::string &path)
{
    FileText result;
    // O_NONBLOCK so that a pipe in the file's place cannot hang the game; it is refused below.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::Unreadable;
        return result;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileReadStatus::Unreadable;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(buffer, std::size_t(count));
    }
    result.status = FileReadStatus::Read;
    return result;
}

} // namespace quellard
