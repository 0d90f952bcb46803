// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/Descriptor.h"

#include <chrono>
#include <string>

namespace quellard {

// An advisory lock on a file, held from construction to destruction: shared while the file is read,
// exclusive across a read-modify-write, so that two games in one folder never interleave their
// writes and never read a write half done.
//
// The lock is taken on the file itself (flock), not on a lock file beside it: every name of the
// file (a hard link, a symbolic link to it from another game's folder) then shares one lock; it
// needs no folder the player may write, so an administrator's read-only file can be read under it;
// it leaves nothing behind; and it dies with its holder, a game killed while writing included.
// flock rather than fcntl: an fcntl lock belongs to the process and goes as soon as the process
// closes any descriptor of the file, which reading and writing it do.
//
// A file that does not exist cannot be locked; creating one is made safe on its own (FileWrite.h),
// and since a file, once there, is only ever written in place, the lock is always on the file the
// path names.
class FileLock {
public:
    enum class Kind { Shared, Exclusive };

    // How long a game waits for another to let go of the file. A holder keeps the lock for one read,
    // or one read-modify-write with its three flushes to the disk (the pending copy, the file, the
    // folder): a few milliseconds on a solid-state disk, up to some hundreds on a busy spinning one.
    // Holding it longer than a second means that game is stuck (stopped in a debugger, a dead disk).
    // The wait blocks the window, and a click that takes more than about a second reads as a hung
    // game, so the wait ends there: a write is then skipped (the choice holds for this run, as after
    // any failed save) and a read goes ahead unlocked.
    static constexpr std::chrono::milliseconds kLongestWait{1000};

    FileLock(const std::string &path, Kind kind);

    // True once the lock is held.
    bool held() const { return m_held; }
    // True when nothing was there to lock: no file by that name, or a link to a missing one.
    bool fileMissing() const { return m_missing; }

private:
    Descriptor m_file;
    bool m_held = false;
    bool m_missing = false;
};

} // namespace quellard
