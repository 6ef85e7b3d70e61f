#pragma once
// JSON Lines in and out for the calculation commands of wrgcalc: one JSON
// object per input line, one JSON line per answer. A line that cannot be
// answered gets {"error": "..."} and the run goes on with the next line.

#include <functional>
#include <initializer_list>
#include <iosfwd>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

// A fault of one input line; its message is shown to the user as it stands.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// 17 significant digits (the double reads back bit for bit); null for NaN and
// infinities.
std::string FormatNumber(double value);

// Builds one JSON object, field by field, in the order of the calls.
class JsonObjectWriter {
public:
    JsonObjectWriter& Number(std::string_view name, double value);
    JsonObjectWriter& String(std::string_view name, std::string_view value);
    JsonObjectWriter& Object(std::string_view name, const JsonObjectWriter& object);
    JsonObjectWriter& Bool(std::string_view name, bool value);
    JsonObjectWriter& Null(std::string_view name);
    JsonObjectWriter& Numbers(std::string_view name, std::span<const double> values);
    JsonObjectWriter& Numbers(std::string_view name, std::span<const int> values);
    std::string Text() const;

private:
    void Name(std::string_view name);
    std::string body_;
};

// The answer line for a failed input line.
std::string ErrorLine(std::string_view message);

// A line of white space only, which a run skips.
bool IsBlankLine(const std::string& line);

// The answer line of one input line: `answer` of its object, or the error line
// of a line that is no JSON object or that `answer` rejects (failed is then
// set; it is never cleared).
std::string AnswerJsonLine(const std::string& line, const std::function<std::string(const nlohmann::json&)>& answer,
                           bool& failed);

// Reads JSON Lines from `in` and writes the answer of `answer` for each object
// to `out`. Blank lines are skipped. `answer` throws InputError for a line it
// cannot answer. Returns 0 when every line got a result, 1 otherwise.
int RunJsonLines(std::istream& in, std::ostream& out, const std::function<std::string(const nlohmann::json&)>& answer);

// Field checks for an input object; each throws InputError naming the field.
void RejectUnknownFields(const nlohmann::json& object, std::initializer_list<std::string_view> known);
// A finite number.
double RequireNumber(const nlohmann::json& object, std::string_view name);
double NumberOr(const nlohmann::json& object, std::string_view name, double fallback);
// A whole number from low to high.
int RequireInteger(const nlohmann::json& object, std::string_view name, int low, int high);
