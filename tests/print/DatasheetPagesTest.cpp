// The datasheet pages: the frame and its layout values, the device and
// design blocks, the energy and cost pages, the texts of the snapshot, and
// that every page draws the same way each time and without warnings.

#include <QImage>
#include <QtTest>

#include "core/forms/DevicePageRules.h"
#include "core/text/Catalogue.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "print/Datasheets.h"
#include "print/PageFrame.h"
#include "print/PrintFont.h"
#include "tests/print/SheetSamples.h"

namespace {

QStringList Warnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        Warnings << message;
}

CalcInputs Device(DeviceKind deviceType, int rotorCode = 2, const std::string& profile = "C19")
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

// Half a unit (0.05 mm) of slack for rounding.
constexpr double Slack = 0.5;

QString Described(const RecordedCell& cell)
{
    const QRectF& c = cell.cell;
    return QStringLiteral("\"%1\" in %2,%3 %4×%5").arg(cell.text).arg(c.x()).arg(c.y()).arg(c.width()).arg(c.height());
}

// Whether every text of a page lies inside its cell, measured in the font it
// was drawn with at the page's resolution, and no two cells overlap; the
// faults found, one a line.
QStringList CellFaults(PageRecorder& page)
{
    QStringList faults;
    const auto& cells = page.Cells();
    if (page.Texts().empty() || cells.empty() || cells.front().firstText != 0)
        faults << QStringLiteral("texts drawn without a cell");
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const RecordedCell& cell = cells[i];
        // The texts drawn in the cell: from its first text up to the next cell's.
        const std::size_t end = i + 1 < cells.size() ? cells[i + 1].firstText : page.Texts().size();
        const std::vector<RecordedText> texts(page.Texts().begin() + static_cast<std::ptrdiff_t>(cell.firstText),
                                              page.Texts().begin() + static_cast<std::ptrdiff_t>(end));
        QString drawn;
        for (const RecordedText& t : texts)
            drawn += t.text;
        if (drawn != cell.text || texts.empty()) {
            faults << QStringLiteral("%1 drawn as \"%2\"").arg(Described(cell), drawn);
            continue;
        }
        const QRectF& c = cell.cell;
        const double width = QFontMetricsF(texts.front().font, &page).horizontalAdvance(cell.text);
        if (width > c.width() + Slack)
            faults << QStringLiteral("%1 is %2 wide").arg(Described(cell)).arg(width);
        const QTransform toCell = cell.toPage.inverted();
        for (const RecordedText& t : texts) {
            const QPointF base = toCell.map(t.baseline);
            if (base.x() < c.left() - Slack || base.x() + t.width > c.right() + Slack ||
                base.y() - t.ascent < c.top() - Slack || base.y() + t.descent > c.bottom() + Slack)
                faults << QStringLiteral("%1 drawn from %2,%3, %4 wide, %5 high")
                              .arg(Described(cell))
                              .arg(base.x())
                              .arg(base.y())
                              .arg(t.width)
                              .arg(t.ascent + t.descent);
        }
    }
    // Neighbours: the cells of a page share no area, and stay inside the
    // margins.
    std::vector<QRectF> onPage;
    for (const RecordedCell& cell : cells)
        onPage.push_back(cell.toPage.mapRect(cell.cell));
    for (std::size_t i = 0; i < onPage.size(); ++i) {
        if (onPage[i].left() < 250 - Slack || onPage[i].right() > 1950 + Slack)
            faults << QStringLiteral("%1 beyond the margins").arg(Described(cells[i]));
        for (std::size_t j = i + 1; j < onPage.size(); ++j) {
            const QRectF common = onPage[i].intersected(onPage[j]);
            if (common.width() > Slack && common.height() > Slack)
                faults << QStringLiteral("%1 overlaps %2").arg(Described(cells[i]), Described(cells[j]));
        }
    }
    return faults;
}

// The climate data page as the climate data window fills it in a language.
ClimateSheetData ClimateOfWindow(int language)
{
    SetCurrentLanguage(language);
    ClimateFileLists lists;
    TFormKlimaDaten window(nullptr, lists);
    ClimateRecord record;
    record.Name = "Weather station at the airport, hourly 1991 to 2020";
    record.HumRatio.fill(12.5);
    record.MinTemp.fill(-17.5);
    record.MinTime.fill(4.5);
    record.MaxTemp.fill(31.5);
    record.MaxTime.fill(15.5);
    window.ShowRecord(record);
    ClimateSheetData data = window.SheetData();
    SetCurrentLanguage(2);
    return data;
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
        const std::vector<PageProcedure> pages[] = {
            EnergySheetPages(data), DiagramSheetPages(data), CostSheetPages(data), {ClimateDataPage(SampleClimate())}};
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

    // Every text of every sheet in every language stays in its cell, and the
    // cells of a page do not overlap: a long translation is drawn smaller
    // (or wrapped) rather than over its neighbour or out of its column.
    void everyTextInsideItsCell_data()
    {
        QTest::addColumn<int>("sheet");
        QTest::addColumn<int>("device");
        QTest::addColumn<bool>("siUnits");
        QTest::addColumn<int>("language");
        const char* sheets[] = {"energy", "diagram", "cost", "climate"};
        for (const int language : {1, 2, 3, 7, 8, 9}) {
            for (const int sheet : {0, 1, 2}) {
                QTest::addRow("%s rotor, language %d", sheets[sheet], language)
                    << sheet << int(DeviceKind::Rotary) << true << language;
                QTest::addRow("%s cross-flow UK/US, language %d", sheets[sheet], language)
                    << sheet << int(DeviceKind::CrossFlowPlate) << false << language;
            }
            QTest::addRow("climate, language %d", language) << 3 << 0 << true << language;
        }
    }

    void everyTextInsideItsCell()
    {
        QFETCH(int, sheet);
        QFETCH(int, device);
        QFETCH(bool, siUnits);
        QFETCH(int, language);
        // Every optional line shown, with large values.
        const CalcInputs inputs{.SupplyVolWinter = 99000,
                                .ExtractVolWinter = 99000,
                                .SupplyVolSummer = 99000,
                                .ExtractVolSummer = 99000,
                                .DeviceType = static_cast<DeviceKind>(device),
                                .SeriesCount = 3,
                                .SummerMode = SummerOperation::SwitchOverTemperature,
                                .Investment = 2500000};
        const SheetData data = SampleSheet(inputs, siUnits, language);
        const PageProcedure page = sheet == 0   ? EnergySheetPages(data).at(0)
                                   : sheet == 1 ? DiagramSheetPages(data).at(0)
                                   : sheet == 2 ? CostSheetPages(data).at(0)
                                                : ClimateDataPage(ClimateOfWindow(language));
        const auto recorded = Record(page);
        const QStringList faults = CellFaults(*recorded);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The one rule for a text and its cell: as it is when it fits, smaller on
    // the same baseline when it does not, wrapped onto free rows when it
    // would have to shrink much, and never beyond the cell.
    void textInCell()
    {
        struct Case {
            const char* name;
            double width;
            int rows;
            Qt::Alignment alignment;
            QString text;
            QStringList lines;  // as drawn, one a row
            bool smaller;       // drawn below the full size
        };
        const QString longText = QStringLiteral("Interest of savings in operating costs");
        const Case cases[] = {
            {"fits", 600, 1, Qt::AlignLeft, longText, {longText}, false},
            {"slightly too wide", 440, 1, Qt::AlignRight, longText, {longText}, true},
            {"much too wide, one row", 300, 1, Qt::AlignLeft, longText, {longText}, true},
            {"much too wide, two rows",
             300,
             2,
             Qt::AlignLeft,
             longText,
             {QStringLiteral("Interest of savings in"), QStringLiteral("operating costs")},
             false},
            {"slightly too wide, two rows", 440, 2, Qt::AlignLeft, longText, {longText}, true},
            {"too many lines for the rows", 150, 2, Qt::AlignLeft, longText, {longText}, true},
            {"one long word",
             100,
             3,
             Qt::AlignHCenter,
             QStringLiteral("Wärmerückgewinnung"),
             {QStringLiteral("Wärmerückgewinnung")},
             true},
            {"leading blanks kept",
             150,
             3,
             Qt::AlignLeft,
             QStringLiteral(" - by pressure loss"),
             {QStringLiteral(" - by"), QStringLiteral("pressure"), QStringLiteral("loss")},
             false},
            {"no room", 0, 2, Qt::AlignLeft, longText, {}, false},
        };
        for (const Case& c : cases) {
            const QRectF cell(300, 1000, c.width, 45);
            const auto page = Record([&](QPainter& canvas) {
                canvas.setFont(PrintFontFor(2));
                SetPageFont(canvas, 29);
                TextInCell(canvas, cell, c.alignment, c.text, c.rows);
            });
            QStringList lines;
            for (const RecordedText& t : page->Texts())
                lines << t.text;
            QVERIFY2(lines == c.lines, qPrintable(QStringLiteral("%1: %2").arg(c.name, lines.join('|'))));
            for (std::size_t i = 0; i < page->Texts().size(); ++i) {
                const RecordedText& t = page->Texts()[i];
                QVERIFY2((t.pixelSize < 29) == c.smaller, c.name);
                // The baseline of the full size in row i, and inside the cell.
                const double baseline = cell.top() + 45.0 * static_cast<double>(i) +
                                        QFontMetricsF(t.font, page.get()).ascent() * (29.0 / t.pixelSize);
                QVERIFY2(qAbs(t.baseline.y() - baseline) < 1, c.name);
                QVERIFY2(t.baseline.x() >= cell.left() - Slack && t.baseline.x() + t.width <= cell.right() + Slack,
                         c.name);
                if (c.alignment == Qt::AlignRight)
                    QVERIFY2(qAbs(t.baseline.x() + t.width - cell.right()) < 1, c.name);
            }
            QCOMPARE(page->Cells().size(), page->Texts().size());
        }
    }

    // A long label leaves its value in the value's column and is drawn
    // smaller, one blank clear of the value.
    void labelledValueKeepsItsColumn()
    {
        const auto page = Record([](QPainter& canvas) {
            canvas.setFont(PrintFontFor(9));
            SetPageFont(canvas, 29, true);
            LabelledValue(canvas, QRectF(250, 1000, 870, 45), 950,
                          QString::fromUtf8("Годовая экономия эксплуатационных затрат"), QStringLiteral("  6,192"),
                          QStringLiteral("EUR/a"));
        });
        QCOMPARE(page->Texts().size(), std::size_t(3));
        const RecordedText &label = page->Texts()[0], &value = page->Texts()[1], &unit = page->Texts()[2];
        QVERIFY(label.bold && label.pixelSize < 29);
        QCOMPARE(value.text, QStringLiteral("6,192"));
        QVERIFY(!value.bold && value.pixelSize == 29);
        QVERIFY(qAbs(value.baseline.x() + value.width - 950) < 1);
        QVERIFY(label.baseline.x() + label.width < value.baseline.x());
        QCOMPARE(unit.text, QStringLiteral(" EUR/a"));
        QVERIFY(qAbs(unit.baseline.x() - 950) < 1);
        QCOMPARE(label.baseline.y(), value.baseline.y());
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
        const auto caption = [](int code) {
            return QString::fromStdString(RotorItemCaption(RotorItemOfCode(code), 2));
        };
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
            {"rotor C19",
             Device(DeviceKind::Rotary, 2),
             {{{"Quorvane - Rotary heat exchanger", caption(2)},
               {"Rotor diameter", "1920", "mm"},
               {"Thickness of the foil", "0.08", "mm"},
               {"Wave height", "1.90", "mm"}}}},
            {"ZEPRA rotor",
             Device(DeviceKind::Rotary, 10, "D19"),
             {{{"Quorvane - ZEPRA Enthalpy rotor", "Rotor diameter", "1920", "mm"}, {}, {}, {}}}},
            {"sorption rotor",
             Device(DeviceKind::Rotary, 6, "D17"),
             {{{"Quorvane - Rotary heat exchanger", caption(6)},
               {"Rotor diameter", "1920", "mm"},
               {"0.07", "mm"},
               {"1.70", "mm"}}}},
            {"cross-flow in series",
             crossFlow,
             {{{"Quorvane - Crossflow Plate Heat Exchanger"},
               {},
               {"PWT 1000 / 1200 -  " + QString::fromStdString(spacing.text)},
               {"3 units in serial arrangement"}}}},
            {"counterflow",
             Device(DeviceKind::CounterflowPlate),
             {{{"Quorvane - Counterflow Plate Heat Exchanger"}, {}, {"GS 30 / 300"}, {}}}},
        };
        for (const Case& c : cases) {
            const auto page = Record(CostSheetPages(SampleSheet(c.inputs)).at(0));
            for (int r = 0; r < 4; ++r)
                QVERIFY2(RowTexts(*page, 10 + r) == c.rows[static_cast<std::size_t>(r)],
                         qPrintable(QStringLiteral("%1, row %2: %3")
                                        .arg(c.name)
                                        .arg(10 + r)
                                        .arg(RowTexts(*page, 10 + r).join('|'))));
            const auto heading = std::find_if(page->Texts().begin(), page->Texts().end(),
                                              [](const RecordedText& t) { return t.text.startsWith("Quorvane - "); });
            QVERIFY(heading != page->Texts().end() && heading->bold);
        }
    }

    void summerColumnsBlankWithoutSummerOperation()
    {
        for (const SummerOperation mode :
             {SummerOperation::TemperatureComparison, SummerOperation::SwitchOverTemperature, SummerOperation::None}) {
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
        for (const DeviceKind device : {DeviceKind::Rotary, DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate}) {
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
        QCOMPARE(uk.energy.EnergyUnit + "|" + uk.economyInputs.energyPriceUnit + "|" + uk.economyInputs.waterPriceUnit,
                 std::string("kBTU/a|EUR/MBTU|EUR/cu ft"));
    }
};

QTEST_MAIN(DatasheetPagesTest)
#include "DatasheetPagesTest.moc"
