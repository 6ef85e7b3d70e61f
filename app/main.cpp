// wrg: the windowed program. Start-up: the language from the settings, the
// fonts of that language, the splash for two seconds, then the main window.

#include <QApplication>
#include <QTimer>

#include <memory>

#include "app/FWRG.h"
#include "settings/Language.h"
#include "settings/SettingsFile.h"
#include "settings/TIniDatei.h"
#include "ui/Catalogue.h"
#include "ui/FInfo.h"
#include "ui/QtTranslations.h"
#include "ui/UVxForms.h"

namespace {

constexpr int SplashMilliseconds = 2000;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("WRG");
    // The settings file is kept for the whole run: the language menu writes
    // the chosen language to it at once, and the window writes the other
    // settings back to it when it closes. It outlives the window.
    TIniDatei settings(DefaultSettingsPath());
    SetCurrentLanguage(ReadLanguage(settings, "GLOBAL", "Language", SystemLanguage()));
    InstallQtTranslations(CurrentLanguage());
    ChooseFonts();
    ShowSplash(SplashMilliseconds);

    // The main window is created after the splash has gone.
    std::unique_ptr<TFormWRG> window;
    QTimer::singleShot(SplashMilliseconds, &app, [&window, &settings] {
        window = std::make_unique<TFormWRG>();
        window->LoadSettingsIntoWindow(settings);
        window->show();
    });
    const int result = QApplication::exec();
    window.reset();
    return result;
}
