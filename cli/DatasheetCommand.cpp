// wrgcalc datasheet: the datasheets of a calculation as a PDF file.

#include "cli/DatasheetCommand.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "cli/CalculationRun.h"
#include "cli/ProjectOption.h"
#include "core/settings/Language.h"
#include "core/text/Catalogue.h"
#include "print/Datasheets.h"
#include "print/MakerData.h"
#include "print/PdfExport.h"
#include "print/SheetData.h"

const char* const DatasheetCommandHelp = R"(Calculates the inputs of the settings file (the user's own, or
--settings FILE, which must exist; the defaults of a first start when the user
has none yet) like
"calculate" and writes the datasheets as a PDF file, A4, one page per sheet,
in the unit system, currency and separators of the settings: "energy",
"diagram", "cost" or "all" (the three in this order). --language N draws the
texts in language N (1 German, 2 English, 3 French, 7 Polish, 8 Chinese,
9 Russian) instead of the language of the settings. --climate FILE.cli uses a
user climate file instead of the climate zone. --project FILE.wrg draws a
project file's calculation instead of the settings' (its inputs, unit system
and climate; currency, separators and language of the settings). An existing
file is replaced
only when the new one was written completely. No display is needed. The exit
status is 0 when the file was written, 1 when the calculation or the file
failed, 2 for a wrong command line.)";

namespace {

constexpr int UsageError = 2;

// The pages of one sheet or, for "all", of the three.
std::vector<PageProcedure> SheetPages(const std::string& sheet, const SheetData& data)
{
    using Sheet = std::vector<PageProcedure> (*)(const SheetData&);
    const std::vector<std::pair<std::string, Sheet>> sheets = {
        {"energy", EnergySheetPages}, {"diagram", DiagramSheetPages}, {"cost", CostSheetPages}};
    std::vector<PageProcedure> pages;
    for (const auto& [name, makePages] : sheets)
        if (sheet == "all" || sheet == name) {
            std::vector<PageProcedure> more = makePages(data);
            pages.insert(pages.end(), more.begin(), more.end());
        }
    return pages;
}

// The drawing needs a Qt application; without a display it draws on the
// offscreen platform.
std::unique_ptr<QGuiApplication> DrawingApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "wrgcalc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

SheetContext ContextOf(const ProgramSettings& settings, const std::string& climateName)
{
    SheetContext context;
    context.siUnits = settings.SIUnits;
    context.currency = settings.Currency;
    context.separators = {settings.DecimalSeparator, settings.ThousandSeparator};
    context.language = settings.Language;
    context.climateZoneText = climateName;
    return context;
}

}  // namespace

int RunDatasheet(const DatasheetOptions& options, std::ostream& err)
{
    const bool knownSheet = std::find(std::begin(DatasheetNames), std::end(DatasheetNames), options.sheet) !=
                            std::end(DatasheetNames);
    if (!knownSheet) {
        err << "wrgcalc datasheet: unknown sheet \"" << options.sheet << "\" (energy, diagram, cost or all)\n";
        return UsageError;
    }
    if (options.language && !IsOfferedLanguage(*options.language)) {
        err << "wrgcalc datasheet: unknown language " << *options.language << " (1, 2, 3, 7, 8 or 9)\n";
        return UsageError;
    }
    Outcome<ProgramSettings> read = ReadSettings(options.settingsPath);
    if (!read.ok()) {
        err << "wrgcalc datasheet: " << read.message().Text() << '\n';
        return 1;
    }
    RunBase base{read.value(), std::nullopt};
    if (!options.projectPath.empty()) {
        if (const auto refused = ApplyProjectFile(options.projectPath, base, err, "wrgcalc datasheet: ")) {
            err << "wrgcalc datasheet: " << refused->Text() << '\n';
            return 1;
        }
    }
    ProgramSettings& settings = base.settings;
    if (options.language)
        settings.Language = *options.language;
    SetCurrentLanguage(settings.Language);

    const Outcome<Calculation> result = RunBaseCalculation(base, ClimateSource{options.climatePath, {}, {}},
                                                           ProgressBar(err, "Calculating"));
    ClearProgress(err);
    if (!result.ok()) {
        err << "wrgcalc datasheet: " << result.message().Text() << '\n';
        return 1;
    }
    const Calculation& c = result.value();

    const std::unique_ptr<QGuiApplication> application = DrawingApplication();
    const SheetData data = MakeSheetData(settings.Inputs, c.annual, c.economy, ContextOf(settings, c.climateName));
    // The caption of the main window, as the preview's print job has it.
    const QString title = QString::fromStdString(ProgramCaption());
    if (const std::optional<CoreMessage> error = WritePdf(QString::fromStdString(options.outPath),
                                                          SheetPages(options.sheet, data), title)) {
        err << "wrgcalc datasheet: " << error->Text() << '\n';
        return 1;
    }
    return 0;
}
