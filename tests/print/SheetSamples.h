#pragma once
// Inputs and results for the datasheet tests: a year with heating months
// October … May and cold recovery in summer, one month with negative latent
// energy so that the chart reaches below zero.

#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <cmath>
#include <memory>
#include <variant>

#include "core/climate/AnnualSimulation.h"
#include "core/economy/Economy.h"
#include "print/ClimateSheet.h"
#include "print/SheetData.h"
#include "tests/print/PageRecorder.h"

inline AnnualResults SampleYear()
{
    AnnualResults a;
    a.MonthSeason = MonthSeasons(10, 5);
    for (std::size_t m = 0; m < 12; ++m) {
        const bool heating = a.MonthSeason[m] == Season::Heating;
        a.MonthSensible[m] = heating ? 1000.0 + 100.0 * static_cast<double>(m) : -400.0;
        a.MonthLatent[m] = heating ? (m == 4 ? -200.0 : 300.0) : -150.0;
        const double s = heating ? a.MonthSensible[m] : -a.MonthSensible[m];
        const double l = heating ? a.MonthLatent[m] : -a.MonthLatent[m];
        (heating ? a.WinterSensible : a.SummerSensible) += s;
        (heating ? a.WinterLatent : a.SummerLatent) += l;
        a.ChartMax = std::max(a.ChartMax, std::max(s, 0.0) + std::max(l, 0.0));
        a.ChartMin = std::min(a.ChartMin, std::min(s, 0.0) + std::min(l, 0.0));
    }
    a.WinterHours = 3000;
    a.SummerHours = 800;
    a.Humidification = 1200;
    a.Dehumidification = -300;
    a.FanEnergy = 500;
    return a;
}

inline SheetData SampleSheet(const CalcInputs& inputs, bool siUnits = true, int language = 2)
{
    SheetContext context;
    context.siUnits = siUnits;
    context.language = language;
    context.climateZoneText = "Germany (Climate zone 2)";
    const AnnualResults year = SampleYear();
    const auto economy = CalculateEconomy(inputs, year, siUnits);
    return MakeSheetData(inputs, year, economy.value(), context);
}

// Climate data whose months differ: "M1" … "M12" with humidities 2 … 13.
inline ClimateSheetData SampleClimate()
{
    ClimateSheetData climate;
    climate.description = "Test site";
    climate.headings = {"", "", "Average daily minimum", "Average daily maximum"};
    climate.cells[0] = {"", "absolute humidity", "Temperature", "Time of day", "Temperature", "Time of day"};
    climate.cells[1] = {"", "[g/kg]", "[°C]", "[h]", "[°C]", "[h]"};
    for (std::size_t r = 2; r < climate.cells.size(); ++r)
        climate.cells[r] = {"M" + std::to_string(r - 1), std::to_string(r), "-2.5", "06:00", "8.5", "15:00"};
    return climate;
}

inline std::unique_ptr<PageRecorder> Record(const PageProcedure& page)
{
    auto recorder = std::make_unique<PageRecorder>();
    QPainter canvas(recorder.get());
    page(canvas);
    return recorder;
}

inline QByteArray PictureOf(const PageProcedure& page)
{
    QPicture picture;
    QPainter canvas(&picture);
    page(canvas);
    canvas.end();
    return QByteArray(picture.data(), static_cast<qsizetype>(picture.size()));
}

// The content row of a text: rows are 45 units apart from y = 195 (after the
// address block), and a baseline lies inside its row.
inline int RowOf(const RecordedText& text)
{
    return static_cast<int>(std::floor((text.baseline.y() - 195) / 45));
}

// The texts of a row whose start lies in [fromX, toX), left to right, trimmed.
inline QStringList RowTexts(const PageRecorder& page, int row, double fromX = -1e9, double toX = 1e9)
{
    std::vector<RecordedText> found;
    for (const RecordedText& t : page.Texts())
        if (RowOf(t) == row && !t.turned && t.baseline.x() >= fromX && t.baseline.x() < toX)
            found.push_back(t);
    std::sort(found.begin(), found.end(),
              [](const RecordedText& a, const RecordedText& b) { return a.baseline.x() < b.baseline.x(); });
    QStringList texts;
    for (const RecordedText& t : found)
        texts << t.text.trimmed();
    return texts;
}
