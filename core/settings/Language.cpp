// The user interface language: its choice at start-up and its storage.

#include "core/settings/Language.h"

#include <cstdlib>

bool IsOfferedLanguage(int number)
{
    using namespace LanguageNumber;
    return number == German || number == English || number == French || number == Polish || number == Chinese ||
           number == Russian;
}

int LanguageOfLocaleName(std::string_view localeName)
{
    std::string_view code = localeName.substr(0, localeName.find_first_of("_.@"));
    if (code.size() != 2) {
        return LanguageNumber::English;
    }
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    const char letters[] = {lower(code[0]), lower(code[1]), '\0'};
    const std::string_view language = letters;
    if (language == "de") {
        return LanguageNumber::German;
    }
    if (language == "fr") {
        return LanguageNumber::French;
    }
    if (language == "pl") {
        return LanguageNumber::Polish;
    }
    if (language == "zh") {
        return LanguageNumber::Chinese;
    }
    if (language == "ru") {
        return LanguageNumber::Russian;
    }
    return LanguageNumber::English;
}

int SystemLanguage()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return LanguageOfLocaleName(value);
        }
    }
    return LanguageNumber::English;
}

int ReadLanguage(const TIniDatei& file, const std::string& section, const std::string& key, int systemLanguage)
{
    int language = static_cast<int>(static_cast<unsigned>(file.ReadInteger(section, key, 0)) & 0xFFu);
    if (!IsOfferedLanguage(language)) {
        language = systemLanguage;
    }
    return IsOfferedLanguage(language) ? language : LanguageNumber::English;
}

std::optional<CoreMessage> WriteLanguage(TIniDatei& file, int number)
{
    file.WriteInteger("Global", "Language", number);
    return file.Save();
}
