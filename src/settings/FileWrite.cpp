// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/FileWrite.h"

#include "settings/Descriptor.h"
#include "settings/FileChecks.h"
#include "settings/FileText.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>

namespace quellard {

namespace {

namespace fs = std::filesystem;

// The hidden names beside the file: ".Quellard.ini.writing-PID-N" while a new copy is being made,
// ".Quellard.ini.pending-PID" once it is whole.
std::string sideName(const fs::path &file, const char *kind, std::string_view suffix)
{
    std::string name = ".";
    name += file.filename().string();
    name += kind;
    name += std::to_string(::getpid());
    name += suffix;
    return (file.parent_path() / name).string();
}

void syncFolder(const fs::path &folder)
{
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

// A whole new file with the bytes, made under a temporary name and renamed to `to`, over what has
// that name when `replace` is set.
Creation writeNewFile(const fs::path &beside, const std::string &to, std::string_view bytes, bool replace)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary = sideName(beside, ".writing-", "-" + std::to_string(counter++));
    // 0666 less the umask, as for any new file.
    Descriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    bool ok = file.valid() && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    Creation result = Creation::Failed;
    if (ok && ::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, to.c_str(), replace ? 0 : RENAME_NOREPLACE) == 0)
        result = Creation::Created;
    else if (ok && errno == EEXIST)
        result = Creation::NameTaken;
    // A file system that cannot refuse to replace (some FUSE ones) gets a plain rename: two games
    // creating the file at the same moment then keep the later one's, which is still whole.
    else if (ok && errno == EINVAL && ::rename(temporary.c_str(), to.c_str()) == 0)
        result = Creation::Created;
    if (result != Creation::Created)
        ::unlink(temporary.c_str());
    return result;
}

// Writes the bytes over the file's content where it lies.
bool writeInPlace(const std::string &path, std::string_view bytes)
{
    Descriptor file(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (!file.valid())
        return false;
    bool ok = writeAll(file.get(), bytes);
    ok = ok && ::ftruncate(file.get(), off_t(bytes.size())) == 0;
    ok = ok && ::fsync(file.get()) == 0;
    return file.close() && ok;
}

// Whether the process that left a side file is gone: its number follows the kind in the name.
bool writerIsGone(const std::string &name, const std::string &kind)
{
    const long pid = std::strtol(name.c_str() + kind.size(), nullptr, 10);
    return pid > 0 && pid != ::getpid() && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
}

// A pending copy holds what the file held when the write began, then the new content:
// "<size of the old content>\n<old content><new content>".
std::string pendingCopy(std::string_view before, std::string_view after)
{
    return std::to_string(before.size()) + "\n" + std::string(before) + std::string(after);
}

struct PendingCopy {
    std::string_view before, after;
};

std::optional<PendingCopy> readPendingCopy(std::string_view bytes)
{
    std::size_t size = 0;
    const char *const end = bytes.data() + bytes.size();
    const auto [newline, error] = std::from_chars(bytes.data(), end, size);
    if (error != std::errc() || newline == end || *newline != '\n' || size > std::size_t(end - newline - 1))
        return std::nullopt;
    const std::string_view rest(newline + 1, std::size_t(end - newline - 1));
    return PendingCopy{rest.substr(0, size), rest.substr(size)};
}

// Whether the file is where a write of `after` over `before`, cut short, leaves it: untouched, the
// first bytes of the new content over the old (whose tail was not yet cut), or done. Anything else
// was written after the copy was made, by a game or by hand, and stays: finishing the old write
// would roll it back. The contents tell this where the files' times could not: a file left half
// written is newer than its copy yet must be finished, a clock may step back, and some file systems
// keep times no finer than a second or two.
bool cutShortBetween(std::string_view file, std::string_view before, std::string_view after)
{
    if (file == after)
        return true;
    const std::size_t common =
        std::size_t(std::mismatch(file.begin(), file.end(), after.begin(), after.end()).first - file.begin());
    for (std::size_t written = 0; written <= common; ++written)
        if (file.substr(written) == before.substr(std::min(written, before.size())))
            return true;
    return false;
}

} // namespace

Creation createFileText(const std::string &path, std::string_view bytes)
{
    return writeNewFile(fs::path(path), path, bytes, false);
}

bool writeFileText(const std::string &path, std::string_view current, std::string_view bytes)
{
    const fs::path file(path);
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode) || !playerCanWrite(path))
        return false;

    // 1. The new content, whole, beside the file, when the folder takes it. A folder that takes
    //    files but fails to take this one (a full disk) is a reason to stop before the file is
    //    touched.
    const std::string pending = sideName(file, ".pending-", "");
    const bool journal = ::access(file.parent_path().empty() ? "." : file.parent_path().c_str(), W_OK | X_OK) == 0;
    if (journal && writeNewFile(file, pending, pendingCopy(current, bytes), true) != Creation::Created)
        return false;
    // 2. The file itself. Should that fail part-way, its old content goes back.
    const bool written = writeInPlace(path, bytes);
    if (!written)
        writeInPlace(path, current);
    // 3. Done: the pending copy goes.
    if (journal) {
        ::unlink(pending.c_str());
        syncFolder(file.parent_path());
    }
    return written;
}

void finishInterruptedWrites(const std::string &path)
{
    const fs::path file(path);
    const std::string pendingKind = "." + file.filename().string() + ".pending-";
    const std::string writingKind = "." + file.filename().string() + ".writing-";
    std::vector<fs::path> pendingCopies, halfMade;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(file.parent_path().empty() ? "." : file.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        // The caller holds the lock that every write of the file holds while its copy exists, so
        // every pending copy is one a write left when it was cut short.
        if (name.rfind(pendingKind, 0) == 0)
            pendingCopies.push_back(entry.path());
        // A new file is made without the lock (there is no file to lock yet): its maker may still run.
        else if (name.rfind(writingKind, 0) == 0 && writerIsGone(name, writingKind))
            halfMade.push_back(entry.path());
    }
    for (const fs::path &leftover : pendingCopies) {
        const FileText copy = readFileText(leftover.string()), now = readFileText(path);
        const std::optional<PendingCopy> write =
            copy.status == FileReadStatus::Read ? readPendingCopy(copy.bytes) : std::nullopt;
        if (write && now.status == FileReadStatus::Read && cutShortBetween(now.bytes, write->before, write->after) &&
            playerCanWrite(path))
            writeInPlace(path, write->after);
        fs::remove(leftover, error);
    }
    for (const fs::path &leftover : halfMade)
        fs::remove(leftover, error);
}

} // namespace quellard
