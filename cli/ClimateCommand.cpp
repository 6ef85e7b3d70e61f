// wrgcalc climate show|write|import: user climate files as JSON, and from weather files.

#include "cli/ClimateCommand.h"

#include <array>
#include <cmath>
#include <istream>
#include <iterator>
#include <ostream>

#include <nlohmann/json.hpp>

#include "cli/JsonLines.h"
#include "core/climate/ClimateFile.h"
#include "core/climate/UserClimate.h"
#include "core/climate/WeatherFile.h"
#include "core/text/Catalogue.h"

const char* const ClimateCommandHelp = R"(A climate file holds one user climate data set: a description "Name" (at most
50 characters) and for each month (lists of 12, January first) the outdoor
humidity ratio "HumRatio" (g/kg), the mean daily minimum "MinTemp" (degC) at
the time "MinTime" (hours, 7.5 is 07:30) and the mean daily maximum "MaxTemp"
at "MaxTime". "show FILE" prints the file as one JSON object; "write FILE"
reads such an object from stdin and writes the file. "import WEATHERFILE --out
FILE" derives the typical days of each month from an hourly weather file
(EnergyPlus weather file or German test reference year), writes them as a
climate file and prints it as "show" does.)";

namespace {

using nlohmann::json;

constexpr int EnglishLanguage = 2;

std::array<double, 12> ReadMonthlyList(const json& object, const char* name)
{
    const auto found = object.find(name);
    if (found == object.end())
        throw InputError(std::string("missing field \"") + name + "\"");
    if (!found->is_array() || found->size() != 12)
        throw InputError(std::string("field \"") + name + "\" must be a list of 12 numbers");
    std::array<double, 12> values{};
    for (std::size_t i = 0; i < 12; ++i) {
        if (!(*found)[i].is_number())
            throw InputError(std::string("field \"") + name + "\" must be a list of 12 numbers");
        values[i] = (*found)[i].get<double>();
    }
    return values;
}

ClimateRecord RecordOfJson(const json& object)
{
    if (!object.is_object())
        throw InputError("the input must be one JSON object");
    for (const auto& item : object.items()) {
        static constexpr std::array<const char*, 6> known = {"Name",    "HumRatio", "MinTemp",
                                                             "MinTime", "MaxTemp",  "MaxTime"};
        if (std::find_if(known.begin(), known.end(), [&item](const char* k) { return item.key() == k; }) == known.end())
            throw InputError("unknown field \"" + item.key() + "\"");
    }
    ClimateRecord record;
    const auto name = object.find("Name");
    if (name == object.end() || !name->is_string())
        throw InputError("field \"Name\" must be a string");
    record.Name = name->get<std::string>();
    VisitMonthlyLists(record, [&object](const char* field, std::array<double, 12>& values) {
        values = ReadMonthlyList(object, field);
    });
    if (const int month = FirstMonthOfRunawayCurve(record))
        throw InputError("the minimum and maximum times of " + CatalogueTextIn(EnglishLanguage, MonthName(month)) +
                         " are too close for a daily course: its temperatures would leave the range of the minimum "
                         "and maximum by more than 5 K");
    if (!IsUsableClimateRecord(record))
        throw InputError(
            "the data set is not usable: every value must be a finite number, every time between 0 and "
            "24 h, and the minimum and maximum of a month at different times");
    return record;
}

}  // namespace

int ShowClimateFile(const std::string& path, std::ostream& out, std::ostream& err)
{
    const Outcome<ClimateRecord> read = ReadClimateFile(path);
    if (!read.ok()) {
        err << "wrgcalc climate: " << read.message().Text() << '\n';
        return 1;
    }
    const ClimateRecord& record = read.value();
    JsonObjectWriter object;
    object.String("Name", record.Name);
    VisitMonthlyLists(
        record, [&object](const char* field, const std::array<double, 12>& values) { object.Numbers(field, values); });
    out << object.Text() << '\n';
    return 0;
}

int WriteClimateFileFromJson(const std::string& path, std::istream& in, std::ostream& err)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    try {
        const ClimateRecord record = RecordOfJson(json::parse(text));
        if (const auto failure = WriteClimateFile(path, record)) {
            err << "wrgcalc climate: " << failure->Text() << '\n';
            return 1;
        }
        return 0;
    } catch (const json::exception& error) {
        err << "wrgcalc climate: the input is not valid JSON: " << error.what() << '\n';
    } catch (const InputError& error) {
        err << "wrgcalc climate: " << error.what() << '\n';
    }
    return 1;
}

int ImportWeatherFile(const std::string& weatherPath, const std::string& path, std::ostream& out, std::ostream& err)
{
    const Outcome<WeatherData> weather = ReadWeatherFile(weatherPath);
    const Outcome<ClimateRecord> record = weather.ok() ? TypicalDaysOf(weather.value())
                                                       : Outcome<ClimateRecord>(weather.message());
    if (!record.ok()) {
        err << "wrgcalc climate: " << record.message().Text() << '\n';
        return 1;
    }
    if (const auto failure = WriteClimateFile(path, record.value())) {
        err << "wrgcalc climate: " << failure->Text() << '\n';
        return 1;
    }
    // Printed from the file written, so that the output is what was stored.
    return ShowClimateFile(path, out, err);
}
