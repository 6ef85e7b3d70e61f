// The page preview window (TFormSeite): showing and paging through the pages.

#include "gui/preview/PreviewWindow.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cmath>

#include "core/text/Catalogue.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/Pictures.h"
#include "gui/controls/WindowText.h"

using ui::Text;

namespace {

// The zoom values of the list entries 0 … 8; entry 9 fits the page width,
// entry 10 the whole page.
constexpr std::array<int, 9> ZoomSteps = {25, 50, 75, 100, 125, 150, 175, 200, 300};
constexpr int ZoomToWidth = 9;
constexpr int ZoomToFit = 10;
constexpr int MinimumZoom = 10;
// At zoom z the screen shows the printer's pixels at z / 350 of their number.
constexpr double ZoomScale = 350.0;
// The page lies this far from the left and top edge of the scrolled area, and
// as far from its right and bottom edge.
constexpr int PageMargin = 20;
constexpr int ScrollMargin = 2 * PageMargin;
// The scroll bars step a thirtieth of the scrolled area.
constexpr int ScrollStepsPerRange = 30;
// Without a printer on the machine the page is laid out for a sheet printed
// at this resolution, the common resolution of office printers.
constexpr int FallbackResolution = 300;

// `text` with its "%d" placeholders filled with `numbers` in order.
QString FillNumbers(QString text, std::initializer_list<int> numbers)
{
    qsizetype from = 0;
    for (int number : numbers) {
        const qsizetype at = text.indexOf(QStringLiteral("%d"), from);
        if (at < 0)
            break;
        const QString digits = QString::number(number);
        text.replace(at, 2, digits);
        from = at + digits.size();
    }
    return text;
}

// The largest zoom at which `pixels` printer pixels fit into `length` screen
// pixels less the margins. Rounded down: a zoom rounded up would make the
// page a few pixels too large and bring up a scroll bar.
int ZoomFor(int length, int pixels)
{
    if (pixels <= 0)
        return MinimumZoom;
    return static_cast<int>(std::floor(static_cast<double>(length - ScrollMargin) / pixels * ZoomScale));
}

// The screen length of `pixels` printer pixels at `zoom`.
int ZoomedLength(int zoom, int pixels)
{
    return static_cast<int>(std::lround(zoom / ZoomScale * pixels));
}

std::unique_ptr<QPrinter> MakePrinter()
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    // Without a native printer Qt offers its PDF engine at 1200 dpi, which
    // would make every zoom step four times the size it has for paper.
    if (printer->outputFormat() == QPrinter::PdfFormat)
        printer->setResolution(FallbackResolution);
    return printer;
}

QToolButton* AddToolButton(QWidget* panel, const char* name, const char* glyph)
{
    auto* button = new QToolButton(panel);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    if (glyph)
        button->setIcon(ButtonGlyph(glyph));
    else
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::NoFocus);
    panel->layout()->addWidget(button);
    return button;
}

}  // namespace

// The drawing surface of the page: as large as the page at the current zoom
// plus the margins, so the scroll box scrolls exactly over it.
class TFormSeite::PaintBox : public QWidget {
public:
    PaintBox(TFormSeite* form, QWidget* parent) : QWidget(parent), form_(form)
    {
        setObjectName(QStringLiteral("PaintBox1"));
        setAutoFillBackground(false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter canvas(this);
        form_->PaintBox1Paint(canvas);
    }

private:
    TFormSeite* form_;
};

TFormSeite::TFormSeite(QWidget* parent) : TVxForm(parent), printer_(MakePrinter())
{
    setObjectName(QStringLiteral("FormSeite"));
    FormCreate();
}

TFormSeite::~TFormSeite() = default;

void TFormSeite::FormCreate()
{
    firstActivation_ = true;
    QFrame* panel = BuildToolPanel();

    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox_->setBackgroundRole(QPalette::Dark);
    scrollBox_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    paintBox_ = new PaintBox(this, scrollBox_);
    scrollBox_->setWidget(paintBox_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(scrollBox_, 1);

    esc1_ = new QAction(this);
    esc1_->setObjectName(QStringLiteral("ESC1"));
    esc1_->setShortcut(Qt::Key_Escape);
    connect(esc1_, &QAction::triggered, this, &TFormSeite::ESC1Click);
    addAction(esc1_);
    // Page Up and Page Down page through the document wherever the focus is.
    auto* pageUp = new QAction(this);
    pageUp->setShortcut(Qt::Key_PageUp);
    connect(pageUp, &QAction::triggered, this, &TFormSeite::Button_PreviousClick);
    addAction(pageUp);
    auto* pageDown = new QAction(this);
    pageDown->setShortcut(Qt::Key_PageDown);
    connect(pageDown, &QAction::triggered, this, &TFormSeite::Button_NextClick);
    addAction(pageDown);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(QSize(820, 1000).boundedTo(screen->availableGeometry().size() * 9 / 10));
    ApplyTexts();
    UpdateDisplay();
    ShowPageState();
}

QFrame* TFormSeite::BuildToolPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(4, 2, 4, 2);

    buttonClose_ = AddToolButton(panel, "Button_Close", "BUTTON_CLOSE");
    buttonPrint_ = AddToolButton(panel, "Button_Print", "BUTTON_PRINT");
    buttonExport_ = AddToolButton(panel, "Button_Export", nullptr);
    buttonEdit_ = AddToolButton(panel, "Button_Edit", "BUTTON_NOTES");
    buttonFirst_ = AddToolButton(panel, "Button_First", "BUTTON_FIRST");
    buttonPrevious_ = AddToolButton(panel, "Button_Previous", "BUTTON_PREVIOUS");
    buttonNext_ = AddToolButton(panel, "Button_Next", "BUTTON_NEXT");
    buttonLast_ = AddToolButton(panel, "Button_Last", "BUTTON_LAST");
    buttonFirst_->hide();
    buttonLast_->hide();
    // No notes editor is attached to this preview.
    buttonEdit_->setEnabled(false);

    labelSeitenzahl_ = new QLabel(panel);
    labelSeitenzahl_->setObjectName(QStringLiteral("L_Seitenzahl"));
    labelSeitenzahl_->setMinimumWidth(120);
    labelSeitenzahl_->setAlignment(Qt::AlignCenter);
    row->addWidget(labelSeitenzahl_);

    comboZoom_ = new TAlignComboBox(panel);
    comboZoom_->setObjectName(QStringLiteral("Combo_Zoom"));
    for (int zoom : ZoomSteps)
        comboZoom_->addItem(QString::number(zoom) + QStringLiteral(" %"));
    comboZoom_->addItem(QString());
    comboZoom_->addItem(QString());
    comboZoom_->setCurrentIndex(3);  // 100 %, the zoom the window starts with
    comboZoom_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    row->addWidget(comboZoom_);
    row->addStretch(1);

    connect(buttonClose_, &QToolButton::clicked, this, &TFormSeite::Button_CloseClick);
    connect(buttonPrint_, &QToolButton::clicked, this, &TFormSeite::Button_PrintClick);
    connect(buttonExport_, &QToolButton::clicked, this, &TFormSeite::Button_ExportClick);
    connect(buttonEdit_, &QToolButton::clicked, this, &TFormSeite::Button_EditClick);
    connect(buttonFirst_, &QToolButton::clicked, this, &TFormSeite::Button_FirstClick);
    connect(buttonPrevious_, &QToolButton::clicked, this, &TFormSeite::Button_PreviousClick);
    connect(buttonNext_, &QToolButton::clicked, this, &TFormSeite::Button_NextClick);
    connect(buttonLast_, &QToolButton::clicked, this, &TFormSeite::Button_LastClick);
    connect(comboZoom_, &QComboBox::currentIndexChanged, this, &TFormSeite::Combo_ZoomChange);
    return panel;
}

void TFormSeite::ApplyTexts()
{
    setFont(DialogFont());
    comboZoom_->setItemText(ZoomToWidth, Text(TextId::ZoomToWidth));
    comboZoom_->setItemText(ZoomToFit, Text(TextId::ZoomToFit));
    buttonEdit_->setToolTip(Text(TextId::Notes));
    buttonClose_->setToolTip(Text(TextId::Close));
    buttonPrint_->setToolTip(Text(TextId::Print));
    buttonExport_->setText(Text(TextId::ExportPdf));
    ShowPageState();
}

void TFormSeite::DruckVorschau(QWidget* owner, const std::vector<PageProcedure>& pages)
{
    // Modal and in front of its owner's window (which keeps owning nothing
    // of it); its closing is never taken for the closing of the program's
    // last window.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowModality(Qt::ApplicationModal);
    if (owner && owner->window()->windowHandle()) {
        winId();
        windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
    pages_ = pages;
    ownerCaption_ = owner ? owner->windowTitle() : QString();
    setWindowTitle(ownerCaption_);
    currentPage_ = pages_.empty() ? 0 : 1;
    UpdateDisplay();
    ShowPageState();
    exec();
}

bool TFormSeite::event(QEvent* event)
{
    const bool handled = TVxForm::event(event);
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return handled;
}

void TFormSeite::resizeEvent(QResizeEvent* event)
{
    TVxForm::resizeEvent(event);
    // The fitting entries follow the window; the fixed zooms stay.
    RecomputeZoom();
    UpdateDisplay();
}

void TFormSeite::FormActivate()
{
    if (firstActivation_) {
        firstActivation_ = false;
        comboZoom_->setCurrentIndex(ZoomToWidth);
    }
    RecomputeZoom();
    buttonEdit_->setEnabled(false);
    labelSeitenzahl_->setText(QStringLiteral("-----------------"));
    ShowPageState();
    UpdateDisplay();
}

void TFormSeite::UpdateDisplay()
{
    printer_->setPageOrientation(QPageLayout::Portrait);
    paintBoxSize_ = printer_->pageRect(QPrinter::DevicePixel).toRect().size();
    extents_ = FitPage(paintBoxSize_);
    const QSize range(ZoomedLength(zoom_, paintBoxSize_.width()) + ScrollMargin,
                      ZoomedLength(zoom_, paintBoxSize_.height()) + ScrollMargin);
    paintBox_->setFixedSize(range);
    scrollBox_->horizontalScrollBar()->setSingleStep(std::max(1, range.width() / ScrollStepsPerRange));
    scrollBox_->verticalScrollBar()->setSingleStep(std::max(1, range.height() / ScrollStepsPerRange));
    paintBox_->update();
}

void TFormSeite::PaintBox1Paint(QPainter& canvas)
{
    canvas.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    SetPageMapping(canvas, QPoint(PageMargin, PageMargin), extents_, zoom_ / ZoomScale);
    // The printable area of the printer's page on white.
    const double toLogical = extents_.viewportExtent > 0
                                 ? static_cast<double>(extents_.windowExtent) / extents_.viewportExtent
                                 : 0.0;
    canvas.setBrush(Qt::white);
    canvas.setPen(QPen(Qt::black, 0));
    canvas.drawRect(QRectF(0, 0, toLogical * paintBoxSize_.width(), toLogical * paintBoxSize_.height()));
    if (currentPage_ >= 1 && currentPage_ <= PageCount())
        pages_[currentPage_ - 1](canvas);
}

int TFormSeite::WidthZoom() const
{
    const QSize client = scrollBox_->maximumViewportSize();
    const int zoom = ZoomFor(client.width(), paintBoxSize_.width());
    if (ZoomedLength(zoom, paintBoxSize_.height()) + ScrollMargin <= client.height())
        return zoom;
    // The page will be taller than the box: the vertical scroll bar takes
    // its width from the client area.
    const int scrollBar = scrollBox_->verticalScrollBar()->sizeHint().width();
    return ZoomFor(client.width() - scrollBar, paintBoxSize_.width());
}

void TFormSeite::RecomputeZoom()
{
    const int entry = comboZoom_->currentIndex();
    if (entry == ZoomToWidth) {
        SetZoom(WidthZoom());
    } else if (entry == ZoomToFit) {
        const int heightZoom = ZoomFor(scrollBox_->maximumViewportSize().height(), paintBoxSize_.height());
        SetZoom(std::min(WidthZoom(), heightZoom));
    }
}

void TFormSeite::SetZoom(int zoom)
{
    zoom_ = std::max(zoom, MinimumZoom);
}

void TFormSeite::Combo_ZoomChange()
{
    const int entry = comboZoom_->currentIndex();
    if (entry >= 0 && entry < static_cast<int>(ZoomSteps.size()))
        SetZoom(ZoomSteps[static_cast<std::size_t>(entry)]);
    else
        RecomputeZoom();
    UpdateDisplay();
}

void TFormSeite::GoToPage(int page)
{
    if (page >= 1 && page <= PageCount() && page != currentPage_) {
        currentPage_ = page;
        UpdateDisplay();
    }
    ShowPageState();
}

void TFormSeite::ShowPageState()
{
    buttonNext_->setEnabled(currentPage_ < PageCount());
    buttonLast_->setEnabled(currentPage_ < PageCount());
    buttonPrevious_->setEnabled(currentPage_ > 1);
    buttonFirst_->setEnabled(currentPage_ > 1);
    buttonPrint_->setEnabled(!pages_.empty());
    buttonExport_->setEnabled(!pages_.empty());
    labelSeitenzahl_->setText(FillNumbers(Text(TextId::PageOfPages), {currentPage_, PageCount()}));
}

void TFormSeite::Button_PreviousClick()
{
    GoToPage(currentPage_ - 1);
}

void TFormSeite::Button_NextClick()
{
    GoToPage(currentPage_ + 1);
}

void TFormSeite::Button_FirstClick()
{
    GoToPage(1);
}

void TFormSeite::Button_LastClick()
{
    GoToPage(PageCount());
}

void TFormSeite::Button_CloseClick()
{
    done(QDialog::Accepted);
}

void TFormSeite::Button_EditClick()
{
    // There is no notes editor; the button stays disabled.
}

void TFormSeite::ESC1Click()
{
    close();
}

namespace {

QPointer<TFormSeite>& ThePreview()
{
    static QPointer<TFormSeite> preview;
    return preview;
}

}  // namespace

TFormSeite* SharedPreview()
{
    QPointer<TFormSeite>& preview = ThePreview();
    if (!preview) {
        preview = new TFormSeite();
        // It has no owner window that would delete it.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, preview, &QObject::deleteLater);
    }
    return preview;
}

TFormSeite* ExistingPreview()
{
    return ThePreview();
}
