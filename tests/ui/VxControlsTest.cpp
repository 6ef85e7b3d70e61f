// The in-house controls: self-painted captions of the check box and the radio
// button, the menu item height of the main menu and the multi-row page control.
// Captions are checked in grabs of the widgets; the test font is rendered
// without antialiasing so that every text pixel has exactly the pen colour.

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>
#include <set>
#include <utility>

#include "ui/UVxControls.h"

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

QPalette TestPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, Background);
    palette.setColor(QPalette::WindowText, TextColour);
    palette.setColor(QPalette::Light, LightColour);
    palette.setColor(QPalette::Dark, DarkColour);
    palette.setColor(QPalette::Text, QColor(20, 20, 20));
    palette.setColor(QPalette::Base, QColor(250, 250, 240));
    palette.setColor(QPalette::Button, QColor(230, 225, 215));
    palette.setColor(QPalette::ButtonText, QColor(40, 0, 0));
    return palette;
}

template <class Control>
void Prepare(Control& control, const QSize& size)
{
    control.setFont(TestFont());
    control.setPalette(TestPalette());
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

// Where `text` lands when drawn with QPainter::drawText(rect, flags, text) on
// a plain image: the reference for the controls' caption positions.
QRect ReferenceExtent(const QSize& size, const QFont& font, const QRect& rect, int flags,
                      const QString& text)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Background);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(TextColour);
    painter.drawText(rect, flags, text);
    painter.end();
    return Extent(PixelsOf(image, TextColour, image.rect()));
}

}  // namespace

class VxControlsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void checkBoxEnabledCaptionOnceInTextColour();
    void checkBoxDisabledCaptionEmbossed();
    void checkBoxTextStarts18PixelsIn();
    void checkBoxCaptionCentredVertically();
    void checkBoxBoxOnRight();
    void checkBoxWordWrap();
    void checkBoxSizeHintFitsCaption();
    void checkBoxClickOnCaptionToggles();
    void checkBoxAccessibleNameAndMnemonic();
    void radioButtonCaptionFromTopLeft();
    void radioButtonDisabledCaptionEmbossed();

    void menuItemsFontHeightPlusFour();
    void menuItemsFollowLaterChanges();
    void menuOutlivingTheBar();

    void pageControlSixPagesTwoRowsOfThree();
    void pageControlClickSelects();
    void pageControlCtrlTabCycles();
    void pageControlArrowKeysInStrip();
    void pageControlDisabledPageNotSelectable();
    void pageControlCaptionsBottomAlignedTop();
    void pageControlCaptionsBottomAlignedBottom();
    void pageControlTabUsesPageFont();
    void pageControlPageDestroyed();

private:
    // A 640-pixel window with a page control of six pages, as the main window.
    struct Window {
        std::unique_ptr<QWidget> window;
        TVxPageControl* pages = nullptr;
        QLineEdit* edit = nullptr;  // on the first page
    };
    static Window SixPages(const QStringList& captions);
    // Checks the captions of all tabs against QPainter's own bottom alignment
    // in the tab rectangles, lifted by the given number of pixels.
    static void CompareCaptions(TVxPageControl& pages, int activeLift, int otherLift);
};

void VxControlsTest::initTestCase()
{
    QApplication::setStyle("Fusion");
}

// ---------------------------------------------------------------- check box

void VxControlsTest::checkBoxEnabledCaptionOnceInTextColour()
{
    TVxCheckBox box("Supply air");
    Prepare(box, QSize(200, 24));
    const QImage image = Grab(box);
    const QRect caption = box.captionRect();
    QCOMPARE(caption, QRect(18, 0, 182, 24));
    QVERIFY(!PixelsOf(image, TextColour, caption).empty());
    QVERIFY(PixelsOf(image, LightColour, caption).empty());
    QVERIFY(PixelsOf(image, DarkColour, caption).empty());
    // Only background and text in the caption rectangle.
    const auto total = static_cast<std::size_t>(caption.width() * caption.height());
    QCOMPARE(PixelsOf(image, TextColour, caption).size() + PixelsOf(image, Background, caption).size(),
             total);
}

void VxControlsTest::checkBoxDisabledCaptionEmbossed()
{
    TVxCheckBox box("Supply air");
    Prepare(box, QSize(200, 24));
    const Pixels enabledText = PixelsOf(Grab(box), TextColour, box.captionRect());
    box.setEnabled(false);
    const QImage image = Grab(box);
    const QRect caption = box.captionRect();
    const Pixels dark = PixelsOf(image, DarkColour, caption);
    const Pixels light = PixelsOf(image, LightColour, caption);

    QVERIFY(PixelsOf(image, TextColour, caption).empty());
    // The dark copy lies where the enabled text was; the light copy is the
    // same shape one pixel right and down, covered by the dark one.
    QVERIFY(dark == enabledText);
    QVERIFY(!light.empty());
    for (const auto& [x, y] : light)
        QVERIFY2(dark.count({x - 1, y - 1}) == 1, "light pixel without a dark one above left");
    for (const auto& [x, y] : dark)
        QVERIFY2(dark.count({x + 1, y + 1}) + light.count({x + 1, y + 1}) == 1,
                 "dark pixel without its light copy");

    box.setEnabled(true);
    QVERIFY(PixelsOf(Grab(box), DarkColour, caption).empty());
}

void VxControlsTest::checkBoxTextStarts18PixelsIn()
{
    for (const QString& text : {QStringLiteral("Heating"), QStringLiteral("Wärme"), QStringLiteral("jot")}) {
        TVxCheckBox box(text);
        Prepare(box, QSize(200, 24));
        const QRect ink = Extent(PixelsOf(Grab(box), TextColour, box.rect()));
        const QRect expected = ReferenceExtent(box.size(), box.font(), QRect(18, 0, 182, 24),
                                               Qt::AlignLeft | Qt::AlignVCenter, text);
        QCOMPARE(ink.left(), expected.left());
        QCOMPARE(ink.right(), expected.right());
    }
}

void VxControlsTest::checkBoxCaptionCentredVertically()
{
    TVxCheckBox box("Heating");
    Prepare(box, QSize(200, 61));
    // The height of the text as measured before drawing.
    const int line = QFontMetrics(box.font()).boundingRect(QRect(0, 0, 182, 61), Qt::AlignLeft, "Heating").height();
    const QRect ink = Extent(PixelsOf(Grab(box), TextColour, box.rect()));
    const QRect expected = ReferenceExtent(box.size(), box.font(), QRect(18, (61 - line) / 2, 182, line),
                                           Qt::AlignLeft | Qt::AlignTop, "Heating");
    QCOMPARE(ink, expected);
}

void VxControlsTest::checkBoxBoxOnRight()
{
    const QString text = "Supply air temperature control with a long caption";
    TVxCheckBox box(text);
    Prepare(box, QSize(150, 24));
    box.setBoxOnRight(true);
    QVERIFY(box.boxOnRight());
    QCOMPARE(box.captionRect(), QRect(1, 0, 131, 24));
    const QImage image = Grab(box);

    const QRect ink = Extent(PixelsOf(image, TextColour, box.rect()));
    const QRect expected = ReferenceExtent(box.size(), box.font(), QRect(1, 0, 131, 24),
                                           Qt::AlignLeft | Qt::AlignVCenter, text);
    QCOMPARE(ink.left(), expected.left());
    // The text is cut 18 pixels before the right edge, where the box sits.
    QVERIFY(ink.right() <= 150 - 18 - 1);
    QVERIFY(ink.right() >= 150 - 18 - 10);
    const QRect boxColumns(150 - 18, 0, 18, 24);
    QVERIFY(PixelsOf(image, TextColour, boxColumns).empty());
    QVERIFY(PixelsOf(image, Background, boxColumns).size() < std::size_t(18 * 24));
    // Nothing of the box is left on the left.
    QCOMPARE(PixelsOf(image, Background, QRect(0, 0, 1, 24)).size(), std::size_t(24));
}

void VxControlsTest::checkBoxWordWrap()
{
    const QString text = "Supply air temperature control";
    TVxCheckBox box(text);
    Prepare(box, QSize(110, 60));
    const int line = QFontMetrics(box.font()).height();
    QVERIFY(!box.hasHeightForWidth());
    QVERIFY(Extent(PixelsOf(Grab(box), TextColour, box.rect())).height() <= line);

    box.setWordWrap(true);
    QVERIFY(box.hasHeightForWidth());
    QVERIFY(box.sizePolicy().hasHeightForWidth());
    const QRect ink = Extent(PixelsOf(Grab(box), TextColour, box.rect()));
    QVERIFY(ink.height() > 2 * line);  // three lines at this width
    QVERIFY(ink.right() < 110);
    // The block is centred as a whole.
    QVERIFY(qAbs(ink.top() - (60 - 1 - ink.bottom())) <= line / 2);
    QVERIFY(box.heightForWidth(110) >= 3 * line);
    QVERIFY(box.heightForWidth(1000) < 2 * line);
}

void VxControlsTest::checkBoxSizeHintFitsCaption()
{
    for (const bool onRight : {false, true}) {
        for (const QString& text : {QStringLiteral("&Define..."), QStringLiteral("Zulufttemperaturregelung")}) {
            TVxCheckBox box(text);
            Prepare(box, QSize(10, 10));
            box.setBoxOnRight(onRight);
            box.resize(box.sizeHint());
            const QRect ink = Extent(PixelsOf(Grab(box), TextColour, box.rect()));
            // The same text unclipped on a wide image.
            const int start = onRight ? 1 : 18;
            const QRect full = ReferenceExtent(QSize(600, box.height()), box.font(),
                                               QRect(start, 0, 500, box.height()),
                                               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, text);
            QCOMPARE(ink.left(), full.left());
            QCOMPARE(ink.right(), full.right());
            QVERIFY(box.sizeHint().height() >= QFontMetrics(box.font()).height());
        }
    }
}

void VxControlsTest::checkBoxClickOnCaptionToggles()
{
    TVxCheckBox box("Supply air");
    Prepare(box, QSize(200, 24));
    box.setBoxOnRight(true);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 12));
    QVERIFY(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(190, 12));
    QVERIFY(!box.isChecked());
    box.setEnabled(false);
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(10, 12));
    QVERIFY(!box.isChecked());
}

void VxControlsTest::checkBoxAccessibleNameAndMnemonic()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new TVxCheckBox("&Supply air temperature control");
    auto* other = new QLineEdit;
    layout->addWidget(other);
    layout->addWidget(box);
    QCOMPARE(box->focusPolicy(), QCheckBox().focusPolicy());

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
}

// ------------------------------------------------------------- radio button

void VxControlsTest::radioButtonCaptionFromTopLeft()
{
    TVxRadioButton radio("Rotary heat exchanger");
    Prepare(radio, QSize(220, 50));
    QCOMPARE(radio.captionRect(), QRect(18, 0, 202, 50));
    const QImage image = Grab(radio);
    const QRect ink = Extent(PixelsOf(image, TextColour, radio.rect()));
    const QRect expected = ReferenceExtent(radio.size(), radio.font(), QRect(18, 0, 202, 50),
                                           Qt::AlignLeft | Qt::AlignTop, "Rotary heat exchanger");
    QCOMPARE(ink, expected);
    QVERIFY(PixelsOf(image, LightColour, radio.captionRect()).empty());

    // The size hint holds the whole caption.
    radio.resize(radio.sizeHint());
    QCOMPARE(Extent(PixelsOf(Grab(radio), TextColour, radio.rect())), expected);
}

void VxControlsTest::radioButtonDisabledCaptionEmbossed()
{
    TVxRadioButton radio("Enthalpy comparison");
    Prepare(radio, QSize(220, 20));
    const Pixels enabledText = PixelsOf(Grab(radio), TextColour, radio.captionRect());
    radio.setEnabled(false);
    const QImage image = Grab(radio);
    const Pixels dark = PixelsOf(image, DarkColour, radio.captionRect());
    const Pixels light = PixelsOf(image, LightColour, radio.captionRect());
    QVERIFY(dark == enabledText);
    QVERIFY(!light.empty());
    for (const auto& [x, y] : light)
        QVERIFY(dark.count({x - 1, y - 1}) == 1);
    QVERIFY(PixelsOf(image, TextColour, radio.rect()).empty());
}

// ---------------------------------------------------------------- main menu

void VxControlsTest::menuItemsFontHeightPlusFour()
{
    TVxMainMenu bar;
    bar.setFont(TestFont(11));
    QMenu* file = bar.addMenu("&File");
    file->setFont(TestFont(11));
    QAction* exit = file->addAction("Exit");
    QAction* separator = file->addSeparator();
    QAction* options = file->addAction("&Options...");
    QMenu* help = bar.addMenu("&Help");
    help->setFont(TestFont(11));
    QAction* info = help->addAction("Info");

    QCOMPARE(QFontInfo(file->font()).pixelSize(), 11);
    QCOMPARE(TVxMainMenu::itemHeight(file), 15);
    QCOMPARE(file->actionGeometry(exit).height(), 15);
    QCOMPARE(file->actionGeometry(options).height(), 15);
    QCOMPARE(help->actionGeometry(info).height(), 15);
    QVERIFY(file->actionGeometry(separator).height() != 15);

    // An ordinary menu with the same font keeps the style's own height.
    QMenu plain;
    plain.setFont(TestFont(11));
    QAction* same = plain.addAction("Exit");
    QVERIFY(plain.actionGeometry(same).height() != 15);

    // The height follows the menu font.
    file->setFont(TestFont(20));
    QCOMPARE(file->actionGeometry(exit).height(), 24);
}

void VxControlsTest::menuItemsFollowLaterChanges()
{
    TVxMainMenu bar;
    QMenu* file = bar.addMenu("&File");
    file->setFont(TestFont(12));
    QMenu* sub = file->addMenu("Languages");
    sub->setFont(TestFont(12));
    QAction* english = sub->addAction("English");
    QCOMPARE(sub->actionGeometry(english).height(), 16);

    // A menu hung on an existing item later.
    QAction* climate = file->addAction("Climate");
    auto* zones = new QMenu(file);
    zones->setFont(TestFont(14));
    QAction* zone = zones->addAction("Zone 1");
    climate->setMenu(zones);
    QCOMPARE(zones->actionGeometry(zone).height(), 18);

    // A menu added to the bar as an action.
    auto* extra = new QMenu("&Extra", &bar);
    extra->setFont(TestFont(10));
    QAction* item = extra->addAction("Item");
    bar.addAction(extra->menuAction());
    QCOMPARE(extra->actionGeometry(item).height(), 14);

    // A menu tree built before it is added to the bar.
    auto* view = new QMenu("&View", &bar);
    QMenu* units = view->addMenu("Units");
    units->setFont(TestFont(9));
    QAction* si = units->addAction("SI");
    bar.addMenu(view);
    QCOMPARE(units->actionGeometry(si).height(), 13);
}

void VxControlsTest::menuOutlivingTheBar()
{
    QMenu menu("&File");
    menu.setFont(TestFont(11));
    QAction* exit = menu.addAction("Exit");
    const int plainHeight = menu.actionGeometry(exit).height();
    {
        TVxMainMenu bar;
        bar.addMenu(&menu);
        QCOMPARE(menu.actionGeometry(exit).height(), 15);
    }
    // Back to the application style.
    QCOMPARE(menu.actionGeometry(exit).height(), plainHeight);
}

// ------------------------------------------------------------- page control

VxControlsTest::Window VxControlsTest::SixPages(const QStringList& captions)
{
    Window result;
    result.window = std::make_unique<QWidget>();
    result.window->setFont(TestFont(11));
    result.window->setPalette(TestPalette());
    auto* layout = new QVBoxLayout(result.window.get());
    result.pages = new TVxPageControl;
    layout->addWidget(result.pages);
    for (const QString& caption : captions) {
        auto* page = new QWidget;
        auto* pageLayout = new QHBoxLayout(page);
        pageLayout->addWidget(new QLineEdit);
        result.pages->addPage(page, caption);
    }
    result.edit = result.pages->page(0)->findChild<QLineEdit*>();
    result.window->resize(640, 480);
    result.window->show();
    return result;
}

void VxControlsTest::pageControlSixPagesTwoRowsOfThree()
{
    Window w = SixPages({"   Heat Exchanger   ", "   Selection data   ", "   Regulation   ",
                         "   Economy dates   ", "   Recovery of energy   ", "   Savings in costs   "});
    TVxPageControl& pages = *w.pages;
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QCOMPARE(pages.count(), 6);
    QCOMPARE(pages.tabWidth(), 200);
    QCOMPARE(pages.currentIndex(), 0);
    QVERIFY(pages.width() < 640);
    QCOMPARE(pages.rowCount(), 2);
    for (int i = 1; i < 6; ++i) {
        QCOMPARE(pages.tabRect(i).width(), 200);
        QCOMPARE(pages.tabRect(i).center().y() == pages.tabRect(i - 1).center().y(), i % 3 != 0);
    }
    // The row of the current tab lies next to the pages; clicking into the
    // other row brings that row forward.
    const int stripBottom = pages.tabStrip()->height();
    QVERIFY(pages.tabRect(1).top() > pages.tabRect(4).top());
    QCOMPARE(pages.tabRect(0).bottom(), stripBottom - 1);
    pages.setCurrentIndex(4);
    QVERIFY(pages.tabRect(1).top() < pages.tabRect(4).top());
    QCOMPARE(pages.tabRect(4).bottom(), stripBottom - 1);

    // The pages sit below the strip, the current one shown.
    const QRect page = QRect(pages.page(4)->mapTo(&pages, QPoint()), pages.page(4)->size());
    QVERIFY(page.top() >= pages.tabStrip()->geometry().bottom());
    QVERIFY(pages.page(4)->isVisible());
    QVERIFY(!pages.page(0)->isVisible());

    // A wider control holds all six in one row, a narrower one needs three rows.
    pages.setTabWidth(100);
    QCOMPARE(pages.rowCount(), 1);
    pages.setTabWidth(300);
    QCOMPARE(pages.rowCount(), 3);
}

void VxControlsTest::pageControlClickSelects()
{
    Window w = SixPages({"A", "B", "C", "D", "E", "F"});
    TVxPageControl& pages = *w.pages;
    QSignalSpy changed(&pages, &TVxPageControl::currentChanged);
    QTest::mouseClick(pages.tabStrip(), Qt::LeftButton, {}, pages.tabRect(4).center());
    QCOMPARE(pages.currentIndex(), 4);
    QCOMPARE(pages.currentPage(), pages.page(4));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 4);
    QCOMPARE(pages.tabAt(pages.tabRect(2).center()), 2);
    QCOMPARE(pages.tabAt(QPoint(-5, -5)), -1);

    // Clicking the current tab changes nothing.
    QTest::mouseClick(pages.tabStrip(), Qt::LeftButton, {}, pages.tabRect(4).center());
    QCOMPARE(changed.size(), 1);
    QTest::mouseClick(pages.tabStrip(), Qt::LeftButton, {}, pages.tabRect(0).center());
    QCOMPARE(pages.currentIndex(), 0);
    QCOMPARE(changed.size(), 2);
}

void VxControlsTest::pageControlCtrlTabCycles()
{
    Window w = SixPages({"A", "B", "C", "D", "E", "F"});
    TVxPageControl& pages = *w.pages;
    QSignalSpy changed(&pages, &TVxPageControl::currentChanged);
    // From inside a page.
    QTest::keyClick(w.edit, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages.currentIndex(), 1);
    for (int expected : {2, 3, 4, 5, 0})  {
        QTest::keyClick(pages.currentPage()->findChild<QLineEdit*>(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages.currentIndex(), expected);
    }
    QCOMPARE(changed.size(), 6);
    QTest::keyClick(w.edit, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages.currentIndex(), 5);
    QTest::keyClick(pages.tabStrip(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(pages.currentIndex(), 4);
    QTest::keyClick(pages.tabStrip(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(pages.currentIndex(), 5);
    // A plain Tab still moves the focus and leaves the page alone.
    QTest::keyClick(pages.tabStrip(), Qt::Key_Tab);
    QCOMPARE(pages.currentIndex(), 5);
}

void VxControlsTest::pageControlArrowKeysInStrip()
{
    Window w = SixPages({"A", "B", "C", "D", "E", "F"});
    TVxPageControl& pages = *w.pages;
    QCOMPARE(pages.focusProxy(), pages.tabStrip());
    QTest::keyClick(pages.tabStrip(), Qt::Key_Right);
    QCOMPARE(pages.currentIndex(), 1);
    QTest::keyClick(pages.tabStrip(), Qt::Key_End);
    QCOMPARE(pages.currentIndex(), 5);
    QTest::keyClick(pages.tabStrip(), Qt::Key_Right);  // no wrap
    QCOMPARE(pages.currentIndex(), 5);
    QTest::keyClick(pages.tabStrip(), Qt::Key_Left);
    QCOMPARE(pages.currentIndex(), 4);
    QTest::keyClick(pages.tabStrip(), Qt::Key_Home);
    QCOMPARE(pages.currentIndex(), 0);
}

void VxControlsTest::pageControlDisabledPageNotSelectable()
{
    Window w = SixPages({"A", "B", "&Cost", "D", "E", "F"});
    TVxPageControl& pages = *w.pages;
    pages.page(2)->setEnabled(false);
    pages.setCurrentIndex(1);
    QSignalSpy changed(&pages, &TVxPageControl::currentChanged);

    pages.setCurrentIndex(2);
    QCOMPARE(pages.currentIndex(), 1);
    QTest::mouseClick(pages.tabStrip(), Qt::LeftButton, {}, pages.tabRect(2).center());
    QCOMPARE(pages.currentIndex(), 1);
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QTest::keyClick(w.window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(pages.currentIndex(), 1);
    QCOMPARE(changed.size(), 0);

    QTest::keyClick(pages.tabStrip(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(pages.currentIndex(), 3);
    QTest::keyClick(pages.tabStrip(), Qt::Key_Left);
    QCOMPARE(pages.currentIndex(), 1);

    // Enabled again, the page is reached by its mnemonic.
    pages.page(2)->setEnabled(true);
    QTest::keyClick(w.window.get(), Qt::Key_C, Qt::AltModifier);
    QCOMPARE(pages.currentIndex(), 2);
}

void VxControlsTest::CompareCaptions(TVxPageControl& pages, int activeLift, int otherLift)
{
    QWidget& strip = *pages.tabStrip();
    const QImage image = Grab(strip);
    for (int i = 0; i < pages.count(); ++i) {
        const QRect tab = pages.tabRect(i);
        const int lift = i == pages.currentIndex() ? activeLift : otherLift;
        const QRect ink = Extent(PixelsOf(image, TextColour, tab));
        const QRect expected =
            ReferenceExtent(strip.size(), pages.page(i)->font(), tab.adjusted(0, 0, 0, -lift),
                            Qt::AlignHCenter | Qt::AlignBottom, pages.caption(i));
        QVERIFY2(!ink.isEmpty(), qPrintable(pages.caption(i)));
        QCOMPARE(ink, expected);
    }
}

void VxControlsTest::pageControlCaptionsBottomAlignedTop()
{
    // Captions without descenders: their lowest pixels sit on the baseline.
    Window w = SixPages({"HEAT", "DATA", "RULE", "COST", "HEAT", "SAVE"});
    TVxPageControl& pages = *w.pages;
    QCOMPARE(pages.tabPosition(), TVxPageControl::Top);
    CompareCaptions(pages, 5, 0);

    // In one row the current caption stands 3 pixels above the others (its
    // tab reaches 2 pixels further down and is lifted by 5).
    const QImage image = Grab(*pages.tabStrip());
    const int active = Extent(PixelsOf(image, TextColour, pages.tabRect(0))).bottom();
    const int other = Extent(PixelsOf(image, TextColour, pages.tabRect(1))).bottom();
    QCOMPARE(other - active, 3);
    QCOMPARE(pages.tabRect(1).bottom(), pages.tabRect(0).bottom() - 2);

    pages.setCurrentIndex(4);
    CompareCaptions(pages, 5, 0);
}

void VxControlsTest::pageControlCaptionsBottomAlignedBottom()
{
    Window w = SixPages({"HEAT", "DATA", "RULE", "COST", "HEAT", "SAVE"});
    TVxPageControl& pages = *w.pages;
    pages.setTabPosition(TVxPageControl::Bottom);
    QCOMPARE(pages.tabPosition(), TVxPageControl::Bottom);
    QCOMPARE(pages.rowCount(), 2);
    CompareCaptions(pages, 3, 3);

    // The strip lies below the pages, the current row next to them.
    const QRect strip = pages.tabStrip()->geometry();
    const QRect page = QRect(pages.page(0)->mapTo(&pages, QPoint()), pages.page(0)->size());
    QVERIFY(page.bottom() < strip.top());
    QCOMPARE(strip.bottom(), pages.height() - 1);
    QVERIFY(pages.tabRect(0).top() < pages.tabRect(3).top());
    QCOMPARE(pages.tabRect(0).top(), 0);
    pages.setCurrentIndex(5);
    QVERIFY(pages.tabRect(0).top() > pages.tabRect(3).top());
    CompareCaptions(pages, 3, 3);
}

void VxControlsTest::pageControlTabUsesPageFont()
{
    Window w = SixPages({"HEAT", "DATA", "RULE", "COST", "HEAT", "SAVE"});
    TVxPageControl& pages = *w.pages;
    const int rowsBefore = pages.tabStrip()->height();
    pages.page(1)->setFont(TestFont(22));
    QVERIFY(pages.tabStrip()->height() > rowsBefore);
    CompareCaptions(pages, 5, 0);
    const QImage image = Grab(*pages.tabStrip());
    const int big = Extent(PixelsOf(image, TextColour, pages.tabRect(1))).height();
    const int small = Extent(PixelsOf(image, TextColour, pages.tabRect(2))).height();
    QVERIFY(big > small + 5);

    // A disabled page's caption is greyed.
    const QColor grey(120, 120, 120);
    QPalette palette = pages.palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, grey);
    pages.setPalette(palette);
    pages.page(2)->setEnabled(false);
    const QImage disabled = Grab(*pages.tabStrip());
    QVERIFY(PixelsOf(disabled, TextColour, pages.tabRect(2)).empty());
    QVERIFY(!PixelsOf(disabled, grey, pages.tabRect(2)).empty());
    QVERIFY(!PixelsOf(disabled, TextColour, pages.tabRect(3)).empty());
}

void VxControlsTest::pageControlPageDestroyed()
{
    Window w = SixPages({"A", "B", "C", "D", "E", "F"});
    TVxPageControl& pages = *w.pages;
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
    QCOMPARE(pages.count(), 4);
    QCOMPARE(pages.caption(pages.currentIndex()), QString("D"));
    QVERIFY(pages.currentPage()->isVisible());

    pages.setCaption(0, "&Savings");
    QCOMPARE(pages.caption(0), QString("&Savings"));
    pages.setCurrentIndex(0);
    QCOMPARE(pages.tabStrip()->accessibleName(), QString("Savings"));
}

QTEST_MAIN(VxControlsTest)
#include "VxControlsTest.moc"
