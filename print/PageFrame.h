#pragma once
// What every datasheet page shares: the layout values, text placed on page
// rows, the frame with the address block, the device block and the design
// block.
//
// The layout values are set afresh by DrawFrame at the start of every page,
// so pages can be drawn in any order and any number of times.

#include <QRectF>
#include <QString>
#include <Qt>

#include <string>

#include "core/text/TextId.h"

class QPainter;
class QTransform;
struct SheetData;

struct PageLayout {
    int X0 = 250;   // left margin
    int XR = 1950;  // right margin
    int Y0 = 150;   // origin of the content rows
    int YB = 2820;  // bottom line
    int CH = 35;    // character height
    int LH = 45;    // line pitch: CH × 1.275 rounded

    // The y of row r.
    int Row(int r) const { return Y0 + r * LH; }
    // The cell of a text from left to right at y (the top of a row), one
    // row high.
    QRectF Cell(double left, double right, int y) const { return QRectF(left, y, right - left, LH); }
    // x + n and XR − n.
    int X(int n) const { return X0 + n; }
    int R(int n) const { return XR - n; }
    // The font heights: ordinary text CH / 1.2 and the title CH × 1.2, rounded.
    int TextHeight() const;
    int TitleHeight() const;
};

// The print font on the canvas: `height` in logical units (the font's pixel
// size on the page), bold or not. Text is drawn with a transparent
// background. The family stays the one the frame chose for the page's
// language.
void SetPageFont(QPainter& canvas, int height, bool bold = false);

// The width of the heavy rules: the frame's rules, the line above the sums,
// the frame of a table.
inline constexpr int HeavyPenWidth = 3;

// The room kept between neighbouring cells of a row, 1 mm.
inline constexpr int CellGap = 10;

// A solid black pen of `width` logical units (0: the thinnest line the
// device draws), or a dotted or dashed one. The dots and dashes of the
// thinnest pen are measured on the page, as long on paper as on the screen;
// set the pen after the mapping of the page.
void SetPagePen(QPainter& canvas, int width, Qt::PenStyle style = Qt::SolidLine);

// A catalogue text of a language, and a text of the snapshot, as the canvas
// takes them.
QString PageText(int language, TextId id);
QString PageString(const std::string& text);

// The room of one text on the page, its cell: from its left to its right
// neighbour, one row high (y is the top of the row). A text is top-aligned in
// its cell, as the rows are, and aligned left, right or centred in it. A text
// wider than its cell is drawn smaller on the same baseline; where `rows` > 1
// the rows below belong to the cell too, and a text that would have to shrink
// much is wrapped onto them instead. Nothing is drawn beyond the cell.
void TextInCell(QPainter& canvas, const QRectF& cell, Qt::Alignment alignment, const QString& text, int rows = 1);
void TextLeft(QPainter& canvas, const QRectF& cell, const QString& text, int rows = 1);
void TextRight(QPainter& canvas, const QRectF& cell, const QString& text);
void TextCentre(QPainter& canvas, const QRectF& cell, const QString& text);

// A value right-aligned at x and its unit left-aligned from x, one blank
// between them, in the room of `cell` (the value left of x, the unit right of
// it).
void ValueWithUnit(QPainter& canvas, const QRectF& cell, double x, const QString& value, const QString& unit);

// A label left-aligned at the cell's left edge in the canvas's font, then its
// value right-aligned at valueX with the unit after it up to the cell's right
// edge; the canvas is left with the ordinary weight. The value stays in its
// column: a label too long for the room left of the value (a long
// translation) is drawn smaller, or wrapped onto the `rows` below.
void LabelledValue(QPainter& canvas, const QRectF& cell, double valueX, const QString& label, const QString& value,
                   const QString& unit, int rows = 1);

// A paint device that also derives from TextCellSink is told the cell of
// every text line the pages draw, just before the line is drawn, with the
// canvas's transformation from logical units to the device.
class TextCellSink {
public:
    virtual void TextCell(const QRectF& cell, const QTransform& toDevice, const QString& text) = 0;

protected:
    ~TextCellSink() = default;
};

// The title of the calculation's datasheets: "Calculation of Economy …",
// " / " and the sheet's own catalogue text.
QString EconomyTitle(int language, TextId sheetText);

// The frame of every page with its title and the maker's address block;
// returns the layout values after the address block (Y0 and YB one line
// lower). The canvas is left with the ordinary text font.
// The print font is that of `language` (1 German, 2 English, …); without
// it, that of the current language.
PageLayout DrawFrame(QPainter& canvas, const QString& title, int language);
PageLayout DrawFrame(QPainter& canvas, const QString& title);

// The frame and the device description (rows 10 … 13).
PageLayout DrawDeviceBlock(QPainter& canvas, const SheetData& data, const QString& title);

// The device block under the title of the energy datasheets and the design
// and operation data (rows 15 … 31).
PageLayout DrawDesignBlock(QPainter& canvas, const SheetData& data);
