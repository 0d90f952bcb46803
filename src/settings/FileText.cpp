#include "settings/FileText.h"

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quellard {

namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    bool close()
    {
        if (m_fd < 0)
            return true;
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0;
    }

private:
    int m_fd;
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(std::size_t(written));
    }
    return true;
}

// The file a write lands in: the target of a link, so that a settings file linked from elsewhere
// stays linked.
std::filesystem::path writeTarget(const std::string &path)
{
    std::error_code error;
    std::filesystem::path p(path); // not const: returned, it is moved rather than copied
    if (std::filesystem::is_symlink(p, error)) {
        std::filesystem::path target = std::filesystem::canonical(p, error);
        if (!error)
            return target;
    }
    return p;
}

// A name beside the target that no other write uses: hidden, with the process and a counter.
std::filesystem::path temporaryName(const std::filesystem::path &target, unsigned attempt)
{
    static std::atomic<unsigned> counter{0};
    // Appended piece by piece: GCC 12 warns wrongly (-Wrestrict) about `"." + std::string&&`.
    std::string name = ".";
    name += target.filename().string();
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" + std::to_string(attempt);
    return target.parent_path() / name;
}

// The new file takes the old one's owner and permissions. Both are best effort: only a privileged
// process may hand a file to another owner, and some file systems keep no modes; neither is a
// reason to refuse the player's change.
void keepOwnerAndMode(int fd, const struct stat &existing)
{
    if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
        [[maybe_unused]] const int ignored = ::fchown(fd, existing.st_uid, existing.st_gid);
    }
    [[maybe_unused]] const int ignored = ::fchmod(fd, existing.st_mode & 07777);
}

void syncFolder(const std::filesystem::path &folder)
{
    Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

} // namespace

FileText readFileText(const std::string &path)
{
    FileText result;
    // O_NONBLOCK so that a pipe in the file's place cannot hang the game; it is refused below.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.valid()) {
        result.status = (errno == ENOENT || errno == ENOTDIR) ? FileReadStatus::Missing : FileReadStatus::Unreadable;
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        result.status = FileReadStatus::Unreadable;
        return result;
    }
    char buffer[8192];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count == 0)
            break;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileReadStatus::Unreadable;
            result.bytes.clear();
            return result;
        }
        result.bytes.append(buffer, std::size_t(count));
    }
    result.status = FileReadStatus::Read;
    return result;
}

bool replaceFileText(const std::string &path, std::string_view bytes)
{
    const std::filesystem::path target = writeTarget(path);
    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return false;

    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = temporaryName(target, attempt);
        // 0666 less the umask, as for any new file; an existing file's mode is copied below.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;
    Descriptor file(fd);

    bool ok = writeAll(file.get(), bytes);
    if (ok && exists)
        keepOwnerAndMode(file.get(), existing);
    ok = ok && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolder(target.parent_path());
    return true;
}

} // namespace quellard
