// Safe reading and writing of the program's own files.

#include "core/settings/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <limits>
#include <system_error>
#include <variant>

namespace fs = std::filesystem;

namespace {

// Tries for a free name of the temporary file beside the target.
constexpr int TemporaryNameTries = 100;

bool WriteAll(int fd, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

int CreateTemporary(const fs::path& target, NewFileAccess access, std::string& temporary)
{
    static std::atomic<unsigned> counter{0};
    const mode_t mode = access == NewFileAccess::OwnerOnly ? 0600 : 0666;
    for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
        temporary = target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Links followed at most on the way to the file, as the system does.
constexpr int LinkHops = 40;

// The file that writing `path` means: links are followed, also a link to a
// file that is not there yet, which the write then creates. Fails for a
// loop of links and for anything there that is not a regular file (a
// folder, a named pipe, a device, a socket).
std::variant<fs::path, std::string> WriteTarget(const fs::path& path)
{
    fs::path current = path;
    for (int hop = 0; hop <= LinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return current;  // a new file
            return ErrnoText(errno);
        }
        if (S_ISREG(info.st_mode))
            return current;
        if (!S_ISLNK(info.st_mode))
            return std::string("it is not a regular file");
        std::error_code ec;
        const fs::path points = fs::read_symlink(current, ec);
        if (ec)
            return ec.message();
        current = points.is_absolute() ? points : current.parent_path() / points;
    }
    return ErrnoText(ELOOP);
}

// "NAME.tmp" followed by the id of the writing process, "-" and a count:
// the name CreateTemporary gives. Returns the process id, or 0 for another
// name.
pid_t WriterOfTemporary(const std::string& name, const std::string& prefix)
{
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](const std::string& text) {
        return !text.empty() && text.size() <= 10 &&
               std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (dash == std::string::npos || !digits(rest.substr(0, dash)) || !digits(rest.substr(dash + 1)))
        return 0;
    const long long pid = std::stoll(rest.substr(0, dash));
    return pid > 0 && pid <= std::numeric_limits<pid_t>::max() ? static_cast<pid_t>(pid) : 0;
}

// Removes the temporary files of earlier writes of `target` that were
// killed before their rename: those whose writer has ended. A running
// writer's file (another process, or this one on another thread) may be
// about to be renamed and stays.
void RemoveLeftovers(const fs::path& target)
{
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string prefix = target.filename().string() + ".tmp";
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const pid_t writer = WriterOfTemporary(it->path().filename().string(), prefix);
        if (writer == 0 || writer == ::getpid())
            continue;
        if (::kill(writer, 0) == 0 || errno != ESRCH)
            continue;  // running, or not ours to ask about
        struct stat info {};
        if (::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            ::unlink(it->path().c_str());
    }
}

}  // namespace

std::string ErrnoText(int error)
{
    return std::generic_category().message(error);
}

FileReadResult ReadRegularFile(const fs::path& path, std::size_t limit)
{
    FileReadResult result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            result.status = FileReadStatus::Failed;
            result.error = errno;
        }
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return result;
    }
    result.status = FileReadStatus::Read;
    char buffer[65536];
    for (;;) {
        const std::size_t room = limit + 1 - result.bytes.size();  // one more tells a larger file
        const ssize_t n = ::read(fd, buffer, std::min(sizeof buffer, room));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.status = FileReadStatus::Failed;
            result.error = errno;
        }
        if (n <= 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
        if (result.bytes.size() > limit) {
            result.bytes.resize(limit);
            result.status = FileReadStatus::TooLarge;
            break;
        }
    }
    ::close(fd);
    return result;
}

std::optional<std::string> ReplaceFile(const fs::path& path, std::string_view bytes, NewFileAccess access,
                                       bool createFolders)
{
    if (path.filename().empty())
        return "the path names no file";
    const auto resolved = WriteTarget(path);
    if (const auto* failure = std::get_if<std::string>(&resolved))
        return *failure;
    const fs::path& target = std::get<fs::path>(resolved);
    if (target.filename().empty())
        return "the path names no file";
    fs::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    if (createFolders) {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec)
            return ec.message();
    }

    RemoveLeftovers(target);

    std::string temporary;
    const int fd = CreateTemporary(target, access, temporary);
    if (fd < 0)
        return ErrnoText(errno);
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written || ::rename(temporary.c_str(), target.c_str()) != 0) {
        if (written)
            error = errno;
        ::unlink(temporary.c_str());
        return ErrnoText(error);
    }
    // Make the rename itself durable; a failure here loses nothing written.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return std::nullopt;
}
