// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FileLock.h"
#include "settings/Settings.h"

#include "support/AsPlayer.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <random>
#include <regex>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>

namespace quellard::testing {

const std::string kSoundOff = "[Settings]\r\nSounds=0\r\n", kSoundOn = "[Settings]\r\nSounds=1\r\n";

// The file is written where it lies, keeping its names, owner and permissions; a read-only file is
// left alone, a writable one in a folder the player cannot write is saved all the same.
TEST(FileWrite, TheFileIsWrittenWhereItLiesOrNotAtAll)
{
    TempFolder folder;
    ::chmod(folder.str().c_str(), 0755);
    const std::string target = folder.write("elsewhere/Quellard.ini", kSoundOff);
    ::chmod(target.c_str(), 0640);
    giveToPlayer(target.c_str()); // a file of the player's, written by root in CI
    std::filesystem::create_symlink(target, folder.file("Quellard.ini"));
    std::filesystem::create_hard_link(target, folder.file("elsewhere/second-name.ini"));
    struct stat before = {}, after = {};
    ::stat(target.c_str(), &before);
    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "1"));
    ::stat(target.c_str(), &after);
    EXPECT_EQ(folder.read("elsewhere/second-name.ini"), kSoundOn) << "the hard link was split";
    EXPECT_TRUE(after.st_ino == before.st_ino && after.st_uid == before.st_uid && (after.st_mode & 07777) == 0640);

    ::chmod(target.c_str(), 0444);
    EXPECT_FALSE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "0"));
    EXPECT_EQ(folder.read("elsewhere/Quellard.ini"), kSoundOn);

    ::chmod(target.c_str(), 0644);
    const std::string theirs = folder.str() + "/elsewhere";
    EXPECT_TRUE(asPlayer([&] {
        ::chmod(theirs.c_str(), 0555); // binds a player who owns the folder; root's is not theirs
        return SettingsStore(theirs).writeSetting("Settings", "Sounds", "0");
    }));
    ::chmod(theirs.c_str(), 0755);
    EXPECT_EQ(folder.read("elsewhere/Quellard.ini"), kSoundOff);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(theirs), {}), 2) << "nothing left beside it";
}

// A game holding the file for a moment is waited for: the write lands once it lets go.
TEST(FileWrite, AWriteWaitsForAnotherGameToLetGo)
{
    using namespace std::chrono_literals;
    TempFolder folder;
    const std::string path = folder.write("Quellard.ini", kSoundOff);
    std::atomic<bool> holding = false;
    std::thread other([&] {
        const FileLock lock(path, FileLock::Kind::Exclusive);
        holding = true;
        std::this_thread::sleep_for(300ms);
    });
    while (!holding)
        std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "1"));
    other.join();
    EXPECT_EQ(folder.read("Quellard.ini"), kSoundOn);
}

// A write cut short by a file size limit (binding even root) leaves the old file whole, or none.
TEST(FileWrite, AFailedWriteKeepsTheOldFile)
{
    for (const std::string &before : {kSoundOff, std::string()}) {
        TempFolder folder;
        if (!before.empty())
            folder.write("Quellard.ini", before);
        rlimit saved{}, small{};
        getrlimit(RLIMIT_FSIZE, &saved);
        small = {16, saved.rlim_max};
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = SettingsStore(folder.str()).writeSetting("Deck", "Default", "imglake.gif");
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, handler);
        EXPECT_FALSE(written) << "with " << (before.empty() ? "no file" : "a file") << " before";
        EXPECT_EQ(folder.read("Quellard.ini"), before);
        EXPECT_EQ(folder.entries(), before.empty() ? 0 : 1);
    }
}

// The game killed in its writes a hundred times: at the next start the file reads whole, nothing left.
TEST(FileWrite, WritesKilledAtAnyMomentAreFinishedAtTheNextStart)
{
    using namespace std::chrono_literals;
    TempFolder folder;
    folder.write("Quellard.ini", kSoundOff);
    std::mt19937 random(20261206);
    for (int kill = 0; kill < 100; ++kill) {
        const pid_t writer = ::fork();
        for (int i = 0; writer == 0; ++i)
            SettingsStore(folder.str()).writeSetting("Settings", "Sounds", i % 2 ? "1" : "0");
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    SettingsStore(folder.str()).finishInterruptedWrites();
    EXPECT_TRUE(folder.read("Quellard.ini") == kSoundOff || folder.read("Quellard.ini") == kSoundOn);
    EXPECT_EQ(folder.entries(), 1);
    // A copy left by a game that died writing Default=x.gif: the next start, or the next save, finishes
    // it wherever it stopped, never over a file written since; a running game's new file is left alone.
    const std::string before = "[Deck]\r\nDefault=imglake.gif\r\n[Settings]\r\nSounds=1\r\n",
                      after = "[Deck]\r\nDefault=x.gif\r\n[Settings]\r\nSounds=1\r\n";
    const std::string running = ".Quellard.ini.writing-" + std::to_string(::getppid()) + "-0";
    folder.write(running, "[Sett");
    for (const auto &[left, finished] : {std::pair{before, true},    // killed before it touched the file
                                         {after + "ds=1\r\n", true}, // before the old tail was cut
                                         {after, true},              // before its copy was removed
                                         {"[Deck]\r\nDefault=x.gif\r\n[Settings]\r\nSounds=0\r\n", false},
                                         {before + "; mine\r\n", false}}) {
        const std::string file = folder.write("Quellard.ini", left);
        const std::string copy = folder.write(".Quellard.ini.pending-999999", "51\n" + before + after);
        std::filesystem::last_write_time(file, std::filesystem::last_write_time(copy) - 1min);
        SettingsStore(folder.str()).finishInterruptedWrites();
        EXPECT_EQ(folder.read("Quellard.ini"), finished ? after : left) << "left " << left;
        EXPECT_EQ(folder.entries(), 2);
    }
    folder.write("Quellard.ini", after + "ds=1\r\n");
    folder.write(".Quellard.ini.pending-999999", "51\n" + before + after);
    EXPECT_TRUE(SettingsStore(folder.str()).writeSetting("Settings", "Sounds", "0"));
    SettingsStore(folder.str()).finishInterruptedWrites();
    EXPECT_EQ(folder.read("Quellard.ini"), "[Deck]\r\nDefault=x.gif\r\n[Settings]\r\nSounds=0\r\n");
    EXPECT_TRUE(std::filesystem::exists(folder.file(running)));
}

// Two games saving as fast as they can while a third reads under the readers' lock: every read and
// the end hold every line written by hand, with only the two values changed.
TEST(FileWrite, TwoGamesAtOnceNeverDamageTheFile)
{
    using namespace std::chrono_literals;
    const auto holding = [](const std::string &deck, const std::string &sounds) {
        return std::regex("; set up by hand\r\n\\[Deck\\]\r\nDefault=" + deck +
                          "\r\n\\[Mine\\]\r\nkeep=me\r\n\\[Settings\\]\r\nSounds=" + sounds + "\r\n");
    };
    TempFolder folder;
    const std::string path = folder.write("Quellard.ini", "; set up by hand\r\n[Deck]\r\nDefault=imglake.gif\r\n"
                                                          "[Mine]\r\nkeep=me\r\n[Settings]\r\nSounds=1\r\n");
    const auto until = std::chrono::steady_clock::now() + 2s;
    std::vector<pid_t> games;
    const std::regex whole = holding("(imglake\\.gif|a+|b+)", "(1|a+|b+)");
    for (const char game : {'a', 'b'}) {
        if (games.push_back(::fork()); games.back() == 0)
            ::alarm(7); // a game that hangs is ended, and fails below
        // Values of every length from 1 to 13, so that each write grows or shrinks the file.
        for (int i = 0; games.back() == 0; ++i)
            if (std::chrono::steady_clock::now() > until)
                ::_exit(0);
            else
                SettingsStore(folder.str())
                    .writeSetting(i % 2 ? "Deck" : "Settings", i % 2 ? "Default" : "Sounds",
                                  std::string(std::size_t(i % 13 + 1), game));
    }
    std::string damaged;
    for (; std::chrono::steady_clock::now() < until && damaged.empty(); std::this_thread::sleep_for(1ms)) {
        const FileLock reading(path, FileLock::Kind::Shared);
        if (std::string now = folder.read("Quellard.ini"); !std::regex_match(now, whole))
            damaged = now;
    }
    EXPECT_EQ(damaged, "") << "a read found the file damaged";
    for (const pid_t game : games) {
        int status = 0;
        EXPECT_TRUE(::waitpid(game, &status, 0) == game && WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "a game hung or failed";
    }
    // A write kept waiting past the lock's bound gives up (allowed), but something must have been saved.
    const std::string file = folder.read("Quellard.ini");
    EXPECT_TRUE(std::regex_match(file, whole) && !std::regex_match(file, holding("imglake\\.gif", "1")))
        << "damaged, or nothing saved: " << file;
    EXPECT_EQ(folder.entries(), 1) << "something was left beside the file";
}

} // namespace quellard::testing
