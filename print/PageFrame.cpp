// What every datasheet page shares: layout, text rows, frame and blocks.

#include "print/PageFrame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "core/settings/ProgramVersion.h"
#include "core/text/Catalogue.h"
#include "print/MakerData.h"
#include "print/Metafile.h"
#include "print/PageProcedure.h"
#include "print/PrintFont.h"

namespace {

// A text is top-aligned in its cell on one line; fitted to its cell, it
// never needs clipping.
constexpr int TextFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
// A text too wide for its cell is drawn down to this share of its size before
// it is wrapped onto the free rows of its cell: a slightly smaller text keeps
// the row's line, a much smaller one is hard to read.
constexpr double LeastShrinkBeforeWrap = 0.8;
// Each further try at a smaller text takes this share of the one before.
constexpr double ShrinkStep = 0.97;
constexpr int MaximumShrinkSteps = 200;

constexpr int FooterRuleLength = 300;
constexpr int RightRuleOverhang = 30;  // the right rules and the vertical line stand out by this
constexpr int VerticalLineInset = 30;  // the vertical line keeps this distance from the rules
constexpr char VersionCaption[] = "Version      ";

// The dots, dashes and gaps of the thinnest pen, in logical units.
constexpr double DotLength = 3;
constexpr double DashLength = 12;
constexpr double GapLength = 6;

constexpr int LogoResource = 101;
// The address block, relative to the layout.
constexpr int AddressTextX = 250;   // from X0: name, street, town, country
constexpr int ContactLabelX = 600;  // from XR: "Tel.:" …
constexpr int ContactValueX = 470;  // from XR: the numbers and addresses
constexpr int FirstAddressRow = 6;

// One line of text in its cell, the cell told to a paint device that
// listens.
void DrawLine(QPainter& canvas, const QRectF& cell, Qt::Alignment alignment, const QString& text)
{
    if (auto* sink = dynamic_cast<TextCellSink*>(canvas.device()))
        sink->TextCell(cell, canvas.combinedTransform(), text);
    canvas.drawText(cell, static_cast<int>(alignment) | TextFlags, text);
}

QFont Scaled(const QFont& font, double factor)
{
    QFont scaled = font;
    if (font.pixelSize() > 0)
        scaled.setPixelSize(std::max(1, static_cast<int>(std::floor(font.pixelSize() * factor))));
    else
        scaled.setPointSizeF(font.pointSizeF() * factor);
    return scaled;
}

// One line in its cell, in the canvas's font or, when it is too wide or too
// high, in the largest smaller size that fits, on the same baseline. The
// canvas keeps its font.
void DrawFitted(QPainter& canvas, const QRectF& cell, Qt::Alignment alignment, const QString& text)
{
    const QFont font = canvas.font();
    const QFontMetricsF metrics(font, canvas.device());
    const auto fits = [&](const QFontMetricsF& m) {
        return m.horizontalAdvance(text) <= cell.width() && m.ascent() + m.descent() <= cell.height();
    };
    if (fits(metrics)) {
        DrawLine(canvas, cell, alignment, text);
        return;
    }
    if (cell.width() < 1 || cell.height() < 1)
        return;  // no room at all: nothing rather than over the neighbour
    double factor = std::min(cell.width() / metrics.horizontalAdvance(text),
                             cell.height() / (metrics.ascent() + metrics.descent()));
    QFont smaller = Scaled(font, factor);
    for (int step = 0; step < MaximumShrinkSteps && !fits(QFontMetricsF(smaller, canvas.device())); ++step) {
        factor *= ShrinkStep;
        smaller = Scaled(font, factor);
    }
    // The same baseline: the smaller text starts lower, by the difference
    // of the ascents, but no lower than its cell allows.
    const QFontMetricsF small(smaller, canvas.device());
    const double lower = std::clamp(metrics.ascent() - small.ascent(), 0.0,
                                    std::max(0.0, cell.height() - small.ascent() - small.descent()));
    canvas.setFont(smaller);
    DrawLine(canvas, cell.adjusted(0, lower, 0, 0), alignment, text);
    canvas.setFont(font);
}

// The words of `text` on lines that each fit `width`, as many words on a
// line as fit; a word wider than `width` stands on a line of its own. Blanks
// in front of the text stay in front of the first line.
QStringList Wrapped(const QFontMetricsF& metrics, const QString& text, double width)
{
    qsizetype indent = 0;
    while (indent < text.size() && text[indent] == QLatin1Char(' '))
        ++indent;
    QStringList lines;
    for (const QString& word : text.mid(indent).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = lines.isEmpty() ? QString() : lines.back() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(longer) <= width)
            lines.back() = longer;
        else
            lines << word;
    }
    if (!lines.isEmpty())
        lines.front().prepend(text.left(indent));
    return lines;
}

// The thinnest pen counts its dots and gaps in device pixels, which on a
// printer of 600 dots per inch run together into a solid line; measured on
// the page they keep the winter and summer bars and the dotted rules apart
// on paper. At least one pixel each.
QList<qreal> DevicePattern(const QPainter& canvas, double mark)
{
    const double pixelsPerUnit = canvas.combinedTransform().map(QLineF(0, 0, 1, 0)).length();
    const auto pixels = [pixelsPerUnit](double units) { return std::max(1.0, std::round(units * pixelsPerUnit)); };
    return {pixels(mark), pixels(GapLength)};
}

void HorizontalLine(QPainter& canvas, int y, int x1, int x2)
{
    canvas.drawLine(x1, y, x2, y);
}

// The logo's mark is the square at the left end of the drawing, as tall as
// the drawing; the page keeps a square place for it beside the company
// name, where the whole wide drawing would shrink to a thin strip.
void DrawLogo(QPainter& canvas, const QRectF& place)
{
    const auto logo = MetafileResource(LogoResource);
    if (!logo)
        return;
    const QRectF drawing = logo->viewBoxF();
    logo->setViewBox(QRectF(drawing.topLeft(), QSizeF(drawing.height(), drawing.height())));
    canvas.save();
    canvas.setClipRect(place, Qt::IntersectClip);
    logo->render(&canvas, place);
    canvas.restore();
}

// The maker's own address block in rows 6 … 9, drawn before Y0 moves: the
// name in bold at the character height, the other lines in the ordinary
// text height, which keeps "Internet:" clear of the addresses 130 units
// to its right.
void DrawAddressBlock(QPainter& canvas, const PageLayout& p)
{
    const int half = p.LH / 2;
    DrawLogo(canvas, QRectF(QPointF(p.X(35), p.Y0 + 6 * p.LH - 15 + half),
                            QPointF(p.X(50 + 3 * p.LH + 15), p.Y0 + 9 * p.LH + 15 + half)));

    const double addressEnd = p.R(ContactLabelX) - CellGap;
    const double contactLabelEnd = p.R(ContactValueX) - CellGap;
    SetPageFont(canvas, p.CH, true);
    TextLeft(canvas, p.Cell(p.X(AddressTextX), addressEnd, p.Row(FirstAddressRow)), QString::fromUtf8(MakerName));
    SetPageFont(canvas, p.TextHeight());
    const char* const address[] = {MakerStreet, MakerTown, MakerCountry};
    const char* const contactLabels[] = {"Tel.:", "Fax:", "E-Mail:", "Internet:"};
    const char* const contacts[] = {MakerTelephoneNumber, MakerFaxNumber, MakerMailAddress, MakerWebText};
    for (int i = 0; i < 3; ++i)
        TextLeft(canvas, p.Cell(p.X(AddressTextX), addressEnd, p.Row(FirstAddressRow + 1 + i)),
                 QString::fromUtf8(address[i]));
    for (int i = 0; i < 4; ++i) {
        const int y = p.Row(FirstAddressRow + i);
        TextLeft(canvas, p.Cell(p.R(ContactLabelX), contactLabelEnd, y), QString::fromLatin1(contactLabels[i]));
        TextLeft(canvas, p.Cell(p.R(ContactValueX), p.XR, y), QString::fromUtf8(contacts[i]));
    }
}

}  // namespace

int PageLayout::TextHeight() const
{
    return static_cast<int>(std::lround(CH / 1.2));
}

int PageLayout::TitleHeight() const
{
    return static_cast<int>(std::lround(CH * 1.2));
}

QString PageText(int language, TextId id)
{
    return QString::fromStdString(CatalogueTextIn(language, id));
}

QString PageString(const std::string& text)
{
    return QString::fromStdString(text);
}

void SetPageFont(QPainter& canvas, int height, bool bold)
{
    QFont font = canvas.font();
    font.setPixelSize(height);
    font.setBold(bold);
    // Unhinted glyphs keep the same advances on the screen and on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    canvas.setFont(font);
    canvas.setBackgroundMode(Qt::TransparentMode);
}

void SetPagePen(QPainter& canvas, int width, Qt::PenStyle style)
{
    QPen pen(Qt::black, width, style);
    if (width == 0 && (style == Qt::DotLine || style == Qt::DashLine))
        pen.setDashPattern(DevicePattern(canvas, style == Qt::DotLine ? DotLength : DashLength));
    canvas.setPen(pen);
}

QString EconomyTitle(int language, TextId sheetText)
{
    return PageText(language, TextId::EconomyCalculation) + QStringLiteral(" / ") + PageText(language, sheetText);
}

void TextInCell(QPainter& canvas, const QRectF& cell, Qt::Alignment alignment, const QString& text, int rows)
{
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    if (rows > 1 && metrics.horizontalAdvance(text) * LeastShrinkBeforeWrap > cell.width()) {
        const QStringList lines = Wrapped(metrics, text, cell.width());
        if (lines.size() > 1 && lines.size() <= rows) {
            for (qsizetype i = 0; i < lines.size(); ++i)
                DrawFitted(canvas, cell.translated(0, static_cast<double>(i) * cell.height()), alignment, lines[i]);
            return;
        }
    }
    DrawFitted(canvas, cell, alignment, text);
}

void TextLeft(QPainter& canvas, const QRectF& cell, const QString& text, int rows)
{
    TextInCell(canvas, cell, Qt::AlignLeft, text, rows);
}

void TextRight(QPainter& canvas, const QRectF& cell, const QString& text)
{
    TextInCell(canvas, cell, Qt::AlignRight, text);
}

void TextCentre(QPainter& canvas, const QRectF& cell, const QString& text)
{
    TextInCell(canvas, cell, Qt::AlignHCenter, text);
}

void ValueWithUnit(QPainter& canvas, const QRectF& cell, double x, const QString& value, const QString& unit)
{
    TextRight(canvas, QRectF(cell.left(), cell.top(), x - cell.left(), cell.height()), value);
    if (!unit.isEmpty())
        TextLeft(canvas, QRectF(x, cell.top(), cell.right() - x, cell.height()),
                 unit.startsWith(QLatin1Char(' ')) ? unit : QLatin1Char(' ') + unit);
}

void LabelledValue(QPainter& canvas, const QRectF& cell, double valueX, const QString& label,
                   const QString& paddedValue, const QString& unit, int rows)
{
    // Totals come padded with blanks in front; right-aligned they show none.
    const QString value = paddedValue.trimmed();
    const QFont labelFont = canvas.font();
    SetPageFont(canvas, labelFont.pixelSize());
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    // The value keeps its column; the label has the room left of it, one
    // blank apart.
    const double valueStart = std::max(cell.left(), valueX - metrics.horizontalAdvance(value));
    const double labelEnd = value.isEmpty() ? cell.right() : valueStart - metrics.horizontalAdvance(QLatin1Char(' '));
    canvas.setFont(labelFont);
    TextLeft(canvas, QRectF(cell.left(), cell.top(), labelEnd - cell.left(), cell.height()), label, rows);
    SetPageFont(canvas, labelFont.pixelSize());
    if (!value.isEmpty())
        ValueWithUnit(canvas, QRectF(valueStart, cell.top(), cell.right() - valueStart, cell.height()), valueX, value,
                      unit);
}

PageLayout DrawFrame(QPainter& canvas, const QString& title)
{
    return DrawFrame(canvas, title, CurrentLanguage());
}

PageLayout DrawFrame(QPainter& canvas, const QString& title, int language)
{
    // 1. The layout values of a fresh page, the print font, a thin pen.
    PageLayout p;
    canvas.setBackground(Qt::white);
    canvas.setBackgroundMode(Qt::TransparentMode);
    canvas.setBrush(Qt::NoBrush);
    canvas.setFont(PrintFontFor(language));
    SetPagePen(canvas, 0);
    SetPageFont(canvas, p.TextHeight());

    // 2. The footer with the version.
    const int footer = PageHeight - 2 * p.LH;
    HorizontalLine(canvas, footer - p.LH / 3, p.X0, p.X(FooterRuleLength));
    TextLeft(canvas, p.Cell(p.X0, p.XR, footer), QLatin1String(VersionCaption) + QLatin1String(ProgramVersion));

    // 3. The heading rule.
    SetPageFont(canvas, p.CH);
    SetPagePen(canvas, HeavyPenWidth);
    HorizontalLine(canvas, p.Row(3) + p.LH / 2, p.X0, p.XR + RightRuleOverhang);

    // 4. The title.
    SetPageFont(canvas, p.TitleHeight(), true);
    // The title's cell reaches down to the rule under it.
    TextCentre(canvas, QRectF(p.X0, p.Row(4), p.XR - p.X0, p.LH + p.LH / 2), title);
    SetPageFont(canvas, p.CH);

    // 5., 6. The rule above the address block and the block.
    HorizontalLine(canvas, p.Row(5) + p.LH / 2, p.X0, p.XR);
    DrawAddressBlock(canvas, p);

    // 7. The content rows begin one line lower.
    p.Y0 += p.LH;
    p.YB += p.LH;

    // 8. The rules of the page.
    HorizontalLine(canvas, p.Row(9) + p.LH / 2, p.X0, p.XR);
    HorizontalLine(canvas, p.Row(14) + p.LH / 2, p.X0, p.XR);
    HorizontalLine(canvas, p.YB - p.LH, p.X0, p.XR + RightRuleOverhang);
    canvas.drawLine(p.XR + RightRuleOverhang, p.Row(2) + VerticalLineInset + p.LH / 2, p.XR + RightRuleOverhang,
                    p.YB - p.LH - VerticalLineInset);

    SetPageFont(canvas, p.TextHeight());
    SetPagePen(canvas, 0);
    return p;
}
