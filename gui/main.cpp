// wrg: the windowed program. Start-up: the language from the settings, the
// fonts of that language, the splash for two seconds, then the main window,
// and over it the file named on the command line, if any.
// The program ends when the main window closes, and only then: closing a
// message box or another window of the program never ends it.

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <iostream>
#include <memory>
#include <optional>
#include <string_view>

#include "core/settings/IniFile.h"
#include "core/settings/Language.h"
#include "core/settings/ProgramVersion.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Catalogue.h"
#include "gui/controls/FormBase.h"
#include "gui/controls/QtTranslations.h"
#include "gui/info/InfoWindow.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/ProgramEnd.h"
#include "gui/mainwindow/StartFileRoute.h"

namespace {

constexpr int SplashMilliseconds = 2000;

constexpr char Usage[] =
    "Usage: wrg [FILE]\n"
    "Economy of heat recovery in ventilation units (VDI 2071).\n"
    "\n"
    "  FILE        a climate file (.cli) to open in the climate data window\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n";

// Answers --help and --version before any window exists, so that they work
// without a display; nothing for any other command line.
std::optional<int> AnswerInfoOption(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::cout << Usage;
            return 0;
        }
        if (argument == "--version") {
            std::cout << "wrg " << ProgramVersion << '\n';
            return 0;
        }
    }
    return std::nullopt;
}

// The first argument that is no option, once Qt has taken its own options
// (such as -platform) out; empty without one.
QString StartFileArgument()
{
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith(QLatin1Char('-')))
            return arguments[i];
    }
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> answered = AnswerInfoOption(argc, argv))
        return *answered;
    QApplication app(argc, argv);
    QApplication::setApplicationName("WRG");
    // The menu entry's name, so that the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.quorvane.wrg"));
    const QString startFile = StartFileArgument();
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
    QTimer::singleShot(SplashMilliseconds, &app, [&window, &settings, &endRequested, startFile] {
        window = std::make_unique<TFormWRG>();
        window->LoadSettingsIntoWindow(settings);
        QObject::connect(window.get(), &QDialog::finished, qApp, &QCoreApplication::quit);
        window->show();
        if (endRequested)
            CloseWhenIdle(window.get());
        else if (!startFile.isEmpty())
            // Once the main window is on the screen: the start file's window
            // is modal over it.
            QTimer::singleShot(0, window.get(), [w = window.get(), startFile] { OpenStartFile(*w, startFile); });
    });
    const int result = QApplication::exec();
    // Ended by other means than the window (the session, say): the window
    // still writes the settings.
    if (window && window->isVisible())
        window->close();
    window.reset();
    return result;
}
