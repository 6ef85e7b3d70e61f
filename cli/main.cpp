// wrgcalc: the calculations of WRG from the command line, for scripts and tests.

#include <cmath>
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/AirCommand.h"
#include "cli/CalculateCommand.h"
#include "cli/ClimateCommand.h"
#include "cli/ConvertCommand.h"
#ifdef WRGCALC_DATASHEETS
#include "cli/DatasheetCommand.h"
#endif
#include "cli/JsonLines.h"
#include "cli/PointCommand.h"
#include "cli/ProjectCommand.h"
#include "core/settings/ProgramVersion.h"
#include "core/settings/UnitConversion.h"

namespace {

// Exit status of a command line that could not be read.
constexpr int UsageError = 2;

struct ConvertArguments {
    int kind = 0;
    int from = 0;
    int to = 0;
    double value = 0;
};

void AddConvertCommand(CLI::App& app, ConvertArguments& args)
{
    CLI::App* convert = app.add_subcommand("convert", "Convert one value between units");
    convert->add_option("KIND", args.kind, "Quantity kind (see below)")->required();
    convert->add_option("FROM", args.from, "Unit code of the value")->required();
    convert->add_option("TO", args.to, "Unit code of the result")->required();
    convert->add_option("VALUE", args.value, "The value to convert")->required();
    convert->footer(ConvertCommandHelp);
}

int RunConvert(const ConvertArguments& args)
{
    if (!std::isfinite(args.value)) {
        std::cerr << "wrgcalc convert: VALUE must be a finite number\n";
        return UsageError;
    }
    std::cout << FormatNumber(ConvertUnit(static_cast<UnitKind>(args.kind), static_cast<UnitCode>(args.from),
                                          static_cast<UnitCode>(args.to), args.value))
              << '\n';
    return 0;
}

struct ProjectArguments {
    std::string settingsPath;
    std::string outPath;
};

// "project new"; the subcommand, to ask whether it was given.
const CLI::App* AddProjectCommand(CLI::App& app, ProjectArguments& args)
{
    CLI::App* project = app.add_subcommand("project", "Write project files");
    project->require_subcommand(1);
    project->footer(ProjectCommandHelp);
    CLI::App* create = project->add_subcommand("new", "Write the inputs of a settings file as a project file");
    create->add_option("--settings", args.settingsPath, "Settings file (default: the user's)");
    create->add_option("--out", args.outPath, "The project file (.wrg) to write")->required();
    return create;
}

#ifdef WRGCALC_DATASHEETS
CLI::App* AddDatasheetCommand(CLI::App& app, DatasheetOptions& options)
{
    CLI::App* datasheet = app.add_subcommand("datasheet",
                                             "Write the datasheets of a settings file's calculation as PDF");
    datasheet->add_option("SHEET", options.sheet, "energy, diagram, cost or all")->required();
    datasheet->add_option("--settings", options.settingsPath, "Settings file (default: the user's)");
    CLI::Option* climate = datasheet->add_option("--climate", options.climatePath,
                                                 "User climate file (.cli) instead of the zone");
    datasheet->add_option("--project", options.projectPath, "Project file (.wrg) instead of the settings' inputs")
        ->excludes(climate);
    datasheet->add_option("--language", options.language, "Language number of the texts");
    datasheet->add_option("--out", options.outPath, "The PDF file to write")->required();
    datasheet->footer(DatasheetCommandHelp);
    return datasheet;
}
#endif

}  // namespace

int main(int argc, char** argv)
{
    // Named, so that the usage lines read "wrgcalc ..." however the program was started.
    CLI::App app{"wrgcalc: heat recovery calculations of WRG from the command line", "wrgcalc"};
    app.set_version_flag("--version", std::string("wrgcalc ") + ProgramVersion, "Print the version and exit");
    app.require_subcommand(1);

    CLI::App* air = app.add_subcommand("air", "Complete moist-air states read as JSON Lines from stdin");
    air->footer(AirCommandHelp);

    CLI::App* point = app.add_subcommand("point",
                                         "Calculate operating points of a device read as JSON Lines from stdin");
    point->footer(PointCommandHelp());

    CalculateOptions calculateOptions;
    CLI::App* calculate = app.add_subcommand("calculate", "Annual energy and economy of the inputs of a settings file");
    calculate->add_option("--settings", calculateOptions.settingsPath, "Settings file (default: the user's)");
    CLI::Option* climateOption = calculate->add_option("--climate", calculateOptions.climatePath,
                                                       "User climate file (.cli) instead of the zone");
    calculate
        ->add_option("--weather", calculateOptions.weatherPath,
                     "Weather file (.epw or TRY .dat): its actual year instead of the zone")
        ->excludes(climateOption);
    calculate
        ->add_option("--project", calculateOptions.projectPath, "Project file (.wrg) instead of the settings' inputs")
        ->excludes(climateOption);
    calculate->add_flag("--json", calculateOptions.json, "Print one JSON object instead of the report");
    calculate->add_flag("--batch", calculateOptions.batch, "Read JSON Lines of inputs on stdin");
    calculate
        ->add_option("--jobs", calculateOptions.jobs, "Lines of a batch calculated at once (default: one per core)")
        ->check(CLI::Range(1, 256));
    calculate->footer(CalculateCommandHelp);

    std::string climateFile;
    CLI::App* climate = app.add_subcommand("climate", "Show, write or import a user climate file");
    climate->require_subcommand(1);
    climate->footer(ClimateCommandHelp);
    CLI::App* climateShow = climate->add_subcommand("show", "Print a climate file as JSON");
    climateShow->add_option("FILE", climateFile, "The climate file (.cli)")->required();
    CLI::App* climateWrite = climate->add_subcommand("write", "Write a climate file from JSON on stdin");
    climateWrite->add_option("FILE", climateFile, "The climate file (.cli)")->required();
    std::string weatherFile;
    CLI::App* climateImport = climate->add_subcommand("import", "Write a climate file from an hourly weather file");
    climateImport->add_option("WEATHERFILE", weatherFile, "The weather file (.epw or test reference year .dat)")
        ->required();
    climateImport->add_option("--out", climateFile, "The climate file (.cli) to write")->required();

    ConvertArguments convertArgs;
    AddConvertCommand(app, convertArgs);

    ProjectArguments projectArgs;
    const CLI::App* projectNew = AddProjectCommand(app, projectArgs);

#ifdef WRGCALC_DATASHEETS
    DatasheetOptions datasheetOptions;
    const CLI::App* datasheet = AddDatasheetCommand(app, datasheetOptions);
#endif

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error);
        return status == 0 ? 0 : UsageError;
    }

    if (air->parsed())
        return RunJsonLines(std::cin, std::cout, AnswerAirLine);
    if (point->parsed())
        return RunJsonLines(std::cin, std::cout, AnswerPointLine);
    if (calculate->parsed())
        return RunCalculate(calculateOptions, std::cin, std::cout, std::cerr);
    if (climateShow->parsed())
        return ShowClimateFile(climateFile, std::cout, std::cerr);
    if (climateWrite->parsed())
        return WriteClimateFileFromJson(climateFile, std::cin, std::cerr);
    if (climateImport->parsed())
        return ImportWeatherFile(weatherFile, climateFile, std::cout, std::cerr);
    if (projectNew->parsed())
        return RunProjectNew(projectArgs.settingsPath, projectArgs.outPath, std::cerr);
#ifdef WRGCALC_DATASHEETS
    if (datasheet->parsed())
        return RunDatasheet(datasheetOptions, std::cerr);
#endif
    return RunConvert(convertArgs);
}
