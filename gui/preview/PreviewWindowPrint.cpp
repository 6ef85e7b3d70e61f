// The preview's output: printing a range of pages and exporting all pages as
// a PDF file.

#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <utility>

#include "core/text/Catalogue.h"
#include "core/text/CoreMessage.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/WindowText.h"
#include "gui/preview/PreviewWindow.h"
#include "print/PdfExport.h"

using ui::Text;

namespace {

TPrintDialogHook& PrintDialogHook()
{
    static TPrintDialogHook hook;
    return hook;
}

TPdfFileDialogHook& PdfFileDialogHook()
{
    static TPdfFileDialogHook hook;
    return hook;
}

// Asks for the printer and the page range; true when the user confirmed.
bool RunPrintDialog(QPrinter& printer, int pageCount, QWidget* parent)
{
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(1, pageCount);
    if (const TPrintDialogHook& hook = PrintDialogHook())
        return hook(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, pageCount);
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

// The pages to print: all of them unless the user chose a range, which is
// kept within the document.
std::pair<int, int> ChosenRange(const QPrinter& printer, int pageCount)
{
    if (printer.printRange() != QPrinter::PageRange)
        return {1, pageCount};
    const int first = std::clamp(printer.fromPage() > 0 ? printer.fromPage() : 1, 1, pageCount);
    const int last = std::clamp(printer.toPage() > 0 ? printer.toPage() : pageCount, first, pageCount);
    return {first, last};
}

// The caption as a file name: characters that no file system accepts become
// "_".
QString SuggestedFileName(const QString& caption)
{
    QString name = caption.trimmed();
    name.replace(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")), QStringLiteral("_"));
    if (name.isEmpty())
        name = QStringLiteral("WRG");
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

QString ChoosePdfFile(QWidget* parent, const QString& suggestion)
{
    if (const TPdfFileDialogHook& hook = PdfFileDialogHook())
        return hook(suggestion);
    QFileDialog dialog(parent, Text(TextId::ExportPdf), suggestion, QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void SetPrintDialogHook(TPrintDialogHook hook)
{
    PrintDialogHook() = std::move(hook);
}

void SetPdfFileDialogHook(TPdfFileDialogHook hook)
{
    PdfFileDialogHook() = std::move(hook);
}

void TFormSeite::Button_PrintClick()
{
    if (pages_.empty() || !RunPrintDialog(*printer_, PageCount(), this))
        return;
    // The chosen printer's page decides the mapping of every printed page;
    // the fitting zoom entries are recomputed for its page size.
    UpdateDisplay();
    RecomputeZoom();
    UpdateDisplay();
    const auto [first, last] = ChosenRange(*printer_, PageCount());
    PrintPages(first, last);
}

void TFormSeite::PrintPages(int first, int last)
{
    printer_->setDocName(ownerCaption_);
    QPainter canvas;
    if (!canvas.begin(printer_.get())) {
        ShowError(Text(TextId::Error), Text(TextId::PrintFailed));
        return;
    }
    bool sheetStarted = true;
    for (int page = first; page <= last && sheetStarted; ++page) {
        canvas.save();
        SetPageMapping(canvas, QPoint(0, 0), extents_);
        pages_[static_cast<std::size_t>(page - 1)](canvas);
        canvas.restore();
        if (page < last)
            sheetStarted = printer_->newPage();
    }
    canvas.end();
    if (!sheetStarted)
        ShowError(Text(TextId::Error), Text(TextId::PrintFailed));
}

void TFormSeite::Button_ExportClick()
{
    if (pages_.empty())
        return;
    const QString path = ChoosePdfFile(this, SuggestedFileName(ownerCaption_));
    if (path.isEmpty())
        return;
    if (const std::optional<CoreMessage> error = WritePdf(path, pages_, ownerCaption_))
        ShowError(Text(TextId::Error), QString::fromStdString(ShownText(*error)));
}
