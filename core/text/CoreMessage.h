#pragma once
// A message of the calculation core for the user: a text of the catalogue
// with its arguments. The core never shows it; the window puts it into the
// message box in the user's language, the command line prints the English
// text.

#include <string>
#include <vector>

#include "core/text/TextId.h"

struct CoreMessage {
    TextId textIndex = TextId::None;     // the catalogue text; None for a text not in the catalogue
    std::string englishText;             // the English text, "%s" where an argument goes
    std::vector<std::string> arguments;  // in the order of the "%s"

    // The English text with the arguments in place of the "%s".
    std::string Text() const;
};

// The message in the current language: the catalogue text of its index with
// the arguments in place of "%g" or "%s", in order; arguments the text has no
// place for go on lines of their own above it. The English text when the
// catalogue has none (or for TextId::None).
std::string ShownText(const CoreMessage& message);
// The same in a given language (the language numbers of the catalogue).
std::string ShownTextIn(int language, const CoreMessage& message);
