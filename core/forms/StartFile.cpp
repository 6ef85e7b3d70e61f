// The kind of a file named on the windowed program's command line.

#include "core/forms/StartFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/climate/ClimateFile.h"

namespace fs = std::filesystem;

namespace {

// How far into a file its kind is looked for.
constexpr std::size_t StartBytes = 512;

bool HasEnding(const std::string& path, const char* lowerCaseEnding)
{
    std::string ending = fs::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == lowerCaseEnding;
}

// The first bytes of a regular file; none of anything else.
std::string StartOfFile(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return {};
    std::ifstream file(path, std::ios::binary);
    std::string bytes(StartBytes, '\0');
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return bytes;
}

// Whether the bytes start with a climate file's signature; the rest of the
// record is left to reading the file.
bool StartsAsClimateFile(const std::string& start)
{
    ClimateRecordBytes bytes{};
    if (start.size() < ClimateSignatureMaxLength + 1)
        return false;
    std::copy_n(start.begin(), ClimateSignatureMaxLength + 1, bytes.begin());
    return HasClimateSignature(bytes);
}

// Whether the bytes begin a JSON object that names the project format.
bool StartsAsProjectFile(const std::string& start)
{
    const std::size_t first = start.find_first_not_of(" \t\r\n");
    return first != std::string::npos && start[first] == '{' && start.find("\"WRG project\"") != std::string::npos;
}

}  // namespace

StartFileKind KindOfStartFile(const std::string& path)
{
    if (HasEnding(path, ".cli"))
        return StartFileKind::Climate;
    if (HasEnding(path, ".wrg"))
        return StartFileKind::Project;
    const std::string start = StartOfFile(path);
    if (StartsAsClimateFile(start))
        return StartFileKind::Climate;
    if (StartsAsProjectFile(start))
        return StartFileKind::Project;
    return StartFileKind::Unknown;
}

CoreMessage UnknownStartFileMessage(const std::string& path)
{
    return CoreMessage{
        TextId::UnknownStartFile, "The file %s cannot be opened: the program does not know this kind of file.", {path}};
}
