// wrg: the windowed program. Start-up: the language from the settings, the
// fonts of that language, the splash for two seconds, then the main window.
// The program ends when the main window closes, and only then: closing a
// message box or another window of the program never ends it.

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <memory>

#include "core/settings/IniFile.h"
#include "core/settings/Language.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Catalogue.h"
#include "gui/controls/FormBase.h"
#include "gui/controls/QtTranslations.h"
#include "gui/info/InfoWindow.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/ProgramEnd.h"

namespace {

constexpr int SplashMilliseconds = 2000;

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("WRG");
    // The splash, the preview or a message box may be the last visible
    // window for a moment; the main window's closing ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // The settings file is kept for the whole run: the language menu writes
    // the chosen language to it at once, and the window writes the other
    // settings back to it when it closes. It outlives the window.
    TIniDatei settings(DefaultSettingsPath());
    SetCurrentLanguage(ReadLanguage(settings, "GLOBAL", "Language", SystemLanguage()));
    InstallQtTranslations(CurrentLanguage());
    ChooseFonts();

    // A termination signal closes the main window as Exit does. One that
    // comes before the window exists closes it as soon as it is there.
    std::unique_ptr<TFormWRG> window;
    bool endRequested = false;
    TSignalRoute signalRoute;
    QObject::connect(&signalRoute, &TSignalRoute::Received, &app, [&window, &endRequested] {
        endRequested = true;
        CloseWhenIdle(window.get());
    });

    ShowSplash(SplashMilliseconds);

    // The main window is created after the splash has gone.
    QTimer::singleShot(SplashMilliseconds, &app, [&window, &settings, &endRequested] {
        window = std::make_unique<TFormWRG>();
        window->LoadSettingsIntoWindow(settings);
        QObject::connect(window.get(), &QDialog::finished, qApp, &QCoreApplication::quit);
        window->show();
        if (endRequested)
            CloseWhenIdle(window.get());
    });
    const int result = QApplication::exec();
    // Ended by other means than the window (the session, say): the window
    // still writes the settings.
    if (window && window->isVisible())
        window->close();
    window.reset();
    return result;
}
