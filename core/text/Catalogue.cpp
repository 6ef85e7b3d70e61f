// The text catalogue in six languages.

#include "core/text/Catalogue.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <system_error>
#include <utility>

// The content of the built-in language file of a language (empty when the
// program was built without one). Written at build time from core/text/texts by
// scripts/embed_catalogue.cmake.
namespace wrg_catalogue_files {
std::string_view EmbeddedCatalogueFile(int language);
}

namespace {

std::atomic<int> currentLanguage{2};

bool IsContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The number of bytes of the character that starts at `pos`: the lead byte
// and as many of the continuation bytes it announces as follow it.
std::size_t CharacterBytes(std::string_view text, std::size_t pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t announced = 1;
    if ((lead & 0xE0) == 0xC0)
        announced = 2;
    else if ((lead & 0xF0) == 0xE0)
        announced = 3;
    else if ((lead & 0xF8) == 0xF0)
        announced = 4;
    std::size_t length = 1;
    while (length < announced && pos + length < text.size() &&
           IsContinuationByte(static_cast<unsigned char>(text[pos + length])))
        ++length;
    return length;
}

// The number of bytes of the first `maxCharacters` characters of `text`.
std::size_t PrefixBytes(std::string_view text, std::size_t maxCharacters)
{
    std::size_t pos = 0;
    for (std::size_t n = 0; n < maxCharacters && pos < text.size(); ++n)
        pos += CharacterBytes(text, pos);
    return pos;
}

// True when `text` is well-formed UTF-8: no stray or missing continuation
// bytes, no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsWellFormedUtf8(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto lead = static_cast<unsigned char>(text[pos]);
        std::size_t length = 0;
        char32_t code = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
            smallest = 0x10000;
        } else {
            return false;
        }
        if (text.size() - pos < length)
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(text[pos + i]);
            if (!IsContinuationByte(byte))
                return false;
            code = (code << 6) | (byte & 0x3F);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        pos += length;
    }
    return true;
}

// The position of a language in OfferedLanguages, or -1.
int LanguageSlot(int language)
{
    for (std::size_t i = 0; i < OfferedLanguages.size(); ++i)
        if (OfferedLanguages[i] == language)
            return static_cast<int>(i);
    return -1;
}

// The built-in files, read once at the first lookup.
const std::array<CatalogueFile, OfferedLanguages.size()>& BuiltInFiles()
{
    static const std::array<CatalogueFile, OfferedLanguages.size()> files = [] {
        std::array<CatalogueFile, OfferedLanguages.size()> read;
        for (std::size_t i = 0; i < OfferedLanguages.size(); ++i)
            read[i] = CatalogueFile::Read(wrg_catalogue_files::EmbeddedCatalogueFile(OfferedLanguages[i]));
        return read;
    }();
    return files;
}

}  // namespace

int CurrentLanguage()
{
    return currentLanguage.load(std::memory_order_relaxed);
}

void SetCurrentLanguage(int language)
{
    currentLanguage.store(language, std::memory_order_relaxed);
}

std::string CatalogueText(TextId id)
{
    return CatalogueTextIn(CurrentLanguage(), id);
}

std::string CatalogueTextIn(int language, TextId id)
{
    const int slot = LanguageSlot(language);
    if (slot < 0)
        return {};
    return BuiltInFiles()[static_cast<std::size_t>(slot)].LimitedText(static_cast<int>(id));
}

std::string CutToCharacters(std::string text, std::size_t maxCharacters)
{
    text.resize(PrefixBytes(text, maxCharacters));
    return text;
}

std::vector<CatalogueFile::Problem> CatalogueFileProblems(int language)
{
    const int slot = LanguageSlot(language);
    if (slot < 0)
        return {};
    return BuiltInFiles()[static_cast<std::size_t>(slot)].Problems();
}

CatalogueFile CatalogueFile::Read(std::string_view content)
{
    CatalogueFile file;
    // Escapes only shorten a text, so the texts never need more room.
    file.texts_.reserve(content.size());
    if (content.starts_with("\xEF\xBB\xBF"))
        content.remove_prefix(3);
    int lineNumber = 0;
    int previousIndex = 0;
    while (!content.empty()) {
        ++lineNumber;
        const std::size_t end = content.find('\n');
        std::string_view line = content.substr(0, end);
        content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#')
            continue;
        file.ReadLine(line, lineNumber, previousIndex);
    }
    return file;
}

std::string_view CatalogueFile::Text(int index) const
{
    if (index < 1 || index > LastCatalogueIndex)
        return {};
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    return std::string_view(texts_).substr(entry.offset, entry.length);
}

std::string CatalogueFile::LimitedText(int index) const
{
    const std::string_view text = Text(index);
    return std::string(text.substr(0, PrefixBytes(text, CatalogueTextLimit)));
}

void CatalogueFile::AddProblem(int lineNumber, std::string what)
{
    problems_.push_back({lineNumber, std::move(what)});
}

void CatalogueFile::ReadLine(std::string_view line, int lineNumber, int& previousIndex)
{
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        AddProblem(lineNumber, "no TAB between index and text");
        return;
    }
    const std::string_view indexText = line.substr(0, tab);
    const std::string_view raw = line.substr(tab + 1);

    int index = 0;
    const auto [end, error] = std::from_chars(indexText.data(), indexText.data() + indexText.size(), index);
    if (indexText.empty() || error != std::errc() || end != indexText.data() + indexText.size()) {
        AddProblem(lineNumber, "index \"" + std::string(indexText) + "\" is not a whole number");
        return;
    }
    if (index < 1 || index > LastCatalogueIndex) {
        AddProblem(lineNumber,
                   "index " + std::to_string(index) + " is outside 1 … " + std::to_string(LastCatalogueIndex));
        return;
    }
    Entry& entry = entries_[static_cast<std::size_t>(index)];
    if (entry.length != 0) {
        AddProblem(lineNumber, "index " + std::to_string(index) + " appears again; the first text is kept");
        return;
    }
    if (raw.empty()) {
        AddProblem(lineNumber, "index " + std::to_string(index) + " has an empty text");
        return;
    }
    if (!IsWellFormedUtf8(raw)) {
        AddProblem(lineNumber, "index " + std::to_string(index) + " is not valid UTF-8");
        return;
    }
    if (index < previousIndex)
        AddProblem(lineNumber, "index " + std::to_string(index) + " follows " + std::to_string(previousIndex) +
                                   "; the file is sorted by index");
    previousIndex = std::max(previousIndex, index);

    const std::size_t offset = texts_.size();
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            if (raw[i] == '\\')
                AddProblem(lineNumber, "a backslash ends the text of index " + std::to_string(index));
            texts_ += raw[i];
            continue;
        }
        switch (raw[i + 1]) {
        case 't':
            texts_ += '\t';
            break;
        case 'n':
            texts_ += '\n';
            break;
        case 's':
            texts_ += ' ';
            break;
        case '\\':
            texts_ += '\\';
            break;
        default:
            AddProblem(lineNumber,
                       "unknown escape in the text of index " + std::to_string(index) + ", kept as written");
            texts_ += '\\';
            continue;  // the next character is taken as it is
        }
        ++i;
    }
    entry.offset = static_cast<std::uint32_t>(offset);
    entry.length = static_cast<std::uint32_t>(texts_.size() - offset);
    ++count_;
}
