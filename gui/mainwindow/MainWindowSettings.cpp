// The main window: the settings kept between runs, loaded at start and
// written back when the window closes.

#include "core/forms/InputChecks.h"
#include "core/settings/RecentProjects.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/controls/MessageBox.h"
#include "gui/mainwindow/MainWindow.h"

void TFormWRG::LoadSettingsIntoWindow(TIniDatei& file)
{
    SetSettingsFile(&file);
    const SystemDefaults system = CurrentSystemDefaults();
    // The core puts unusable values back (a zone beyond the offered ones to
    // zone 1, a rotor code without an entry to the code of the second entry).
    const ProgramSettings settings = LoadSettings(file, system);

    // The currency and the separators before the controls, so that every
    // edit shows its value in the stored format from the start. A pair the
    // formatting refuses leaves the system's pair, or failing that the
    // program's own, in force.
    currency = QString::fromStdString(settings.Currency);
    SetProgramCurrency(settings.Currency);
    if (!SetProgramSeparators({settings.DecimalSeparator, settings.ThousandSeparator}))
        SetProgramSeparators({system.DecimalSeparator, system.ThousandSeparator});

    // The climate files first: SetInputs selects the zone among their items.
    climateFiles_ = settings.ClimateFiles;
    SetInputs(settings.Inputs);

    // The stored unit system: the values just shown are converted into it.
    SetUnitSystem(settings.SIUnits);
    // Also without a switch: the labels carry the currency just read.
    SetUnitLabels();

    // The device page rules of the stored device and the plate distances of
    // the stored edge, as at creation; the result pages start empty.
    Combo_KantenmassChange(this);
    // The last inputs are an untitled design, unchanged so far.
    recentProjects_ = ReadRecentProjects(file);
    FillRecentMenu();
    MarkProjectSaved(QString());
}

bool TFormWRG::SaveSettingsOfWindow()
{
    if (!settingsFile_)
        return true;
    ProgramSettings settings;
    settings.Inputs = inputs_;
    // The settings file cannot hold a project's own climate: the next run
    // starts in the zone of a first start instead.
    if (ProjectClimateSelected(inputs_))
        settings.Inputs.ClimateZone = CalcInputs{}.ClimateZone;
    settings.Currency = currency.toStdString();
    settings.SIUnits = siUnits;
    settings.DecimalSeparator = ProgramSeparators().decimal;
    settings.ThousandSeparator = ProgramSeparators().thousands;
    settings.Language = CurrentLanguage();
    settings.ClimateFiles = climateFiles_;
    if (const std::optional<CoreMessage> failed = SaveSettings(*settingsFile_, settings)) {
        ShowError(windowTitle(), QString::fromStdString(ShownText(*failed)));
        return false;
    }
    return true;
}
