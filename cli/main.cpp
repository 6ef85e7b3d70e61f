// wrgcalc: the calculations of WRG from the command line, for scripts and tests.

#include <cmath>
#include <iostream>

#include <CLI/CLI.hpp>

#include "cli/AirCommand.h"
#include "cli/ConvertCommand.h"
#include "cli/JsonLines.h"
#include "cli/PointCommand.h"
#include "settings/UUmrechnung.h"

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
    std::cout << FormatNumber(ConvertUnit(args.kind, args.from, args.to, args.value)) << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"wrgcalc: heat recovery calculations of WRG from the command line"};
    app.require_subcommand(1);

    CLI::App* air = app.add_subcommand("air", "Complete moist-air states read as JSON Lines from stdin");
    air->footer(AirCommandHelp);

    CLI::App* point = app.add_subcommand("point", "Calculate operating points of a device read as JSON Lines from stdin");
    point->footer(PointCommandHelp());

    ConvertArguments convertArgs;
    AddConvertCommand(app, convertArgs);

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
    return RunConvert(convertArgs);
}
