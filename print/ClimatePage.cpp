// The climate data page: the description and the two grids of the climate
// data window, the heading row over the table of the months.

#include <QPainter>

#include <array>

#include "print/ClimateSheet.h"
#include "print/PageFrame.h"

namespace {

constexpr int DescriptionRow = 11;
constexpr int DescriptionX = 285;  // from X0
constexpr int HeadingRow = 16;     // the upper grid; the table follows
constexpr int Columns = 6;
constexpr int ColumnWidth = 285;
constexpr int CellInset = 10;  // text from the cell's edge
constexpr int RuleOffset = 6;  // the rules stand this far above a row

// The heading cells span these columns of the table: the minimum and the
// maximum heading two columns each.
constexpr std::array<std::pair<int, int>, 4> HeadingSpans = {{{0, 1}, {1, 2}, {2, 4}, {4, 6}}};

int Edge(const PageLayout& p, int column)
{
    return p.X(ColumnWidth * column);
}

// The top rule of a table row (-1 is the heading row).
int RuleY(const PageLayout& p, int tableRow)
{
    return p.Row(HeadingRow + 1 + tableRow) - RuleOffset;
}

// Column 0 left-aligned, the others right-aligned, as the window draws them,
// each inside its lines.
void Cell(QPainter& canvas, const PageLayout& p, int first, int last, int y, const std::string& text)
{
    const QRectF cell = p.Cell(Edge(p, first) + CellInset, Edge(p, last) - CellInset, y);
    if (first == 0)
        TextLeft(canvas, cell, PageString(text));
    else
        TextRight(canvas, cell, PageString(text));
}

void DrawTexts(QPainter& canvas, const PageLayout& p, const ClimateSheetData& data)
{
    SetPageFont(canvas, p.TextHeight(), true);
    const int descriptionX = p.X(DescriptionX);
    TextLeft(canvas, p.Cell(p.X0, descriptionX - CellGap, p.Row(DescriptionRow)),
             PageText(data.language, TextId::Description));
    for (std::size_t h = 0; h < HeadingSpans.size(); ++h)
        Cell(canvas, p, HeadingSpans[h].first, HeadingSpans[h].second, p.Row(HeadingRow), data.headings[h]);
    SetPageFont(canvas, p.TextHeight());
    TextLeft(canvas, p.Cell(descriptionX, p.XR, p.Row(DescriptionRow)), PageString(data.description));
    for (std::size_t r = 0; r < data.cells.size(); ++r)
        for (int c = 0; c < Columns; ++c)
            Cell(canvas, p, c, c + 1, p.Row(HeadingRow + 1 + static_cast<int>(r)),
                 data.cells[r][static_cast<std::size_t>(c)]);
}

void DrawRules(QPainter& canvas, const PageLayout& p, int tableRows)
{
    const int left = Edge(p, 0);
    const int right = Edge(p, Columns);
    const int headingTop = RuleY(p, -1);
    const int tableTop = RuleY(p, 0);
    const int bottom = RuleY(p, tableRows);

    SetPagePen(canvas, 0, Qt::DotLine);
    for (int r = 1; r < tableRows; ++r)
        if (r != 2)
            canvas.drawLine(left, RuleY(p, r), right, RuleY(p, r));

    // Solid: the frame, the rule between the two grids, the rule under the
    // unit row, and the column lines (in the heading row only where a
    // heading ends).
    SetPagePen(canvas, HeavyPenWidth);
    for (const int y : {headingTop, tableTop, RuleY(p, 2), bottom})
        canvas.drawLine(left, y, right, y);
    for (int c = 0; c <= Columns; ++c)
        canvas.drawLine(Edge(p, c), tableTop, Edge(p, c), bottom);
    canvas.drawLine(left, headingTop, left, tableTop);
    for (const auto& span : HeadingSpans)
        canvas.drawLine(Edge(p, span.second), headingTop, Edge(p, span.second), tableTop);
    SetPagePen(canvas, 0);
}

void DrawClimatePage(QPainter& canvas, const ClimateSheetData& data)
{
    const PageLayout p = DrawFrame(canvas, PageText(data.language, TextId::ClimateData), data.language);
    DrawTexts(canvas, p, data);
    DrawRules(canvas, p, static_cast<int>(data.cells.size()));
}

}  // namespace

PageProcedure ClimateDataPage(const ClimateSheetData& data)
{
    return [data](QPainter& canvas) { DrawClimatePage(canvas, data); };
}
