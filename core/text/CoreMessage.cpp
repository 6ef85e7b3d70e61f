// The core's messages turned into the text the user reads.

#include "core/text/CoreMessage.h"

#include <string_view>

#include "core/text/Catalogue.h"

namespace {

// `text` with the arguments in place of its "%s" (and of its "%g" when
// `alsoG`), in order; `used` counts the arguments that found a place.
std::string Filled(std::string_view text, const std::vector<std::string>& arguments, bool alsoG, std::size_t& used)
{
    std::string filled;
    used = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() &&
                                 (text[i + 1] == 's' || (alsoG && text[i + 1] == 'g'));
        if (placeholder && used < arguments.size()) {
            filled += arguments[used++];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

std::string CoreMessage::Text() const
{
    std::size_t used = 0;
    return Filled(englishText, arguments, false, used);
}

std::string ShownText(const CoreMessage& message)
{
    return ShownTextIn(CurrentLanguage(), message);
}

std::string ShownTextIn(int language, const CoreMessage& message)
{
    const std::string translated = message.textIndex != TextId::None ? CatalogueTextIn(language, message.textIndex)
                                                                     : std::string();
    if (translated.empty())
        return message.Text();
    std::size_t used = 0;
    const std::string text = Filled(translated, message.arguments, true, used);
    // A text without a place for an argument (the file of "Invalid file
    // format") shows it on a line of its own above, as the English text does.
    std::string leftOver;
    for (; used < message.arguments.size(); ++used)
        leftOver += message.arguments[used] + "\n";
    return leftOver.empty() ? text : leftOver + "\n" + text;
}
