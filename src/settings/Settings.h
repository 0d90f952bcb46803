// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "settings/AppPaths.h"
#include "settings/IniFile.h"

#include <string>
#include <string_view>

namespace quellard {

// The settings file's name for an application title: every blank becomes "_", then ".ini"
// ("My Game" gives "My_Game.ini").
std::string settingsFileName(std::string_view applicationTitle);

// The game's settings: the file named after the game's title, with the sections "Deck" (key
// "Default", the chosen card back) and "Settings" (key "Sounds", the sound switch). Every read goes
// to the file and every write changes it at once; a missing file reads as empty values and only a
// write creates it.
//
// A game in a folder of its own keeps the file there, beside the executable, whenever the player
// can write it there: a game built from source or copied into a home folder keeps its settings
// with it. An installed game's files are not the player's, so there the file lies in the player's
// own settings folder, whoever plays, root included; the first write creates that folder. A file
// beside the game that the player may not write (an administrator's, or one the player made
// read-only) holds until the player changes a setting: it is read while the player's own file does
// not exist, and the first change starts that file as a copy of it, so that a changed sound switch
// does not cost the player the card back they saw.
class SettingsStore {
public:
    // gameFolder is the folder of a game of its own, empty for an installed game; userFolder is
    // where the file goes when the game's folder is not the player's to write, empty to keep it
    // beside the executable whatever happens.
    explicit SettingsStore(std::string gameFolder, std::string userFolder = {});

    // The file the settings are written to: "<game folder>/Quellard.ini" when there is one and the
    // player can write that file (it is writable, or it is missing from a writable folder), else
    // "<user folder>/Quellard.ini"; empty when there is neither folder, and then nothing is stored.
    // Worked out afresh on every call, as the file itself is read afresh.
    std::string settingsFilePath() const;

    // The stored value (at most 154 characters), or the default when the file, section or key is
    // missing. The value comes back as stored: neither lower-cased nor otherwise changed.
    std::string readSetting(std::string_view section, std::string_view key, std::string_view defaultValue = "") const;

    // Stores the value. The result is for tests: the game carries on with the choice for the rest
    // of the run whether or not it could be saved, and tells the player nothing.
    bool writeSetting(std::string_view section, std::string_view key, std::string_view value) const;

    // Finishes a write of the settings file that was cut short, and clears away what it left.
    void finishInterruptedWrites() const;

private:
    // The file at settingsFilePath(), with the file beside the game standing in for it when it is
    // the player's own.
    IniFile settingsFile() const;

    std::string m_folder;
    std::string m_userFolder;
};

// The player's own folder for the game's settings: "$XDG_CONFIG_HOME/quellard", or
// "$HOME/.config/quellard" when XDG_CONFIG_HOME is unset, empty or not an absolute path. Empty
// when neither names a folder.
std::string userSettingsFolder(const char *xdgConfigHome, const char *home);
// The same for this process's environment.
std::string userSettingsFolder();

} // namespace quellard
