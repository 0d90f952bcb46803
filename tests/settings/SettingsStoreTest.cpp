#include "settings/Settings.h"

#include "settings/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace quellard {
namespace {

using testing::TempFolder;
using Strings = std::vector<std::string>;

TEST(SettingsPaths, FilesLieInTheApplicationFolder)
{
    EXPECT_EQ(settingsFileName("My Game"), "My_Game.ini");
    EXPECT_EQ(settingsFileName(" A  b "), "_A__b_.ini");
    EXPECT_EQ(SettingsStore("/opt/quellard").settingsFilePath(), "/opt/quellard/Quellard.ini");
    EXPECT_EQ(SettingsStore("/").settingsFilePath(), "/Quellard.ini");
    EXPECT_EQ(appFilePath("/opt/q/", "images", "imglake.gif"), "/opt/q/images/imglake.gif");
    EXPECT_EQ(appFilePath("/", "sounds", "clap.wav"), "/sounds/clap.wav");
}

TEST(SettingsStore, ExampleFileAfterLakeAndSoundOff)
{
    TempFolder folder;
    const SettingsStore store(folder.str());
    EXPECT_TRUE(store.writeSetting("Deck", "Default", "imglake.gif"));
    EXPECT_TRUE(store.writeSetting("Settings", "Sounds", "0"));
    EXPECT_EQ(folder.read("Quellard.ini"), "[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=0\r\n");
    EXPECT_EQ(store.readSetting("deck", "default"), "imglake.gif");
    EXPECT_EQ(folder.names(), Strings{"Quellard.ini"}); // no temporary file left beside it

    // Nothing is remembered between calls: an edit by hand counts from the next read.
    folder.write("Quellard.ini", "[Settings]\nSounds=1\n");
    EXPECT_EQ(store.readSetting("Settings", "Sounds"), "1");
    EXPECT_EQ(store.readSetting("Deck", "Default"), "");
}

TEST(SettingsStore, ReadOfMissingFileCreatesNothing)
{
    TempFolder folder;
    const SettingsStore store(folder.str());
    EXPECT_EQ(store.readSetting("Settings", "Sounds"), "");
    EXPECT_EQ(store.readSetting("Settings", "Sounds", "fallback"), "fallback");
    EXPECT_TRUE(folder.names().empty());

    const SettingsStore inMissingFolder(folder.file("gone"));
    EXPECT_EQ(inMissingFolder.readSetting("Settings", "Sounds"), "");
    EXPECT_TRUE(folder.names().empty());
}

TEST(SettingsStore, LongValueReadsBackCutTo154)
{
    TempFolder folder;
    const std::string value(200, 'x');
    folder.write("Quellard.ini", "[Deck]\nDefault=" + value + "\n");
    EXPECT_EQ(SettingsStore(folder.str()).readSetting("Deck", "Default"), value.substr(0, 154));
}

TEST(SettingsStore, SettingsPathThatIsAFolderIsLeftAlone)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "Quellard.ini");
    folder.write("Quellard.ini/inside", "kept");
    const SettingsStore store(folder.str());
    EXPECT_EQ(store.readSetting("Deck", "Default"), "");
    EXPECT_FALSE(store.writeSetting("Deck", "Default", "imglake.gif"));
    EXPECT_EQ(folder.read("Quellard.ini/inside"), "kept");
    EXPECT_EQ(folder.names(), Strings{"Quellard.ini"});
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
    EXPECT_EQ(folder.names(), Strings{"Quellard.ini"});
}

TEST(SettingsStore, WriteKeepsPermissionsAndLinks)
{
    TempFolder folder;
    const std::string target = folder.write("elsewhere/Quellard.ini", "[Deck]\nDefault=a\n");
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    std::filesystem::create_symlink(target, folder.path() / "Quellard.ini");

    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Deck", "Default", "b"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "Quellard.ini"));
    EXPECT_EQ(folder.read("elsewhere/Quellard.ini"), "[Deck]\nDefault=b\n");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

} // namespace
} // namespace quellard
