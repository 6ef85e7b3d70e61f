// The device block: the frame and the device description in rows 10 … 13.

#include <QPainter>

#include "print/PageFrame.h"
#include "print/SheetData.h"

namespace {

constexpr int DiameterText = 82;
constexpr int FoilThicknessText = 84;
constexpr int WaveHeightText = 85;

constexpr int HeadingRow = 10;
constexpr int FoilRow = 12;
constexpr int WaveRow = 13;
constexpr int PlateRow = 12;
constexpr int SeriesRow = 13;

constexpr int DetailX = 900;   // from X0: the rotor entry, labels and plate sizes
constexpr int ValueX = 1450;   // from X0: the millimetres, right-aligned

const QString Millimetres = QStringLiteral("mm");

}  // namespace

PageLayout DrawDeviceBlock(QPainter& canvas, const SheetData& data, const QString& title)
{
    const PageLayout p = DrawFrame(canvas, title, data.context.language);
    const DeviceTexts& d = data.device;
    const int language = data.context.language;

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, p.X0, p.Row(HeadingRow), PageString(d.heading));
    SetPageFont(canvas, p.TextHeight());
    TextLeft(canvas, p.X(DetailX), p.Row(HeadingRow), PageString(d.rotorType));

    if (d.diameterRow > 0) {
        TextLeft(canvas, p.X(DetailX), p.Row(d.diameterRow), PageText(language, DiameterText));
        ValueWithUnit(canvas, p.X(ValueX), p.Row(d.diameterRow), PageString(d.diameter), Millimetres);
    }
    if (d.profileLabels) {
        TextLeft(canvas, p.X(DetailX), p.Row(FoilRow), PageText(language, FoilThicknessText));
        TextLeft(canvas, p.X(DetailX), p.Row(WaveRow), PageText(language, WaveHeightText));
    }
    if (!d.foilThickness.empty())
        ValueWithUnit(canvas, p.X(ValueX), p.Row(FoilRow), PageString(d.foilThickness), Millimetres);
    if (!d.waveHeight.empty())
        ValueWithUnit(canvas, p.X(ValueX), p.Row(WaveRow), PageString(d.waveHeight), Millimetres);

    TextLeft(canvas, p.X(DetailX), p.Row(PlateRow), PageString(d.plateSize));
    TextLeft(canvas, p.X(DetailX), p.Row(SeriesRow), PageString(d.seriesText));
    return p;
}
