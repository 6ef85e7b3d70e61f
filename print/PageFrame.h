#pragma once
// What every datasheet page shares: the layout values, text placed on page
// rows, the frame with the address block, the device block and the design
// block.
//
// The layout values are set afresh by DrawFrame at the start of every page,
// so pages can be drawn in any order and any number of times.

#include <QString>
#include <Qt>

#include <string>

class QPainter;
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

// A solid black pen of `width` logical units (0: the thinnest line the
// device draws), or a dotted or dashed one. The dots and dashes of the
// thinnest pen are measured on the page, as long on paper as on the screen;
// set the pen after the mapping of the page.
void SetPagePen(QPainter& canvas, int width, Qt::PenStyle style = Qt::SolidLine);

// A catalogue text of a language, and a text of the snapshot, as the canvas
// takes them.
QString PageText(int language, int index);
QString PageString(const std::string& text);

// Text at a point of the page; y is the top of the text cell, as the rows
// are. TextRight ends at x, TextCentre is centred on x.
void TextLeft(QPainter& canvas, int x, int y, const QString& text);
void TextRight(QPainter& canvas, int x, int y, const QString& text);
void TextCentre(QPainter& canvas, int x, int y, const QString& text);

// A value right-aligned at x and its unit left-aligned from x, one blank
// between them.
void ValueWithUnit(QPainter& canvas, int x, int y, const QString& value, const QString& unit);

// A label left-aligned at labelX in the canvas's font, then its value
// right-aligned at valueX with the unit after it; the canvas is left with
// the ordinary weight. A
// label too long for its place (a long translation) moves the value right,
// so that one blank stays between them.
void LabelledValue(QPainter& canvas, int labelX, int valueX, int y, const QString& label, const QString& value,
                   const QString& unit);

// The title of the calculation's datasheets: "Calculation of Economy …",
// " / " and the sheet's own catalogue text.
QString EconomyTitle(int language, int sheetText);

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
