#include "settings/FileWrite.h"
#include "settings/Settings.h"

#include "support/AsPlayer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace quellard {
namespace {

using namespace quellard::testing;
namespace fs = std::filesystem;

const std::string kSoundOff = "[Settings]\r\nSounds=0\r\n";
const std::string kSoundOn = "[Settings]\r\nSounds=1\r\n";

// A write cut short part-way (here by a file size limit, which binds even the superuser) must
// leave the old file whole, and nothing beside it.
TEST(FileWrite, AFailedWriteKeepsTheOldFile)
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

// The file is written where it lies: every name it has, its owner and its permissions stay.
TEST(FileWrite, TheFileKeepsItsLinksOwnerAndPermissions)
{
    TempFolder folder;
    const std::string target = folder.write("elsewhere/Quellard.ini", kSoundOff);
    fs::permissions(target, fs::perms(0640));
    giveToPlayer(target.c_str()); // a file of the player's, written by root in CI
    fs::create_symlink(target, folder.file("Quellard.ini"));
    fs::create_hard_link(target, folder.file("elsewhere/second-name.ini"));
    const struct stat before = [&] {
        struct stat info {};
        ::stat(target.c_str(), &info);
        return info;
    }();

    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "1"));
    struct stat after {};
    ASSERT_EQ(::stat(target.c_str(), &after), 0);
    EXPECT_EQ(folder.read("elsewhere/Quellard.ini"), kSoundOn);
    EXPECT_EQ(folder.read("elsewhere/second-name.ini"), kSoundOn) << "the hard link was split";
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_TRUE(fs::is_symlink(folder.file("Quellard.ini")));
}

TEST(FileWrite, AReadOnlyFileIsNeverOverwritten)
{
    TempFolder folder;
    const std::string path = folder.write("Quellard.ini", kSoundOff);
    fs::permissions(path, fs::perms(0444));
    EXPECT_FALSE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "1"));
    EXPECT_EQ(folder.read("Quellard.ini"), kSoundOff);
    EXPECT_EQ(folder.entries(), 1);
}

// A file the player may write, in a folder they may not: it is saved, where it is.
TEST(FileWrite, AWritableFileInAFolderThePlayerCannotWriteIsSaved)
{
    TempFolder folder;
    const std::string path = folder.write("Quellard.ini", kSoundOff);
    ::chmod(folder.str().c_str(), 0755);
    giveToPlayer(path.c_str());
    const SettingsStore store(folder.str(), folder.file("unused"));
    EXPECT_TRUE(asPlayer([&] {
        ::chmod(folder.str().c_str(), 0555); // binds a player who owns the folder; root's is not theirs
        return store.settingsFilePath() == path && store.writeSetting("Settings", "Sounds", "1");
    }));
    ::chmod(folder.str().c_str(), 0755);
    EXPECT_EQ(folder.read("Quellard.ini"), kSoundOn);
    EXPECT_EQ(folder.entries(), 1);
}

// What an interrupted write leaves is finished when the game starts again: a whole pending copy
// goes into the file, half-made copies go, and a running game's own are left to it.
TEST(FileWrite, AnInterruptedWriteIsFinishedAtTheNextStart)
{
    TempFolder folder;
    folder.write("Quellard.ini", "[Settings]\r\nSou");
    constexpr const char *kGone = "999999"; // no process has this number
    ASSERT_NE(::kill(999999, 0), 0);
    folder.write(std::string(".Quellard.ini.pending-") + kGone, kSoundOn);
    folder.write(std::string(".Quellard.ini.writing-") + kGone + "-3", "[Sett");
    const std::string running = ".Quellard.ini.writing-" + std::to_string(::getppid()) + "-0";
    folder.write(running, "[Sett");

    SettingsStore(folder.str()).finishInterruptedWrites();
    EXPECT_EQ(folder.read("Quellard.ini"), kSoundOn);
    EXPECT_EQ(folder.entries(), 2);
    EXPECT_TRUE(fs::exists(folder.file(running)));
}

// The game killed at any moment of its writes, a hundred times: once it starts again, the file
// reads whole and nothing is left beside it.
TEST(FileWrite, WritesKilledAtAnyMomentLeaveAWholeFileAndNothingElse)
{
    TempFolder folder;
    folder.write("Quellard.ini", kSoundOff);
    std::mt19937 random(20261206);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            const SettingsStore store(folder.str());
            for (int i = 0;; ++i)
                store.writeSetting("Settings", "Sounds", i % 2 ? "1" : "0");
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    SettingsStore(folder.str()).finishInterruptedWrites();
    const std::string text = folder.read("Quellard.ini");
    EXPECT_TRUE(text == kSoundOff || text == kSoundOn) << text;
    EXPECT_EQ(folder.entries(), 1);
}

} // namespace
} // namespace quellard
