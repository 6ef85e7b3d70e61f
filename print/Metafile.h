#pragma once
// The scalable drawings of the program's resources (":/pictures/<number>.svg",
// the logo 101), available without widgets so that the datasheets can draw
// the logo in the windowed program and on the command line.

#include <QImage>
#include <QSize>
#include <QSvgRenderer>

#include <memory>

// The drawing resource `id` (the logo 101) as a renderer; the caller draws it
// at any size with render(). nullptr when the resource is missing or not a
// valid drawing.
std::unique_ptr<QSvgRenderer> MetafileResource(int id);

// The drawing resource `id` rendered into a transparent image of `size`
// pixels, keeping its aspect ratio and centred; null when there is none.
QImage MetafileImage(int id, const QSize& size);
