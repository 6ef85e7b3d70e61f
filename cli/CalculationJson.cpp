// The calculation records to and from JSON.

#include "cli/CalculationJson.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cli/JsonLines.h"
#include "core/climate/AnnualResultsFields.h"
#include "core/climate/CalcInputsFields.h"
#include "core/economy/EconomyResultsFields.h"

namespace {

using nlohmann::json;

[[noreturn]] void WrongType(const std::string& name, const char* expected, const json& value)
{
    throw InputError("field \"" + name + "\" must be " + expected + ", not " + value.type_name());
}

long long WholeNumber(const json& value, const std::string& name, long long low, long long high)
{
    if (!value.is_number())
        WrongType(name, "a number", value);
    const double number = value.get<double>();
    if (number != std::floor(number) || number < static_cast<double>(low) || number > static_cast<double>(high)) {
        throw InputError("field \"" + name + "\" must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    }
    return static_cast<long long>(number);
}

struct InputReader {
    const json& value;
    const std::string& name;

    void operator()(double& field) const
    {
        if (!value.is_number())
            WrongType(name, "a number", value);
        field = value.get<double>();
    }
    void operator()(int& field) const
    {
        field = static_cast<int>(
            WholeNumber(value, name, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    void operator()(std::uint8_t& field) const { field = static_cast<std::uint8_t>(WholeNumber(value, name, 0, 255)); }
    template <class Enumeration>
    requires std::is_enum_v<Enumeration>
    void operator()(Enumeration& field) const
    {
        int number = 0;
        (*this)(number);
        field = static_cast<Enumeration>(number);
    }
    void operator()(bool& field) const
    {
        if (!value.is_boolean())
            WrongType(name, "true or false", value);
        field = value.get<bool>();
    }
    void operator()(std::string& field) const
    {
        if (!value.is_string())
            WrongType(name, "a string", value);
        field = value.get<std::string>();
    }
};

struct FieldWriter {
    JsonObjectWriter& out;

    void operator()(const char* name, double value) const { out.Number(name, value); }
    void operator()(const char* name, int value) const { out.Number(name, value); }
    void operator()(const char* name, std::uint8_t value) const { out.Number(name, value); }
    template <class Enumeration>
    requires std::is_enum_v<Enumeration>
    void operator()(const char* name, Enumeration value) const { out.Number(name, static_cast<int>(value)); }
    void operator()(const char* name, bool value) const { out.Bool(name, value); }
    void operator()(const char* name, const std::string& value) const { out.String(name, value); }
    void operator()(const char* name, const std::optional<double>& value) const
    {
        if (value)
            out.Number(name, *value);
        else
            out.Null(name);
    }
    void operator()(const char* name, const std::array<double, 12>& values) const { out.Numbers(name, values); }
    void operator()(const char* name, const std::array<int, 12>& values) const { out.Numbers(name, values); }
};

}  // namespace

void ReadCalcInputs(const json& object, CalcInputs& inputs, std::initializer_list<std::string_view> extraKeys)
{
    for (const auto& item : object.items()) {
        if (std::find(extraKeys.begin(), extraKeys.end(), item.key()) != extraKeys.end())
            continue;
        const CalcInputField* field = FieldNamed(item.key());
        if (field == nullptr)
            throw InputError("unknown field \"" + item.key() + "\"");
        std::visit([&](auto member) { InputReader{item.value(), item.key()}(inputs.*member); }, field->member);
    }
}

std::string CalculationJson(CalcInputs inputs, AnnualResults annual, EconomyResults economy,
                            std::string_view weatherFile)
{
    JsonObjectWriter in;
    VisitCalcInputs(inputs, FieldWriter{in});
    JsonObjectWriter results;
    VisitAnnualResults(annual, FieldWriter{results});
    JsonObjectWriter money;
    VisitEconomyResults(economy, FieldWriter{money});
    JsonObjectWriter calculation;
    calculation.Object("CalcInputs", in).Object("AnnualResults", results).Object("EconomyResults", money);
    if (!weatherFile.empty())
        calculation.String("WeatherFile", weatherFile);
    return calculation.Text();
}
