// The climate data editor's month rows as text, and the typed text read back.

#include "core/forms/ClimateEditorCells.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "core/climate/UserClimate.h"
#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"

namespace {

using MonthValues = std::array<double, ClimateMonthCount> ClimateRecord::*;

// A column of numbers: where it goes in the record, how it is converted and
// which values the editor accepts in either unit system (bounds included).
struct NumberColumn {
    int column;
    MonthValues field;
    DisplayQuantity quantity;
    double siMin, siMax;
    double ukMin, ukMax;
};

constexpr NumberColumn NumberColumns[] = {
    {ClimateColumn::HumRatio, &ClimateRecord::HumRatio, DisplayQuantity::HumidityRatio, 0, 30, 0, 210},
    {ClimateColumn::MinTemp, &ClimateRecord::MinTemp, DisplayQuantity::Temperature, -30, 50, -22, 122},
    {ClimateColumn::MaxTemp, &ClimateRecord::MaxTemp, DisplayQuantity::Temperature, -30, 50, -22, 122},
};

struct TimeColumn {
    int column;
    MonthValues field;
};

constexpr TimeColumn MinTimeColumn{ClimateColumn::MinTime, &ClimateRecord::MinTime};
constexpr TimeColumn MaxTimeColumn{ClimateColumn::MaxTime, &ClimateRecord::MaxTime};

constexpr double HoursPerDay = 24;
constexpr long long MillisecondsPerHour = 3600000;
constexpr long long MinutesPerDay = 24 * 60;
constexpr long long MillisecondsPerDay = 24 * MillisecondsPerHour;

std::string FormatShown(double value, const NumberSeparators& separators)
{
    return FormatFloat(value, FloatFormat::General, 10, 4, separators);
}

const std::string& Cell(const ClimateMonthTexts& texts, std::size_t month, int column)
{
    return texts[month][static_cast<std::size_t>(column - 1)];
}

std::string& Cell(ClimateMonthTexts& texts, std::size_t month, int column)
{
    return texts[month][static_cast<std::size_t>(column - 1)];
}

// Reads one or two digits; false when there are none.
bool ReadTwoDigits(std::string_view& text, int& value)
{
    std::size_t n = 0;
    value = 0;
    while (n < 2 && n < text.size() && std::isdigit(static_cast<unsigned char>(text[n])))
        value = value * 10 + (text[n++] - '0');
    text.remove_prefix(n);
    return n > 0;
}

bool ReadSeparatedField(std::string_view& text, int& value)
{
    if (text.empty() || text.front() != ':')
        return false;
    text.remove_prefix(1);
    return ReadTwoDigits(text, value) && value < 60;
}

// Whether a value of a number column (in the screen unit of `siUnits`) lies
// within what the editor accepts, bounds included; false for NaN.
bool IsAcceptedNumber(double value, const NumberColumn& c, bool siUnits)
{
    const double low = siUnits ? c.siMin : c.ukMin;
    const double high = siUnits ? c.siMax : c.ukMax;
    return value >= low && value <= high;
}

// A time of day the editor accepts: from 0:00 up to, not including, 24:00.
bool IsAcceptedTime(double hours)
{
    return hours >= 0 && hours < HoursPerDay;
}

// The value of a number column in its screen unit, or nothing when the text
// is no number or lies outside the accepted range.
std::optional<double> AcceptedNumber(std::string_view text, const NumberColumn& c, bool siUnits,
                                     const NumberSeparators& separators)
{
    const std::optional<double> value = ParseNumber(text, separators);
    if (!value)
        return std::nullopt;
    if (!IsAcceptedNumber(*value, c, siUnits))
        return std::nullopt;
    return value;
}

std::optional<double> AcceptedTime(std::string_view text)
{
    const std::optional<double> hours = ParseTimeOfDay(text);
    if (!hours || !IsAcceptedTime(*hours))
        return std::nullopt;
    return hours;
}

const NumberColumn* NumberColumnOf(int column)
{
    for (const NumberColumn& c : NumberColumns)
        if (c.column == column)
            return &c;
    return nullptr;
}

// The record's values of an editable column.
MonthValues FieldOfColumn(int column)
{
    if (const NumberColumn* c = NumberColumnOf(column))
        return c->field;
    return column == MinTimeColumn.column ? MinTimeColumn.field : MaxTimeColumn.field;
}

// Fills one month of the record; the column of the first text refused, or
// 0 when the month is read.
int ReadMonth(const ClimateMonthTexts& texts, std::size_t month, bool siUnits, const NumberSeparators& separators,
              ClimateRecord& record)
{
    for (int column = ClimateColumn::HumRatio; column <= ClimateColumn::MaxTime; ++column) {
        const std::string_view text = TrimSurroundingSpace(Cell(texts, month, column));
        if (const NumberColumn* c = NumberColumnOf(column)) {
            const std::optional<double> value = AcceptedNumber(text, *c, siUnits, separators);
            if (!value)
                return column;
            // Into the calculation unit exactly as typed: no rounding.
            (record.*c->field)[month] = SwitchedValue(c->quantity, siUnits, true, *value);
        } else {
            const std::optional<double> hours = AcceptedTime(text);
            if (!hours)
                return column;
            const TimeColumn& t = column == MinTimeColumn.column ? MinTimeColumn : MaxTimeColumn;
            (record.*t.field)[month] = *hours;
        }
    }
    return 0;
}

// Copies one month of `from` (calculation units) into `record`; the column of
// the first value the editor would not accept, or 0.
int CopyMonth(const ClimateRecord& from, std::size_t month, ClimateRecord& record)
{
    for (int column = ClimateColumn::HumRatio; column <= ClimateColumn::MaxTime; ++column) {
        const MonthValues field = FieldOfColumn(column);
        const double value = (from.*field)[month];
        const NumberColumn* c = NumberColumnOf(column);
        if (c != nullptr ? !IsAcceptedNumber(value, *c, true) : !IsAcceptedTime(value))
            return column;
        (record.*field)[month] = value;
    }
    return 0;
}

// The check of a climate data set month by month, each month's values read
// by readMonth(month, record) (the column of the first refused value, or 0),
// then its two times: at the same time of day, or so close that the daily
// curve leaves its extremes, the maximum's time is at fault.
template <class ReadMonth>
ClimateTextCheck CheckMonths(const std::string& description, ReadMonth&& readMonth)
{
    ClimateTextCheck check;
    if (description.empty()) {
        check.fault = ClimateTextFault::EmptyDescription;
        return check;
    }
    ClimateRecord record;
    record.Name = CutClimateName(description);
    for (std::size_t m = 0; m < ClimateMonthCount; ++m) {
        check.month = m;
        check.column = readMonth(m, record);
        if (check.column == 0 && record.MinTime[m] == record.MaxTime[m])
            check.column = MaxTimeColumn.column;
        if (check.column != 0) {
            check.fault = ClimateTextFault::InvalidCell;
            return check;
        }
        if (!IsDailyCurveNearItsExtremes(record.MinTime[m], record.MinTemp[m], record.MaxTime[m], record.MaxTemp[m])) {
            check.fault = ClimateTextFault::RunawayCurve;
            check.column = MaxTimeColumn.column;
            return check;
        }
    }
    check.month = 0;
    check.column = 0;
    if (!IsUsableClimateRecord(record)) {
        check.fault = ClimateTextFault::Unusable;
        return check;
    }
    check.record = std::move(record);
    return check;
}

}  // namespace

std::string FormatTimeOfDay(double hours)
{
    if (!std::isfinite(hours) || hours < 0 || hours > 1e6)
        return {};
    const long long milliseconds = std::llround(hours * MillisecondsPerHour);
    const long long minutes = milliseconds / 60000 % MinutesPerDay;
    char text[8];
    std::snprintf(text, sizeof text, "%02lld:%02lld", minutes / 60, minutes % 60);
    return text;
}

std::optional<double> ParseTimeOfDay(std::string_view text)
{
    text = TrimSurroundingSpace(text);
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    if (!ReadTwoDigits(text, hours) || !ReadSeparatedField(text, minutes))
        return std::nullopt;
    if (!text.empty() && !ReadSeparatedField(text, seconds))
        return std::nullopt;
    if (!text.empty())
        return std::nullopt;
    // A time of day is a fraction of a day; the file holds that fraction
    // times 24. Summing hours and minutes would differ in the last bit for
    // many times ("07:05").
    const long long milliseconds = (hours * 60LL + minutes) * 60000LL + seconds * 1000LL;
    return double(milliseconds) / double(MillisecondsPerDay) * HoursPerDay;
}

ClimateMonthTexts ClimateTextsOfRecord(const ClimateRecord& record, bool siUnits, const NumberSeparators& separators)
{
    ClimateMonthTexts texts;
    for (std::size_t m = 0; m < ClimateMonthCount; ++m) {
        for (const NumberColumn& c : NumberColumns) {
            const double shown = ShownValue(c.quantity, siUnits, (record.*c.field)[m]);
            Cell(texts, m, c.column) = FormatShown(shown, separators);
        }
        for (const TimeColumn& c : {MinTimeColumn, MaxTimeColumn})
            Cell(texts, m, c.column) = FormatTimeOfDay((record.*c.field)[m]);
    }
    return texts;
}

ClimateTextCheck CheckClimateTexts(const std::string& description, const ClimateMonthTexts& texts, bool siUnits,
                                   const NumberSeparators& separators)
{
    return CheckMonths(description, [&](std::size_t month, ClimateRecord& record) {
        return ReadMonth(texts, month, siUnits, separators, record);
    });
}

ClimateTextCheck CheckClimateRecord(const ClimateRecord& record)
{
    return CheckMonths(record.Name,
                       [&record](std::size_t month, ClimateRecord& out) { return CopyMonth(record, month, out); });
}

std::optional<CoreMessage> ClimateTextCheckMessage(const ClimateTextCheck& check)
{
    static constexpr TextId ColumnTexts[ClimateValueColumnCount] = {
        TextId::AbsoluteHumidity, TextId::DailyMinimumTemperature, TextId::DailyMinimumTime,
        TextId::DailyMaximumTemperature, TextId::DailyMaximumTime};
    const std::string month = CatalogueText(MonthName(int(check.month) + 1));
    switch (check.fault) {
    case ClimateTextFault::None:
        return std::nullopt;
    case ClimateTextFault::EmptyDescription:
        return CoreMessage{TextId::EmptyDescription, "Invalid data: the description is empty.", {}};
    case ClimateTextFault::InvalidCell:
        return CoreMessage{
            TextId::InvalidCell, "Invalid data: %s, %s.", {month, CatalogueText(ColumnTexts[check.column - 1])}};
    case ClimateTextFault::RunawayCurve:
        return CoreMessage{TextId::MinMaxTimesTooClose,
                           "The minimum and maximum times of %s are too close for a daily course.",
                           {month}};
    case ClimateTextFault::Unusable:
        break;
    }
    return CoreMessage{TextId::InvalidData, "Invalid data", {}};
}

std::optional<ClimateRecord> ClimateRecordOfTexts(const std::string& description, const ClimateMonthTexts& texts,
                                                  bool siUnits, const NumberSeparators& separators)
{
    return CheckClimateTexts(description, texts, siUnits, separators).record;
}

std::vector<std::vector<std::string>> SplitPastedCells(std::string_view text)
{
    std::vector<std::vector<std::string>> rows;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        std::vector<std::string> cells;
        for (;;) {
            const std::size_t tab = line.find('\t');
            cells.emplace_back(TrimSurroundingSpace(line.substr(0, tab)));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        rows.push_back(std::move(cells));
        if (end == std::string_view::npos)
            break;
        const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end + (crlf ? 2 : 1));
    }
    return rows;
}

std::string ConvertClimateText(const std::string& text, int column, bool fromSI, bool toSI,
                               const NumberSeparators& separators)
{
    if (fromSI == toSI)
        return text;
    for (const NumberColumn& c : NumberColumns) {
        if (c.column != column)
            continue;
        const std::optional<double> value = ParseNumber(text, separators);
        if (!value)
            return text;
        return FormatShown(SwitchedValue(c.quantity, fromSI, toSI, *value), separators);
    }
    return text;
}
