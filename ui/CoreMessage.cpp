#include "ui/CoreMessage.h"

std::string CoreMessage::Text() const
{
    std::string text;
    std::size_t next = 0;
    for (std::size_t i = 0; i < englishText.size(); ++i) {
        if (englishText.compare(i, 2, "%s") == 0 && next < arguments.size()) {
            text += arguments[next++];
            ++i;
        } else {
            text += englishText[i];
        }
    }
    return text;
}
