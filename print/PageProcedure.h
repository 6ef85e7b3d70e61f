#pragma once
// A page of a datasheet and the mapping of its logical units onto a device.
//
// A page is drawn in logical units of 0.1 mm on an A4 portrait sheet of
// 2100 × 2970 units, y growing downwards. The same procedure draws the page
// for the preview, the printer and the PDF file; only the mapping differs.

#include <QPainter>
#include <QPoint>
#include <QSize>

#include <functional>

// Draws one complete page on a painter whose window is already set to the
// page's logical units. It may leave font, pen and brush changed.
using PageProcedure = std::function<void(QPainter& canvas)>;

inline constexpr int PageWidth = 2100;   // logical units (0.1 mm)
inline constexpr int PageHeight = 2970;  // logical units (0.1 mm)

// The isotropic mapping of a page onto an area: `windowExtent` logical units
// become `viewportExtent` device pixels in both directions.
struct PageExtents {
    int windowExtent = PageWidth;
    int viewportExtent = 0;
};

// Fits the page into an area of `area` device pixels: when the area is taller
// than the page's proportions the width decides (2100 → area width),
// otherwise the height (2970 → area height).
inline PageExtents FitPage(const QSize& area)
{
    if (static_cast<long long>(area.height()) * PageWidth > static_cast<long long>(area.width()) * PageHeight)
        return {PageWidth, area.width()};
    return {PageHeight, area.height()};
}

// Sets the isotropic mapping on `canvas`: logical (0, 0) at `origin`, and
// extents.windowExtent logical units onto extents.viewportExtent × scale
// pixels (rounded) in both directions.
inline void SetPageMapping(QPainter& canvas, const QPoint& origin, const PageExtents& extents, double scale = 1.0)
{
    const int viewport = static_cast<int>(extents.viewportExtent * scale + 0.5);
    canvas.setWindow(0, 0, extents.windowExtent, extents.windowExtent);
    canvas.setViewport(origin.x(), origin.y(), viewport, viewport);
}
