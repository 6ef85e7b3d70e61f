#pragma once
// The page preview: shows the pages of a datasheet at a chosen zoom, pages
// through them, prints them and exports them as a PDF file. The same page
// procedures draw on the screen, on the printer and into the file; only the
// mapping differs.

#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "gui/controls/FormBase.h"
#include "print/PageProcedure.h"

class QAction;
class QFrame;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;
class TAlignComboBox;

// Replaces the platform's print dialog. It gets the preview's printer with
// the page range preset (1 … page count, all pages) and may change it like
// the dialog would (range, output file); true prints, false cancels.
using TPrintDialogHook = std::function<bool(QPrinter& printer)>;
void SetPrintDialogHook(TPrintDialogHook hook);

// Replaces the save dialog of the PDF export: gets the suggested file name
// and returns the chosen path, empty for a cancelled dialog.
using TPdfFileDialogHook = std::function<QString(const QString& suggestion)>;
void SetPdfFileDialogHook(TPdfFileDialogHook hook);

class TFormSeite : public TVxForm {
    Q_OBJECT
public:
    explicit TFormSeite(QWidget* parent = nullptr);
    ~TFormSeite() override;

    // Shows `pages` (copied) modally in front of the owner's window with the
    // owner's caption, starting at page 1; returns when the window closes.
    // `owner` may be null.
    void DruckVorschau(QWidget* owner, const std::vector<PageProcedure>& pages);

    // Puts the catalogue texts of the current language on the window.
    void ApplyTexts();

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int Zoom() const { return zoom_; }
    // The printer's page in its pixels: the area the page is fitted into.
    QSize PaintBoxSize() const { return paintBoxSize_; }
    PageExtents Extents() const { return extents_; }

    // The event handlers.
    void Combo_ZoomChange();
    void Button_PreviousClick();
    void Button_NextClick();
    void Button_FirstClick();
    void Button_LastClick();
    void Button_PrintClick();
    void Button_ExportClick();
    void Button_CloseClick();
    void Button_EditClick();
    void ESC1Click();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    class PaintBox;

    void FormCreate();
    QFrame* BuildToolPanel();
    void FormActivate();
    void PaintBox1Paint(QPainter& canvas);
    void UpdateDisplay();
    void RecomputeZoom();
    int WidthZoom() const;
    void SetZoom(int zoom);
    void GoToPage(int page);
    void ShowPageState();
    void PrintPages(int first, int last);

    std::vector<PageProcedure> pages_;
    QString ownerCaption_;
    int currentPage_ = 1;
    int zoom_ = 100;
    bool firstActivation_ = true;
    QSize paintBoxSize_;
    PageExtents extents_;
    std::unique_ptr<QPrinter> printer_;

    QToolButton* buttonClose_ = nullptr;
    QToolButton* buttonPrint_ = nullptr;
    QToolButton* buttonExport_ = nullptr;
    QToolButton* buttonEdit_ = nullptr;
    QToolButton* buttonFirst_ = nullptr;
    QToolButton* buttonPrevious_ = nullptr;
    QToolButton* buttonNext_ = nullptr;
    QToolButton* buttonLast_ = nullptr;
    QLabel* labelSeitenzahl_ = nullptr;
    TAlignComboBox* comboZoom_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    PaintBox* paintBox_ = nullptr;
    QAction* esc1_ = nullptr;
};

// The one preview of the program, created on first use and deleted when the
// application ends.
TFormSeite* SharedPreview();
// The preview when it was created and still exists, otherwise nullptr.
TFormSeite* ExistingPreview();
