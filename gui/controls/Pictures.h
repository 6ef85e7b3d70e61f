#pragma once
// The pictures of the program's resources: the JPEG pictures by number
// (":/pictures/<number>.jpg": 1101 the product picture, 1900 … 9900 the
// energy strips per language), the logo as a scalable drawing
// (":/pictures/101.svg") and the glyphs of the small tool buttons
// (":/glyphs/<NAME>.svg"). scripts/draw_pictures.py draws them.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QSvgRenderer>

// The logo and the other drawings (MetafileResource, MetafileImage) come
// with the datasheets' library.
#include "print/Metafile.h"

// The JPEG resource `id` decoded with libjpeg. An unknown number or a damaged
// picture gives a null QImage; the program never stops on a bad picture.
QImage JpegResource(int id);

// Decodes JPEG bytes. Grey pictures give Format_Grayscale8, all others
// Format_RGB888. Anything libjpeg reports as an error or a warning (a cut-off
// or corrupt data stream, an unsupported colour space, a picture larger than
// 16384 pixels on a side) gives a null QImage.
QImage DecodeJpeg(const QByteArray& bytes);

// The glyph of a tool button by its resource name: "BUTTON_FRAGE",
// "BUTTON_PRINT", "BUTTON_CLOSE", "BUTTON_NOTES", "BUTTON_PREVIOUS",
// "BUTTON_NEXT", "BUTTON_FIRST", "BUTTON_LAST". Drawn for 16 × 16 pixels
// (and 32 × 32 for high-density screens); an unknown name gives a null icon.
QIcon ButtonGlyph(const char* name);
