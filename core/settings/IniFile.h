#pragma once
// The settings file: Windows-style INI text ("[Section]" lines opening a
// section, "key=value" lines below it), section and key names matched without
// regard to ASCII case. The whole file is read when the object is made and
// kept in memory; the Write operations change only the memory copy until
// Save() writes the file back atomically.
//
// Reading never fails: a missing file, a missing key or a value that cannot
// be read as the wanted type gives the caller's default.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/text/CoreMessage.h"

// $XDG_CONFIG_HOME/Quorvane/Quorvane.ini when XDG_CONFIG_HOME holds an
// absolute path, else $HOME/.config/Quorvane/Quorvane.ini; without HOME the
// home folder of the user's account, and failing that the current folder.
std::filesystem::path DefaultSettingsPath();

class TIniDatei {
public:
    // Files larger than this are not settings files (ours stay below 50 KB
    // even with six long climate file paths). They are not read, the object
    // starts empty: a hostile file of many short sections would otherwise
    // cost some 25 bytes of memory for every byte of the file.
    static constexpr std::uintmax_t MaxFileSize = 1024u * 1024u;

    // Reads the file at `path` if it is there. Nothing is created until Save().
    explicit TIniDatei(std::filesystem::path path);
    ~TIniDatei();

    TIniDatei(const TIniDatei&) = delete;
    TIniDatei& operator=(const TIniDatei&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    bool ValueExists(const std::string& section, const std::string& key) const;

    // Decimal text. Unreadable text or a number outside int → def.
    int ReadInteger(const std::string& section, const std::string& key, int def) const;
    void WriteInteger(const std::string& section, const std::string& key, int value);

    // Fixed point with exactly 10 decimals and "." whatever the locale
    // (1013 → "1013.0000000000"). Read: empty, missing, not a number with "."
    // as decimal point, out of double range or not finite → def.
    double ReadFloat(const std::string& section, const std::string& key, double def) const;
    void WriteFloat(const std::string& section, const std::string& key, double value);

    // "1" and "0"; read: any integer other than 0 is true, unreadable → def.
    bool ReadBool(const std::string& section, const std::string& key, bool def) const;
    void WriteBool(const std::string& section, const std::string& key, bool value);

    // A value is one line: line breaks in a written string become blanks.
    // Blanks at either end and enclosing double quotes survive: such a value
    // is stored inside an extra pair of quotes, which reading removes.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // A one-character string; read: its first character, an empty or missing
    // value → def.
    char ReadChar(const std::string& section, const std::string& key, char def) const;
    void WriteChar(const std::string& section, const std::string& key, char value);

    // The keys of a section in the order of the file (new keys at the end).
    std::vector<std::string> ReadSection(const std::string& section) const;
    void EraseSection(const std::string& section);
    void EraseAll();

    // Writes the whole file: the folder is created with missing parents, the
    // text goes to a temporary file in the same folder which then replaces
    // the file in one rename, so a reader sees the old or the new file, never
    // a part. A replaced file keeps its access rights, a new one is readable
    // by its owner only; a file reached through a symbolic link is replaced
    // where the link points. Returns a message with the path when the file
    // could not be written; the file on disk is then unchanged.
    [[nodiscard]] std::optional<CoreMessage> Save();

private:
    struct Store;  // the parsed file, kept out of this header

    void Load();
    const char* RawValue(const std::string& section, const std::string& key) const;

    std::filesystem::path path_;
    std::unique_ptr<Store> store_;
};
