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

bool HasClimateEnding(const std::string& path)
{
    std::string ending = fs::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending == ".cli";
}

// Whether the file starts with a climate file's signature; the rest of the
// record is left to reading the file.
bool StartsAsClimateFile(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    std::ifstream file(path, std::ios::binary);
    ClimateRecordBytes bytes{};
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(ClimateSignatureMaxLength + 1));
    return file.gcount() == static_cast<std::streamsize>(ClimateSignatureMaxLength + 1) && HasClimateSignature(bytes);
}

}  // namespace

StartFileKind KindOfStartFile(const std::string& path)
{
    if (HasClimateEnding(path) || StartsAsClimateFile(path))
        return StartFileKind::Climate;
    return StartFileKind::Unknown;
}

CoreMessage UnknownStartFileMessage(const std::string& path)
{
    return CoreMessage{
        TextId::UnknownStartFile, "The file %s cannot be opened: the program does not know this kind of file.", {path}};
}
