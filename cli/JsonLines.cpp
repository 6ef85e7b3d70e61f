// Reading and answering JSON Lines for the calculation commands.

#include "cli/JsonLines.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <istream>
#include <ostream>

std::string FormatNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

void JsonObjectWriter::Name(std::string_view name)
{
    if (!body_.empty())
        body_ += ',';
    body_ += nlohmann::json(std::string(name)).dump();
    body_ += ':';
}

JsonObjectWriter& JsonObjectWriter::Number(std::string_view name, double value)
{
    Name(name);
    body_ += FormatNumber(value);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::String(std::string_view name, std::string_view value)
{
    Name(name);
    body_ += nlohmann::json(std::string(value)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::Object(std::string_view name, const JsonObjectWriter& object)
{
    Name(name);
    body_ += object.Text();
    return *this;
}

JsonObjectWriter& JsonObjectWriter::Bool(std::string_view name, bool value)
{
    Name(name);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObjectWriter& JsonObjectWriter::Null(std::string_view name)
{
    Name(name);
    body_ += "null";
    return *this;
}

namespace {

template <class T>
std::string ListOf(std::span<const T> values)
{
    std::string text = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += FormatNumber(values[i]);
    }
    return text + ']';
}

}  // namespace

JsonObjectWriter& JsonObjectWriter::Numbers(std::string_view name, std::span<const double> values)
{
    Name(name);
    body_ += ListOf(values);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::Numbers(std::string_view name, std::span<const int> values)
{
    Name(name);
    body_ += ListOf(values);
    return *this;
}

std::string JsonObjectWriter::Text() const
{
    return '{' + body_ + '}';
}

std::string ErrorLine(std::string_view message)
{
    return JsonObjectWriter().String("error", message).Text();
}

bool IsBlankLine(const std::string& line)
{
    return std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

std::string AnswerJsonLine(const std::string& line, const std::function<std::string(const nlohmann::json&)>& answer,
                           bool& failed)
{
    nlohmann::json object;
    try {
        object = nlohmann::json::parse(line);
    } catch (const nlohmann::json::exception& error) {
        // Syntax errors, and numbers beyond the range of a double.
        failed = true;
        return ErrorLine(std::string("the line is not valid JSON: ") + error.what());
    }
    if (!object.is_object()) {
        failed = true;
        return ErrorLine("the line must be a JSON object, such as {\"Temp\":20}");
    }
    try {
        return answer(object);
    } catch (const InputError& error) {
        failed = true;
        return ErrorLine(error.what());
    }
}

int RunJsonLines(std::istream& in, std::ostream& out, const std::function<std::string(const nlohmann::json&)>& answer)
{
    bool anyFailed = false;
    std::string line;
    while (std::getline(in, line)) {
        if (IsBlankLine(line))
            continue;
        out << AnswerJsonLine(line, answer, anyFailed) << '\n' << std::flush;
    }
    return anyFailed ? 1 : 0;
}

void RejectUnknownFields(const nlohmann::json& object, std::initializer_list<std::string_view> known)
{
    for (const auto& item : object.items()) {
        if (std::find(known.begin(), known.end(), item.key()) == known.end())
            throw InputError("unknown field \"" + item.key() + "\"");
    }
}

namespace {

double NumberOf(const nlohmann::json& value, std::string_view name)
{
    const std::string field(name);
    if (!value.is_number())
        throw InputError("field \"" + field + "\" must be a number, not " + value.type_name());
    const double number = value.get<double>();
    if (!std::isfinite(number))
        throw InputError("field \"" + field + "\" must be a finite number");
    return number;
}

}  // namespace

double RequireNumber(const nlohmann::json& object, std::string_view name)
{
    const auto found = object.find(std::string(name));
    if (found == object.end())
        throw InputError("missing field \"" + std::string(name) + "\"");
    return NumberOf(*found, name);
}

double NumberOr(const nlohmann::json& object, std::string_view name, double fallback)
{
    const auto found = object.find(std::string(name));
    return found == object.end() ? fallback : NumberOf(*found, name);
}

int RequireInteger(const nlohmann::json& object, std::string_view name, int low, int high)
{
    const double number = RequireNumber(object, name);
    if (number != std::floor(number) || number < low || number > high) {
        throw InputError("field \"" + std::string(name) + "\" must be a whole number from " + std::to_string(low) +
                         " to " + std::to_string(high));
    }
    return static_cast<int>(number);
}
