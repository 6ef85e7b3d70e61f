// The program's fonts by language for the datasheets.

#include "print/PrintFont.h"

#include <QStringList>

namespace {

constexpr int ChineseLanguage = 8;
constexpr int PrintPointSize = 8;
const char* const CjkFamily = "Noto Sans CJK SC";

// The families of the original fonts, and where the system lacks them the
// metric-compatible or widely installed substitutes.
void RegisterSubstitutes()
{
    static const bool done = [] {
        QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans", CjkFamily});
        QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans", CjkFamily});
        return true;
    }();
    (void)done;
}

}  // namespace

QFont LanguageFont(const QString& family, int language)
{
    RegisterSubstitutes();
    QFont font(family);
    if (language == ChineseLanguage)
        font.setFamilies({QString::fromLatin1(CjkFamily), family});
    return font;
}

QFont PrintFontFor(int language)
{
    QFont font = LanguageFont(QStringLiteral("Arial"), language);
    font.setPointSize(PrintPointSize);
    return font;
}
