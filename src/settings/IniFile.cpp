// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/IniFile.h"

#include "settings/FileLock.h"
#include "settings/FileText.h"
#include "settings/FileWrite.h"
#include "settings/IniText.h"

#include <utility>

namespace quellard {

namespace {

// The file's text, read under a shared lock. A game that keeps the lock past the wait is stuck; the
// file is read all the same rather than keep the window waiting.
FileText readLocked(const std::string &path)
{
    const FileLock lock(path, FileLock::Kind::Shared);
    return readFileText(path);
}

} // namespace

IniFile::IniFile(std::string path, std::string standIn) : m_path(std::move(path)), m_standIn(std::move(standIn)) {}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const
{
    FileText file = readLocked(m_path);
    if (file.status == FileReadStatus::Missing && !m_standIn.empty())
        file = readLocked(m_standIn);
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
    // A second round for a file another game creates between this one's look and its own creation:
    // this write then edits the file that game made.
    for (int round = 0; round < 2; ++round) {
        const FileLock lock(m_path, FileLock::Kind::Exclusive);
        if (lock.fileMissing()) {
            // A missing file starts as a copy of its stand-in: what the player has seen so far.
            const FileText standIn = m_standIn.empty() ? FileText{} : readLocked(m_standIn);
            const std::optional<std::string> created = iniWithValue(standIn.bytes, section, key, value);
            const Creation creation = created ? createFileText(m_path, *created) : Creation::Failed;
            if (creation == Creation::NameTaken)
                continue;
            return creation == Creation::Created;
        }
        if (!lock.held())
            return false;
        // A game killed while writing may have left the file half written: that write is finished
        // first, so that this one edits whole text and no later start can roll this one back.
        quellard::finishInterruptedWrites(m_path);
        const FileText file = readFileText(m_path);
        const std::optional<std::string> changed =
            file.status == FileReadStatus::Read ? iniWithValue(file.bytes, section, key, value) : std::nullopt;
        return changed && (*changed == file.bytes || writeFileText(m_path, file.bytes, *changed));
    }
    return false;
}

void IniFile::finishInterruptedWrites() const
{
    if (const FileLock lock(m_path, FileLock::Kind::Exclusive); lock.held())
        quellard::finishInterruptedWrites(m_path);
}

} // namespace quellard
