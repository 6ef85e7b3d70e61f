// Renders, for the documentation, every page of the main window after a
// calculation with the inputs of a first start (page-N.png), the energy page
// in German, Chinese and Russian (energy-de.png, energy-zh.png,
// energy-ru.png) and the options window (options.png). Run on the offscreen
// platform by scripts/screenshots.sh.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTextStream>

#include "app/FWRG.h"
#include "settings/FOptionen.h"
#include "ui/Catalogue.h"
#include "ui/NumberFormat.h"
#include "ui/UVxControls.h"
#include "ui/UVxForms.h"
#include "ui/UVxMessage.h"

namespace {

bool Save(QWidget& widget, const QString& file)
{
    QApplication::processEvents();
    if (widget.grab().save(file))
        return true;
    QTextStream(stderr) << "cannot write " << file << "\n";
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
    if (!QDir().mkpath(folder)) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    SetCurrentLanguage(2);
    ChooseFonts();
    // A message during the run would need a person; print it instead.
    SetMessageBoxHook([](const QString& message, int, const QString& title) {
        QTextStream(stderr) << title << ": " << message << "\n";
        return 1;
    });

    TFormWRG window;
    window.resize(640, 480);
    window.show();
    QApplication::processEvents();
    window.Button1Click();

    TVxPageControl* pages = window.PageControl1;
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        if (!Save(window, QStringLiteral("%1/page-%2.png").arg(folder).arg(i + 1)))
            return 1;
    }

    const int energyPage = 4;
    const std::pair<int, const char*> languages[] = {{1, "de"}, {8, "zh"}, {9, "ru"}};
    for (const auto& [language, code] : languages) {
        SetCurrentLanguage(language);
        window.ApplyLanguage();
        window.Button1Click();
        pages->setCurrentIndex(energyPage);
        if (!Save(window, QStringLiteral("%1/energy-%2.png").arg(folder, QLatin1String(code))))
            return 1;
    }

    SetCurrentLanguage(2);
    window.ApplyLanguage();
    TFormOptionen options(&window);
    options.ApplyTexts();
    options.SetUnitSystem(true);
    options.SetPressure(1013);
    options.SetCurrency(QStringLiteral("EUR"));
    options.SetSeparators(ProgramSeparators());
    options.show();
    return Save(options, folder + QStringLiteral("/options.png")) ? 0 : 1;
}
