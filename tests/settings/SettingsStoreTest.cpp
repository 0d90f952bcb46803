#include "settings/FileChecks.h"
#include "settings/Settings.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>

namespace quellard {
namespace {

using testing::TempFolder;

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
}

// A write cut short part-way (here by a file size limit, which binds even the superuser) must
// leave the old file whole.
TEST(SettingsStore, FailedWriteKeepsTheOldFile)
{
    TempFolder folder;
    const std::string old = "; mine\r\n[Deck]\r\nDefault=imglake.gif\r\n";
    folder.write("Quellard.ini", old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "0");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(folder.read("Quellard.ini"), old);
    EXPECT_EQ(folder.entries(), 1);
}

TEST(SettingsStore, WriteKeepsPermissionsAndLinks)
{
    TempFolder folder;
    const std::string target = folder.write("elsewhere/Quellard.ini", "[Deck]\nDefault=a\n");
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    std::filesystem::create_symlink(target, folder.file("Quellard.ini"));

    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Deck", "Default", "b"));
    EXPECT_EQ(folder.read("elsewhere/Quellard.ini"), "[Deck]\nDefault=b\n");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
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
