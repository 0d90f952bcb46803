// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/Settings.h"

#include "settings/ApplicationTitle.h"
#include "settings/FileChecks.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

namespace quellard {

std::string settingsFileName(std::string_view applicationTitle)
{
    std::string name(applicationTitle);
    for (char &c : name)
        if (c == ' ')
            c = '_';
    return name + ".ini";
}

SettingsStore::SettingsStore(std::string gameFolder, std::string userFolder)
    : m_folder(std::move(gameFolder)),
      m_userFolder(std::move(userFolder))
{}

std::string SettingsStore::settingsFilePath() const
{
    const std::string name = settingsFileName(kApplicationTitle);
    if (!m_folder.empty()) {
        std::string beside = appFilePath(m_folder, name);
        if (m_userFolder.empty() || playerCanWrite(beside))
            return beside;
    }
    return m_userFolder.empty() ? std::string() : appFilePath(m_userFolder, name);
}

IniFile SettingsStore::settingsFile() const
{
    const std::string path = settingsFilePath();
    const std::string beside = m_folder.empty() ? "" : appFilePath(m_folder, settingsFileName(kApplicationTitle));
    return IniFile(path, path == beside ? "" : beside);
}

std::string SettingsStore::readSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    const IniFile file = settingsFile();
    return file.path().empty() ? std::string(defaultValue) : file.readString(section, key, defaultValue);
}

bool SettingsStore::writeSetting(std::string_view section, std::string_view key, std::string_view value) const
{
    const IniFile file = settingsFile();
    if (file.path().empty())
        return false;
    // The player's settings folder may not exist yet; like any folder of settings it is the
    // player's alone.
    if (!m_userFolder.empty() && file.path().compare(0, m_userFolder.size(), m_userFolder) == 0) {
        std::error_code error;
        if (std::filesystem::create_directories(m_userFolder, error))
            std::filesystem::permissions(m_userFolder, std::filesystem::perms::owner_all, error);
    }
    return file.write(section, key, value);
}

void SettingsStore::finishInterruptedWrites() const
{
    if (const IniFile file = settingsFile(); !file.path().empty())
        file.finishInterruptedWrites();
}

std::string userSettingsFolder(const char *xdgConfigHome, const char *home)
{
    std::string base;
    if (xdgConfigHome && xdgConfigHome[0] == '/')
        base = xdgConfigHome;
    else if (home && home[0] == '/')
        base = appFilePath(home, ".config");
    return base.empty() ? base : appFilePath(base, "quellard");
}

std::string userSettingsFolder() { return userSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")); }

} // namespace quellard
