// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Writing a small file whole, in place, without ever leaving it half written.
//
// An existing file is written where it lies, never replaced by another: it keeps its owner, its
// permissions and every link to it, and a file the player may write in a folder they may not is
// still saved. A file without write permission is left alone. So that an interrupted write can be
// finished, the new content first goes beside the file, when its folder takes new files, as a
// hidden ".NAME.pending-PID"; only then is the file itself changed, and the pending copy removed.
// A new file is written to a hidden ".NAME.writing-PID-N" and renamed into place.

// Gives the file the bytes, or creates it with them. False when nothing was written, or when a
// failed write had to put the old content back.
bool writeFileText(const std::string &path, std::string_view bytes);

// Finishes what a write that was cut short (the game killed, the machine off) left beside the
// file: a pending copy goes into the file, half-made temporary files go. The leftovers of a game
// still running are left to it.
void finishInterruptedWrites(const std::string &path);

} // namespace quellard
