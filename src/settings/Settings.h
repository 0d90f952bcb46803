#pragma once

#include "settings/AppPaths.h"

#include <string>
#include <string_view>

namespace quellard {

// The settings file's name for an application title: every blank becomes "_", then ".ini"
// ("My Game" gives "My_Game.ini").
std::string settingsFileName(std::string_view applicationTitle);

// The game's settings: the file named after the game's title in the application's folder, with
// the sections "Deck" (key "Default", the chosen card back) and "Settings" (key "Sounds", the
// sound switch). Every read goes to the file and every write changes it at once; a missing file
// reads as empty values and only a write creates it.
class SettingsStore {
public:
    explicit SettingsStore(std::string applicationFolder);

    const std::string &applicationFolder() const { return m_folder; }

    // The folder, one separator and the settings file's name: "<folder>/Quellard.ini".
    std::string settingsFilePath() const;

    // The stored value (at most 154 characters), or the default when the file, section or key is
    // missing. The value comes back as stored: neither lower-cased nor otherwise changed.
    std::string readSetting(std::string_view section, std::string_view key, std::string_view defaultValue = "") const;

    // Stores the value. The result is for tests: the game carries on with the choice for the rest
    // of the run whether or not it could be saved, and tells the player nothing.
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value) const;

private:
    std::string m_folder;
};

} // namespace quellard
