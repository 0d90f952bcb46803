// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace quellard {

// Paths of the files that lie in the application's folder, the folder of the executable. The
// folder may end in a separator (the root, "/") or not; either way one separator joins the parts.

// folder/fileName, for example the help page.
std::string appFilePath(std::string_view folder, std::string_view fileName);

// folder/subfolder/fileName, for example appFilePath(folder, "images", "imglake.gif").
std::string appFilePath(std::string_view folder, std::string_view subfolder, std::string_view fileName);

// Where the game's files lie, as the file system's bytes.
struct GameFolders {
    // The pictures (images/), sounds (sounds/) and help page (help.html).
    std::string files;
    // Where the settings file lies while the player can write there: the game's own folder. Empty
    // for an installed game, whose settings always live in the player's own settings folder.
    std::string settings;
};

// The folders of a game whose executable lies in executableFolder. A game folder the player built
// or copied holds its files beside the executable. Failing that, the installed layout holds them
// in ../share/games/quellard relative to it (/usr/games and /usr/share/games/quellard). A folder
// that is neither is taken as a game folder that lost its files, which the game then reports.
GameFolders findGameFolders(const std::string &executableFolder);

} // namespace quellard
