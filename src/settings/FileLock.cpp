// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FileLock.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace quellard {

FileLock::FileLock(const std::string &path, Kind kind)
    // Read access is enough for either kind of lock, so a file the player may only read is locked
    // as well. O_NONBLOCK keeps a pipe in the file's place from hanging the game; it is refused below.
    : m_file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC))
{
    if (!m_file.valid()) {
        m_missing = errno == ENOENT || errno == ENOTDIR;
        return;
    }
    struct stat info {};
    if (::fstat(m_file.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return;
    // A blocking flock cannot be given up after a while without a signal, which a library must not
    // take over; trying again every few milliseconds can.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point giveUp = Clock::now() + kLongestWait;
    const int operation = (kind == Kind::Shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    while (!(m_held = ::flock(m_file.get(), operation) == 0) && (errno == EWOULDBLOCK || errno == EINTR) &&
           Clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

} // namespace quellard
