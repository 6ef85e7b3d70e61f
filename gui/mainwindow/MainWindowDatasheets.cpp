// The datasheet commands and the climate data command of the main window:
// the page preview and the climate data window, each created on first use,
// shown modally over the main window. The main window stays visible, so the
// program never lacks a window of its own while one of them is open.

#include <QComboBox>

#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/preview/PreviewWindow.h"
#include "print/Datasheets.h"

std::optional<SheetData> TFormWRG::CurrentSheetData() const
{
    if (!lastResults_)
        return std::nullopt;
    SheetContext context;
    context.siUnits = siUnits;
    context.currency = currency.toStdString();
    context.separators = ProgramSeparators();
    context.language = CurrentLanguage();
    // The zone of the calculation as the selector names it.
    const auto* zone = findChild<QComboBox*>(QStringLiteral("Combo_Klimazone"));
    const int item = inputs_.ClimateZone - 1;
    if (zone && item >= 0 && item < zone->count())
        context.climateZoneText = zone->itemText(item).toStdString();
    return MakeSheetData(inputs_, *lastResults_, lastEconomy_, context);
}

void TFormWRG::ShowDatasheet(std::vector<PageProcedure> (*pagesOf)(const SheetData&))
{
    if (calculating_)
        return;
    const std::optional<SheetData> data = CurrentSheetData();
    if (!data)
        return;
    TFormSeite* preview = SharedPreview();
    preview->ApplyTexts();
    preview->DruckVorschau(this, pagesOf(*data));
}

void TFormWRG::Button2Click()
{
    ShowDatasheet(&EnergySheetPages);
}

void TFormWRG::Button4Click()
{
    if (lastEconomy_)
        ShowDatasheet(&CostSheetPages);
}

void TFormWRG::Button5Click()
{
    ShowDatasheet(&DiagramSheetPages);
}

TFormKlimaDaten* TFormWRG::ClimateEditor()
{
    auto* editor = findChild<TFormKlimaDaten*>(QStringLiteral("FormKlimaDaten"), Qt::FindDirectChildrenOnly);
    if (!editor) {
        // Kept for the life of the window; it works on the window's file lists.
        editor = new TFormKlimaDaten(this, climateFiles_);
        editor->setObjectName(QStringLiteral("FormKlimaDaten"));
        connect(editor, &TFormKlimaDaten::ClimateDataChanged, this, &TFormWRG::ClimateDataChanged);
    }
    editor->ApplyTexts();
    return editor;
}

void TFormWRG::Button_DefineClick()
{
    if (!calculating_)
        ClimateEditor()->Open(siUnits);
}

void TFormWRG::OpenClimateFile(const QString& path)
{
    if (calculating_)
        return;
    TFormKlimaDaten* editor = ClimateEditor();
    // The units first, so that the file's values are shown in them directly.
    editor->SetUnitSystem(siUnits);
    if (editor->LoadFile(path))
        editor->Open(siUnits);
}

void TFormWRG::ClimateDataChanged()
{
    // A saved file is offered in the zone selector; the selected position
    // stays, and so does the project's own climate, which follows the files.
    auto* zone = findChild<QComboBox*>(QStringLiteral("Combo_Klimazone"));
    int selected = zone ? zone->currentIndex() : -1;
    const bool ownClimate = projectClimate_ && selected == ProjectClimateZone() - 1;
    FillZoneSelector();
    if (ownClimate)
        selected = ProjectClimateZone() - 1;
    if (zone && selected >= 0 && selected < zone->count()) {
        const bool wasApplying = applying_;
        applying_ = true;
        zone->setCurrentIndex(selected);
        applying_ = wasApplying;
    }
    AenderungAuslegung(this);
}
