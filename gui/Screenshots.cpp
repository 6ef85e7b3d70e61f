// Renders, for the documentation, every page of the main window after a
// calculation with the inputs of a first start (page-N.png), the energy page
// in German, Chinese and Russian (energy-de.png, energy-zh.png,
// energy-ru.png), the options window (options.png), the page preview of the
// cost datasheet (preview.png) and the climate data window (climate.png). Run
// on the offscreen platform by scripts/screenshots.sh.

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTextStream>
#include <QTimer>

#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/controls/Controls.h"
#include "gui/controls/FormBase.h"
#include "gui/controls/MessageBox.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/options/OptionsWindow.h"
#include "gui/preview/PreviewWindow.h"

namespace {

// A mid-European site for the picture of the climate data window.
ClimateRecord SampleClimate()
{
    ClimateRecord record;
    record.Name = "Sample site, 300 m";
    const double humidity[12] = {3.4, 3.5, 4.2, 5.2, 7.0, 8.9, 10.1, 10.0, 8.6, 6.8, 4.9, 3.8};
    const double lowest[12] = {-3.5, -3.0, 0.2, 3.6, 7.9, 11.0, 12.8, 12.5, 9.6, 5.9, 1.6, -1.8};
    const double highest[12] = {2.6, 4.6, 9.2, 13.6, 18.5, 21.6, 23.8, 23.4, 19.6, 13.9, 7.0, 3.5};
    for (std::size_t m = 0; m < 12; ++m) {
        record.HumRatio[m] = humidity[m];
        record.MinTemp[m] = lowest[m];
        record.MaxTemp[m] = highest[m];
        record.MinTime[m] = m >= 4 && m <= 7 ? 5.0 : 7.0;
        record.MaxTime[m] = 14.5;
    }
    return record;
}

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
    SetMessageBoxHook([](const QString& message, TMessageType, const QString& title) {
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
    if (!Save(options, folder + QStringLiteral("/options.png")))
        return 1;
    options.hide();

    // The modal windows: pictured once they show, then closed.
    bool saved = true;
    auto pictureModal = [&saved](const QString& file, QSize size) {
        QTimer::singleShot(100, [&saved, file, size] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                saved = false;
                return;
            }
            modal->resize(size);
            saved = Save(*modal, file) && saved;
            // Dismissed without its questions: the sample data are not to be
            // saved.
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->done(QDialog::Rejected);
            else
                modal->close();
        });
    };
    pictureModal(folder + QStringLiteral("/preview.png"), QSize(640, 560));
    window.Button4Click();
    QTimer::singleShot(50, [] {
        if (auto* editor = qobject_cast<TFormKlimaDaten*>(QApplication::activeModalWidget()))
            editor->ShowRecord(SampleClimate());
    });
    pictureModal(folder + QStringLiteral("/climate.png"), QSize(560, 460));
    window.Button_DefineClick();
    delete ExistingPreview();
    return saved ? 0 : 1;
}
