// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/AppPaths.h"
#include "settings/FileChecks.h"
#include "settings/Settings.h"
#include "settings/SoundSwitch.h"

#include "support/AsPlayer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quellard::testing {

// Reads go to the file as it is now and never create it; only an empty entry or "1" turns sound on.
TEST(SettingsStore, ReadsTheFileAsItIsNowAndNeverCreatesIt)
{
    EXPECT_EQ(settingsFileName(" My  Game "), "_My__Game_.ini") << "every blank becomes an underscore";
    EXPECT_EQ(SettingsStore("/").settingsFilePath(), "/Quellard.ini");
    TempFolder folder;
    const SettingsStore store(folder.str());
    EXPECT_EQ(store.readSetting("Deck", "Missing", "on  "), "on") << "a default loses its trailing blanks";
    EXPECT_EQ(folder.entries(), 0);
    for (const auto &[stored, read] : {std::pair{153, 153}, {154, 154}, {155, 154}}) { // cut to 154 characters
        folder.write("Quellard.ini", "[Deck]\nDefault=" + std::string(std::size_t(stored), 'x') + "\n");
        EXPECT_EQ(store.readSetting("Deck", "Default").size(), std::size_t(read)) << "stored " << stored;
    }
    for (const auto &[stored, on] : {std::pair{"", true}, {"1", true}, {"0", false}, {"yes", false}}) {
        folder.write("Quellard.ini", std::string("[Settings]\r\nSounds=") + stored + "\r\n");
        EXPECT_EQ(SoundSwitch(store).startUpTick(), on) << "the sound switch with Sounds=" << stored;
    }
}

// Beside the executable while the player can write it there; otherwise in the player's own folder.
TEST(SettingsStore, MovesToThePlayersFolderWhenTheGamesFolderIsNotTheirs)
{
    TempFolder game, user;
    const std::string userFolder = user.file("config/quellard");
    ::chmod(game.str().c_str(), 0755);
    ::chmod(user.str().c_str(), 0755);
    giveToPlayer(user.str().c_str());
    const SettingsStore store(game.str(), userFolder);
    EXPECT_TRUE(asPlayer([&] { // a folder the player cannot write, without the file: an installed game
        ::chmod(game.str().c_str(), 0555);
        return store.settingsFilePath() == userFolder + "/Quellard.ini" && store.writeSetting("Deck", "Default", "x") &&
               store.readSetting("Deck", "Default") == "x";
    })) << "the settings did not move to the player's folder";
    ::chmod(game.str().c_str(), 0755);
    EXPECT_EQ(user.read("config/quellard/Quellard.ini"), "[Deck]\r\nDefault=x\r\n");
    EXPECT_EQ(std::filesystem::status(userFolder).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(store.settingsFilePath(), game.str() + "/Quellard.ini");
    // A link to a missing file is left alone: the settings go to the player's folder, or nowhere.
    std::filesystem::create_symlink(game.file("gone/Quellard.ini"), game.file("Quellard.ini"));
    EXPECT_FALSE(SettingsStore(game.str()).writeSetting("Deck", "Default", "y"));
    EXPECT_TRUE(store.writeSetting("Deck", "Default", "y"));
    EXPECT_TRUE(std::filesystem::is_symlink(game.file("Quellard.ini")) && !std::filesystem::exists(game.file("gone")));
    EXPECT_EQ(user.read("config/quellard/Quellard.ini"), "[Deck]\r\nDefault=y\r\n");
    for (const auto &[xdg, home, folder] : {std::tuple{"/cfg", "/home/ann", "/cfg/quellard"},
                                            {"", "/home/ann/", "/home/ann/.config/quellard"},
                                            {"relative", "/home/ann", "/home/ann/.config/quellard"}})
        EXPECT_EQ(userSettingsFolder(xdg, home), folder);
    EXPECT_EQ(userSettingsFolder(nullptr, nullptr), "");
}

// A read-only file beside the game holds until the player changes a setting, which starts their own
// file as a copy of it.
TEST(SettingsStore, AReadOnlyFileBesideTheGameHoldsUntilThePlayerChangesASetting)
{
    TempFolder game, user;
    const SettingsStore store(game.str(), user.str());
    const std::string administrators = "[Settings]\r\nSounds=0\r\n; for the club\r\n[Deck]\r\nDefault=imgfish.gif\r\n";
    ::chmod(game.write("Quellard.ini", administrators).c_str(), 0444); // read-only, even to root
    EXPECT_FALSE(SoundSwitch(store).startUpTick());
    EXPECT_EQ(user.entries(), 0) << "reading made the player's own file";
    EXPECT_EQ(SettingsStore(game.str(), "").readSetting("Deck", "Default"), "imgfish.gif") << "read without a home";
    EXPECT_TRUE(SoundSwitch(store).soundClick(false));
    EXPECT_EQ(user.read("Quellard.ini"),
              "[Settings]\r\nSounds=1\r\n; for the club\r\n[Deck]\r\nDefault=imgfish.gif\r\n");
    EXPECT_EQ(game.read("Quellard.ini"), administrators);
    EXPECT_TRUE(SoundSwitch(store).startUpTick()) << "the file beside the game still holds";
}

// A game folder has its files beside the executable, an installed game in ../share/games/quellard,
// with its settings in the player's folder, even for root.
TEST(SettingsStore, AnInstalledGameKeepsNoSettingsBesideItsFiles)
{
    TempFolder root;
    root.write("usr/share/games/quellard/help.html", "");
    for (const auto &[executable, beside, files, settings] :
         {std::tuple{"usr/games", "", "usr/share/games/quellard", ""},
          {"usr/bin", "sounds/whoosh.wav", "usr/bin", "usr/bin"}, // each beside an installed game's files
          {"usr/sbin", "images/imglake.gif", "usr/sbin", "usr/sbin"},
          {"usr/libexec", "help.html", "usr/libexec", "usr/libexec"},
          {"lost/games", "", "lost/games", "lost/games"}}) {
        std::filesystem::create_directories(root.file(executable));
        if (*beside)
            root.write(std::string(executable) + "/" + beside, "");
        const GameFolders folders = findGameFolders(root.file(executable));
        EXPECT_EQ(folders.files, root.file(files)) << executable;
        EXPECT_EQ(folders.settings, *settings ? root.file(settings) : "") << executable;
    }
    const SettingsStore installed("", root.file("home/config/quellard"));
    EXPECT_EQ(installed.settingsFilePath(), root.file("home/config/quellard/Quellard.ini"));
    EXPECT_TRUE(installed.writeSetting("Settings", "Sounds", "0"));
    EXPECT_EQ(root.read("home/config/quellard/Quellard.ini"), "[Settings]\r\nSounds=0\r\n");
    const SettingsStore nowhere("", "");
    EXPECT_EQ(nowhere.settingsFilePath(), "");
    EXPECT_FALSE(nowhere.writeSetting("Settings", "Sounds", "0"));
    EXPECT_EQ(nowhere.readSetting("Settings", "Sounds", "default"), "default");
}

// Blank is spaces only, not a tab. A file exists when it is a visible normal file or a link to one,
// and is found in any letter case.
TEST(FileChecks, BlanksAndFiles)
{
    for (const auto &[text, blank] : {std::pair{"", true}, {"   ", true}, {"\t", false}, {" a ", false}})
        EXPECT_EQ(isBlank(text), blank) << "'" << text << "'";
    TempFolder folder;
    const std::string plain = folder.write("images/imglake.gif", "GIF89a");
    std::filesystem::permissions(plain, std::filesystem::perms::owner_read);
    std::filesystem::create_symlink(plain, folder.file("link.gif"));
    for (const auto &[path, exists] : {std::pair{std::string("   "), false},
                                       {folder.file("images"), false},
                                       {folder.write("images/.hidden.gif", "GIF89a"), false},
                                       {folder.file("images/missing.gif"), false},
                                       {plain, true} /* read-only */,
                                       {folder.write(".local/images/imglake.gif", "GIF89a"), true},
                                       {folder.file("link.gif"), true}})
        EXPECT_EQ(fileExists(path), exists) << path;
    // Of two names that differ only in case, the first in byte order, whatever the folder's order.
    folder.write("images/Lake.GIF", ""), folder.write("images/LAKE.gif", "");
    EXPECT_EQ(findIgnoringCase(folder.file("images/lake.gif")), folder.file("images/LAKE.gif"));
}

} // namespace quellard::testing
