#include "ui/UVxForms.h"

#include <QApplication>
#include <QStringList>
#include <QToolTip>

#include "ui/Catalogue.h"

namespace {

constexpr int ChineseLanguage = 8;

// The families of the original fonts, and where the system lacks them the
// metric-compatible or widely installed substitutes. Chinese comes first with
// a CJK family so that every glyph is found.
void RegisterSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans", "Noto Sans CJK SC"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans", "Noto Sans CJK SC"});
}

QFont LanguageFont(const QString& family)
{
    RegisterSubstitutes();
    QFont font(family);
    if (CurrentLanguage() == ChineseLanguage)
        font.setFamilies({"Noto Sans CJK SC", family});
    return font;
}

}  // namespace

TVxForm::TVxForm(QWidget* parent) : QDialog(parent) {}

QFont DialogFont()
{
    QFont font = LanguageFont("Tahoma");
    font.setPixelSize(11);
    return font;
}

QFont PrintFont()
{
    QFont font = LanguageFont("Arial");
    font.setPointSize(8);
    return font;
}

void ChooseFonts()
{
    const QFont dialog = DialogFont();
    QApplication::setFont(dialog, "QMenu");
    QApplication::setFont(dialog, "QMenuBar");
    QToolTip::setFont(dialog);
}
