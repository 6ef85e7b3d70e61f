// The in-house controls: self-painted captions of the check box and the radio
// button, the menu item height of the main menu and the multi-row page control.
// Captions are checked in grabs; the test font is drawn without antialiasing
// so that every text pixel has exactly the pen colour.

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <set>

#include "gui/controls/Controls.h"

namespace {

const QColor Background(212, 208, 200);
const QColor TextColour(0, 0, 160);
const QColor LightColour(255, 255, 255);
const QColor DarkColour(128, 128, 128);

QFont TestFont(int pixels = 13)
{
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

template <class Control>
void Prepare(Control& control, const QSize& size, int fontPixels = 13)
{
    QPalette palette;
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, TextColour);
    palette.setColor(QPalette::Light, LightColour);
    palette.setColor(QPalette::Dark, DarkColour);
    control.setPalette(palette);
    control.setFont(TestFont(fontPixels));
    control.resize(size);
}

QImage Grab(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

using Pixels = std::set<std::pair<int, int>>;

// The pixels of exactly `colour` inside `area`.
Pixels PixelsOf(const QImage& image, const QColor& colour, QRect area)
{
    area = area.intersected(image.rect());
    Pixels found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                found.insert({x, y});
    return found;
}

QRect Extent(const Pixels& pixels)
{
    QRect extent;
    for (const auto& [x, y] : pixels)
        extent |= QRect(x, y, 1, 1);
    return extent;
}

QRect Ink(const QImage& image, const QRect& area)
{
    return Extent(PixelsOf(image, TextColour, area));
}
QRect Ink(QWidget& widget)
{
    return Ink(Grab(widget), widget.rect());
}

// Where QPainter::drawText(rect, flags, text) puts `text` on a plain image of
// `size`: the reference for the controls' caption positions.
QRect ReferenceExtent(const QSize& size, const QFont& font, const QRect& rect, int flags, const QString& text)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(TextColour);
    painter.drawText(rect, flags, text);
    painter.end();
    return Ink(image, image.rect());
}

// Disabled: no text colour; a dark copy where the enabled text was and a
// light copy one pixel right and down, covered by the dark one.
template <class Control>
void CheckEmbossed(Control& control)
{
    const QRect caption = control.captionRect();
    const Pixels enabledText = PixelsOf(Grab(control), TextColour, caption);
    control.setEnabled(false);
    const QImage image = Grab(control);
    const Pixels dark = PixelsOf(image, DarkColour, caption);
    const Pixels light = PixelsOf(image, LightColour, caption);
    QVERIFY(PixelsOf(image, TextColour, control.rect()).empty());
    QVERIFY(dark == enabledText);
    QVERIFY(!light.empty());
    for (const auto& [x, y] : light)
        QVERIFY2(dark.count({x - 1, y - 1}) == 1, "light pixel without a dark one above left");
    for (const auto& [x, y] : dark)
        QVERIFY2(dark.count({x + 1, y + 1}) + light.count({x + 1, y + 1}) == 1, "dark pixel without light copy");
    control.setEnabled(true);
    QVERIFY(PixelsOf(Grab(control), DarkColour, caption).empty());
}

// A 640-pixel window with a page control, as the main window; each page
// holds an edit.
struct Window {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TVxPageControl& pages = *new TVxPageControl;

    explicit Window(const QStringList& captions)
    {
        Prepare(*window, QSize(640, 480), 11);
        (new QVBoxLayout(window.get()))->addWidget(&pages);
        for (const QString& caption : captions) {
            auto* page = new QWidget;
            (new QHBoxLayout(page))->addWidget(new QLineEdit);
            pages.addPage(page, caption);
        }
        window->show();
    }
    QLineEdit* Edit() const { return pages.currentPage()->findChild<QLineEdit*>(); }
    void Click(int tab) { QTest::mouseClick(pages.tabStrip(), Qt::LeftButton, {}, pages.tabRect(tab).center()); }
};

const QStringList Letters = {"A", "B", "C", "D", "E", "F"};
const QStringList Capitals = {"HEAT", "DATA", "RULE", "COST", "HEAT", "SAVE"};  // no descenders

// Compares each caption with QPainter's bottom alignment in its tab, lifted
// by the given number of pixels.
void CompareCaptions(TVxPageControl& pages, int activeLift, int otherLift)
{
    QWidget& strip = *pages.tabStrip();
    const QImage image = Grab(strip);
    for (int i = 0; i < pages.count(); ++i) {
        const QRect tab = pages.tabRect(i);
        const int lift = i == pages.currentIndex() ? activeLift : otherLift;
        const QRect ink = Ink(image, tab);
        QVERIFY2(!ink.isEmpty(), qPrintable(pages.caption(i)));
        QCOMPARE(ink, ReferenceExtent(strip.size(), pages.page(i)->font(), tab.adjusted(0, 0, 0, -lift),
                                      Qt::AlignHCenter | Qt::AlignBottom, pages.caption(i)));
    }
}

}  // namespace

class VxControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle("Fusion"); }

    // Enabled: only background and text in the caption rectangle; disabled:
    // embossed.
    void captionsOnceInTextColourEmbossedWhenDisabled()
    {
        TVxCheckBox box("Supply air");
        Prepare(box, QSize(200, 24));
        const QRect caption = box.captionRect();
        QCOMPARE(caption, QRect(18, 0, 182, 24));
        const QImage image = Grab(box);
        const Pixels text = PixelsOf(image, TextColour, caption);
        QVERIFY(!text.empty());
        QCOMPARE(text.size() + PixelsOf(image, Background, caption).size(),
                 static_cast<std::size_t>(caption.width() * caption.height()));
        CheckEmbossed(box);
        TVxRadioButton radio("Enthalpy comparison");
        Prepare(radio, QSize(220, 20));
        CheckEmbossed(radio);
    }

    // The text starts 18 pixels in, centred vertically as a block.
    void checkBoxCaptionPosition()
    {
        for (const QString& text : {QStringLiteral("Heating"), QStringLiteral("Wärme"), QStringLiteral("jot")}) {
            TVxCheckBox box(text);
            Prepare(box, QSize(200, 61));
            const int line = QFontMetrics(box.font()).boundingRect(QRect(0, 0, 182, 61), Qt::AlignLeft, text).height();
            QCOMPARE(Ink(box), ReferenceExtent(box.size(), box.font(), QRect(18, (61 - line) / 2, 182, line),
                                               Qt::AlignLeft | Qt::AlignTop, text));
        }
    }

    void checkBoxBoxOnRight()
    {
        const QString text = "Supply air temperature control with a long caption";
        TVxCheckBox box(text);
        Prepare(box, QSize(150, 24));
        box.setBoxOnRight(true);
        const QImage image = Grab(box);
        const QRect ink = Ink(image, box.rect());
        QCOMPARE(ink.left(),
                 ReferenceExtent(box.size(), box.font(), QRect(1, 0, 131, 24), Qt::AlignLeft | Qt::AlignVCenter, text)
                     .left());
        // The text is cut 18 pixels before the right edge, where the box sits.
        QVERIFY(ink.right() <= 150 - 18 - 1 && ink.right() >= 150 - 18 - 10);
        const QRect boxColumns(150 - 18, 0, 18, 24);
        QVERIFY(PixelsOf(image, TextColour, boxColumns).empty());
        QVERIFY(PixelsOf(image, Background, boxColumns).size() < std::size_t(18 * 24));
        QCOMPARE(PixelsOf(image, Background, QRect(0, 0, 1, 24)).size(), std::size_t(24));
    }

    void checkBoxWordWrap()
    {
        TVxCheckBox box("Supply air temperature control");
        Prepare(box, QSize(110, 60));
        const int line = QFontMetrics(box.font()).height();
        box.setWordWrap(true);
        QVERIFY(box.sizePolicy().hasHeightForWidth());
        const QRect ink = Ink(box);
        QVERIFY(ink.height() > 2 * line);  // three lines, centred as a block
        QVERIFY(ink.right() < 110);
        QVERIFY(qAbs(ink.top() - (60 - 1 - ink.bottom())) <= line / 2);
        QVERIFY(box.heightForWidth(1000) < 2 * line);
    }

    void checkBoxSizeHintFitsCaption()
    {
        for (const bool onRight : {false, true}) {
            for (const QString& text : {QStringLiteral("&Define..."), QStringLiteral("Zulufttemperaturregelung")}) {
                TVxCheckBox box(text);
                Prepare(box, QSize(10, 10));
                box.setBoxOnRight(onRight);
                box.resize(box.sizeHint());
                const QRect ink = Ink(box);
                const QRect full = ReferenceExtent(QSize(600, box.height()), box.font(),
                                                   QRect(onRight ? 1 : 18, 0, 500, box.height()),
                                                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
                QCOMPARE(ink.left(), full.left());
                QCOMPARE(ink.right(), full.right());
            }
        }
    }

    // A click on the caption or the box toggles an enabled box; the mnemonic
    // toggles it too and gives it the focus.
    void checkBoxClickMnemonicAndAccessibleName()
    {
        QWidget window;
        auto* other = new QLineEdit;
        auto* box = new TVxCheckBox("&Supply air temperature control");
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other);
        layout->addWidget(box);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QString("Supply air temperature control"));
        QCOMPARE(accessible->role(), QAccessible::CheckBox);

        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
        QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(box->isChecked());
        QVERIFY(box->hasFocus());
        QTest::keyClick(box, Qt::Key_Space);
        QVERIFY(!box->isChecked());

        box->setBoxOnRight(true);
        const int middle = box->height() / 2;
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, middle));
        QVERIFY(box->isChecked());
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 10, middle));
        QVERIFY(!box->isChecked());
        box->setEnabled(false);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, middle));
        QVERIFY(!box->isChecked());
    }

    void radioButtonCaptionFromTopLeft()
    {
        TVxRadioButton radio("Rotary heat exchanger");
        Prepare(radio, QSize(220, 50));
        const QRect expected = ReferenceExtent(radio.size(), radio.font(), QRect(18, 0, 202, 50),
                                               Qt::AlignLeft | Qt::AlignTop, "Rotary heat exchanger");
        QCOMPARE(Ink(radio), expected);
        QVERIFY(PixelsOf(Grab(radio), LightColour, radio.captionRect()).empty());
        radio.resize(radio.sizeHint());  // holds the whole caption
        QCOMPARE(Ink(radio), expected);
    }

    // Items of the bar's menus are 4 pixels higher than their font, also in
    // submenus and menus built before joining the bar and after a font
    // change; separators and menus elsewhere keep the style's height.
    void menuItemsFontHeightPlusFour()
    {
        TVxMainMenu bar;
        QMenu* file = bar.addMenu("&File");
        file->setFont(TestFont(11));
        QAction* exit = file->addAction("Exit");
        QCOMPARE(file->actionGeometry(exit).height(), 15);
        QVERIFY(file->actionGeometry(file->addSeparator()).height() != 15);
        file->setFont(TestFont(20));
        QCOMPARE(file->actionGeometry(exit).height(), 24);
        QMenu* sub = file->addMenu("Languages");
        sub->setFont(TestFont(12));
        QCOMPARE(sub->actionGeometry(sub->addAction("English")).height(), 16);

        auto* view = new QMenu("&View", &bar);
        QMenu* units = view->addMenu("Units");
        units->setFont(TestFont(9));
        QAction* si = units->addAction("SI");
        bar.addMenu(view);
        QCOMPARE(units->actionGeometry(si).height(), 13);

        QMenu menu("&File");  // an ordinary menu; back to it when the bar goes
        menu.setFont(TestFont(11));
        QAction* plainExit = menu.addAction("Exit");
        const int plainHeight = menu.actionGeometry(plainExit).height();
        QVERIFY(plainHeight != 15);
        {
            TVxMainMenu other;
            other.addMenu(&menu);
            QCOMPARE(menu.actionGeometry(plainExit).height(), 15);
        }
        QCOMPARE(menu.actionGeometry(plainExit).height(), plainHeight);
    }

    void pageControlSixPagesTwoRowsOfThree()
    {
        Window w({"   Heat Exchanger   ", "   Selection data   ", "   Regulation   ", "   Economy dates   ",
                  "   Recovery of energy   ", "   Savings in costs   "});
        TVxPageControl& pages = w.pages;
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        QCOMPARE(pages.currentIndex(), 0);
        QVERIFY(pages.width() < 640);
        QCOMPARE(pages.rowCount(), 2);
        for (int i = 1; i < 6; ++i) {
            QCOMPARE(pages.tabRect(i).width(), 200);
            QCOMPARE(pages.tabRect(i).center().y() == pages.tabRect(i - 1).center().y(), i % 3 != 0);
        }
        // The current tab's row lies next to the pages; selecting in the
        // other row brings that row forward.
        const int stripBottom = pages.tabStrip()->height();
        QVERIFY(pages.tabRect(1).top() > pages.tabRect(4).top());
        QCOMPARE(pages.tabRect(0).bottom(), stripBottom - 1);
        pages.setCurrentIndex(4);
        QVERIFY(pages.tabRect(1).top() < pages.tabRect(4).top());
        QCOMPARE(pages.tabRect(4).bottom(), stripBottom - 1);
        pages.setTabWidth(100);
        QCOMPARE(pages.rowCount(), 1);
        pages.setTabWidth(300);
        QCOMPARE(pages.rowCount(), 3);
    }

    void pageControlClickAndKeyboardSelect()
    {
        Window w(Letters);
        TVxPageControl& pages = w.pages;
        QSignalSpy changed(&pages, &TVxPageControl::currentChanged);
        w.Click(4);
        QCOMPARE(pages.currentPage(), pages.page(4));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), 4);
        QCOMPARE(pages.tabAt(pages.tabRect(2).center()), 2);
        QCOMPARE(pages.tabAt(QPoint(-5, -5)), -1);
        w.Click(4);
        QCOMPARE(changed.size(), 1);  // the current tab changes nothing
        for (int expected : {5, 0, 1}) {
            QTest::keyClick(w.Edit(), Qt::Key_Tab, Qt::ControlModifier);
            QCOMPARE(pages.currentIndex(), expected);
        }
        QCOMPARE(changed.size(), 4);
        QTest::keyClick(w.Edit(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(w.Edit(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(pages.currentIndex(), 5);
        QTest::keyClick(pages.tabStrip(), Qt::Key_Tab);  // moves the focus only
        QCOMPARE(pages.currentIndex(), 5);
    }

    void pageControlDisabledPageNotSelectable()
    {
        Window w({"A", "B", "&Cost", "D", "E", "F"});
        TVxPageControl& pages = w.pages;
        pages.page(2)->setEnabled(false);
        pages.setCurrentIndex(1);
        QSignalSpy changed(&pages, &TVxPageControl::currentChanged);

        pages.setCurrentIndex(2);
        QCOMPARE(pages.currentIndex(), 1);
        w.Click(2);
        QCOMPARE(pages.currentIndex(), 1);
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(pages.currentIndex(), 1);
        QCOMPARE(changed.size(), 0);
        QTest::keyClick(pages.tabStrip(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages.currentIndex(), 3);
        QTest::keyClick(pages.tabStrip(), Qt::Key_Left);
        QCOMPARE(pages.currentIndex(), 1);

        pages.page(2)->setEnabled(true);
        QTest::keyClick(w.window.get(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(pages.currentIndex(), 2);
    }

    // At the top the current caption is lifted by 5 pixels; in one row it
    // stands 3 pixels above the others (its tab reaches 2 pixels further
    // down). Each tab takes the font of its page.
    void pageControlCaptionsBottomAlignedTop()
    {
        Window w(Capitals);
        TVxPageControl& pages = w.pages;
        CompareCaptions(pages, 5, 0);
        const QImage image = Grab(*pages.tabStrip());
        QCOMPARE(Ink(image, pages.tabRect(1)).bottom() - Ink(image, pages.tabRect(0)).bottom(), 3);
        QCOMPARE(pages.tabRect(1).bottom(), pages.tabRect(0).bottom() - 2);
        pages.setCurrentIndex(4);
        CompareCaptions(pages, 5, 0);
        const int stripHeight = pages.tabStrip()->height();
        pages.page(1)->setFont(TestFont(22));
        QVERIFY(pages.tabStrip()->height() > stripHeight);
        CompareCaptions(pages, 5, 0);
    }

    // Bottom: the strip lies below the pages, the current row next to them.
    void pageControlCaptionsBottomAlignedBottom()
    {
        Window w(Capitals);
        TVxPageControl& pages = w.pages;
        pages.setTabPosition(TVxPageControl::Bottom);
        CompareCaptions(pages, 3, 3);
        QCOMPARE(pages.tabStrip()->geometry().bottom(), pages.height() - 1);
        QCOMPARE(pages.tabRect(0).top(), 0);
        pages.setCurrentIndex(5);
        QVERIFY(pages.tabRect(0).top() > pages.tabRect(3).top());
        CompareCaptions(pages, 3, 3);
    }

    void pageControlPageDestroyed()
    {
        Window w(Letters);
        TVxPageControl& pages = w.pages;
        pages.setCurrentIndex(2);
        QWidget* current = pages.currentPage();
        QSignalSpy changed(&pages, &TVxPageControl::currentChanged);
        delete pages.page(0);
        QCOMPARE(pages.count(), 5);
        QCOMPARE(pages.currentPage(), current);
        QCOMPARE(pages.currentIndex(), 1);
        QCOMPARE(pages.caption(1), QString("C"));
        QCOMPARE(changed.size(), 1);
        delete current;
        QCOMPARE(pages.caption(pages.currentIndex()), QString("D"));
        QVERIFY(pages.currentPage()->isVisible());
    }
};

QTEST_MAIN(VxControlsTest)
#include "VxControlsTest.moc"
