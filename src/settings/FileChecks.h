// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quellard {

// True for empty text and text of blanks only; other white space, such as a tab, is not blank.
bool isBlank(std::string_view text);

// True when the path is not blank and names an existing normal file (a link to one counts), one
// that may be read-only. False for a folder, a device or pipe, a missing name and a hidden file,
// that is one whose own name begins with a dot; a hidden folder on the way does not matter.
// Wildcard characters are ordinary characters in a name here.
bool fileExists(const std::string &path);

// The file the game means by the path. The game's file names come from a system whose file names
// ignore letter case: when the exact name is missing, the path of a visible file of the same name
// in other letter case in that folder (the first in byte order, should there be several);
// otherwise the path as given.
std::string findIgnoringCase(const std::string &path);

// True when this process may write the file: it exists and is writable, or it is missing and its
// folder takes new files. A link to a missing file is not writable: it is left alone.
bool playerCanWrite(const std::string &path);

} // namespace quellard
