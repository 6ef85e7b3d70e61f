// wrg: the windowed program.

#include <QApplication>
#include <QMainWindow>

#include "settings/Language.h"
#include "settings/SettingsFile.h"
#include "ui/Catalogue.h"
#include "ui/UVxForms.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    {
        TIniDatei settings(DefaultSettingsPath());
        SetCurrentLanguage(ReadLanguage(settings, "GLOBAL", "Language", SystemLanguage()));
    }
    ChooseFonts();

    QMainWindow window;
    window.setWindowTitle("WRG");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
