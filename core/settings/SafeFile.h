#pragma once
// Reading and writing the program's own files (settings, climate data) so
// that nothing is lost and nothing stalls: only regular files are read, opened
// without blocking so that a named pipe or a device in their place cannot
// hang the program, and a file is replaced in one rename, so a reader sees
// the old or the new file and never a part of it.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

enum class FileReadStatus {
    Read,      // the bytes are the whole file
    TooLarge,  // the file holds more than the limit; the bytes are its first `limit`
    Missing,   // no regular file at the path
    Failed,    // the file is there but could not be read; see `error`
};

struct FileReadResult {
    FileReadStatus status = FileReadStatus::Missing;
    std::string bytes;
    int error = 0;  // errno of a failure
};

// Reads a regular file of at most `limit` bytes.
FileReadResult ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

// Access rights of a file that did not exist before; a replaced file keeps
// its own.
enum class NewFileAccess {
    Usual,      // as the user's other files (0666 less the umask)
    OwnerOnly,  // 0600
};

// Replaces the file at `path` with `bytes`: a temporary file beside it is
// written and synced, then renamed over the target, and the folder is synced.
// A link is followed to the file it names, which is replaced or, when it is
// not there yet, created; the link stays. Anything else at the target (a
// folder, a named pipe, a device, a socket) is refused and left as it is, so
// is a loop of links. Missing folders are created when `createFolders` is
// set. Temporary files of earlier writes of the same file whose process has
// ended (killed before its rename) are removed. Returns the reason when it
// failed; the old file is then untouched and no temporary file is left.
std::optional<std::string> ReplaceFile(const std::filesystem::path& path, std::string_view bytes, NewFileAccess access,
                                       bool createFolders);

// The text of an errno value.
std::string ErrnoText(int error);
