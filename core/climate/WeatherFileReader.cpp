// Reading hourly weather files: EnergyPlus weather files (EPW) and the German
// test reference years (TRY), told apart by their contents.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>
#include <tuple>

#include "core/climate/WeatherFile.h"
#include "core/settings/SafeFile.h"
#include "core/thermo/AirPressure.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace {

constexpr double NoValue = std::numeric_limits<double>::quiet_NaN();

// An EPW: LOCATION and seven more header lines, then 35 fields an hour.
constexpr std::size_t EpwHeaderLines = 8;
constexpr std::size_t EpwFields = 35;
constexpr std::size_t EpwLocationFields = 10;
// A TRY: a free header up to the "***" line, then 17 fields an hour.
constexpr std::size_t TryFields = 17;
// The hour counts of a whole year, without and with 29 February.
constexpr std::size_t HoursOfYear = 8760;
constexpr std::size_t HoursOfLeapYear = 8784;

// EPW markers of a missing value: the value itself or anything above.
constexpr double EpwMissingTemp = 99.9;
constexpr double EpwMissingRelHum = 999;
constexpr double EpwMissingPressure = 999999;

// A reason to refuse a file, raised while parsing and turned into the result
// at the top: one exit for every fault keeps partial results out.
struct Refusal {
    CoreMessage message;
};

// Refusal of the line `line` (1-based) of `file`.
Refusal LineFault(TextId id, const char* english, const std::string& file, std::size_t line,
                  std::vector<std::string> more = {})
{
    std::vector<std::string> arguments{file, std::to_string(line)};
    arguments.insert(arguments.end(), more.begin(), more.end());
    return Refusal{CoreMessage{id, english, std::move(arguments)}};
}

Refusal FileFault(TextId id, const char* english, const std::string& file, std::vector<std::string> more = {})
{
    more.insert(more.begin(), file);
    return Refusal{CoreMessage{id, english, std::move(more)}};
}

// The contents cut into lines, CR LF or LF, the line feed and CR removed.
std::vector<std::string_view> LinesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

std::string_view Trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The fields of a line separated by commas (EPW) or by runs of blanks (TRY).
std::vector<std::string_view> CommaFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return fields;
        line.remove_prefix(comma + 1);
    }
}

std::vector<std::string_view> BlankFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (line = Trimmed(line); !line.empty(); line = Trimmed(line)) {
        const std::size_t end = std::min(line.find_first_of(" \t"), line.size());
        fields.push_back(line.substr(0, end));
        line.remove_prefix(end);
    }
    return fields;
}

// The lines of one kind of file and where they start in the file.
struct DataLines {
    std::vector<std::string_view> lines;
    std::size_t firstLine = 1;  // the file's line number of lines[0]
    std::size_t fields = 0;     // the fields every line must have
    bool commas = true;         // EPW: comma-separated; TRY: blank-separated
};

// One line's fields as numbers, each checked when asked for.
class LineReader {
public:
    LineReader(const DataLines& data, std::size_t index, const std::string& file)
        : file_(file), line_(data.firstLine + index)
    {
        fields_ = data.commas ? CommaFields(data.lines[index]) : BlankFields(data.lines[index]);
        if (fields_.size() != data.fields)
            throw LineFault(TextId::WeatherFileFieldCount, "%s, line %s: the line has %s fields instead of %s.", file,
                            line_, {std::to_string(fields_.size()), std::to_string(data.fields)});
    }

    // Field `n` (1-based) as a finite number; a leading "+" is allowed.
    double Number(std::size_t n) const
    {
        std::string_view field = fields_[n - 1];
        if (field.size() > 1 && field.front() == '+')
            field.remove_prefix(1);
        double value = NoValue;
        const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (error != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
            throw LineFault(TextId::WeatherFileNotNumber, "%s, line %s: \"%s\" is not a number.", file_, line_,
                            {std::string(fields_[n - 1])});
        return value;
    }

    // Field `n` as a whole number within first … last.
    int Whole(std::size_t n, int first, int last) const
    {
        const double value = Number(n);
        if (value != std::floor(value) || value < first || value > last)
            throw DateFault();
        return static_cast<int>(value);
    }

    Refusal DateFault() const
    {
        return LineFault(TextId::WeatherFileDateOutOfRange, "%s, line %s: the month, day or hour is out of range.",
                         file_, line_);
    }

    std::size_t Line() const { return line_; }
    std::string_view Text(std::size_t n) const { return fields_[n - 1]; }

private:
    const std::string& file_;
    std::size_t line_;
    std::vector<std::string_view> fields_;
};

int DaysInMonth(int month)
{
    static constexpr int days[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return days[month - 1];
}

// Month, day and hour of the line at fields `monthField`, +1, +2, with their
// ranges checked.
WeatherHour DateOf(const LineReader& reader, std::size_t monthField)
{
    WeatherHour hour;
    hour.month = reader.Whole(monthField, 1, 12);
    hour.day = reader.Whole(monthField + 1, 1, DaysInMonth(hour.month));
    hour.hour = reader.Whole(monthField + 2, 1, 24);
    return hour;
}

bool Before(const WeatherHour& a, const WeatherHour& b)
{
    return std::tie(a.month, a.day, a.hour) < std::tie(b.month, b.day, b.hour);
}

// Reads every line with `readHour` and checks that the hours follow each
// other and make a whole year.
template <class ReadHour>
std::vector<WeatherHour> HoursOf(const DataLines& data, const std::string& file, ReadHour&& readHour)
{
    std::vector<WeatherHour> hours;
    hours.reserve(data.lines.size());
    for (std::size_t i = 0; i < data.lines.size(); ++i) {
        if (Trimmed(data.lines[i]).empty())
            continue;  // blank lines, mostly at the end, carry nothing
        const LineReader reader(data, i, file);
        WeatherHour hour = readHour(reader);
        if (!hours.empty() && !Before(hours.back(), hour))
            throw LineFault(TextId::WeatherFileHoursOutOfOrder, "%s, line %s: the hours are not in order.", file,
                            reader.Line());
        hours.push_back(hour);
    }
    if (hours.empty())
        throw FileFault(TextId::WeatherFileNoData, "%s: the file holds no hourly data.", file);
    if (hours.size() != HoursOfYear && hours.size() != HoursOfLeapYear)
        throw FileFault(TextId::WeatherFileHourCount,
                        "%s: the file holds %s hours; a year has 8760 (8784 with 29 February).", file,
                        {std::to_string(hours.size())});
    return hours;
}

// The humidity ratio of an EPW hour by the rules of the format: from the
// relative humidity, else from the dew point; NaN when neither is there or
// the moist-air functions give no usable number for absurd values.
double EpwHumRatio(double temp, double dewPoint, double relHum, double pressure)
{
    double x = NoValue;
    if (!std::isnan(temp) && relHum < EpwMissingRelHum)
        x = HumRatioOf(temp, relHum, pressure);
    else if (dewPoint < EpwMissingTemp)
        x = HumRatioOf(dewPoint, 100, pressure);
    return std::isfinite(x) && x >= 0 ? x : NoValue;
}

// One EPW hour: fields 2-4 the date, 7 dry bulb, 8 dew point, 9 relative
// humidity, 10 station pressure in Pa. `sitePressure` (mbar) stands in for a
// missing pressure.
WeatherHour EpwHour(const LineReader& reader, double sitePressure)
{
    reader.Number(1);  // the year: only checked
    WeatherHour hour = DateOf(reader, 2);
    reader.Number(5);  // the minute: only checked
    const double dryBulb = reader.Number(7);
    const double dewPoint = reader.Number(8);
    const double relHum = reader.Number(9);
    const double pressure = reader.Number(10);
    hour.temp = dryBulb < EpwMissingTemp ? dryBulb : NoValue;
    const double p = pressure < EpwMissingPressure ? pressure / 100 : sitePressure;
    // An absurd value may fault inside the moist-air functions: the hour
    // then has no humidity ratio, and the caller's flags stay untouched.
    FpFaultScope scope;
    const double x = EpwHumRatio(hour.temp, dewPoint, relHum, p);
    hour.humRatio = scope.Faulted({x}) ? NoValue : x;
    return hour;
}

// One TRY hour: fields 3-5 the date, 6 air temperature, 11 humidity ratio
// in g/kg; every field must be a number.
WeatherHour TryHour(const LineReader& reader)
{
    for (std::size_t n = 1; n <= TryFields; ++n)
        reader.Number(n);
    WeatherHour hour = DateOf(reader, 3);
    hour.temp = reader.Number(6);
    hour.humRatio = reader.Number(11);
    return hour;
}

bool IsUtf8(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2)
                return false;
        i += length;
    }
    return true;
}

// The text as UTF-8: kept when it is UTF-8 already, else read as Latin-1.
std::string AsUtf8(std::string_view s)
{
    if (IsUtf8(s))
        return std::string(s);
    std::string utf8;
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::string FileStem(const std::string& fileName)
{
    return AsUtf8(std::filesystem::path(fileName).stem().string());
}

// "city, state, country" of the LOCATION line, parts empty or "-" left out.
std::string EpwSiteName(const LineReader& location)
{
    std::string name;
    for (std::size_t n = 2; n <= 4; ++n) {
        const std::string_view part = location.Text(n);
        if (part.empty() || part == "-")
            continue;
        name += (name.empty() ? "" : ", ") + std::string(part);
    }
    return AsUtf8(name);
}

WeatherData ParseEpw(const std::vector<std::string_view>& lines, const std::string& file)
{
    if (lines.size() <= EpwHeaderLines)
        throw FileFault(TextId::WeatherFileNoData, "%s: the file holds no hourly data.", file);
    // The LOCATION line's fields beyond the elevation are optional.
    DataLines locationLine{{lines[0]}, 1, 0, true};
    locationLine.fields = std::max(EpwLocationFields, CommaFields(lines[0]).size());
    const LineReader location(locationLine, 0, file);
    const double sitePressure = PressureOfAltitude(location.Number(10));

    const DataLines data{std::vector<std::string_view>(lines.begin() + EpwHeaderLines, lines.end()), EpwHeaderLines + 1,
                         EpwFields, true};
    WeatherData weather;
    weather.name = EpwSiteName(location);
    if (weather.name.empty())
        weather.name = FileStem(file);
    weather.hours = HoursOf(data, file, [&](const LineReader& reader) { return EpwHour(reader, sitePressure); });
    return weather;
}

WeatherData ParseTry(const std::vector<std::string_view>& lines, std::size_t headerEnd, const std::string& file)
{
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(headerEnd) + 1;
    const DataLines data{std::vector<std::string_view>(first, lines.end()), headerEnd + 2, TryFields, false};
    WeatherData weather;
    weather.name = FileStem(file);
    weather.hours = HoursOf(data, file, TryHour);
    return weather;
}

WeatherData Parse(std::string_view contents, const std::string& file)
{
    if (const std::size_t nul = contents.find('\0'); nul != std::string_view::npos)
        throw LineFault(TextId::WeatherFileBinary, "%s, line %s: the file holds binary data, not text.", file,
                        1 + static_cast<std::size_t>(std::count(contents.begin(), contents.begin() + nul, '\n')));
    if (contents.starts_with("\xEF\xBB\xBF"))
        contents.remove_prefix(3);
    const std::vector<std::string_view> lines = LinesOf(contents);
    if (!lines.empty() && lines[0].starts_with("LOCATION,"))
        return ParseEpw(lines, file);
    const auto headerEnd = std::find_if(lines.begin(), lines.end(),
                                        [](std::string_view line) { return Trimmed(line).starts_with("***"); });
    if (headerEnd != lines.end())
        return ParseTry(lines, static_cast<std::size_t>(headerEnd - lines.begin()), file);
    throw FileFault(TextId::WeatherFileUnknownKind,
                    "%s: the file is neither an EPW weather file nor a test reference year.", file);
}

}  // namespace

Outcome<WeatherData> ParseWeatherText(std::string_view contents, const std::string& fileName)
{
    // An absurd value (an elevation beyond the atmosphere, say) gives NaN and
    // raises flags on its way; they must not reach the caller's guard.
    FpFaultScope scope;
    try {
        WeatherData weather = Parse(contents, fileName);
        weather.name = CutClimateName(weather.name);
        return weather;
    } catch (const Refusal& refusal) {
        return refusal.message;
    }
}

Outcome<WeatherData> ReadWeatherFile(const std::string& path)
{
    const CoreMessage tooLarge{TextId::WeatherFileTooLarge,
                               "%s: the file is larger than %s MB.",
                               {path, std::to_string(LargestWeatherFile / (1024 * 1024))}};
    // The size first, so that a huge file is refused without reading it.
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > LargestWeatherFile)
        return tooLarge;
    const FileReadResult file = ReadRegularFile(path, LargestWeatherFile);
    if (file.status == FileReadStatus::Missing)
        return CoreMessage{TextId::FileNotFound, "File : %s  not found", {path}};
    if (file.status == FileReadStatus::Failed)
        return CoreMessage{
            TextId::WeatherFileUnreadable, "The weather file %s could not be read: %s", {path, ErrnoText(file.error)}};
    if (file.status == FileReadStatus::TooLarge)
        return tooLarge;
    return ParseWeatherText(file.bytes, path);
}
