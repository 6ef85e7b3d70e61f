// Drawing the datasheets of a first-start calculation: one page onto an
// image the size of the preview at 100 %, and the three sheets into a PDF
// file. The preview redraws its page on every paint, so a page must draw in
// well under a frame.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <variant>

#include "core/climate/AnnualSimulation.h"
#include "core/economy/Economy.h"
#include "print/Datasheets.h"
#include "print/PdfExport.h"

namespace {

SheetData FirstStartSheet()
{
    const CalcInputs inputs;
    const ClimateFileLists noFiles;
    const AnnualResults annual = std::get<AnnualResults>(RunAnnualSimulation(inputs, noFiles, {}));
    const EconomyResults economy = CalculateEconomy(inputs, annual, true).value();
    SheetContext context;
    context.climateZoneText = "Zone 2";
    return MakeSheetData(inputs, annual, economy, context);
}

std::vector<PageProcedure> AllPages(const SheetData& data)
{
    std::vector<PageProcedure> pages;
    for (auto pagesOf : {&EnergySheetPages, &DiagramSheetPages, &CostSheetPages})
        for (PageProcedure& page : pagesOf(data))
            pages.push_back(std::move(page));
    return pages;
}

// The page at the preview's usual size (A4 at about 96 dpi).
void DrawPage(benchmark::State& state)
{
    const SheetData data = FirstStartSheet();
    const PageProcedure page = AllPages(data)[static_cast<std::size_t>(state.range(0))];
    QImage image(794, 1123, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter canvas(&image);
        SetPageMapping(canvas, {0, 0}, FitPage(image.size()));
        page(canvas);
    }
}
BENCHMARK(DrawPage)->Arg(0)->Arg(1)->Arg(2)->ArgName("sheet")->Unit(benchmark::kMillisecond);

void WriteThreeSheetPdf(benchmark::State& state)
{
    const std::vector<PageProcedure> pages = AllPages(FirstStartSheet());
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("sheets.pdf"));
    for (auto _ : state) {
        if (WritePdf(path, pages, QStringLiteral("benchmark")))
            state.SkipWithError("the PDF could not be written");
    }
}
BENCHMARK(WriteThreeSheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
