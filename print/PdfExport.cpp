// Writing pages to a PDF file.

#include "print/PdfExport.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// Fine enough for hairlines and small print, small enough for quick files.
constexpr int PdfResolution = 600;

// The messages of a file that could not be written; each has the file's
// name in it, SystemReasonText also the system's own words.
struct FailureText {
    TextId text;
    const char* english;
};
constexpr FailureText NoPageText = {TextId::PdfNoPage,
                                    "The PDF file \"%s\" could not be written: there is no page to write."};
constexpr FailureText FolderMissingText = {TextId::PdfFolderMissing,
                                           "The PDF file \"%s\" could not be written: its folder does not exist."};
constexpr FailureText AccessDeniedText = {TextId::PdfAccessDenied,
                                          "The PDF file \"%s\" could not be written: access was denied."};
constexpr FailureText NameIsFolderText = {TextId::PdfNameIsFolder,
                                          "The PDF file \"%s\" could not be written: a folder has this name."};
constexpr FailureText NotStartedText = {
    TextId::PdfNotStarted, "The PDF file \"%s\" could not be written: the PDF document could not be started."};
constexpr FailureText PageNotStartedText = {
    TextId::PdfPageNotStarted, "The PDF file \"%s\" could not be written: a new page could not be started."};
constexpr FailureText SystemReasonText = {TextId::PdfSystemReason, "The PDF file \"%s\" could not be written: %s"};
constexpr FailureText NoReasonText = {TextId::PdfNotWritten, "The PDF file \"%s\" could not be written."};

CoreMessage CannotWrite(const QString& path, const FailureText& text, const QString& reason = {})
{
    CoreMessage message{text.text, text.english, {QDir::toNativeSeparators(path).toStdString()}};
    if (text.text == SystemReasonText.text)
        message.arguments.push_back(reason.toStdString());
    return message;
}

// Why a file could not be opened or put in place: what the file system shows
// of the file and its folder, else the system's own words.
CoreMessage CannotWriteFile(const QString& path, const QString& systemReason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return CannotWrite(path, NameIsFolderText);
    if (!folder.isDir())
        return CannotWrite(path, FolderMissingText);
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return CannotWrite(path, AccessDeniedText);
    if (systemReason.trimmed().isEmpty())
        return CannotWrite(path, NoReasonText);
    return CannotWrite(path, SystemReasonText, systemReason.trimmed());
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

std::optional<CoreMessage> WritePdf(const QString& path, const std::vector<PageProcedure>& pages, const QString& title)
{
    if (pages.empty())
        return CannotWrite(path, NoPageText);
    // The pages go to a temporary file beside the target, which replaces the
    // target only when everything was written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotWriteFile(path, file.errorString());

    QPdfWriter writer(&file);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("WRG"));

    QPainter canvas;
    if (!canvas.begin(&writer)) {
        file.cancelWriting();
        return CannotWrite(path, NotStartedText);
    }
    const bool drawn = DrawPages(writer, canvas, pages);
    canvas.end();
    if (!drawn) {
        file.cancelWriting();
        return CannotWrite(path, PageNotStartedText);
    }
    if (!file.commit())
        return CannotWriteFile(path, file.errorString());
    return std::nullopt;
}
