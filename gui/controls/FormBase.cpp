// The base window of the program's own windows (TVxForm) and the shared fonts.

#include "gui/controls/FormBase.h"

#include <QApplication>
#include <QToolTip>

#include "core/text/Catalogue.h"
#include "print/PrintFont.h"

TVxForm::TVxForm(QWidget* parent) : QDialog(parent) {}

QFont DialogFont()
{
    QFont font = LanguageFont(QStringLiteral("Tahoma"), CurrentLanguage());
    font.setPixelSize(11);
    return font;
}

QFont PrintFont()
{
    return PrintFontFor(CurrentLanguage());
}

void ChooseFonts()
{
    const QFont dialog = DialogFont();
    QApplication::setFont(dialog, "QMenu");
    QApplication::setFont(dialog, "QMenuBar");
    QToolTip::setFont(dialog);
}
