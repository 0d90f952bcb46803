// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Writing a small file whole, without ever leaving it half written.
//
// An existing file is written where it lies, never replaced by another: it keeps its owner, its
// permissions and every link to it, and a file the player may write in a folder they may not is
// still saved. A file without write permission is left alone. So that an interrupted write can be
// finished, the new content first goes beside the file, when its folder takes new files, as a
// hidden ".NAME.pending-PID" that also records the content it replaces; only then is the file
// itself changed, and the pending copy removed.
// A new file is written to a hidden ".NAME.writing-PID-N" and renamed into place, and only into a
// name that is free: a file there is never replaced, so the lock on it (FileLock.h) always holds
// the file its path names.

enum class Creation { Created, NameTaken, Failed };

// Creates the file with the bytes, whole or not at all. NameTaken when something already has the
// name: a file another game created a moment ago, which the caller then edits under its lock.
Creation createFileText(const std::string &path, std::string_view bytes);

// Gives the existing file the bytes in place of `current`, what it holds now. False when nothing was
// written, or when a failed write had to put the old content back. The caller holds the file's
// exclusive lock, and read `current` under it.
bool writeFileText(const std::string &path, std::string_view current, std::string_view bytes);

// Finishes what writes that were cut short (the game killed, the machine off) left beside the file:
// a pending copy goes into the file unless the file has been written since, half-made new files of
// games that are gone go. The caller holds the file's exclusive lock.
void finishInterruptedWrites(const std::string &path);

} // namespace quellard
