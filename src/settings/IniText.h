// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quellard {

// The settings file's INI text, read and edited as bytes in memory. The rules are those players
// know from Windows profile files:
// - a line whose first non-blank character is '[' names a section; the name ends at the first ']',
//   or with the line when it holds none;
// - a line whose first non-blank character is ';' is a comment ('#' is an ordinary character);
// - any other line with an '=' is a key line: the key before the first '=', the value after it;
// - blanks and tabs around the file's names and values do not count, and one pair of matching
//   quotes (" or ') around a whole value is removed; the caller's section and key names lose the
//   spaces around them, but not tabs;
// - section and key names match without regard to letter case; the first matching section and
//   the first matching key in it win;
// - lines end at CR LF, LF or a lone CR;
// - a UTF-8 byte-order mark at the start of the text is kept but does not count.

// The value of the key in the section, or nothing when the section or the key is missing.
std::optional<std::string> iniValue(std::string_view text, std::string_view section, std::string_view key);

// True when the section, key and value can be written without changing the file's structure:
// names that are not blank and have no tab at either end, no line break anywhere, no ']' in the
// section name, no '=' in the key and a key that does not begin like a section line or a comment.
bool iniCanStore(std::string_view section, std::string_view key, std::string_view value);

// The text with the key set to the value, or nothing when iniCanStore refuses the names. An
// existing value is replaced in place, keeping the file's spelling of the key; a new key goes after
// the last key line of its section; a new section goes at the end. New lines end in CR LF, and so
// does a changed last line that had no line break; every other byte of the text stays as it was.
std::optional<std::string> iniWithValue(std::string_view text, std::string_view section, std::string_view key,
                                        std::string_view value);

} // namespace quellard
