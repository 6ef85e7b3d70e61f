// The device block: the frame and the device description in rows 10 … 13.

#include <QPainter>

#include <utility>

#include "print/PageFrame.h"
#include "print/SheetData.h"

namespace {

constexpr int HeadingRow = 10;
constexpr int FoilRow = 12;
constexpr int PlateRow = 12;
constexpr int SeriesRow = 13;

constexpr int DetailX = 900;  // from X0: the rotor entry, labels and plate sizes
constexpr int ValueX = 1450;  // from X0: the millimetres, right-aligned

const QString Millimetres = QStringLiteral("mm");

}  // namespace

PageLayout DrawDeviceBlock(QPainter& canvas, const SheetData& data, const QString& title)
{
    const PageLayout p = DrawFrame(canvas, title, data.context.language);
    const DeviceTexts& d = data.device;
    const int language = data.context.language;

    const int detailX = p.X(DetailX);
    const int valueX = p.X(ValueX);
    const auto row = [&](int r, double left, double right) { return p.Cell(left, right, p.Row(r)); };

    SetPageFont(canvas, p.TextHeight(), true);
    TextLeft(canvas, row(HeadingRow, p.X0, detailX - CellGap), PageString(d.heading));
    SetPageFont(canvas, p.TextHeight());
    TextLeft(canvas, row(HeadingRow, detailX, p.XR), PageString(d.rotorType));

    if (d.diameterRow > 0)
        LabelledValue(canvas, row(d.diameterRow, detailX, p.XR), valueX, PageText(language, TextId::RotorDiameter),
                      PageString(d.diameter), Millimetres);
    // The profile's labels and values: a sorption rotor has values without
    // labels.
    const std::pair<TextId, const std::string*> profile[] = {{TextId::FoilThickness, &d.foilThickness},
                                                             {TextId::WaveHeight, &d.waveHeight}};
    for (int i = 0; i < 2; ++i) {
        const auto& [text, value] = profile[i];
        LabelledValue(canvas, row(FoilRow + i, detailX, p.XR), valueX,
                      d.profileLabels ? PageText(language, text) : QString(), PageString(*value),
                      value->empty() ? QString() : Millimetres);
    }

    TextLeft(canvas, row(PlateRow, detailX, p.XR), PageString(d.plateSize));
    TextLeft(canvas, row(SeriesRow, detailX, p.XR), PageString(d.seriesText));
    return p;
}
