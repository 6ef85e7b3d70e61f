// The settings file as INI text (TIniDatei).

#include "core/settings/IniFile.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <list>
#include <system_error>
#include <utility>

#include <SimpleIni.h>

#include "core/settings/SafeFile.h"

namespace fs = std::filesystem;

struct TIniDatei::Store {
    // UTF-8 text passed through unchanged; no multiple values per key and no
    // "<<<" multi-line values: every line is one key.
    CSimpleIniA ini{true, false, false};
};

namespace {


CoreMessage WriteFailure(const fs::path& path, const std::string& reason)
{
    return CoreMessage{TextId::None, "The settings file %s could not be written: %s", {path.string(), reason}};
}

// SimpleIni trims these at both ends of a value when it reads a line.
bool IsIniBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsQuoted(const std::string& text)
{
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// The text of a number as the settings file holds it: blanks are already
// trimmed by the parser; a leading "+" is accepted as the Windows reader does.
std::string_view NumberText(const char* raw)
{
    std::string_view text = raw;
    if (text.size() >= 2 && text.front() == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    return text;
}


}  // namespace

fs::path DefaultSettingsPath()
{
    const fs::path tail = fs::path("Quorvane") / "Quorvane.ini";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && xdg[0] == '/') {
        return fs::path(xdg) / tail;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
        return fs::path(home) / ".config" / tail;
    }
    if (const passwd* account = ::getpwuid(::getuid());
        account != nullptr && account->pw_dir != nullptr && account->pw_dir[0] != '\0') {
        return fs::path(account->pw_dir) / ".config" / tail;
    }
    return fs::path(".config") / tail;
}

TIniDatei::TIniDatei(fs::path path) : path_(std::move(path)), store_(std::make_unique<Store>())
{
    store_->ini.SetSpaces(false);
    Load();
}

TIniDatei::~TIniDatei() = default;

void TIniDatei::Load()
{
    const FileReadResult file = ReadRegularFile(path_, MaxFileSize);
    if (file.status == FileReadStatus::Read && !file.bytes.empty())
        store_->ini.LoadData(file.bytes.data(), file.bytes.size());
}

const char* TIniDatei::RawValue(const std::string& section, const std::string& key) const
{
    return store_->ini.GetValue(section.c_str(), key.c_str(), nullptr);
}

bool TIniDatei::ValueExists(const std::string& section, const std::string& key) const
{
    return RawValue(section, key) != nullptr;
}

std::string TIniDatei::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    const char* raw = RawValue(section, key);
    if (raw == nullptr) {
        return def;
    }
    std::string text = raw;
    if (IsQuoted(text)) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

void TIniDatei::WriteString(const std::string& section, const std::string& key, const std::string& value)
{
    std::string text = value;
    for (char& c : text) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    if (!text.empty() && (IsIniBlank(text.front()) || IsIniBlank(text.back()) || IsQuoted(text))) {
        text = '"' + text + '"';
    }
    store_->ini.SetValue(section.c_str(), key.c_str(), text.c_str());
}

int TIniDatei::ReadInteger(const std::string& section, const std::string& key, int def) const
{
    const std::string raw = ReadString(section, key, std::string());
    std::string_view text = NumberText(raw.c_str());
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return def;
    }
    return value;
}

void TIniDatei::WriteInteger(const std::string& section, const std::string& key, int value)
{
    store_->ini.SetValue(section.c_str(), key.c_str(), std::to_string(value).c_str());
}

double TIniDatei::ReadFloat(const std::string& section, const std::string& key, double def) const
{
    const std::string raw = ReadString(section, key, std::string());
    std::string_view text = NumberText(raw.c_str());
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return def;
    }
    return value;
}

void TIniDatei::WriteFloat(const std::string& section, const std::string& key, double value)
{
    // The largest double has 309 digits before the point.
    char buffer[400];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 10);
    std::string text = error == std::errc() ? std::string(buffer, end) : std::string();
    store_->ini.SetValue(section.c_str(), key.c_str(), text.c_str());
}

bool TIniDatei::ReadBool(const std::string& section, const std::string& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniDatei::WriteBool(const std::string& section, const std::string& key, bool value)
{
    store_->ini.SetValue(section.c_str(), key.c_str(), value ? "1" : "0");
}

char TIniDatei::ReadChar(const std::string& section, const std::string& key, char def) const
{
    const std::string text = ReadString(section, key, std::string());
    return text.empty() ? def : text.front();
}

void TIniDatei::WriteChar(const std::string& section, const std::string& key, char value)
{
    WriteString(section, key, std::string(1, value));
}

std::vector<std::string> TIniDatei::ReadSection(const std::string& section) const
{
    CSimpleIniA::TNamesDepend keys;
    store_->ini.GetAllKeys(section.c_str(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    std::vector<std::string> names;
    names.reserve(keys.size());
    for (const auto& entry : keys) {
        names.emplace_back(entry.pItem);
    }
    return names;
}

void TIniDatei::EraseSection(const std::string& section)
{
    store_->ini.Delete(section.c_str(), nullptr);
}

void TIniDatei::EraseAll()
{
    CSimpleIniA::TNamesDepend sections;
    store_->ini.GetAllSections(sections);
    // Copy the names first: deleting a section frees the entry they point into.
    std::vector<std::string> names;
    for (const auto& entry : sections) {
        names.emplace_back(entry.pItem);
    }
    for (const auto& name : names) {
        EraseSection(name);
    }
}

std::optional<CoreMessage> TIniDatei::Save()
{
    std::string text;
    if (store_->ini.Save(text, false) < 0)
        return WriteFailure(path_, "the settings could not be turned into text");
    if (const auto failure = ReplaceFile(path_, text, NewFileAccess::OwnerOnly, true))
        return WriteFailure(path_, *failure);
    return std::nullopt;
}
