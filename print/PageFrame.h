#pragma once
// What every datasheet page shares: the layout values, text placed on page
// rows, the frame with the address block, the device block and the design
// block.
//
// The layout values are set afresh by DrawFrame at the start of every page,
// so pages can be drawn in any order and any number of times.

#include <QString>

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
};

// The print font on the canvas: `height` in logical units (the font's pixel
// size on the page), bold or not. Text is drawn with a transparent
// background.
void SetPageFont(QPainter& canvas, int height, bool bold = false);

// Text at a point of the page; y is the top of the text cell, as the rows
// are. TextRight ends at x, TextCentre is centred on x.
void TextLeft(QPainter& canvas, int x, int y, const QString& text);
void TextRight(QPainter& canvas, int x, int y, const QString& text);
void TextCentre(QPainter& canvas, int x, int y, const QString& text);

// The frame of every page with its title and the maker's address block;
// returns the layout values after the address block (Y0 and YB one line
// lower). The canvas is left with the ordinary text font.
PageLayout DrawFrame(QPainter& canvas, const QString& title);

// The frame and the device description (rows 10 … 13).
PageLayout DrawDeviceBlock(QPainter& canvas, const SheetData& data, const QString& title);

// The device block under the title of the energy datasheets and the design
// and operation data (rows 15 … 31).
PageLayout DrawDesignBlock(QPainter& canvas, const SheetData& data);
