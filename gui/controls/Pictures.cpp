// The pictures and glyphs of the program's resources.

#include "gui/controls/Pictures.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

// The resources live in the static library wrgui; the linker keeps them only
// when something asks for them, which this does (at global scope, as Qt's
// macro needs).
static void InitPictureResources()
{
    Q_INIT_RESOURCE(pictures);
}

namespace {

void EnsureResources()
{
    static const bool initialised = (InitPictureResources(), true);
    (void)initialised;
}

// Larger pictures are taken for damaged headers: the program's own are at
// most 500 pixels wide.
constexpr JDIMENSION LargestSide = 16384;

// libjpeg's error manager extended by the jump back into DecodeInto and a
// count of the warnings. `base` must stay the first member: libjpeg hands the
// error routines a pointer to it.
struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int warnings;
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// Warnings (level -1) mark corrupt or cut-off data; trace messages are
// ignored. Nothing is printed.
void EmitMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ++reinterpret_cast<JpegErrors*>(info->err)->warnings;
}

void OutputMessage(j_common_ptr) {}

unsigned char CmykChannel(int value, int black, bool adobeInverted)
{
    // Adobe writes CMYK inverted: 255 means no ink.
    const int ink = adobeInverted ? value : 255 - value;
    const int key = adobeInverted ? black : 255 - black;
    return static_cast<unsigned char>(ink * key / 255);
}

// Reads the whole picture into *image; false when it is not one that this
// program shows. libjpeg may leave any call here through ErrorExit, so this
// frame holds only objects without destructors: the QImage belongs to the
// caller, and the row buffer for CMYK comes from libjpeg's own pool, which
// jpeg_destroy_decompress frees.
bool ReadPicture(jpeg_decompress_struct* info, const unsigned char* data, unsigned long size, QImage* image)
{
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);

    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    if (info->jpeg_color_space == JCS_GRAYSCALE)
        info->out_color_space = JCS_GRAYSCALE;
    else if (cmyk)
        info->out_color_space = JCS_CMYK;
    else
        info->out_color_space = JCS_RGB;

    // The size is checked before the first pixel is decoded.
    jpeg_calc_output_dimensions(info);
    if (info->output_width == 0 || info->output_height == 0 || info->output_width > LargestSide ||
        info->output_height > LargestSide)
        return false;

    jpeg_start_decompress(info);
    const bool grey = info->out_color_space == JCS_GRAYSCALE;
    if (info->output_components != (grey ? 1 : cmyk ? 4 : 3))
        return false;

    *image = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                    grey ? QImage::Format_Grayscale8 : QImage::Format_RGB888);
    if (image->isNull())
        return false;

    JSAMPARRAY cmykRow = nullptr;
    if (cmyk)
        cmykRow = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE, info->output_width * 4,
                                             1);
    const bool inverted = info->saw_Adobe_marker;

    while (info->output_scanline < info->output_height) {
        const int y = static_cast<int>(info->output_scanline);
        if (!cmyk) {
            JSAMPROW row = image->scanLine(y);
            if (jpeg_read_scanlines(info, &row, 1) != 1)
                return false;
            continue;
        }
        if (jpeg_read_scanlines(info, cmykRow, 1) != 1)
            return false;
        const JSAMPLE* in = cmykRow[0];
        unsigned char* out = image->scanLine(y);
        for (JDIMENSION x = 0; x < info->output_width; ++x, in += 4, out += 3) {
            out[0] = CmykChannel(in[0], in[3], inverted);
            out[1] = CmykChannel(in[1], in[3], inverted);
            out[2] = CmykChannel(in[2], in[3], inverted);
        }
    }
    jpeg_finish_decompress(info);
    return true;
}

// Decodes into *image. An error inside libjpeg comes back here through the
// longjmp of ErrorExit; only `info` and `errors` live across it, and both are
// left to libjpeg by address.
bool DecodeInto(const unsigned char* data, unsigned long size, QImage* image)
{
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ErrorExit;
    errors.base.emit_message = EmitMessage;
    errors.base.output_message = OutputMessage;

    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const bool read = ReadPicture(&info, data, size, image);
    jpeg_destroy_decompress(&info);
    return read && errors.warnings == 0;
}

bool HaveGuiApplication()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

QImage DecodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    QImage image;
    if (!DecodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()),
                    &image))
        return {};
    return image;
}

QImage JpegResource(int id)
{
    EnsureResources();
    QFile file(QStringLiteral(":/pictures/%1.jpg").arg(id));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

QIcon ButtonGlyph(const char* name)
{
    // Pixmaps need the GUI application; without one there is no glyph.
    if (!name || !*name || !HaveGuiApplication())
        return {};
    EnsureResources();
    const QString path = QStringLiteral(":/glyphs/%1.svg").arg(QString::fromLatin1(name));
    if (!QFile::exists(path))
        return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (const int side : {16, 32}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
