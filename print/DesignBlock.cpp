// The design block of the energy datasheets: the device block under the
// title "Calculation of Economy … / Recovery of energy", the design air data
// (rows 15 … 20), the outside air (row 22) and the operation (rows 24 … 31).

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

#include "print/PageFrame.h"
#include "print/SheetData.h"

namespace {

// Columns of the design data, from X0 (right edges).
constexpr int WinterSupplyX = 550;
constexpr int WinterExhaustX = 800;
constexpr int SummerSupplyX = 1200;
constexpr int SummerExhaustX = 1450;
// The operation column: labels from XR − 700, values ending at XR − 150.
constexpr int OperationLabelX = 700;
constexpr int OperationValueX = 150;

// The climate zone keeps at least this much of the row around the page's
// centre.
constexpr int OutsideAirZoneRoom = 900;

const QString Percent = QStringLiteral("%");

// The four columns of the design data, each as wide as the distance of two
// columns; the headings of row 17 take a column each, the season headings of
// row 16 the two columns of their season.
constexpr int ColumnWidth = 250;

void DrawDesignData(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const DesignTexts& d = data.design;
    const auto text = [language](TextId id) { return PageText(language, id); };
    // The cell of a column in a row: from the column before it to its right
    // edge.
    const auto column = [&p](int x, int row) { return p.Cell(p.X(x - ColumnWidth) + CellGap, p.X(x), p.Row(row)); };

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.Cell(p.X0, p.XR, p.Row(15)), text(TextId::SelectionData));
    SetPageFont(canvas, p.TextHeight());
    TextRight(canvas, p.Cell(p.X0, p.X(WinterExhaustX), p.Row(16)), text(TextId::WinterOperation));
    TextRight(canvas, p.Cell(p.X(WinterExhaustX) + CellGap, p.X(SummerExhaustX), p.Row(16)),
              text(TextId::SummerOperation));
    for (const int x : {WinterSupplyX, SummerSupplyX})
        TextRight(canvas, column(x, 17), text(TextId::SupplyAir));
    for (const int x : {WinterExhaustX, SummerExhaustX})
        TextRight(canvas, column(x, 17), text(TextId::ExhaustAir));

    // The labels have the room up to the first value of their row.
    const QString noUnit;
    LabelledValue(canvas, p.Cell(p.X0, p.X(WinterSupplyX), p.Row(18)), p.X(WinterSupplyX), text(TextId::AirVolume),
                  PageString(d.supplyVolWinter), noUnit);
    LabelledValue(canvas, p.Cell(p.X0, p.X(WinterExhaustX), p.Row(19)), p.X(WinterExhaustX), text(TextId::Temperature),
                  PageString(d.extractTempWinter), noUnit);
    LabelledValue(canvas, p.Cell(p.X0, p.X(WinterExhaustX), p.Row(20)), p.X(WinterExhaustX),
                  text(TextId::RelativeHumidity), PageString(d.extractHumWinter), noUnit);
    TextRight(canvas, column(WinterExhaustX, 18), PageString(d.extractVolWinter));
    TextRight(canvas, column(SummerSupplyX, 18), PageString(d.supplyVolSummer));
    const auto summer = [&](int row) { return p.Cell(p.X(SummerExhaustX - ColumnWidth) + CellGap, p.XR, p.Row(row)); };
    ValueWithUnit(canvas, summer(18), p.X(SummerExhaustX), PageString(d.extractVolSummer), PageString(d.volumeUnit));
    ValueWithUnit(canvas, summer(19), p.X(SummerExhaustX), PageString(d.extractTempSummer),
                  PageString(d.temperatureUnit));
    ValueWithUnit(canvas, summer(20), p.X(SummerExhaustX), PageString(d.extractHumSummer), Percent);

    // The climate zone is centred on the page beside the bold label.
    SetPageFont(canvas, p.TextHeight(), true);
    const QString outsideAir = text(TextId::OutsideAir);
    const double centre = (p.X0 + p.XR) / 2;
    const double labelEnd = std::min(p.X0 + QFontMetricsF(canvas.font(), canvas.device()).horizontalAdvance(outsideAir),
                                     centre - OutsideAirZoneRoom / 2.0);
    TextLeft(canvas, p.Cell(p.X0, labelEnd, p.Row(22)), outsideAir);
    const double half = std::min(centre - labelEnd - CellGap, p.XR - centre);
    TextCentre(canvas, p.Cell(centre - half, centre + half, p.Row(22)), PageString(data.context.climateZoneText));
}

void DrawOperation(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const DesignTexts& d = data.design;
    const auto text = [language](TextId id) { return PageText(language, id); };
    const int labelX = p.R(OperationLabelX);
    const int valueX = p.R(OperationValueX);
    const auto left = [&](int row) { return p.Cell(p.X0, labelX - CellGap, p.Row(row)); };
    const auto right = [&](int row) { return p.Cell(labelX, p.XR, p.Row(row)); };
    const QString temperatureUnit = PageString(d.temperatureUnit);
    const QString hoursUnit = PageString(data.energy.HoursUnit);

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, left(24), text(TextId::Regulation));
    LabelledValue(canvas, right(26), valueX, text(TextId::WinterOperation), PageString(data.energy.WinterHours),
                  hoursUnit);
    SetPageFont(canvas, p.TextHeight());
    TextLeft(canvas, left(26), PageString(d.operatingTime));
    TextLeft(canvas, left(27), PageString(d.operatingDays));
    TextLeft(canvas, left(30), PageString(d.season));

    if (!d.maxSupplyTemp.empty()) {
        TextLeft(canvas, right(27), text(TextId::SupplyTemperatureControl));
        // Row 29 is free: a long label may take it.
        LabelledValue(canvas, right(28), valueX, text(TextId::MaxSupplyTemperature), PageString(d.maxSupplyTemp),
                      temperatureUnit, 2);
    }
    if (!data.HasSummerOperation())
        return;
    SetPageFont(canvas, p.TextHeight(), true);
    LabelledValue(canvas, right(30), valueX, text(TextId::SummerOperation), PageString(data.energy.SummerHours),
                  hoursUnit);
    LabelledValue(canvas, right(31), valueX, PageString(d.summerModeText), PageString(d.summerSwitchTemp),
                  temperatureUnit);
}

}  // namespace

PageLayout DrawDesignBlock(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDeviceBlock(canvas, data, EconomyTitle(data.context.language, TextId::EnergyRecovery));
    canvas.drawLine(p.X0, p.Row(21) + p.LH / 2, p.XR, p.Row(21) + p.LH / 2);
    DrawDesignData(canvas, p, data);
    DrawOperation(canvas, p, data);
    SetPageFont(canvas, p.TextHeight());
    return p;
}
