#include "print/PageFrame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

#include "print/MakerData.h"
#include "print/Metafile.h"
#include "print/PageProcedure.h"
#include "print/PrintFont.h"
#include "ui/Catalogue.h"

namespace {

// A text is placed in a box this wide and high; it never clips.
constexpr int TextReach = PageWidth;
constexpr int TextFlags = Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

constexpr int FooterRuleLength = 300;
constexpr int RightRuleOverhang = 30;   // the right rules and the vertical line stand out by this
constexpr int VerticalLineInset = 30;   // the vertical line keeps this distance from the rules
constexpr char VersionCaption[] = "Version      ";

constexpr int EconomyTitleText = 246;

// The dots, dashes and gaps of the thinnest pen, in logical units.
constexpr double DotLength = 3;
constexpr double DashLength = 12;
constexpr double GapLength = 6;

constexpr int LogoResource = 101;
// The address block, relative to the layout.
constexpr int AddressTextX = 250;       // from X0: name, street, town, country
constexpr int ContactLabelX = 600;      // from XR: "Tel.:" …
constexpr int ContactValueX = 470;      // from XR: the numbers and addresses
constexpr int FirstAddressRow = 6;

void DrawText(QPainter& canvas, const QRectF& box, Qt::Alignment alignment, const QString& text)
{
    if (!text.isEmpty())
        canvas.drawText(box, static_cast<int>(alignment) | TextFlags, text);
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

    SetPageFont(canvas, p.CH, true);
    TextLeft(canvas, p.X(AddressTextX), p.Row(FirstAddressRow), QString::fromUtf8(MakerName));
    SetPageFont(canvas, p.TextHeight());
    const char* const address[] = {MakerStreet, MakerTown, MakerCountry};
    const char* const contactLabels[] = {"Tel.:", "Fax:", "E-Mail:", "Internet:"};
    const char* const contacts[] = {MakerTelephoneNumber, MakerFaxNumber, MakerMailAddress, MakerWebText};
    for (int i = 0; i < 3; ++i)
        TextLeft(canvas, p.X(AddressTextX), p.Row(FirstAddressRow + 1 + i), QString::fromUtf8(address[i]));
    for (int i = 0; i < 4; ++i) {
        TextLeft(canvas, p.R(ContactLabelX), p.Row(FirstAddressRow + i), QString::fromLatin1(contactLabels[i]));
        TextLeft(canvas, p.R(ContactValueX), p.Row(FirstAddressRow + i), QString::fromUtf8(contacts[i]));
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

QString PageText(int language, int index)
{
    return QString::fromStdString(CatalogueTextIn(language, index));
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

QString EconomyTitle(int language, int sheetText)
{
    return PageText(language, EconomyTitleText) + QStringLiteral(" / ") + PageText(language, sheetText);
}

void TextLeft(QPainter& canvas, int x, int y, const QString& text)
{
    DrawText(canvas, QRectF(x, y, TextReach, TextReach), Qt::AlignLeft, text);
}

void TextRight(QPainter& canvas, int x, int y, const QString& text)
{
    DrawText(canvas, QRectF(x - TextReach, y, TextReach, TextReach), Qt::AlignRight, text);
}

void TextCentre(QPainter& canvas, int x, int y, const QString& text)
{
    DrawText(canvas, QRectF(x - TextReach / 2.0, y, TextReach, TextReach), Qt::AlignHCenter, text);
}

void ValueWithUnit(QPainter& canvas, int x, int y, const QString& value, const QString& unit)
{
    TextRight(canvas, x, y, value);
    if (!unit.isEmpty())
        TextLeft(canvas, x, y, unit.startsWith(QLatin1Char(' ')) ? unit : QLatin1Char(' ') + unit);
}

void LabelledValue(QPainter& canvas, int labelX, int valueX, int y, const QString& label, const QString& paddedValue,
                   const QString& unit)
{
    // Totals come padded with blanks in front; right-aligned they show none.
    const QString value = paddedValue.trimmed();
    TextLeft(canvas, labelX, y, label);
    const double labelEnd = labelX + QFontMetricsF(canvas.font()).horizontalAdvance(label);
    SetPageFont(canvas, canvas.font().pixelSize());
    if (value.isEmpty())
        return;
    const QFontMetricsF metrics(canvas.font());
    const double start = valueX - metrics.horizontalAdvance(value);
    const double gap = label.isEmpty() ? 0 : metrics.horizontalAdvance(QLatin1Char(' '));
    const double pushed = labelEnd + gap + metrics.horizontalAdvance(value);
    const int x = start < labelEnd + gap ? static_cast<int>(std::ceil(pushed)) : valueX;
    ValueWithUnit(canvas, x, y, value, unit);
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
    TextLeft(canvas, p.X0, footer, QLatin1String(VersionCaption) + QLatin1String(ShortVersionText));

    // 3. The heading rule.
    SetPageFont(canvas, p.CH);
    SetPagePen(canvas, HeavyPenWidth);
    HorizontalLine(canvas, p.Row(3) + p.LH / 2, p.X0, p.XR + RightRuleOverhang);

    // 4. The title.
    SetPageFont(canvas, p.TitleHeight(), true);
    TextCentre(canvas, (p.X0 + p.XR) / 2, p.Row(4), title);
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
