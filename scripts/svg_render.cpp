// svg_render: renders an SVG drawing into a baseline JPEG (on white) or a
// PNG (with its transparency) of a given pixel size, chosen by the ending of
// the output name. draw_pictures.py builds it on demand and calls it once per
// picture.
//
//   svg_render <in.svg> <out.jpg|out.png> <width> <height> [quality]
//   svg_render --bounds <in.svg> <element id>
//
// The second form prints the bounding box "x y width height" of one element
// in the drawing's user units; the script uses it to fit the slogans into
// their strips.
//
// The JPEG is written with libjpeg at full chroma resolution (4:4:4), so that
// the small coloured lettering of the language strips keeps sharp edges.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

namespace {

bool WriteJpeg(const QImage& image, const char* path, int quality)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;

    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);  // the default error exit ends this small tool
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);

    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.optimize_coding = TRUE;
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }

    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc == 4 && std::string(argv[1]) == "--bounds") {
        QSvgRenderer renderer(QString::fromLocal8Bit(argv[2]));
        const QString id = QString::fromLocal8Bit(argv[3]);
        if (!renderer.isValid() || !renderer.elementExists(id)) {
            std::fprintf(stderr, "svg_render: no element %s in %s\n", argv[3], argv[2]);
            return 1;
        }
        const QRectF box = renderer.boundsOnElement(id);
        std::printf("%.3f %.3f %.3f %.3f\n", box.x(), box.y(), box.width(), box.height());
        return 0;
    }
    if (argc < 5) {
        std::fprintf(stderr, "usage: svg_render <in.svg> <out.jpg|out.png> <width> <height> [quality]\n");
        return 2;
    }
    const int width = std::atoi(argv[3]);
    const int height = std::atoi(argv[4]);
    const int quality = argc > 5 ? std::atoi(argv[5]) : 95;
    if (width <= 0 || height <= 0 || quality < 1 || quality > 100) {
        std::fprintf(stderr, "svg_render: bad size or quality\n");
        return 2;
    }

    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svg_render: cannot read %s\n", argv[1]);
        return 1;
    }

    const bool png = std::string(argv[2]).ends_with(".png");
    QImage canvas(width, height, png ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    canvas.fill(png ? Qt::transparent : Qt::white);
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, width, height));
    }
    const bool written =
        png ? canvas.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")
            : WriteJpeg(canvas.convertToFormat(QImage::Format_RGB888), argv[2], quality);
    if (!written) {
        std::fprintf(stderr, "svg_render: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
