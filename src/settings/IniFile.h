// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quellard {

// An INI file on disk, read on every call and written on every change: nothing is kept in memory,
// so a value written by one part of the game is what the next read sees, and a player's edit of
// the file counts from the next read on. The text rules are those of IniText.h.
//
// Several games may share the file. A read holds a shared lock on it, and a write an exclusive one
// from its read to its last byte (FileLock.h), so writes never interleave and each edits what the
// last one left.
//
// While the file does not exist, a stand-in may hold for it: the stand-in is read in its place, and
// the first write makes the file from a copy of it, so every value not written reads as before.
class IniFile {
public:
    // A value read back is cut to this many characters, as profile readers with a 155-character
    // buffer (the terminating zero included) have always done.
    static constexpr std::size_t kMaxValueLength = 154;

    explicit IniFile(std::string path, std::string standIn = {});

    const std::string &path() const { return m_path; }

    // The stored value, whole, or nothing when the file, the section or the key is missing or the
    // file cannot be read. Never creates anything.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The stored value, or the default (less its trailing blanks) when it is missing, cut to
    // kMaxValueLength characters.
    std::string readString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // Stores the value, creating the file, the section and the key as needed. Returns false when
    // nothing was written: an existing file that cannot be read (it is left alone rather than
    // replaced by a fresh one), names the format cannot hold, another game holding the file past
    // FileLock::kLongestWait, or a failed write, which leaves the old file whole.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    // Finishes a write of the file that was cut short, and clears away what it left (FileWrite.h).
    // Every write does so first, too.
    void finishInterruptedWrites() const;

private:
    std::string m_path;
    std::string m_standIn;
};

} // namespace quellard
