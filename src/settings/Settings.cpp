#include "settings/Settings.h"

#include "settings/ApplicationTitle.h"
#include "settings/FileChecks.h"
#include "settings/FileWrite.h"
#include "settings/IniFile.h"

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

SettingsStore::SettingsStore(std::string applicationFolder, std::string userFolder)
    : m_folder(std::move(applicationFolder)),
      m_userFolder(std::move(userFolder))
{}

std::string SettingsStore::settingsFilePath() const
{
    const std::string name = settingsFileName(kApplicationTitle);
    std::string beside = appFilePath(m_folder, name);
    if (m_userFolder.empty() || playerCanWrite(beside))
        return beside;
    return appFilePath(m_userFolder, name);
}

std::string SettingsStore::readSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    return IniFile(settingsFilePath()).readString(section, key, defaultValue);
}

bool SettingsStore::writeSetting(std::string_view section, std::string_view key, std::string_view value) const
{
    const std::string path = settingsFilePath();
    // The player's settings folder may not exist yet; like any folder of settings it is the
    // player's alone.
    if (!m_userFolder.empty() && path.compare(0, m_userFolder.size(), m_userFolder) == 0) {
        std::error_code error;
        if (std::filesystem::create_directories(m_userFolder, error))
            std::filesystem::permissions(m_userFolder, std::filesystem::perms::owner_all, error);
    }
    return IniFile(path).write(section, key, value);
}

void SettingsStore::finishInterruptedWrites() const { quellard::finishInterruptedWrites(settingsFilePath()); }

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
