// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quellard::testing {

// The user id of "nobody" on Debian: a player who owns nothing of the test's files.
constexpr uid_t kNobody = 65534;

// Runs `check` with a player's rights and says whether it returned true. Permissions do not bind
// the superuser, so as root (as in CI) the check runs in a child process that has become "nobody".
inline bool asPlayer(const std::function<bool()> &check)
{
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 ? 2 : check() ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A path the player may write into: handed to "nobody" when the tests run as root.
inline void giveToPlayer(const char *path)
{
    if (::geteuid() == 0) [[maybe_unused]]
        const int ignored = ::chown(path, kNobody, kNobody);
}

} // namespace quellard::testing
