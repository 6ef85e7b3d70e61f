// Reading and writing project files.

#include "core/project/ProjectFile.h"

#include <filesystem>
#include <system_error>

#include "core/settings/SafeFile.h"

namespace {

using Json = nlohmann::ordered_json;

constexpr int IndentBlanks = 2;

CoreMessage ReadFailure(const std::string& path, const FileReadResult& read)
{
    switch (read.status) {
    case FileReadStatus::Missing: {
        std::error_code ec;
        if (std::filesystem::exists(path, ec))
            return CoreMessage{TextId::ProjectNotRegularFile, "The project file %s is not a regular file.", {path}};
        return CoreMessage{TextId::ProjectFileNotFound, "The project file %s was not found.", {path}};
    }
    case FileReadStatus::TooLarge:
        return CoreMessage{TextId::ProjectFileTooLarge,
                           "%s: the file is larger than %s MB; it is not a project file.",
                           {path, std::to_string(ProjectFileMaxSize / (1024 * 1024))}};
    case FileReadStatus::Read:
    case FileReadStatus::Failed:
        break;
    }
    return CoreMessage{
        TextId::ProjectFileUnreadable, "The project file %s could not be read: %s", {path, ErrnoText(read.error)}};
}

// The parser's message without its "[json.exception.parse_error.101] ":
// the line, the column and what it found there.
std::string ParserReason(const std::string& what)
{
    const std::size_t end = what.find("] ");
    return end == std::string::npos ? what : what.substr(end + 2);
}

}  // namespace

Outcome<ProjectRead> ProjectOfText(std::string_view text, const std::string& fileName)
{
    bool tooDeep = false;
    const Json::parser_callback_t keepShallow = [&tooDeep](int depth, Json::parse_event_t, Json&) {
        tooDeep = tooDeep || depth > ProjectMaxNesting;
        return !tooDeep;
    };
    Json document;
    try {
        document = Json::parse(text, keepShallow);
    } catch (const Json::exception& error) {
        // Syntax, bytes that are not UTF-8, numbers beyond a double.
        return CoreMessage{TextId::ProjectNotJson,
                           "%s is not a project file: the text is not valid JSON (%s).",
                           {fileName, ParserReason(error.what())}};
    }
    if (tooDeep)
        return CoreMessage{TextId::ProjectNestedTooDeep,
                           "%s is not a project file: its data are nested more than %s levels deep.",
                           {fileName, std::to_string(ProjectMaxNesting)}};
    return ProjectOfJson(document, fileName);
}

Outcome<ProjectRead> ReadProjectFile(const std::string& path)
{
    const FileReadResult read = ReadRegularFile(path, ProjectFileMaxSize);
    if (read.status != FileReadStatus::Read)
        return ReadFailure(path, read);
    return ProjectOfText(read.bytes, path);
}

std::string ProjectText(const Project& project)
{
    return JsonOfProject(project).dump(IndentBlanks, ' ', false, Json::error_handler_t::replace) + '\n';
}

std::optional<CoreMessage> WriteProjectFile(const std::string& path, const Project& project)
{
    if (const std::optional<std::string> reason = ReplaceFile(path, ProjectText(project), NewFileAccess::Usual, false))
        return CoreMessage{
            TextId::ProjectFileNotWritten, "The project file %s could not be written: %s", {path, *reason}};
    return std::nullopt;
}
