// Built-in climate zones, climate files, user climate years and the list of
// remembered climate files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include "climate/ClimateFile.h"
#include "climate/ClimateFileLists.h"
#include "climate/ClimateZones.h"
#include "climate/UserClimate.h"
#include "thermo/UThermo.h"

namespace fs = std::filesystem;

namespace {

constexpr int DaysOfMonth[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

ClimateYear BuiltIn(int zone)
{
    return std::get<ClimateYear>(LoadBuiltInClimate(zone));
}

std::vector<double> Day(const ClimateYear& year, int dayType, int month)
{
    std::vector<double> day;
    for (int h = 1; h <= 24; ++h)
        day.push_back(year.Temp(dayType, h, month));
    return day;
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

    static ClimateRecord SampleRecord()
    {
        ClimateRecord r;
        r.Name = "Hof, Oberfranken";
        for (std::size_t m = 0; m < 12; ++m) {
            r.HumRatio[m] = 2.5 + 0.6 * static_cast<double>(m);
            r.MinTemp[m] = -4.25 + static_cast<double>(m);
            r.MinTime[m] = 6.5;
            r.MaxTemp[m] = 3.1 + 1.5 * static_cast<double>(m);
            r.MaxTime[m] = 15;
        }
        return r;
    }

    fs::path dir_;
};

TEST(BuiltInClimate, DayCountsFillEveryMonth)
{
    for (int zone = 1; zone <= 3; ++zone) {
        const ClimateYear year = BuiltIn(zone);
        double total = 0;
        for (int m = 1; m <= 12; ++m) {
            const double days = year.Days(m, 1) + year.Days(m, 2) + year.Days(m, 3);
            EXPECT_NEAR(days, DaysOfMonth[m - 1], 1e-9) << "zone " << zone << ", month " << m;
            total += days;
        }
        EXPECT_NEAR(total, 365, 1e-9) << "zone " << zone;
    }
    for (int zone : {-1, 0, 4, 9}) {
        const auto loaded = LoadBuiltInClimate(zone);
        ASSERT_TRUE(std::holds_alternative<CoreMessage>(loaded)) << zone;
        EXPECT_NE(std::get<CoreMessage>(loaded).Text().find(std::to_string(zone)), std::string::npos);
    }
}

TEST(BuiltInClimate, TablesInTheirLayout)
{
    // Cells that tell day type and month apart in both tables.
    const struct { int zone, month, dayType; double days, humRatio; } cells[] = {
        {1, 1, 1, 1.9, 2.2},  {1, 1, 3, 18.9, 3.7}, {1, 12, 3, 20.4, 4.0}, {2, 7, 1, 0.9, 9.0},
        {2, 2, 2, 9.9, 2.9},  {3, 6, 2, 17.5, 6.6}, {3, 9, 1, 6.2, 7.5},   {3, 12, 3, 18.9, 3.5}};
    for (const auto& c : cells) {
        SCOPED_TRACE(::testing::Message() << "zone " << c.zone << ", month " << c.month << ", day type " << c.dayType);
        const ClimateYear year = BuiltIn(c.zone);
        EXPECT_EQ(year.Days(c.month, c.dayType), c.days);
        EXPECT_EQ(year.HumRatio(c.dayType, c.month), c.humRatio);
    }
}

TEST(BuiltInClimate, MeasuredDaysOfZoneOne)
{
    const struct { int dayType, month; std::vector<double> hours; } rows[] = {
        {1, 1, {-4.2, -4.5, -4.7, -4.9, -5.3, -5.4, -5.5, -5.5, -5.2, -4.1, -3, -2,
                -1, -0.6, -0.7, -1.3, -2.3, -2.9, -3.5, -4.1, -4.4, -4.7, -4.9, -5.3}},
        {2, 1, {-0.5, -0.7, -0.9, -1, -1.1, -1.2, -1.3, -1.2, -1, -0.6, 0.1, 0.8,
                1.3, 1.6, 1.6, 1.2, 0.7, 0.3, -0.2, -0.5, -0.8, -1.1, -1.3, -1.4}},
        {3, 1, {1.5, 1.4, 1.4, 1.3, 1.3, 1.3, 1.3, 1.4, 1.6, 1.8, 2.1, 2.5,
                2.7, 2.9, 2.9, 2.9, 2.7, 2.6, 2.5, 2.3, 2.3, 2.2, 2.2, 2.1}},
        {1, 7, {16.9, 16.2, 15.7, 15.1, 14.9, 15.7, 18, 20, 22.1, 24, 25.5, 26.6,
                27.6, 28.7, 29, 29, 28.7, 28, 26.4, 24.4, 22.1, 20.9, 19.7, 18.8}},
        {2, 7, {16, 15.9, 15.1, 14.8, 14.7, 15.1, 16.7, 17.8, 19.2, 20.4, 21.6, 22.4,
                23, 23.7, 23.9, 23.7, 23.4, 22.7, 21.5, 20.2, 18.7, 17.9, 17.1, 16.5}},
        {3, 7, {15.3, 15, 14.7, 14.5, 14.5, 14.7, 15.5, 15.9, 16.6, 17.3, 18.2, 18.8,
                19.3, 19.6, 19.6, 19.4, 19.1, 18.5, 17.9, 17.2, 16.5, 16, 15.7, 15.4}},
    };
    const ClimateYear year = BuiltIn(1);
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << "day type " << r.dayType << ", month " << r.month);
        EXPECT_EQ(Day(year, r.dayType, r.month), r.hours);
    }
}

TEST(BuiltInClimate, RangesSwingsAndDailyCourse)
{
    const struct { int zone; double lowest, highest; } ranges[] = {{1, -5.7, 29.0}, {2, -6.0, 26.0}, {3, -9.7, 29.3}};
    for (const auto& r : ranges) {
        SCOPED_TRACE(::testing::Message() << "zone " << r.zone);
        const ClimateYear year = BuiltIn(r.zone);
        const auto [low, high] = std::minmax_element(year.OutdoorTemp.begin(), year.OutdoorTemp.end());
        EXPECT_EQ(*low, r.lowest);
        EXPECT_EQ(*high, r.highest);

        double meanSwing[3] = {};
        for (int d = 1; d <= 3; ++d) {
            for (int m = 1; m <= 12; ++m) {
                const auto day = Day(year, d, m);
                for (double t : day)
                    EXPECT_NEAR(t * 10, std::round(t * 10), 1e-9) << "one decimal";
                const auto [coldest, warmest] = std::minmax_element(day.begin(), day.end());
                meanSwing[d - 1] += (*warmest - *coldest) / 12;
                const int warmestHour = static_cast<int>(warmest - day.begin()) + 1;
                EXPECT_TRUE(warmestHour >= 12 && warmestHour <= 17) << "day type " << d << ", month " << m;
                // Only the measured overcast January day of zone 1 ends colder than its sunrise.
                const int coldestHour = static_cast<int>(coldest - day.begin()) + 1;
                if (!(r.zone == 1 && d == 2 && m == 1)) {
                    EXPECT_TRUE(coldestHour >= 3 && coldestHour <= 9) << "day type " << d << ", month " << m;
                }
            }
        }
        EXPECT_GT(meanSwing[0], meanSwing[1]);
        EXPECT_GT(meanSwing[1], meanSwing[2]);
    }
}

TEST(BuiltInClimate, NoHumidNightsButTheColdestDays)
{
    // The lowest temperature of zones 1 and 3 lies below the frost point of
    // 95 % for even the driest air of the zone; only those days may be humid.
    const struct { int zone, dayType, month; double highestRelHum; } coldest[] = {{1, 1, 2, 99}, {3, 1, 1, 116}};
    for (int zone = 1; zone <= 3; ++zone) {
        const ClimateYear year = BuiltIn(zone);
        for (int d = 1; d <= 3; ++d) {
            for (int m = 1; m <= 12; ++m) {
                double limit = 95;
                for (const auto& c : coldest) {
                    if (c.zone == zone && c.dayType == d && c.month == m)
                        limit = c.highestRelHum;
                }
                for (int h = 1; h <= 24; ++h)
                    EXPECT_LT(RelHumOf(year.Temp(d, h, m), year.HumRatio(d, m), StdPressure), limit)
                        << "zone " << zone << ", day type " << d << ", month " << m << ", hour " << h;
            }
        }
    }
}

TEST(DailyTemp, PassesThroughItsPointsEveryDay)
{
    const struct { double t, expected; } points[] = {
        {5, -2}, {29, -2}, {-19, -2}, {14, 6}, {38, 6}, {14 + 24 * 1e6, 6}, {5 - 24 * 1e9, -2}};
    for (const auto& p : points)
        EXPECT_NEAR(DailyTemperature(p.t, 5, -2, 14, 6), p.expected, 1e-9) << "t = " << p.t;
    // A maximum earlier in the day than the minimum is the next day's.
    EXPECT_NEAR(DailyTemperature(20, 20, 1, 4, 9), 1, 1e-9);
    EXPECT_NEAR(DailyTemperature(4, 20, 1, 4, 9), 9, 1e-9);
    EXPECT_NEAR(DailyTemperature(28, 20, 1, 4, 9), 9, 1e-9);
}

TEST(DailyTemp, NoNumberForADegenerateCurveAndNoFault)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct { double t, minTime, maxTime; } cases[] = {
        {10, 6, 6}, {10, 0, 24}, {10, 24, 0}, {inf, 6, 15}, {nan, 6, 15}, {10, inf, 15}, {10, 6, nan}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.t << " h, " << c.minTime << " h, " << c.maxTime << " h");
        std::feclearexcept(FE_ALL_EXCEPT);
        EXPECT_TRUE(std::isnan(DailyTemperature(c.t, c.minTime, 0, c.maxTime, 10)));
        EXPECT_EQ(std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW), 0);
    }
    // A huge time ends at once instead of stepping day by day.
    EXPECT_TRUE(std::isfinite(DailyTemperature(1e300, 6, 0, 15, 10)));
}

TEST_F(ClimateFileTest, RoundTripByteForByte)
{
    ClimateRecord record = SampleRecord();
    record.MaxTemp[11] = -0.0;
    record.HumRatio[0] = std::numeric_limits<double>::denorm_min();
    const std::string path = PathOf("round.cli");
    ASSERT_FALSE(WriteClimateFile(path, record).has_value());

    const auto bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 552u);
    EXPECT_EQ(bytes[0], 15);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 16), "WRG*****/CLI/02");
    EXPECT_EQ(bytes[16], record.Name.size());
    EXPECT_EQ(std::string(bytes.begin() + 17, bytes.begin() + 17 + 16), record.Name);
    EXPECT_TRUE(std::all_of(bytes.begin() + 33, bytes.begin() + 72, [](unsigned char b) { return b == 0; }));
    // Little-endian doubles at their offsets: 1 (denormal) at 72, −0 at 448
    // (December's maximum), MinTime 6.5 = 0x401A000000000000 at 264.
    EXPECT_EQ(bytes[72], 1);
    EXPECT_EQ(bytes[455], 0x80);
    EXPECT_EQ(bytes[270], 0x1A);
    EXPECT_EQ(bytes[271], 0x40);

    auto read = ReadClimateFile(path);
    ASSERT_TRUE(std::holds_alternative<ClimateRecord>(read));
    const ClimateRecord& back = std::get<ClimateRecord>(read);
    EXPECT_EQ(back.Signature, ClimateSignature);
    EXPECT_EQ(back.Name, record.Name);
    for (std::size_t m = 0; m < 12; ++m) {
        EXPECT_EQ(std::memcmp(&back.HumRatio[m], &record.HumRatio[m], 8), 0);
        EXPECT_EQ(std::memcmp(&back.MaxTemp[m], &record.MaxTemp[m], 8), 0);
        EXPECT_EQ(back.MinTemp[m], record.MinTemp[m]);
        EXPECT_EQ(back.MinTime[m], record.MinTime[m]);
        EXPECT_EQ(back.MaxTime[m], record.MaxTime[m]);
    }
    EXPECT_EQ(ReadBytes(path), bytes);
    ASSERT_FALSE(WriteClimateFile(path, back).has_value());  // replaces the file
    EXPECT_EQ(ReadBytes(path), bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1) << "no temporary left";
}

TEST_F(ClimateFileTest, LengthAndSignature)
{
    const ClimateRecordBytes encoded = EncodeClimateRecord(SampleRecord());
    const std::vector<unsigned char> good(encoded.begin(), encoded.end());
    auto withLength = [&](std::size_t n) {
        auto bytes = good;
        bytes.resize(n, 0xEE);
        return bytes;
    };
    auto changed = [&](std::initializer_list<std::pair<std::size_t, unsigned char>> edits) {
        auto bytes = good;
        for (const auto& [at, value] : edits)
            bytes[at] = value;
        return bytes;
    };
    const struct { const char* name; std::vector<unsigned char> bytes; bool accepted; } files[] = {
        {"552", good, true},
        {"600", withLength(600), true},
        {"1103", withLength(1103), true},
        {"1104", withLength(1104), false},
        {"551", withLength(551), false},
        {"0", {}, false},
        {"last signature character", changed({{15, '3'}}), false},
        {"signature length byte", changed({{0, 14}}), false},
        {"name length byte 200", changed({{16, 200}}), true},
        {"equal times in June", changed({{264 + 5 * 8 + 6, 0x2E}}), false},                // MinTime = 15
        {"minimum at 24 h, maximum at 0 h", changed({{264 + 6, 0x38}, {456 + 6, 0}, {456 + 7, 0}}), false},
        {"time after the day", changed({{456 + 8 * 11 + 6, 0x39}}), false},                 // MaxTime = 25
        {"not a number in March", changed({{168 + 2 * 8 + 6, 0xF8}, {168 + 2 * 8 + 7, 0x7F}}), false},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const std::string path = WriteBytes(std::string(f.name) + ".cli", f.bytes);
        const auto read = ReadClimateFile(path);
        ASSERT_EQ(std::holds_alternative<ClimateRecord>(read), f.accepted);
        if (!f.accepted) {
            EXPECT_EQ(std::get<CoreMessage>(read).textIndex, 318);
            EXPECT_EQ(std::get<CoreMessage>(read).Text(), path + "\n\r\n\rInvalid file format");
        }
    }
    const auto longName = std::get<ClimateRecord>(ReadClimateFile(PathOf("name length byte 200.cli")));
    EXPECT_EQ(longName.Name.size(), 50u);
    EXPECT_EQ(longName.Name.substr(0, 16), SampleRecord().Name);
}

TEST_F(ClimateFileTest, MissingFileAndUnwritableTarget)
{
    for (const std::string& path : {PathOf("nothing.cli"), dir_.string()}) {
        const auto read = ReadClimateFile(path);
        ASSERT_TRUE(std::holds_alternative<CoreMessage>(read));
        EXPECT_EQ(std::get<CoreMessage>(read).textIndex, 319);
        EXPECT_EQ(std::get<CoreMessage>(read).Text(), "File : " + path + "  not found");
    }
    const auto failed = WriteClimateFile(PathOf("no folder/x.cli"), SampleRecord());
    ASSERT_TRUE(failed.has_value());
    EXPECT_NE(failed->Text().find("no folder/x.cli"), std::string::npos);
}

TEST(ClimateName, CutToFiftyBytesWithoutSplittingACharacter)
{
    const std::string a49(49, 'a');
    const struct { std::string name, cut; } cases[] = {
        {std::string(60, 'x'), std::string(50, 'x')},
        {a49 + "\xC3\xA4" + "b", a49},                           // ä across the end
        {a49 + "b\xC3\xA4", a49 + "b"},                          // ä just after it
        {std::string(48, 'a') + "\xE2\x82\xAC", std::string(48, 'a')},  // €
        {a49 + "\x80\x80", a49 + "\x80"},                        // no UTF-8: cut at the byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CutClimateName(c.name), c.cut);
        ClimateRecord r;
        r.Name = c.name;
        EXPECT_EQ(DecodeClimateRecord(EncodeClimateRecord(r)).Name, c.cut);
    }
}

TEST_F(ClimateFileTest, UserClimateYear)
{
    ClimateRecord record = SampleRecord();
    record.MinTime[6] = 5;
    record.MaxTime[6] = 14;
    const std::string path = PathOf("user.cli");
    ASSERT_FALSE(WriteClimateFile(path, record).has_value());
    const ClimateFileLists lists{{PathOf("gone.cli"), path}, {"Gone", "User"}};

    const auto loaded = LoadClimateZone(lists, 5);
    ASSERT_TRUE(std::holds_alternative<ClimateYear>(loaded));
    const ClimateYear& year = std::get<ClimateYear>(loaded);
    double total = 0;
    for (int m = 1; m <= 12; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(year.Days(m, 1), DaysOfMonth[m - 1]);
        EXPECT_EQ(year.Days(m, 2) + year.Days(m, 3), 0);
        total += year.Days(m, 1);
        EXPECT_EQ(year.HumRatio(3, m), record.HumRatio[m - 1]);
    }
    EXPECT_EQ(total, 365);
    EXPECT_NEAR(year.Temp(2, 5, 7), record.MinTemp[6], 1e-9);
    EXPECT_NEAR(year.Temp(3, 14, 7), record.MaxTemp[6], 1e-9);
    EXPECT_NEAR(year.Temp(1, 15, 1), record.MaxTemp[0], 1e-9);

    EXPECT_EQ(std::get<CoreMessage>(LoadClimateZone(lists, 4)).textIndex, 319);
    for (int zone : {0, 6, 10})
        EXPECT_TRUE(std::holds_alternative<CoreMessage>(LoadClimateZone(lists, zone))) << zone;
    for (int index : {-1, 2})
        EXPECT_TRUE(std::holds_alternative<CoreMessage>(LoadUserClimate(lists, index))) << index;
}

TEST_F(ClimateFileTest, RememberAndDropFiles)
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

    const std::string a = WriteBytes("a.cli", {1}), b = WriteBytes("b.cli", {1});
    ClimateFileLists stored{{a, PathOf("gone.cli"), b, a, PathOf("gone2.cli")}, {"A", "Gone", "", "A again", "X"}};
    DropMissingClimateFiles(stored);
    EXPECT_EQ(stored.ClimateFileList, (std::vector<std::string>{a, a}));
    EXPECT_EQ(stored.ClimateNameList, (std::vector<std::string>{"A", "A again"}));
}

TEST(ClimateZones, SelectorItems)
{
    ClimateFileLists lists;
    for (int i = 1; i <= 7; ++i) {
        lists.ClimateFileList.push_back("/f" + std::to_string(i) + ".cli");
        lists.ClimateNameList.push_back("File " + std::to_string(i));
    }
    const auto german = ClimateZoneItems(lists, 1);
    EXPECT_EQ(german, (std::vector<std::string>{"Deutschland (Klimazone 1)", "Deutschland (Klimazone 2)",
                                                "Deutschland (Klimazone 3)", "File 1", "File 2", "File 3",
                                                "File 4", "File 5", "File 6"}));
    for (int language : {0, 2, 7}) {
        const auto items = ClimateZoneItems(ClimateFileLists{}, language);
        EXPECT_EQ(items, (std::vector<std::string>{"Germany (Climate zone 1)", "Germany (Climate zone 2)",
                                                   "Germany (Climate zone 3)"}));
    }
}

}  // namespace
