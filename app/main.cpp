// wrg: the windowed program. Start-up: the language from the settings, the
// fonts of that language, the splash for two seconds, then the main window.

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include "settings/Language.h"
#include "settings/SettingsFile.h"
#include "ui/Catalogue.h"
#include "ui/FInfo.h"
#include "ui/UVxForms.h"

namespace {

constexpr int SplashMilliseconds = 2000;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("WRG");
    {
        TIniDatei settings(DefaultSettingsPath());
        SetCurrentLanguage(ReadLanguage(settings, "GLOBAL", "Language", SystemLanguage()));
    }
    ChooseFonts();
    ShowSplash(SplashMilliseconds);

    QMainWindow window;
    window.setWindowTitle("WRG");
    window.resize(640, 480);
    QTimer::singleShot(SplashMilliseconds, &window, [&window] { window.show(); });
    return QApplication::exec();
}
