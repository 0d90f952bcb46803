#include "settings/Settings.h"

#include "settings/ApplicationTitle.h"
#include "settings/IniFile.h"

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

SettingsStore::SettingsStore(std::string applicationFolder) : m_folder(std::move(applicationFolder)) {}

std::string SettingsStore::settingsFilePath() const
{
    return appFilePath(m_folder, settingsFileName(kApplicationTitle));
}

std::string SettingsStore::readSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) const
{
    return IniFile(settingsFilePath()).readString(section, key, defaultValue);
}

bool SettingsStore::writeSetting(std::string_view section, std::string_view key, std::string_view value) const
{
    return IniFile(settingsFilePath()).write(section, key, value);
}

} // namespace quellard
