// The datasheet pages: the frame and its layout values, the device and
// design blocks, the energy and cost pages, the texts of the snapshot, and
// that every page draws the same way each time and without warnings.

#include <QImage>
#include <QtTest>

#include "app/DevicePage.h"
#include "print/Datasheets.h"
#include "print/PageFrame.h"
#include "tests/print/SheetSamples.h"

namespace {

QStringList Warnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        Warnings << message;
}

CalcInputs Device(int deviceType, int rotorCode = 2, const std::string& profile = "C19")
{
    return CalcInputs{.DeviceType = deviceType, .RotorTypeCode = rotorCode, .StorageMassCode = profile};
}

// Texts of rows first … last of a page, starting in [fromX, toX).
int CountTexts(const PageRecorder& page, int first, int last, double fromX, double toX)
{
    int count = 0;
    for (int row = first; row <= last; ++row)
        count += static_cast<int>(RowTexts(page, row, fromX, toX).size());
    return count;
}

}  // namespace

class DatasheetPagesTest : public QObject {
    Q_OBJECT

private slots:
    void pagesDrawTheSameEachTimeWithoutWarnings_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<bool>("siUnits");
        QTest::addColumn<int>("language");
        const char* sheets[] = {"energy", "diagram", "cost"};
        for (const int language : {2, 8})
            for (const bool si : {true, false})
                for (const int sheet : {0, 1, 2})
                    QTest::addRow("%s %s language %d", sheets[sheet], si ? "SI" : "UK/US", language)
                        << sheet << si << language;
        QTest::newRow("climate") << 3 << true << 2;
    }

    void pagesDrawTheSameEachTimeWithoutWarnings()
    {
        QFETCH(int, sheet);
        QFETCH(bool, siUnits);
        QFETCH(int, language);
        const SheetData data = SampleSheet(CalcInputs{}, siUnits, language);
        const std::vector<PageProcedure> pages[] = {EnergySheetPages(data), DiagramSheetPages(data),
                                                    CostSheetPages(data), {ClimateDataPage(SampleClimate())}};
        const PageProcedure& page = pages[sheet].at(0);

        // The preview and the printer get the same logical drawing.
        QCOMPARE(PictureOf(page), PictureOf(page));

        Warnings.clear();
        const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
        QImage image(1050, 1485, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter canvas(&image);
            SetPageMapping(canvas, QPoint(0, 0), FitPage(image.size()));
            page(canvas);
        }
        qInstallMessageHandler(previous);
        QVERIFY2(Warnings.isEmpty(), qPrintable(Warnings.join('\n')));
        // The logo's blue mark is on every page, in its square beside the
        // address (logical 285 … 450 × 427 … 592).
        bool blue = false;
        for (int y = 214; y < 296 && !blue; ++y)
            for (int x = 143; x < 225 && !blue; ++x)
                blue = image.pixelColor(x, y) == QColor(30, 130, 230);
        QVERIFY(blue);
    }

    void frameSetsTheLayoutWhateverWasDrawnBefore()
    {
        const auto fresh = Record([](QPainter& canvas) { DrawFrame(canvas, QStringLiteral("Title"), 2); });
        PageLayout layout;
        const auto afterPage = Record([&](QPainter& canvas) {
            DiagramSheetPages(SampleSheet(CalcInputs{})).at(0)(canvas);
            canvas.setFont(QFont(QStringLiteral("Serif"), 40, QFont::Black, true));
            canvas.setPen(QPen(Qt::red, 17, Qt::DashLine));
            canvas.setBrush(Qt::yellow);
            layout = DrawFrame(canvas, QStringLiteral("Title"), 2);
        });
        // The frame's texts come last, as drawn on an empty page.
        const std::vector<RecordedText>& all = afterPage->Texts();
        QVERIFY(all.size() > fresh->Texts().size());
        for (std::size_t i = 0, offset = all.size() - fresh->Texts().size(); i < fresh->Texts().size(); ++i) {
            const RecordedText &before = fresh->Texts()[i], &after = all[offset + i];
            QCOMPARE(after.text, before.text);
            QCOMPARE(after.baseline, before.baseline);
            QCOMPARE(after.pixelSize, before.pixelSize);
            QCOMPARE(after.bold, before.bold);
        }
        QCOMPARE(std::vector<int>({layout.X0, layout.XR, layout.Y0, layout.YB, layout.CH, layout.LH}),
                 std::vector<int>({250, 1950, 195, 2865, 35, 45}));
        QCOMPARE(layout.TextHeight(), 29);
        QCOMPARE(layout.TitleHeight(), 42);
    }

    // The thin pen's dots and dashes keep their length on the page: 0.3 mm
    // dots, 1.2 mm dashes, 0.6 mm gaps, in whole pixels of the device.
    void thinPenPatternsMeasuredOnThePage_data()
    {
        QTest::addColumn<int>("viewport");  // pixels for the page width of 2100 units
        QTest::addColumn<QList<qreal>>("dots");
        QTest::addColumn<QList<qreal>>("dashes");
        QTest::newRow("one unit a pixel") << 2100 << QList<qreal>{3, 6} << QList<qreal>{12, 6};
        QTest::newRow("printer, 600 dpi") << 4961 << QList<qreal>{7, 14} << QList<qreal>{28, 14};
        QTest::newRow("small preview") << 700 << QList<qreal>{1, 2} << QList<qreal>{4, 2};
        QTest::newRow("tiny preview, at least a pixel") << 100 << QList<qreal>{1, 1} << QList<qreal>{1, 1};
    }

    void thinPenPatternsMeasuredOnThePage()
    {
        QFETCH(int, viewport);
        QImage image(8, 8, QImage::Format_RGB32);
        QPainter canvas(&image);
        canvas.setWindow(0, 0, 2100, 2100);
        canvas.setViewport(0, 0, viewport, viewport);
        SetPagePen(canvas, 0, Qt::DotLine);
        QTEST(canvas.pen().dashPattern(), "dots");
        SetPagePen(canvas, 0, Qt::DashLine);
        QTEST(canvas.pen().dashPattern(), "dashes");
        SetPagePen(canvas, 0);
        QCOMPARE(canvas.pen().style(), Qt::SolidLine);
    }

    void deviceRows()
    {
        const auto caption = [](int code) { return QString::fromStdString(RotorItemCaption(RotorItemOfCode(code), 2)); };
        const PlateDistanceEntry spacing = PlateDistanceList(1000, NumberSeparators{})[1];
        CalcInputs crossFlow = Device(DeviceKind::CrossFlowPlate);
        crossFlow.SeriesCount = 3;
        crossFlow.PlateSpacingCode = static_cast<std::uint8_t>(spacing.index);
        struct Case {
            const char* name;
            CalcInputs inputs;
            std::array<QStringList, 4> rows;  // rows 10 … 13
        };
        const Case cases[] = {
            {"rotor C19", Device(DeviceKind::Rotary, 2),
             {{{"Quorvane - Rotary heat exchanger", caption(2)}, {"Rotor diameter", "1920", "mm"},
               {"Thickness of the foil", "0.08", "mm"}, {"Wave height", "1.90", "mm"}}}},
            {"ZEPRA rotor", Device(DeviceKind::Rotary, 10, "D19"),
             {{{"Quorvane - ZEPRA Enthalpy rotor", "Rotor diameter", "1920", "mm"}, {}, {}, {}}}},
            {"sorption rotor", Device(DeviceKind::Rotary, 6, "D17"),
             {{{"Quorvane - Rotary heat exchanger", caption(6)}, {"Rotor diameter", "1920", "mm"}, {"0.07", "mm"},
               {"1.70", "mm"}}}},
            {"cross-flow in series", crossFlow,
             {{{"Quorvane - Crossflow Plate Heat Exchanger"}, {},
               {"PWT 1000 / 1200 -  " + QString::fromStdString(spacing.text)}, {"3 units in serial arrangement"}}}},
            {"counterflow", Device(DeviceKind::CounterflowPlate),
             {{{"Quorvane - Counterflow Plate Heat Exchanger"}, {}, {"GS 30 / 300"}, {}}}},
        };
        for (const Case& c : cases) {
            const auto page = Record(CostSheetPages(SampleSheet(c.inputs)).at(0));
            for (int r = 0; r < 4; ++r)
                QVERIFY2(RowTexts(*page, 10 + r) == c.rows[static_cast<std::size_t>(r)],
                         qPrintable(QStringLiteral("%1, row %2: %3").arg(c.name).arg(10 + r)
                                        .arg(RowTexts(*page, 10 + r).join('|'))));
            const auto heading = std::find_if(page->Texts().begin(), page->Texts().end(),
                                              [](const RecordedText& t) { return t.text.startsWith("Quorvane - "); });
            QVERIFY(heading != page->Texts().end() && heading->bold);
        }
    }

    void summerColumnsBlankWithoutSummerOperation()
    {
        for (const int mode : {SummerOperation::TemperatureComparison, SummerOperation::SwitchOverTemperature,
                               SummerOperation::None}) {
            const bool summer = mode != SummerOperation::None;
            const auto page = Record(EnergySheetPages(SampleSheet(CalcInputs{.SummerMode = mode})).at(0));
            // Summer design values between the winter exhaust column (x + 800)
            // and the units (x + 1450).
            QCOMPARE(CountTexts(*page, 18, 20, 1100, 1690) > 0, summer);
            // The summer hours and the summer control of the right column.
            QCOMPARE(CountTexts(*page, 30, 31, 1250, 2100) > 0, summer);
            // Cold recovery columns and totals, right of the winter columns.
            QCOMPARE(CountTexts(*page, 38, 55, 1350, 2100) > 0, summer);
            // The winter side is always there.
            QCOMPARE(RowTexts(*page, 38, 700, 1000).size(), qsizetype(1));
        }
    }

    void moistureRowsOnlyForTheRotor()
    {
        for (const int device : {DeviceKind::Rotary, DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
            const SheetData data = SampleSheet(Device(device));
            const bool rotary = device == DeviceKind::Rotary;
            const auto energy = Record(EnergySheetPages(data).at(0));
            const auto cost = Record(CostSheetPages(data).at(0));
            // Energy page rows 54 and 55; cost page rows 19, 20, 23 and 45 (left
            // column only where the prices stand on the right).
            for (const int row : {54, 55})
                QCOMPARE(RowTexts(*energy, row).isEmpty(), !rotary);
            for (const int row : {19, 23})
                QCOMPARE(RowTexts(*cost, row, 0, 1130).isEmpty(), !rotary);
            for (const int row : {20, 45})
                QCOMPARE(RowTexts(*cost, row).isEmpty(), !rotary);
            // The latent columns of the grid (right edges XR − 750 and XR − 150).
            QCOMPARE(RowTexts(*energy, 36).size(), rotary ? 4 : 2);
        }
    }

    // Texts joined with "|"; the units and the energy view are covered by the
    // results display itself.
    void snapshotTexts()
    {
        const SheetData si = SampleSheet(CalcInputs{.HeatingMonthFrom = 0, .HeatingMonthTo = 0, .PriceWater = 1.5});
        const DesignTexts& d = si.design;
        QCOMPARE(d.supplyVolWinter + "|" + d.extractTempWinter + "|" + d.volumeUnit + "|" + d.maxSupplyTemp,
                 std::string("10000|22.0|m³/h|22.0"));
        QCOMPARE(d.operatingTime, std::string("Operating time  from 06:00 hour until 22:00 hour"));
        QCOMPARE(d.operatingDays, std::string("at 6 days per week"));
        QCOMPARE(d.season, std::string("Summer operation from January until December"));
        const EconomyInputTexts& e = si.economyInputs;
        QCOMPARE(e.priceWater + "|" + e.waterPriceUnit + "|" + e.interestRate + "|" + si.costs->AmountUnit,
                 std::string("1.50|EUR/m³|8.00|EUR/a"));

        const SheetData uk = SampleSheet(CalcInputs{}, false);
        QCOMPARE(uk.design.supplyVolWinter + "|" + uk.design.extractTempWinter + "|" + uk.design.volumeUnit,
                 std::string("5886|71.6|cfm"));
        QCOMPARE(uk.design.season, std::string("Winter operation from October until May"));
        QCOMPARE(uk.energy.EnergyUnit + "|" + uk.economyInputs.energyPriceUnit + "|" +
                     uk.economyInputs.waterPriceUnit, std::string("kBTU/a|EUR/MBTU|EUR/cu ft"));
    }
};

QTEST_MAIN(DatasheetPagesTest)
#include "DatasheetPagesTest.moc"
