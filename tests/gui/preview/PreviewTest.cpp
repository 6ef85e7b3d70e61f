// The page preview: paging, the zoom rules, the screen mapping, printing a
// page range and the PDF export, each through the modal DruckVorschau.

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cmath>
#include <functional>

#include "core/text/Catalogue.h"
#include "gui/controls/MessageBox.h"
#include "gui/preview/PreviewWindow.h"
#include "tests/gui/controls/MessageLog.h"
#include "tests/print/PdfPageCount.h"

namespace {

// What the page procedures were asked to draw.
struct Drawn {
    QList<int> printed;          // page numbers drawn on a printer
    int painted = 0;             // the page last drawn on the screen
    QTransform screenTransform;  // its mapping
};

template <class T>
T* Child(QWidget& form, const char* name)
{
    return form.findChild<T*>(QString::fromLatin1(name));
}

// The page label and the enabled paging buttons, e.g. "Page 2 of 3 < >".
QString Paging(TFormSeite& preview)
{
    QString state = Child<QLabel>(preview, "L_Seitenzahl")->text();
    if (Child<QToolButton>(preview, "Button_Previous")->isEnabled())
        state += QStringLiteral(" <");
    if (Child<QToolButton>(preview, "Button_Next")->isEnabled())
        state += QStringLiteral(" >");
    return state;
}

int Zoomed(int zoom, int pixels)
{
    return static_cast<int>(std::lround(zoom / 350.0 * pixels)) + 40;
}

// Whether a PDF file the printer wrote has `title` as its document title
// (UTF-16 with a byte order mark, as Qt writes it).
bool HasPdfTitle(const QString& path, const QString& title)
{
    QFile file(path);
    const QByteArray entry = "/Title (\xfe\xff" + QStringEncoder(QStringConverter::Utf16BE)(title) + ")";
    return file.open(QIODevice::ReadOnly) && file.readAll().contains(entry);
}

void SelectZoom(TFormSeite& preview, int entry)
{
    Child<QComboBox>(preview, "Combo_Zoom")->setCurrentIndex(entry);
}

}  // namespace

class PreviewTest : public QObject {
    Q_OBJECT

    MessageLog messages_;
    Drawn drawn_;

    // Opens `preview` modally with `count` numbered pages, runs `check` once
    // the window is active and closes the window again, whatever `check` found.
    void WhileShown(TFormSeite& preview, int count, const std::function<void()>& check)
    {
        std::vector<PageProcedure> pages;
        for (int page = 1; page <= count; ++page)
            pages.push_back([page, this](QPainter& canvas) {
                canvas.drawText(200, 200, QString::number(page));
                if (dynamic_cast<QPrinter*>(canvas.device())) {
                    drawn_.printed << page;
                } else {
                    drawn_.painted = page;
                    drawn_.screenTransform = canvas.combinedTransform();
                }
            });
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("Owner / caption"));
        QTimer::singleShot(0, &preview, [&] {
            [&] {
                QVERIFY(QTest::qWaitForWindowActive(&preview));
                check();
            }();
            preview.close();
        });
        preview.DruckVorschau(&owner, pages);
    }

private slots:
    void initTestCase() { SetCurrentLanguage(2); }
    void init()
    {
        messages_.clear();
        drawn_ = {};
    }
    void cleanupTestCase()
    {
        SetPrintDialogHook({});
        SetPdfFileDialogHook({});
        delete SharedPreview();
    }

    void onePage()
    {
        TFormSeite preview;
        WhileShown(preview, 1, [&] {
            QCOMPARE(preview.windowTitle(), QStringLiteral("Owner / caption"));
            QCOMPARE(Paging(preview), QStringLiteral("Page 1 of 1"));
            QVERIFY(!Child<QToolButton>(preview, "Button_Edit")->isEnabled());
            QVERIFY(Child<QToolButton>(preview, "Button_Last")->isHidden());
            QCOMPARE(Child<QComboBox>(preview, "Combo_Zoom")->currentIndex(), 9);
            Child<QWidget>(preview, "PaintBox1")->grab();
            QCOMPARE(drawn_.painted, 1);
        });
    }

    void pagingThroughThreePages()
    {
        TFormSeite preview;
        WhileShown(preview, 3, [&] {
            QTest::mouseClick(Child<QToolButton>(preview, "Button_Next"), Qt::LeftButton);
            QCOMPARE(Paging(preview), QStringLiteral("Page 2 of 3 < >"));
            QTest::keyClick(&preview, Qt::Key_PageDown);
            QTest::keyClick(&preview, Qt::Key_PageDown);  // already on the last page
            QCOMPARE(Paging(preview), QStringLiteral("Page 3 of 3 <"));
            Child<QWidget>(preview, "PaintBox1")->grab();
            QCOMPARE(drawn_.painted, 3);
            QTest::keyClick(&preview, Qt::Key_PageUp);
            QCOMPARE(Paging(preview), QStringLiteral("Page 2 of 3 < >"));
            preview.Button_FirstClick();
            QCOMPARE(Paging(preview), QStringLiteral("Page 1 of 3 >"));
        });
        // A new list starts on its first page again.
        WhileShown(preview, 2, [&] { QCOMPARE(Paging(preview), QStringLiteral("Page 1 of 2 >")); });
    }

    void zoomRules()
    {
        TFormSeite preview;
        WhileShown(preview, 1, [&] {
            const QSize page = preview.PaintBoxSize();
            QVERIFY2(page.width() > 1000 && page.width() < 5000, "a printer page of a few hundred dpi");
            QWidget* paintBox = Child<QWidget>(preview, "PaintBox1");
            auto* scrollBox = Child<QScrollArea>(preview, "ScrollBox1");

            preview.resize(700, 800);
            SelectZoom(preview, 9);
            const int widthZoom = preview.Zoom();
            QVERIFY(paintBox->width() <= scrollBox->viewport()->width());
            SelectZoom(preview, 10);
            const int fitZoom = preview.Zoom();
            QVERIFY(fitZoom < widthZoom);
            QVERIFY(paintBox->height() <= scrollBox->maximumViewportSize().height());

            preview.resize(700, 1100);  // the fit follows the window
            QVERIFY(preview.Zoom() > fitZoom);
            QVERIFY(paintBox->height() <= scrollBox->maximumViewportSize().height());

            preview.resize(700, 1);  // as low as the window goes
            QCOMPARE(preview.Zoom(), 10);
            QCOMPARE(paintBox->width(), Zoomed(10, page.width()));

            SelectZoom(preview, 0);
            preview.resize(700, 800);  // a fixed zoom stays
            QCOMPARE(preview.Zoom(), 25);
            QCOMPARE(paintBox->size(), QSize(Zoomed(25, page.width()), Zoomed(25, page.height())));
        });
    }

    // The page's logical units reach the screen at zoom / 350 of the printer's
    // pixels, 20 pixels in from the corner of the scrolled area.
    void screenMapping()
    {
        TFormSeite preview;
        WhileShown(preview, 1, [&] {
            SelectZoom(preview, 3);
            Child<QWidget>(preview, "PaintBox1")->grab();
            const PageExtents extents = preview.Extents();
            QCOMPARE(drawn_.screenTransform.map(QPointF(0, 0)), QPointF(20, 20));
            const QPointF corner = drawn_.screenTransform.map(QPointF(extents.windowExtent, extents.windowExtent));
            const double side = std::lround(100 / 350.0 * extents.viewportExtent);
            QCOMPARE(corner, QPointF(20 + side, 20 + side));
        });
    }

    // A printer that cannot write reports the failure and prints nothing.
    void printing_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<int>("range");  // QPrinter::PrintRange
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QList<int>>("printed");
        QTest::addColumn<bool>("failing");
        QTest::newRow("all pages, fields changed")
            << true << int(QPrinter::AllPages) << 2 << 2 << QList<int>{1, 2, 3} << false;
        QTest::newRow("pages 2 to 3") << true << int(QPrinter::PageRange) << 2 << 3 << QList<int>{2, 3} << false;
        QTest::newRow("range beyond the end") << true << int(QPrinter::PageRange) << 3 << 9 << QList<int>{3} << false;
        QTest::newRow("cancelled") << false << int(QPrinter::AllPages) << 1 << 3 << QList<int>{} << false;
        QTest::newRow("failing printer") << true << int(QPrinter::AllPages) << 1 << 3 << QList<int>{} << true;
    }

    void printing()
    {
        QFETCH(bool, confirmed);
        QFETCH(int, range);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QList<int>, printed);
        QFETCH(bool, failing);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        SetPrintDialogHook([&](QPrinter& printer) {
            if (printer.fromPage() != 1 || printer.toPage() != 3)
                return false;  // the dialog was not preset with the whole document
            printer.setOutputFileName(failing ? QStringLiteral("/nonexistent-folder/x.pdf") : path);
            printer.setPrintRange(QPrinter::PrintRange(range));
            printer.setFromTo(from, to);
            return confirmed;
        });
        TFormSeite preview;
        WhileShown(preview, 3, [&] { preview.Button_PrintClick(); });
        QCOMPARE(drawn_.printed, printed);
        QCOMPARE(PdfPageCount(path.toStdString()), printed.isEmpty() ? -1 : int(printed.size()));
        if (!printed.isEmpty())
            QVERIFY2(HasPdfTitle(path, QStringLiteral("Owner / caption")), "the job is named after the owner");
        QCOMPARE(messages_,
                 failing ? QStringList{QString::fromStdString(CatalogueText(TextId::PrintFailed))} : QStringList{});
    }

    // A printer of another resolution chosen in the dialog: "Zoom to width"
    // fits the new page size to the window again.
    void printingRefitsTheZoom()
    {
        QTemporaryDir dir;
        SetPrintDialogHook([&](QPrinter& printer) {
            printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
            printer.setResolution(2 * printer.resolution());
            return true;
        });
        TFormSeite preview;
        WhileShown(preview, 1, [&] {
            const int pageWidth = preview.PaintBoxSize().width();
            preview.Button_PrintClick();
            QVERIFY(preview.PaintBoxSize().width() > pageWidth * 3 / 2);
            QVERIFY(Child<QWidget>(preview, "PaintBox1")->width() <=
                    Child<QScrollArea>(preview, "ScrollBox1")->viewport()->width());
        });
    }

    void pdfExport_data()
    {
        QTest::addColumn<QString>("name");  // empty: the dialog is cancelled
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("language");
        QTest::newRow("chosen file") << QStringLiteral("sheet.pdf") << true << 2;
        QTest::newRow("cancelled") << QString() << false << 2;
        for (const int language : OfferedLanguages)
            QTest::addRow("missing folder, language %d", language)
                << QStringLiteral("missing/sheet.pdf") << false << language;
    }

    // A failed export says so in the user's language, with the file and the
    // reason.
    void pdfExport()
    {
        QFETCH(QString, name);
        QFETCH(bool, written);
        QFETCH(int, language);
        QTemporaryDir dir;
        const QString path = name.isEmpty() ? QString() : dir.filePath(name);
        QString suggestion;
        SetPdfFileDialogHook([&](const QString& suggested) {
            suggestion = suggested;
            return path;
        });
        SetCurrentLanguage(language);
        TFormSeite preview;
        WhileShown(preview, 3, [&] { preview.Button_ExportClick(); });
        SetCurrentLanguage(2);
        QVERIFY2(suggestion.endsWith(QStringLiteral("Owner _ caption.pdf")), qPrintable(suggestion));
        QCOMPARE(PdfPageCount(path.toStdString()), written ? 3 : -1);
        const bool failed = !written && !path.isEmpty();
        QCOMPARE(messages_.size(), failed ? 1 : 0);
        if (failed) {
            // "The PDF file "%s" could not be written: its folder does not exist."
            const QString expected = QString::fromStdString(CatalogueTextIn(language, TextId::PdfFolderMissing))
                                         .replace(QStringLiteral("%s"), QDir::toNativeSeparators(path));
            QCOMPARE(messages_[0], expected);
        }
    }

    // One preview for the program; its zoom entry persists between openings.
    void sharedPreviewIsReused()
    {
        TFormSeite* preview = SharedPreview();
        QCOMPARE(SharedPreview(), preview);
        WhileShown(*preview, 1, [&] { SelectZoom(*preview, 7); });
        WhileShown(*preview, 1, [&] { QCOMPARE(preview->Zoom(), 200); });
    }
};

QTEST_MAIN(PreviewTest)
#include "PreviewTest.moc"
