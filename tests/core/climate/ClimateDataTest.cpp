// Built-in climate zones, climate files, user climate years and the list of
// remembered climate files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateFileLists.h"
#include "core/climate/ClimateZones.h"
#include "core/climate/UserClimate.h"
#include "core/text/TextId.h"
#include "core/thermo/MoistAirProperties.h"
#include "tests/core/climate/ClimateSamples.h"

namespace fs = std::filesystem;

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

ClimateYear BuiltIn(int zone)
{
    return LoadBuiltInClimate(zone).value();
}

// A folder of its own for the files of one test, removed afterwards.
class ClimateFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::path(::testing::TempDir()) / (std::string("climate_") + info->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    std::string WriteBytes(const std::string& name, const std::vector<unsigned char>& bytes) const
    {
        std::ofstream(PathOf(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return PathOf(name);
    }

    static std::vector<unsigned char> ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
};

TEST(BuiltInClimate, DayCountsFillEveryMonthAndRangesAreReached)
{
    const struct {
        int zone;
        double lowest, highest;
    } zones[] = {{1, -5.7, 29.0}, {2, -6.0, 26.0}, {3, -9.7, 29.3}};
    for (const auto& z : zones) {
        SCOPED_TRACE(testing::Message() << "zone " << z.zone);
        const ClimateYear year = BuiltIn(z.zone);
        for (int m = 1; m <= 12; ++m)
            EXPECT_NEAR(year.Days(1, m) + year.Days(2, m) + year.Days(3, m), DaysOfMonth[m - 1], 1e-9) << m;
        const auto [low, high] = std::minmax_element(year.OutdoorTemp.begin(), year.OutdoorTemp.end());
        EXPECT_EQ(*low, z.lowest);
        EXPECT_EQ(*high, z.highest);
    }
    EXPECT_FALSE(LoadBuiltInClimate(4).ok());
}

TEST(BuiltInClimate, TablesInTheirLayout)
{
    // Cells that tell day type and month apart in both tables.
    const struct {
        int zone, month, dayType;
        double days, humRatio;
    } cells[] = {{1, 1, 1, 1.9, 2.2}, {1, 1, 3, 18.9, 3.7}, {1, 12, 3, 20.4, 4.0}, {2, 7, 1, 0.9, 9.0},
                 {2, 2, 2, 9.9, 2.9}, {3, 6, 2, 17.5, 6.6}, {3, 9, 1, 6.2, 7.5},   {3, 12, 3, 18.9, 3.5}};
    for (const auto& c : cells) {
        SCOPED_TRACE(::testing::Message() << "zone " << c.zone << ", month " << c.month << ", day type " << c.dayType);
        const ClimateYear year = BuiltIn(c.zone);
        EXPECT_EQ(year.Days(c.dayType, c.month), c.days);
        EXPECT_EQ(year.HumRatio(c.dayType, c.month), c.humRatio);
    }
}

TEST(BuiltInClimate, MeasuredDaysOfZoneOne)
{
    const struct {
        int dayType, month;
        std::vector<double> hours;
    } rows[] = {
        {2, 1, {-0.5, -0.7, -0.9, -1,  -1.1, -1.2, -1.3, -1.2, -1,   -0.6, 0.1,  0.8,
                1.3,  1.6,  1.6,  1.2, 0.7,  0.3,  -0.2, -0.5, -0.8, -1.1, -1.3, -1.4}},
        {1, 7, {16.9, 16.2, 15.7, 15.1, 14.9, 15.7, 18,   20,   22.1, 24,   25.5, 26.6,
                27.6, 28.7, 29,   29,   28.7, 28,   26.4, 24.4, 22.1, 20.9, 19.7, 18.8}},
    };
    for (const auto& r : rows)
        for (int h = 1; h <= 24; ++h)
            EXPECT_EQ(BuiltIn(1).Temp(r.dayType, h, r.month), r.hours[h - 1])
                << r.dayType << ", " << r.month << ", " << h;
}

TEST(BuiltInClimate, NoHumidNightsButTheColdestDays)
{
    // Only the coldest days of zones 1 and 3 lie below the frost point of 95 %.
    for (int zone = 1; zone <= 3; ++zone) {
        const ClimateYear year = BuiltIn(zone);
        for (int d = 1; d <= 3; ++d)
            for (int m = 1; m <= 12; ++m)
                for (int h = 1; h <= 24; ++h)
                    EXPECT_LT(RelHumOf(year.Temp(d, h, m), year.HumRatio(d, m), StdPressure), d != 1                ? 95
                                                                                              : zone == 1 && m == 2 ? 99
                                                                                              : zone == 3 && m == 1
                                                                                                  ? 116
                                                                                                  : 95)
                        << "zone " << zone << ", day type " << d << ", month " << m << ", hour " << h;
    }
}

TEST(DailyTemp, PassesThroughItsPointsEveryDay)
{
    for (const double t : {5.0, 29.0, -19.0})
        EXPECT_NEAR(DailyTemperature(t, 5, -2, 14, 6), -2, 1e-9) << "t = " << t;
    for (const double t : {14.0, 38.0})
        EXPECT_NEAR(DailyTemperature(t, 5, -2, 14, 6), 6, 1e-9) << "t = " << t;
    // A maximum earlier in the day than the minimum is the next day's.
    EXPECT_NEAR(DailyTemperature(4, 20, 1, 4, 9), 9, 1e-9);
    EXPECT_TRUE(std::isnan(DailyTemperature(10, 6, 0, 6, 10)));
}

// The range of the whole curve, compared with the curve sampled every 3.6 s
// (turning points between the hours included), and whether it stays within
// 5 K of the given extremes.
TEST(DailyTemp, RangeAndNearnessToTheExtremes)
{
    const struct {
        const char* name;
        double minTime, minTemp, maxTime, maxTemp;
        bool near;
    } curves[] = {
        {"usual day", 5, -2, 14, 6, true},
        {"usual times", 5, 15.6, 14, 28.8, true},
        {"maximum half an hour after the minimum", 5, 15.6, 5.5, 28.8, false},
        {"maximum half an hour before the minimum", 5.5, 15.6, 5, 28.8, false},
        {"maximum of the next day", 20, 1, 4, 9, true},
        {"around midnight, half an hour apart", 0.25, 2, 23.75, 11, false},
        {"three hours apart, between full hours", 7.25, 3, 10.25, 12, false},
        {"minimum warmer than maximum", 6, 10, 13.5, 4, true},
        {"five hours apart", 5, 0, 10, 10, true},         // up to 13.57 degC
        {"four hours apart", 5, 0, 9, 10, false},         // up to 15.51 degC
        {"twenty hours apart", 3, 0, 23, 10, true},       // down to -2.31 degC
        {"twenty-one hours apart", 2, 0, 23, 10, false},  // up to 15.32 degC
        {"same temperatures", 4, 7, 5, 7, true},
    };
    for (const auto& c : curves) {
        SCOPED_TRACE(c.name);
        double lowest = std::min(c.minTemp, c.maxTemp);
        double highest = std::max(c.minTemp, c.maxTemp);
        for (int i = 0; i < 24000; ++i) {
            const double T = DailyTemperature(i / 1000.0, c.minTime, c.minTemp, c.maxTime, c.maxTemp);
            lowest = std::min(lowest, T);
            highest = std::max(highest, T);
        }
        const DailyCurveRange range = DailyTemperatureRange(c.minTime, c.minTemp, c.maxTime, c.maxTemp);
        EXPECT_NEAR(range.lowest, lowest, 1e-6);
        EXPECT_NEAR(range.highest, highest, 1e-6);
        EXPECT_EQ(IsDailyCurveNearItsExtremes(c.minTime, c.minTemp, c.maxTime, c.maxTemp), c.near);
    }
    const DailyCurveRange none = DailyTemperatureRange(6, 0, 6, 10);
    EXPECT_TRUE(std::isnan(none.lowest) && std::isnan(none.highest));
    EXPECT_FALSE(IsDailyCurveNearItsExtremes(6, 0, 6, 10));
}

// The days of the built-in zones, reduced to their coldest and warmest hour,
// are ordinary days.
TEST(DailyTemp, ExtremesOfTheBuiltInZonesMakeOrdinaryCurves)
{
    for (int zone = 1; zone <= 3; ++zone) {
        const ClimateYear year = BuiltIn(zone);
        for (int d = 1; d <= 3; ++d)
            for (int m = 1; m <= 12; ++m) {
                int coldest = 1;
                int warmest = 1;
                for (int h = 2; h <= 24; ++h) {
                    coldest = year.Temp(d, h, m) < year.Temp(d, coldest, m) ? h : coldest;
                    warmest = year.Temp(d, h, m) > year.Temp(d, warmest, m) ? h : warmest;
                }
                EXPECT_TRUE(
                    IsDailyCurveNearItsExtremes(coldest, year.Temp(d, coldest, m), warmest, year.Temp(d, warmest, m)))
                    << "zone " << zone << ", day type " << d << ", month " << m;
            }
    }
}

// Whatever a usable record holds, its climate year keeps every month within
// the month's extremes ± 5 K. Months drawn at random (fixed seed), the same
// in all twelve, with the times on full minutes and often close together.
TEST(DailyTemp, UsableRecordsGiveNoRunawayTemperatures)
{
    std::uint32_t state = 20261207;
    const auto next = [&state](int n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(n));
    };
    int usable = 0;
    for (int i = 0; i < 2000; ++i) {
        const double minTemp = next(800) / 10.0 - 30;
        const double maxTemp = next(800) / 10.0 - 30;
        const double minTime = next(24 * 60) / 60.0;
        double maxTime = i % 2 ? next(24 * 60) / 60.0 : minTime + (next(480) - 240) / 60.0;
        if (maxTime < 0 || maxTime >= 24)
            maxTime = 12;
        ClimateRecord r;
        r.HumRatio.fill(5);
        r.MinTemp.fill(minTemp);
        r.MaxTemp.fill(maxTemp);
        r.MinTime.fill(minTime);
        r.MaxTime.fill(maxTime);
        if (!IsUsableClimateRecord(r))
            continue;
        ++usable;
        const ClimateYear year = ClimateYearOfRecord(r);
        for (int h = 1; h <= 24; ++h) {
            ASSERT_GE(year.Temp(1, h, 6), std::min(minTemp, maxTemp) - 5) << i;
            ASSERT_LE(year.Temp(1, h, 6), std::max(minTemp, maxTemp) + 5) << i;
        }
    }
    // Both kinds were drawn.
    EXPECT_GT(usable, 200);
    EXPECT_LT(usable, 1800);
}

TEST_F(ClimateFileTest, RunawayCurveMakesTheFileInvalid)
{
    ClimateRecord record = SampleClimateRecord();
    record.MinTemp[7] = 15.6;
    record.MinTime[7] = 5;
    record.MaxTemp[7] = 28.8;
    record.MaxTime[7] = 5.5;
    EXPECT_EQ(FirstMonthOfRunawayCurve(record), 8);
    EXPECT_FALSE(IsUsableClimateRecord(record));
    EXPECT_EQ(FirstMonthOfRunawayCurve(SampleClimateRecord()), 0);

    // Written as it is, as a damaged or foreign file would be.
    const ClimateRecordBytes bytes = EncodeClimateRecord(record);
    const std::string path = WriteBytes("august.cli", std::vector<unsigned char>(bytes.begin(), bytes.end()));
    EXPECT_EQ(ReadClimateFile(path).message().Text(), path + "\n\r\n\rInvalid file format");
    const ClimateFileLists lists{{path}, {"August"}};
    const auto loaded = LoadUserClimate(lists, 0);
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.message().textIndex, TextId::InvalidFileFormat);
}

TEST_F(ClimateFileTest, RoundTripByteForByte)
{
    ClimateRecord record = SampleClimateRecord();
    record.MaxTemp[11] = -0.0;
    const std::string path = PathOf("round.cli");
    ASSERT_FALSE(WriteClimateFile(path, record).has_value());
    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 552u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 17), "\x0FWRG*****/CLI/02\x10");
    EXPECT_EQ(bytes[455], 0x80);  // -0 as December's maximum, little-endian
    EXPECT_EQ(bytes[271], 0x40);  // MinTime 6.5 = 0x401A000000000000 at 264

    const auto read = ReadClimateFile(path);
    ASSERT_TRUE(read.ok());
    const ClimateRecord& back = read.value();
    EXPECT_EQ(back.Name, record.Name);
    EXPECT_EQ(EncodeClimateRecord(back), EncodeClimateRecord(record));
    ASSERT_FALSE(WriteClimateFile(path, back).has_value());  // replaces the file
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_F(ClimateFileTest, LengthAndSignature)
{
    const ClimateRecordBytes encoded = EncodeClimateRecord(SampleClimateRecord());
    const std::vector<unsigned char> good(encoded.begin(), encoded.end());
    auto changed = [&](std::size_t length, std::size_t at = 0, unsigned char value = 15) {
        auto bytes = good;
        bytes.resize(length, 0xEE);
        bytes[at] = value;
        return bytes;
    };
    const struct {
        const char* name;
        std::vector<unsigned char> bytes;
        bool accepted;
    } files[] = {
        {"552", good, true},
        {"600", changed(600), true},
        {"1104", changed(1104), false},
        {"last signature character", changed(552, 15, '3'), false},
        {"name length byte 200", changed(552, 16, 200), true},
        {"time after the day", changed(552, 456 + 8 * 11 + 6, 0x39), false},  // MaxTime = 25
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const std::string path = WriteBytes(std::string(f.name) + ".cli", f.bytes);
        const auto read = ReadClimateFile(path);
        ASSERT_EQ(read.ok(), f.accepted);
        if (!f.accepted) {
            EXPECT_EQ(read.message().Text(), path + "\n\r\n\rInvalid file format");
        }
    }
    const auto longName = ReadClimateFile(PathOf("name length byte 200.cli")).value();
    EXPECT_EQ(longName.Name.size(), 50u);
    EXPECT_EQ(longName.Name.substr(0, 16), SampleClimateRecord().Name);

    const std::string missing = PathOf("nothing.cli");
    EXPECT_EQ(ReadClimateFile(missing).message().Text(), "File : " + missing + "  not found");
}

TEST_F(ClimateFileTest, UserClimateYear)
{
    ClimateRecord record = SampleClimateRecord();
    record.MinTime[6] = 5;
    record.MaxTime[6] = 14;
    const std::string path = PathOf("user.cli");
    ASSERT_FALSE(WriteClimateFile(path, record).has_value());
    const ClimateFileLists lists{{PathOf("gone.cli"), path}, {"Gone", "User"}};

    const auto loaded = LoadClimateZone(lists, 5);
    ASSERT_TRUE(loaded.ok());
    const ClimateYear& year = loaded.value();
    for (int m = 1; m <= 12; ++m) {
        EXPECT_EQ(year.Days(1, m), DaysOfMonth[m - 1]) << m;
        EXPECT_EQ(year.Days(2, m) + year.Days(3, m), 0) << m;
    }
    EXPECT_EQ(year.HumRatio(3, 4), record.HumRatio[3]);
    EXPECT_NEAR(year.Temp(2, 5, 7), record.MinTemp[6], 1e-9);
    EXPECT_NEAR(year.Temp(3, 14, 7), record.MaxTemp[6], 1e-9);

    EXPECT_EQ(LoadClimateZone(lists, 4).message().textIndex, TextId::FileNotFound);
    EXPECT_FALSE(LoadClimateZone(lists, 6).ok());
}

TEST_F(ClimateFileTest, RememberFiles)
{
    ClimateFileLists lists{{"/data/Hof.cli", "/data/Kiel.cli"}, {"Hof", "Kiel"}};
    RememberClimateFile(lists, "/data/Kiel.cli", "Kiel 2");
    EXPECT_EQ(lists.ClimateFileList, (std::vector<std::string>{"/data/Hof.cli", "/data/Kiel.cli"}));
    EXPECT_EQ(lists.ClimateNameList, (std::vector<std::string>{"Hof", "Kiel 2"}));
    RememberClimateFile(lists, "/data/kiel.cli", "kiel");
    RememberClimateFile(lists, "/data/Passau.cli", "Passau");
    EXPECT_EQ(lists.ClimateFileList,
              (std::vector<std::string>{"/data/Passau.cli", "/data/kiel.cli", "/data/Hof.cli", "/data/Kiel.cli"}));
    EXPECT_EQ(lists.ClimateNameList, (std::vector<std::string>{"Passau", "kiel", "Hof", "Kiel 2"}));
}

TEST(ClimateZones, SelectorItems)
{
    ClimateFileLists lists;
    for (int i = 1; i <= 7; ++i) {
        lists.ClimateFileList.push_back("/f" + std::to_string(i) + ".cli");
        lists.ClimateNameList.push_back("File " + std::to_string(i));
    }
    EXPECT_EQ(
        ClimateZoneItems(lists, 1),
        (std::vector<std::string>{"Deutschland (Klimazone 1)", "Deutschland (Klimazone 2)", "Deutschland (Klimazone 3)",
                                  "File 1", "File 2", "File 3", "File 4", "File 5", "File 6"}));
    EXPECT_EQ(
        ClimateZoneItems(ClimateFileLists{}, 2),
        (std::vector<std::string>{"Germany (Climate zone 1)", "Germany (Climate zone 2)", "Germany (Climate zone 3)"}));
}

// A description longer than 50 bytes is cut without splitting a character.
TEST(ClimateName, CutOnACharacterBoundary)
{
    EXPECT_EQ(CutClimateName(std::string(60, 'a')), std::string(50, 'a'));
    const std::string umlauts = std::string(49, 'a') + "\xC3\xBC" + "b";  // "ü" across byte 50
    EXPECT_EQ(CutClimateName(umlauts), std::string(49, 'a'));
    EXPECT_EQ(CutClimateName("Zürich"), "Zürich");
}

}  // namespace
