#include "settings/FileChecks.h"
#include "settings/Settings.h"

#include "support/AsPlayer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace quellard {
namespace {

using namespace quellard::testing;

TEST(SettingsStore, FileIsNamedAfterTheTitleInTheApplicationFolder)
{
    EXPECT_EQ(settingsFileName("My Game"), "My_Game.ini");
    EXPECT_EQ(SettingsStore("/").settingsFilePath(), "/Quellard.ini");
    EXPECT_EQ(appFilePath("/opt/q/", "images", "imglake.gif"), "/opt/q/images/imglake.gif");
}

TEST(SettingsStore, ReadsTheFileAsItIsNowAndNeverCreatesIt)
{
    TempFolder folder;
    const SettingsStore store(folder.str());
    EXPECT_EQ(store.readSetting("Settings", "Sounds", "fallback"), "fallback");
    EXPECT_EQ(folder.entries(), 0);

    EXPECT_TRUE(store.writeSetting("Deck", "Default", "imglake.gif"));
    EXPECT_EQ(folder.entries(), 1); // no temporary file left beside it
    folder.write("Quellard.ini", "[Deck]\nDefault=" + std::string(200, 'x') + "\n");
    EXPECT_EQ(store.readSetting("Deck", "Default"), std::string(154, 'x'));
    EXPECT_EQ(store.readSetting("Deck", "Missing", "on  "), "on") << "a default loses its trailing blanks";
}

TEST(SettingsStore, MovesToThePlayersFolderWhenTheGamesFolderIsNotTheirs)
{
    TempFolder game, user;
    const std::string userFolder = user.file("config/quellard");
    ::chmod(game.str().c_str(), 0755);
    ::chmod(user.str().c_str(), 0755);
    giveToPlayer(user.str().c_str());
    const SettingsStore store(game.str(), userFolder);

    // A folder the player cannot write, without the file: an installed game.
    EXPECT_TRUE(asPlayer([&] {
        ::chmod(game.str().c_str(), 0555); // only binds a player who owns the folder
        return store.settingsFilePath() == userFolder + "/Quellard.ini" && store.writeSetting("Deck", "Default", "x") &&
               store.readSetting("Deck", "Default") == "x";
    }));
    ::chmod(game.str().c_str(), 0755);
    EXPECT_EQ(user.read("config/quellard/Quellard.ini"), "[Deck]\r\nDefault=x\r\n");
    EXPECT_EQ(std::filesystem::status(userFolder).permissions(), std::filesystem::perms::owner_all);
    EXPECT_EQ(game.entries(), 0);

    // Writable beside the executable: it stays there, whatever the player's folder holds.
    EXPECT_EQ(store.settingsFilePath(), game.str() + "/Quellard.ini");
    // A read-only file there is left alone, even by the superuser.
    const std::string readOnly = game.write("Quellard.ini", "[Deck]\r\nDefault=mine\r\n");
    ::chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(store.settingsFilePath(), userFolder + "/Quellard.ini");
    EXPECT_EQ(SettingsStore(game.str()).settingsFilePath(), readOnly) << "no player's folder: nowhere else to go";
}

TEST(SettingsStore, ThePlayersFolderFollowsXdgConfigHome)
{
    struct Case {
        const char *xdgConfigHome, *home, *folder;
    };
    for (const Case &c :
         {Case{"/cfg", "/home/ann", "/cfg/quellard"}, Case{nullptr, "/home/ann", "/home/ann/.config/quellard"},
          Case{"", "/home/ann/", "/home/ann/.config/quellard"},
          Case{"relative/cfg", "/home/ann", "/home/ann/.config/quellard"}, Case{nullptr, nullptr, ""}}) {
        EXPECT_EQ(userSettingsFolder(c.xdgConfigHome, c.home), c.folder) << c.folder;
    }
}

TEST(FileChecks, OnlyExistingVisibleNormalFilesExist)
{
    TempFolder folder;
    const std::string plain = folder.write("images/imglake.gif", "GIF89a");
    std::filesystem::permissions(plain, std::filesystem::perms::owner_read);
    std::filesystem::create_symlink(plain, folder.file("link.gif"));
    for (const auto &[path, exists] : {std::pair{std::string("   "), false},
                                       {folder.file("images"), false},
                                       {folder.write("images/.hidden.gif", "GIF89a"), false},
                                       {folder.file("images/missing.gif"), false},
                                       {plain, true}, // read-only
                                       {folder.write(".local/images/imglake.gif", "GIF89a"), true},
                                       {folder.file("link.gif"), true}}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(fileExists(path), exists);
    }
}

} // namespace
} // namespace quellard
