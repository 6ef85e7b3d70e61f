// Reading EPW and TRY weather files: hours, names, missing values, refusals.

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/climate/WeatherFile.h"
#include "core/text/TextId.h"
#include "core/thermo/AirPressure.h"
#include "core/thermo/FloatFault.h"
#include "core/thermo/MoistAirProperties.h"

namespace fs = std::filesystem;

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int EpwFirstDataLine = 9;

// The lines of a year, one per hour; `line(month, day, hour)` writes one.
template <class Line>
std::vector<std::string> YearLines(Line&& line)
{
    std::vector<std::string> lines;
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= DaysOfMonth[m - 1]; ++d)
            for (int h = 1; h <= 24; ++h)
                lines.push_back(line(m, d, h));
    return lines;
}

std::string Joined(const std::vector<std::string>& lines, const char* end = "\n")
{
    std::string text;
    for (const auto& line : lines)
        text += line + end;
    return text;
}

// An EPW hour: dry bulb, dew point, relative humidity and pressure as written.
std::string EpwLine(int m, int d, int h, const std::string& values = "12.5,4.0,60,98000")
{
    return "1999," + std::to_string(m) + "," + std::to_string(d) + "," + std::to_string(h) + ",60,?9?9?9?9E0," +
           values +
           ",9999,9999,9999,9999,9999,9999,9999,9999,9999,9999,180,2.5,5,3,20.0,77777,9,999999999,0,0.1,0,88,0.0,0,1";
}

std::vector<std::string> EpwFile(const std::string& location = "LOCATION,Kassel,HE,DEU,TRY,104390,51.30,9.45,1.0,231.0")
{
    std::vector<std::string> lines = {location,
                                      "DESIGN CONDITIONS,0",
                                      "TYPICAL/EXTREME PERIODS,0",
                                      "GROUND TEMPERATURES,0",
                                      "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
                                      "COMMENTS 1,generated",
                                      "COMMENTS 2,",
                                      "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"};
    for (auto& line : YearLines([](int m, int d, int h) { return EpwLine(m, d, h); }))
        lines.push_back(std::move(line));
    return lines;
}

std::string TryLine(int m, int d, int h, const std::string& t = "-3.2", const std::string& x = "2.9")
{
    return "3517500 5689500 " + std::to_string(m) + " " + std::to_string(d) + " " + std::to_string(h) + " " + t +
           " 1002 270  4.1 8 " + x + " 85 0 0 301 -340 0";
}

std::vector<std::string> TryFile()
{
    std::vector<std::string> lines = {"Koordinatensystem : Lambert", "Rechtswert : 3517500", "",
                                      "RW HW MM DD HH t p WR WG N x RF B D A E IL", "***"};
    for (auto& line : YearLines([](int m, int d, int h) { return TryLine(m, d, h); }))
        lines.push_back(std::move(line));
    return lines;
}

WeatherData Parsed(const std::string& text, const std::string& name = "site.epw")
{
    const auto result = ParseWeatherText(text, name);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.message().Text());
    return result.ok() ? result.value() : WeatherData{};
}

// The first hours of an EPW year whose first lines carry `values` (dry bulb,
// dew point, relative humidity, pressure), one line each.
std::vector<WeatherHour> EpwHoursWith(const std::vector<std::string>& values,
                                      const std::string& location = "LOCATION,Kassel,HE,DEU,TRY,1,1,1,1,231.0")
{
    auto lines = EpwFile(location);
    for (std::size_t i = 0; i < values.size(); ++i)
        lines[EpwFirstDataLine - 1 + i] = EpwLine(1, 1, static_cast<int>(i) + 1, values[i]);
    const auto hours = Parsed(Joined(lines)).hours;
    return hours.empty() ? std::vector<WeatherHour>(values.size()) : hours;
}

}  // namespace

TEST(WeatherFileReader, ReadsAnEpwYearWithCrlfOrLfAndItsSiteName)
{
    const auto lines = EpwFile("LOCATION,Z\xFCrich,-,CHE,SRC,066600,47.38,8.57,1.0,556.0");
    const WeatherData lf = Parsed(Joined(lines));
    ASSERT_EQ(lf.hours.size(), 8760u);
    EXPECT_EQ(lf.name, "Z\xC3\xBCrich, CHE");  // Latin-1 converted, "-" left out
    EXPECT_EQ(lf.hours.front().month, 1);
    EXPECT_EQ(lf.hours.front().hour, 1);
    EXPECT_EQ(lf.hours.back().month, 12);
    EXPECT_EQ(lf.hours.back().day, 31);
    EXPECT_EQ(lf.hours.back().hour, 24);
    EXPECT_EQ(lf.hours[5].temp, 12.5);
    EXPECT_EQ(lf.hours[5].humRatio, HumRatioOf(12.5, 60, 980));

    const WeatherData crlf = Parsed("\xEF\xBB\xBF" + Joined(lines, "\r\n"));
    EXPECT_EQ(crlf.name, lf.name);
    ASSERT_EQ(crlf.hours.size(), lf.hours.size());
    EXPECT_EQ(crlf.hours[8000].humRatio, lf.hours[8000].humRatio);

    auto utf8 = EpwFile("LOCATION,S\xC3\xA3o Paulo,SP,BRA,SRC,1,1,1,1,760");
    EXPECT_EQ(Parsed(Joined(utf8)).name, "S\xC3\xA3o Paulo, SP, BRA");
    auto leap = EpwFile();
    std::vector<std::string> feb29;
    for (int h = 1; h <= 24; ++h)
        feb29.push_back(EpwLine(2, 29, h));
    leap.insert(leap.begin() + EpwFirstDataLine - 1 + (31 + 28) * 24, feb29.begin(), feb29.end());
    EXPECT_EQ(Parsed(Joined(leap)).hours.size(), 8784u);
}

TEST(WeatherFileReader, EpwMissingValuesFollowTheFormatsRules)
{
    const auto hours = EpwHoursWith(
        {"12.5,4.0,999,98000", "12.5,4.0,60,999999", "99.9,4.0,60,98000", "12.5,99.9,999,98000"});
    // Relative humidity missing: the dew point gives the humidity ratio.
    EXPECT_EQ(hours[0].humRatio, HumRatioOf(4.0, 100, 980));
    // Pressure missing: the site's elevation gives it.
    EXPECT_EQ(hours[1].humRatio, HumRatioOf(12.5, 60, PressureOfAltitude(231)));
    // Dry bulb missing: no temperature, the humidity ratio from the dew point.
    EXPECT_TRUE(std::isnan(hours[2].temp));
    EXPECT_EQ(hours[2].humRatio, HumRatioOf(4.0, 100, 980));
    // Neither humidity nor dew point: no humidity ratio.
    EXPECT_EQ(hours[3].temp, 12.5);
    EXPECT_TRUE(std::isnan(hours[3].humRatio));

    // Absurd values give a number or NaN, and leave no fault flag behind
    // (so no ordered comparison with NaN here: it would raise one itself).
    std::feclearexcept(FE_ALL_EXCEPT);
    const std::vector<std::string> absurd = {"12.5,4.0,150,98000", "-80,-90,50,98000", "60,4,100,1000",    "20,4,60,-5",
                                             "20,4,60,0",          "1e300,4,60,98000", "-1e300,4,60,98000"};
    const auto absurdHours = EpwHoursWith(absurd);
    for (std::size_t i = 0; i < absurd.size(); ++i)
        EXPECT_TRUE(std::isnan(absurdHours[i].humRatio) || absurdHours[i].humRatio >= 0) << absurd[i];
    const auto beyondAtmosphere = EpwHoursWith({"12.5,4.0,60,999999"}, "LOCATION,High,,,SRC,1,1,1,1,90000");
    EXPECT_TRUE(std::isnan(beyondAtmosphere[0].humRatio));
    EXPECT_EQ(std::fetestexcept(FpFaultFlags), 0);
}

TEST(WeatherFileReader, ReadsATryYearWithTheHumidityRatioAsWritten)
{
    auto lines = TryFile();
    lines[5 + 30] = TryLine(1, 2, 7, "-12.75", "0.8");
    const WeatherData weather = Parsed(Joined(lines, "\r\n"), "/data/TRY2015_37335002675500_Jahr.dat");
    EXPECT_EQ(weather.name, "TRY2015_37335002675500_Jahr");
    ASSERT_EQ(weather.hours.size(), 8760u);
    EXPECT_EQ(weather.hours[30].day, 2);
    EXPECT_EQ(weather.hours[30].hour, 7);
    EXPECT_EQ(weather.hours[30].temp, -12.75);
    EXPECT_EQ(weather.hours[30].humRatio, 0.8);
    EXPECT_EQ(weather.hours[31].humRatio, 2.9);
}

TEST(WeatherFileReader, RefusesFaultyFilesNamingTheFileAndLine)
{
    struct Case {
        const char* what;
        std::vector<std::string> lines;
        TextId id;
        int line;  // 0: a fault of the whole file
    };
    const auto epw = EpwFile();
    const auto tryYear = TryFile();
    auto with = [](std::vector<std::string> lines, int fileLine, const std::string& text) {
        lines[static_cast<std::size_t>(fileLine - 1)] = text;
        return lines;
    };
    auto cut = [](std::vector<std::string> lines, std::size_t count) {
        lines.resize(count);
        return lines;
    };
    const int epwLine = EpwFirstDataLine + 99;  // the 100th hour, 5 January 4:00
    const std::vector<Case> cases = {
        {"truncated line", with(epw, epwLine, "1999,1,5,4,60,?9,3.0,1.0"), TextId::WeatherFileFieldCount, epwLine},
        {"letter in a number", with(epw, epwLine, EpwLine(1, 5, 4, "1O.5,4.0,60,98000")), TextId::WeatherFileNotNumber,
         epwLine},
        {"hour 25", with(epw, epwLine, EpwLine(1, 5, 25)), TextId::WeatherFileDateOutOfRange, epwLine},
        {"31 April", with(epw, epwLine, EpwLine(4, 31, 4)), TextId::WeatherFileDateOutOfRange, epwLine},
        {"month 13", with(epw, epwLine, EpwLine(13, 5, 4)), TextId::WeatherFileDateOutOfRange, epwLine},
        {"hour repeated", with(epw, epwLine, EpwLine(1, 5, 3)), TextId::WeatherFileHoursOutOfOrder, epwLine},
        {"hours backwards", with(epw, epwLine, EpwLine(1, 4, 5)), TextId::WeatherFileHoursOutOfOrder, epwLine},
        {"elevation not a number", with(epw, 1, "LOCATION,A,B,C,D,1,1,1,1,high"), TextId::WeatherFileNotNumber, 1},
        {"8759 hours", cut(epw, epw.size() - 1), TextId::WeatherFileHourCount, 0},
        {"header only", cut(epw, 8), TextId::WeatherFileNoData, 0},
        {"neither kind", {"time;temp", "1;2"}, TextId::WeatherFileUnknownKind, 0},
        {"TRY truncated", with(tryYear, 50, "3517500 5689500 1 2 20 -3.2 1002"), TextId::WeatherFileFieldCount, 50},
        {"TRY letter", with(tryYear, 50, TryLine(1, 2, 21, "-3.2", "2,9")), TextId::WeatherFileNotNumber, 50},
        {"TRY without hours", cut(tryYear, 5), TextId::WeatherFileNoData, 0},
    };
    for (const Case& c : cases) {
        const auto result = ParseWeatherText(Joined(c.lines), "bad.file");
        ASSERT_FALSE(result.ok()) << c.what;
        const CoreMessage& message = result.message();
        EXPECT_EQ(message.textIndex, c.id) << c.what << ": " << message.Text();
        EXPECT_EQ(message.arguments.at(0), "bad.file") << c.what;
        if (c.line > 0) {
            EXPECT_EQ(message.arguments.at(1), std::to_string(c.line)) << c.what;
        }
    }

    std::string binary = Joined(epw);
    binary[binary.find("DATA PERIODS")] = '\0';
    const auto refused = ParseWeatherText(binary, "bad.file");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().textIndex, TextId::WeatherFileBinary);
    EXPECT_EQ(refused.message().Text(), "bad.file, line 8: the file holds binary data, not text.");
}

TEST(WeatherFileReader, ReadsFilesAndRefusesMissingAndHugeOnes)
{
    const fs::path dir = fs::path(::testing::TempDir()) / "weather_reader";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path good = dir / "Kassel.epw";
    std::ofstream(good, std::ios::binary) << Joined(EpwFile());
    const auto read = ReadWeatherFile(good.string());
    ASSERT_TRUE(read.ok()) << read.message().Text();
    EXPECT_EQ(read.value().name, "Kassel, HE, DEU");
    EXPECT_EQ(read.value().hours.size(), 8760u);

    EXPECT_EQ(ReadWeatherFile((dir / "none.epw").string()).message().textIndex, TextId::FileNotFound);
    EXPECT_EQ(ReadWeatherFile(dir.string()).message().textIndex, TextId::FileNotFound);
    const fs::path huge = dir / "huge.epw";
    std::ofstream(huge, std::ios::binary) << "LOCATION,";
    fs::resize_file(huge, 100 * 1024 * 1024);  // sparse: no disk space taken
    const auto refused = ReadWeatherFile(huge.string());
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.message().textIndex, TextId::WeatherFileTooLarge);
    EXPECT_EQ(refused.message().arguments.at(0), huge.string());
    fs::remove_all(dir);
}
