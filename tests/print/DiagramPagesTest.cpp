// The diagram page with its scale rule, and the climate data page.

#include <QtTest>

#include <cmath>
#include <limits>

#include "print/Datasheets.h"
#include "print/DiagramScale.h"
#include "tests/print/SheetSamples.h"

namespace {

const QColor Sensible(30, 130, 230);
const QColor Latent(255, 255, 204);

// The plot area: row 35 (y = 195 + 35 × 45) and 800 units down.
constexpr double PlotTop = 1770;
constexpr double PlotBottom = 2570;

// The bars of a recorded diagram page: the rectangles filled with a chart
// colour inside the plot area (the legend boxes stand below it), left to
// right.
std::vector<RecordedRect> Bars(const PageRecorder& page, const QColor& colour)
{
    std::vector<RecordedRect> bars;
    for (const RecordedRect& r : page.Rects())
        if (r.fill == colour && r.rect.top() >= PlotTop && r.rect.bottom() <= PlotBottom)
            bars.push_back(r);
    return bars;
}

}  // namespace

class DiagramPagesTest : public QObject {
    Q_OBJECT

private slots:
    void scale_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("minimum");
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("below");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("no energy") << 0.0 << 0.0 << 1.0 << 10.0 << 0;
        QTest::newRow("step must exceed a tenth") << 100.0 << 0.0 << 1.0 << 20.0 << 0;
        QTest::newRow("125 after 100") << 1000.0 << 0.0 << 1.0 << 125.0 << 0;
        QTest::newRow("kBTU") << 1000.0 << 0.0 << 3.412 << 500.0 << 0;
        QTest::newRow("mixed, 1.6 intervals below") << 800.0 << -200.0 << 1.0 << 125.0 << 2;
        QTest::newRow("1.5 intervals round to 2") << 1000.0 << -187.5 << 1.0 << 125.0 << 2;
        QTest::newRow("2.5 intervals round to even 2") << 750.0 << -500.0 << 1.0 << 200.0 << 2;
        QTest::newRow("a little below zero is one interval") << 1000.0 << -10.0 << 1.0 << 125.0 << 1;
        QTest::newRow("largest candidate") << 4.0e6 << 0.0 << 1.0 << 500000.0 << 0;
        QTest::newRow("smaller last candidates never chosen") << 5.0e6 << 0.0 << 1.0 << 200000.0 << 0;
        QTest::newRow("beyond every candidate") << 9.0e6 << -1.0e6 << 1.0 << 200000.0 << 5;
        QTest::newRow("only below zero") << 0.0 << -1.0e6 << 1.0 << 125000.0 << 8;
        QTest::newRow("not a number") << nan << 0.0 << 1.0 << 200000.0 << 0;
    }

    void scale()
    {
        QFETCH(double, maximum);
        QFETCH(double, minimum);
        QFETCH(double, factor);
        const DiagramScale scale = DiagramScaleOf(maximum, minimum, factor);
        QTEST(scale.step, "step");
        QTEST(scale.below, "below");
    }

    void axisLabelsFollowTheScale()
    {
        SheetData data = SampleSheet(CalcInputs{});
        data.annual.ChartMax = 800;
        data.annual.ChartMin = -200;  // step 125, two intervals below zero
        const auto page = Record(DiagramSheetPages(data).at(0));
        QStringList labels;
        for (const RecordedText& t : page->Texts())
            if (!t.turned && t.baseline.x() < 530 && t.baseline.y() > PlotTop - 45 && t.baseline.y() < PlotBottom + 45)
                labels << t.text;
        QCOMPARE(labels, QStringList({"1,000", "875", "750", "625", "500", "375", "250", "125", "0", "-125", "-250"}));

        const auto title = std::find_if(page->Texts().begin(), page->Texts().end(),
                                        [](const RecordedText& t) { return t.turned; });
        QVERIFY(title != page->Texts().end() && title->bold);
        QCOMPARE(title->text, QStringLiteral("Recovery of energy [kWh]"));
    }

    void barsStackedAndOutlinedBySeason()
    {
        const SheetData data = SampleSheet(CalcInputs{});
        const auto page = Record(DiagramSheetPages(data).at(0));
        const std::vector<RecordedRect> sensible = Bars(*page, Sensible);
        const std::vector<RecordedRect> latent = Bars(*page, Latent);
        QCOMPARE(sensible.size(), std::size_t(12));
        QCOMPARE(latent.size(), std::size_t(12));

        const DiagramScale scale = DiagramScaleOf(data.annual.ChartMax, data.annual.ChartMin, 1.0);
        const double zero = PlotTop + 80 * (10 - scale.below);
        for (std::size_t m = 0; m < 12; ++m) {
            const double sign = data.annual.MonthSeason[m] == Season::Heating ? 1 : -1;
            const double shown = sign * data.annual.MonthSensible[m];
            const double shownLatent = sign * data.annual.MonthLatent[m];
            const QRectF& s = sensible[m].rect;
            const QRectF& l = latent[m].rect;
            // Summer dashes of 1.2 mm and gaps of 0.6 mm (one unit a pixel here).
            QCOMPARE(sensible[m].dashes, sign > 0 ? QList<qreal>() : QList<qreal>({12, 6}));
            QVERIFY(m == 0 || s.left() > sensible[m - 1].rect.left());  // month order
            // Sensible stands on the zero line; positive latent sits on top of
            // it, negative latent hangs below zero.
            QVERIFY(std::abs((shown > 0 ? s.bottom() : s.top()) - zero) < 0.01);
            QVERIFY(std::abs(s.height() - std::abs(shown) * 80 / scale.step) < 0.01);
            const double joint = shownLatent > 0 ? (shown > 0 ? s.top() : zero) : (shown < 0 ? s.bottom() : zero);
            QVERIFY(std::abs((shownLatent > 0 ? l.bottom() : l.top()) - joint) < 0.01);
        }
    }

    void climateGridsReproduced()
    {
        const auto page = Record(ClimateDataPage(SampleClimate()));
        QCOMPARE(RowTexts(*page, 11), QStringList({"Description", "Test site"}));
        QCOMPARE(RowTexts(*page, 16), QStringList({"Average daily minimum", "Average daily maximum"}));
        QCOMPARE(RowTexts(*page, 18), QStringList({"[g/kg]", "[°C]", "[h]", "[°C]", "[h]"}));
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(RowTexts(*page, 18 + month),
                     QStringList({QStringLiteral("M%1").arg(month), QString::number(month + 1), "-2.5", "06:00", "8.5",
                                  "15:00"}));
        // Columns 285 units apart from x + 285: the numbers end 10 units inside.
        for (const RecordedText& t : page->Texts()) {
            if (t.text == "15:00")
                QVERIFY(t.baseline.x() < 250 + 6 * 285 - 10 && t.baseline.x() > 250 + 5 * 285);
            if (t.text.startsWith("Average"))
                QVERIFY(t.bold);
        }
    }
};

QTEST_MAIN(DiagramPagesTest)
#include "DiagramPagesTest.moc"
