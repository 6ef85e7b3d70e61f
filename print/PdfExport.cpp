#include "print/PdfExport.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Fine enough for hairlines and small print, small enough for quick files.
constexpr int PdfResolution = 600;

QString CannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("The file \"%1\" could not be written: %2").arg(QDir::toNativeSeparators(path), reason);
}

// Draws every page into the writer, one sheet each; false when a new sheet
// could not be started.
bool DrawPages(QPdfWriter& writer, QPainter& canvas, const std::vector<PageProcedure>& pages)
{
    const PageExtents extents = FitPage(QSize(writer.width(), writer.height()));
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !writer.newPage())
            return false;
        canvas.save();
        SetPageMapping(canvas, QPoint(0, 0), extents);
        pages[page](canvas);
        canvas.restore();
    }
    return true;
}

}  // namespace

std::optional<QString> WritePdf(const QString& path, const std::vector<PageProcedure>& pages, const QString& title)
{
    if (pages.empty())
        return CannotWrite(path, QStringLiteral("there is no page to write."));
    // The pages go to a temporary file beside the target, which replaces the
    // target only when everything was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotWrite(path, file.errorString());

    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("WRG"));

    QPainter canvas;
    if (!canvas.begin(&writer)) {
        file.cancelWriting();
        return CannotWrite(path, QStringLiteral("the PDF could not be started."));
    }
    const bool drawn = DrawPages(writer, canvas, pages);
    canvas.end();
    if (!drawn) {
        file.cancelWriting();
        return CannotWrite(path, QStringLiteral("a new page could not be started."));
    }
    if (!file.commit())
        return CannotWrite(path, file.errorString());
    return std::nullopt;
}
