#include "settings/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>

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

fs::path ResolvedTarget(const fs::path& path)
{
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec)
            return resolved;
    }
    return path;
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
    const fs::path target = ResolvedTarget(path);
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
