#pragma once
// The twelve month rows of the climate data editor as text: a record shown in
// the units of the screen, and the texts the user typed read back into a
// record. Humidity ratio and temperatures appear in the general number
// format with the program's separators; times of day as "hh:mm".

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/climate/ClimateFile.h"
#include "core/text/CoreMessage.h"
#include "core/text/NumberFormat.h"

// The editable columns of a month row, numbered as in the window's grid.
namespace ClimateColumn {
inline constexpr int HumRatio = 1;
inline constexpr int MinTemp = 2;
inline constexpr int MinTime = 3;
inline constexpr int MaxTemp = 4;
inline constexpr int MaxTime = 5;
}  // namespace ClimateColumn

inline constexpr std::size_t ClimateMonthCount = 12;
inline constexpr std::size_t ClimateValueColumnCount = 5;

// [month][column − 1]: the texts of columns 1 … 5 of January … December.
using ClimateMonthTexts = std::array<std::array<std::string, ClimateValueColumnCount>, ClimateMonthCount>;

// A time of day in hours as "hh:mm", from 00:00 to 23:59. The time is taken
// to the millisecond and the seconds are dropped, so 7.9999 h (07:59:59.64) is
// "07:59"; 24 h is the next day's "00:00".
std::string FormatTimeOfDay(double hours);

// "h:mm" or "hh:mm", optionally with ":ss", blanks around allowed, read as
// hours, computed as the fraction of a day times 24: "07:30" is 7.5.
// Minutes and seconds must lie below 60; the hours are not limited here
// ("24:00" reads as 24), the caller decides what it accepts.
std::optional<double> ParseTimeOfDay(std::string_view text);

// The texts of a record's months in SI (g/kg, °C) or UK/US (gr/lb, °F) units.
ClimateMonthTexts ClimateTextsOfRecord(const ClimateRecord& record, bool siUnits, const NumberSeparators& separators);

// Why the texts of the editor make no climate data set, and where.
enum class ClimateTextFault {
    None,
    EmptyDescription,
    InvalidCell,   // a cell refused by itself, or the two times of a month equal
    RunawayCurve,  // the month's daily curve leaves its extremes ± 5 K
    Unusable,      // a record IsUsableClimateRecord refuses for another reason
};

struct ClimateTextCheck {
    std::optional<ClimateRecord> record;  // when the texts make one
    ClimateTextFault fault = ClimateTextFault::None;
    std::size_t month = 0;  // 0-based, for InvalidCell and RunawayCurve
    int column = 0;         // ClimateColumn, for InvalidCell and RunawayCurve
};

// Checks the texts month by month, each month from column 1 to 5, and stops
// at the first fault:
// - an empty description;
// - a text that cannot be read as a number or a time of day;
// - a humidity ratio below 0 or above 30 g/kg (210 gr/lb);
// - a temperature outside −30 … 50 °C (−22 … 122 °F), bounds included;
// - a time of day below 0 or not below 24 h;
// - minimum and maximum of a month at the same time of day, by text or value
//   (the fault of the maximum's time);
// - minimum and maximum so close in time that the daily curve of the month
//   leaves its extremes ± 5 K (FirstMonthOfRunawayCurve; also the maximum's
//   time);
// - a record that IsUsableClimateRecord refuses after the conversion.
// White space around a text is ignored (a value copied from a spreadsheet
// cell ends with a line break). The description is cut to what the file
// holds (CutClimateName).
ClimateTextCheck CheckClimateTexts(const std::string& description, const ClimateMonthTexts& texts, bool siUnits,
                                   const NumberSeparators& separators);

// The same checks for a record in calculation units (g/kg, °C, hours), as
// the editor applies to it typed in SI units: the name is the description
// (the checked record has it cut as the editor cuts it), the values are the
// cells.
ClimateTextCheck CheckClimateRecord(const ClimateRecord& record);

// The message for a fault CheckClimateTexts found, naming the month and the
// column in the current language; nothing for ClimateTextFault::None.
std::optional<CoreMessage> ClimateTextCheckMessage(const ClimateTextCheck& check);

// The record of CheckClimateTexts, or nothing when the texts make none.
std::optional<ClimateRecord> ClimateRecordOfTexts(const std::string& description, const ClimateMonthTexts& texts,
                                                  bool siUnits, const NumberSeparators& separators);

// Text as copied from a spreadsheet: rows separated by line breaks (LF, CR
// LF or CR), cells by tabs, one line break at the end ignored. Each cell
// without the white space around it.
std::vector<std::vector<std::string>> SplitPastedCells(std::string_view text);

// A number text of column 1, 2 or 4 converted between the unit systems, in
// the same format; other columns and texts that are no number come back as
// they are.
std::string ConvertClimateText(const std::string& text, int column, bool fromSI, bool toSI,
                               const NumberSeparators& separators);
