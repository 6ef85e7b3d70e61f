// The design block of the energy datasheets: the device block under the
// title "Calculation of Economy … / Recovery of energy", the design air data
// (rows 15 … 20), the outside air (row 22) and the operation (rows 24 … 31).

#include <QPainter>

#include "print/PageFrame.h"
#include "print/SheetData.h"

namespace {

constexpr int RecoveryText = 235;
constexpr int SupplyText = 3;
constexpr int ExhaustText = 4;
constexpr int OutsideAirText = 5;
constexpr int TemperatureText = 12;
constexpr int HumidityText = 13;
constexpr int SelectionText = 247;
constexpr int SummerText = 248;
constexpr int WinterText = 249;
constexpr int AirVolumeText = 250;
constexpr int RegulationText = 251;
constexpr int SupplyControlText = 262;
constexpr int MaxSupplyTempText = 263;

// Columns of the design data, from X0 (right edges).
constexpr int WinterSupplyX = 550;
constexpr int WinterExhaustX = 800;
constexpr int SummerSupplyX = 1200;
constexpr int SummerExhaustX = 1450;
// The operation column: labels from XR − 700, values ending at XR − 150.
constexpr int OperationLabelX = 700;
constexpr int OperationValueX = 150;

const QString Percent = QStringLiteral("%");

void DrawDesignData(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const DesignTexts& d = data.design;
    const auto text = [language](int index) { return PageText(language, index); };

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.X0, p.Row(15), text(SelectionText));
    SetPageFont(canvas, p.TextHeight());
    TextRight(canvas, p.X(WinterExhaustX), p.Row(16), text(WinterText));
    TextRight(canvas, p.X(SummerExhaustX), p.Row(16), text(SummerText));
    for (const int x : {WinterSupplyX, SummerSupplyX})
        TextRight(canvas, p.X(x), p.Row(17), text(SupplyText));
    for (const int x : {WinterExhaustX, SummerExhaustX})
        TextRight(canvas, p.X(x), p.Row(17), text(ExhaustText));

    TextLeft(canvas, p.X0, p.Row(18), text(AirVolumeText));
    TextLeft(canvas, p.X0, p.Row(19), text(TemperatureText));
    TextLeft(canvas, p.X0, p.Row(20), text(HumidityText));
    TextRight(canvas, p.X(WinterSupplyX), p.Row(18), PageString(d.supplyVolWinter));
    TextRight(canvas, p.X(WinterExhaustX), p.Row(18), PageString(d.extractVolWinter));
    TextRight(canvas, p.X(WinterExhaustX), p.Row(19), PageString(d.extractTempWinter));
    TextRight(canvas, p.X(WinterExhaustX), p.Row(20), PageString(d.extractHumWinter));
    TextRight(canvas, p.X(SummerSupplyX), p.Row(18), PageString(d.supplyVolSummer));
    ValueWithUnit(canvas, p.X(SummerExhaustX), p.Row(18), PageString(d.extractVolSummer), PageString(d.volumeUnit));
    ValueWithUnit(canvas, p.X(SummerExhaustX), p.Row(19), PageString(d.extractTempSummer),
                  PageString(d.temperatureUnit));
    ValueWithUnit(canvas, p.X(SummerExhaustX), p.Row(20), PageString(d.extractHumSummer), Percent);

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.X0, p.Row(22), text(OutsideAirText));
    TextCentre(canvas, (p.X0 + p.XR) / 2, p.Row(22), PageString(data.context.climateZoneText));
}

void DrawOperation(QPainter& canvas, const PageLayout& p, const SheetData& data)
{
    const int language = data.context.language;
    const DesignTexts& d = data.design;
    const auto text = [language](int index) { return PageText(language, index); };
    const int labelX = p.R(OperationLabelX);
    const int valueX = p.R(OperationValueX);
    const QString temperatureUnit = PageString(d.temperatureUnit);
    const QString hoursUnit = PageString(data.energy.HoursUnit);

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.X0, p.Row(24), text(RegulationText));
    LabelledValue(canvas, labelX, valueX, p.Row(26), text(WinterText), PageString(data.energy.WinterHours), hoursUnit);
    SetPageFont(canvas, p.TextHeight());
    TextLeft(canvas, p.X0, p.Row(26), PageString(d.operatingTime));
    TextLeft(canvas, p.X0, p.Row(27), PageString(d.operatingDays));
    TextLeft(canvas, p.X0, p.Row(30), PageString(d.season));

    if (!d.maxSupplyTemp.empty()) {
        TextLeft(canvas, labelX, p.Row(27), text(SupplyControlText));
        LabelledValue(canvas, labelX, valueX, p.Row(28), text(MaxSupplyTempText), PageString(d.maxSupplyTemp),
                      temperatureUnit);
    }
    if (!data.HasSummerOperation())
        return;
    SetPageFont(canvas, p.TextHeight(), true);
    LabelledValue(canvas, labelX, valueX, p.Row(30), text(SummerText), PageString(data.energy.SummerHours), hoursUnit);
    LabelledValue(canvas, labelX, valueX, p.Row(31), PageString(d.summerModeText), PageString(d.summerSwitchTemp),
                  temperatureUnit);
}

}  // namespace

PageLayout DrawDesignBlock(QPainter& canvas, const SheetData& data)
{
    const PageLayout p = DrawDeviceBlock(canvas, data, EconomyTitle(data.context.language, RecoveryText));
    canvas.drawLine(p.X0, p.Row(21) + p.LH / 2, p.XR, p.Row(21) + p.LH / 2);
    DrawDesignData(canvas, p, data);
    DrawOperation(canvas, p, data);
    SetPageFont(canvas, p.TextHeight());
    return p;
}
