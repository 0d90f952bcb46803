// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace quellard {

// The folder of the running executable, as the file system's own bytes: a game folder holds the
// game's pictures, sounds and help page beside it, and an installed game finds them from it. Qt's own answer is text
// and loses a folder name that is not valid UTF-8, which would send the game to the working folder instead. `link` is
// the kernel's link to the running executable; another link stands in for it in tests.
std::string executableFolder(const char *link = "/proc/self/exe");

} // namespace quellard
