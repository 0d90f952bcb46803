// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniFile.h"

#include "settings/FileText.h"
#include "settings/FileWrite.h"
#include "settings/IniText.h"

#include <utility>

namespace quellard {

IniFile::IniFile(std::string path) : m_path(std::move(path)) {}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    const FileText file = readFileText(m_path);
    if (file.status != FileReadStatus::Read)
        return std::nullopt;
    return iniValue(file.bytes, section, key);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view defaultValue) const
{
    const std::optional<std::string> stored = value(section, key);
    // A default loses its trailing blanks, as profile readers do with theirs.
    std::string result = stored ? *stored : std::string(defaultValue.substr(0, defaultValue.find_last_not_of(' ') + 1));
    if (result.size() > kMaxValueLength)
        result.resize(kMaxValueLength);
    return result;
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) const
{
    const FileText file = readFileText(m_path);
    if (file.status == FileReadStatus::Unreadable)
        return false;
    const std::optional<std::string> changed = iniWithValue(file.bytes, section, key, value);
    if (!changed)
        return false;
    if (file.status == FileReadStatus::Read && *changed == file.bytes)
        return true;
    return writeFileText(m_path, *changed);
}

} // namespace quellard
