#pragma once
// The main window of the program: six pages with the device, the design air
// data, the control, the economic data and the two result pages, the menu,
// the status strip and the calculate and datasheet commands.
//
// TFormWRG derives from the program's base window TVxForm (a QDialog) and
// carries its menu bar through the layout (QLayout::setMenuBar), so the
// window keeps the base window's font handling and still has a menu. It is
// shown as an ordinary top-level window, not as a modal dialog.
//
// Every control has the object name under which the rest of the program
// (input checks, device page rules, result display, settings) looks it up
// with findChild; the captions come from the text catalogue through
// ApplyLanguage().

#include <QPointer>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/climate/AnnualResults.h"
#include "core/climate/AnnualSimulation.h"
#include "core/climate/CalcInputs.h"
#include "core/climate/ClimateFileLists.h"
#include "core/economy/Economy.h"
#include "core/project/Project.h"
#include "gui/controls/FormBase.h"
#include "print/PageProcedure.h"
#include "print/SheetData.h"

class QAction;
class QCloseEvent;
class QComboBox;
class QFrame;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTextEdit;
class QWidget;
class TAlignComboBox;
class TFormKlimaDaten;
class TIniDatei;
class TIntEdit;
class TNumEdit;
class TVxCheckBox;
class TVxMainMenu;
class TVxPageControl;
class TVxRadioButton;

class TFormWRG : public TVxForm {
    Q_OBJECT
public:
    explicit TFormWRG(QWidget* parent = nullptr);
    ~TFormWRG() override;

    // ---- Inputs -----------------------------------------------------------

    // Puts the record into the controls (volume flows and temperatures in the
    // units of siUnits) and keeps it as
    // the base of ReadInputs: fields that no control carries (AirPressure)
    // and groups without a checked radio button keep the record's value.
    // Runs no change handler; results and buttons are left as they are.
    void SetInputs(const CalcInputs& inputs);
    // The controls read back into a record, volume flows in m³/h and
    // temperatures in °C whatever siUnits shows. Throws EConvertError when a
    // numeric edit holds a text that is no number.
    CalcInputs ReadInputs() const;
    // The record last handed to SetInputs, or the inputs last captured by a
    // calculate command since (also by one that was refused or cancelled).
    const CalcInputs& StoredInputs() const { return inputs_; }

    // The remembered user climate files the zone selector offers.
    void SetClimateFiles(const ClimateFileLists& lists);
    const ClimateFileLists& ClimateFiles() const { return climateFiles_; }
    // Refills Combo_Klimazone in the current language and selects the zone
    // of the stored inputs (item ClimateZone − 1; the first item when that
    // zone is not offered).
    void FillZoneSelector();

    // The settings file the language menu writes the chosen language to; not
    // owned. Without one the choice is not stored (tests).
    void SetSettingsFile(TIniDatei* file) { settingsFile_ = file; }

    // ---- Settings kept between runs (MainWindowSettings.cpp) --------------------

    // Reads the settings from `file` into the window: the remembered climate
    // files and the zone selector, the inputs into the controls, the currency
    // and the number separators of the whole program. The file becomes the
    // window's settings file (SetSettingsFile); it is not owned and must
    // outlive the window. Called once at start, before the window is shown.
    void LoadSettingsIntoWindow(TIniDatei& file);
    // Writes the inputs last captured (StoredInputs), the options,
    // the language and the climate files to the settings file and saves it.
    // Without a settings file nothing happens. A failure is shown in an error
    // box and gives false. Runs when the window is closed.
    bool SaveSettingsOfWindow();

    // ---- Project files (MainWindowProject.cpp) ------------------------------

    // Opens the project file at `path` as File > Open does: unsaved changes
    // are asked for first (Save, Don't save, Cancel); a file the reader
    // refuses shows its message and leaves the window as it was; warnings
    // (missing fields, a later version) show after the project is on
    // screen. True when the project is shown.
    bool OpenProject(const QString& path);
    // The file of the design on screen; empty for a design not yet saved.
    const QString& ProjectPath() const { return projectPath_; }
    // The title and the note of the design on screen.
    const std::string& ProjectTitle() const { return title_; }
    const std::string& ProjectNote() const { return note_; }
    // Whether the design on screen (inputs, unit system, climate, title,
    // note) differs from the one last opened, saved or started with. An
    // input edit whose text is no number counts as a change.
    bool ProjectModified() const;
    // The project files of the File menu, most recent first.
    const std::vector<std::string>& RecentProjects() const { return recentProjects_; }
    // Closes the window without any question about unsaved changes, also
    // when one is on screen already (its answer then counts as Cancel): for
    // an end the user is not there to answer (termination signals).
    void CloseWithoutQuestions();

    // What a file dialog of the File menu asks for.
    enum class TProjectFileChoice { Open, Save };
    // Replaces the file dialogs of the File menu (for tests): called with
    // what is asked for and the folder the dialog would start in; returns
    // the chosen path, or an empty text for cancel. An empty function
    // restores the dialogs.
    using TProjectDialogHook = std::function<QString(TProjectFileChoice choice, const QString& startFolder)>;
    static void SetProjectDialogHook(TProjectDialogHook hook);

    // ---- Texts --------------------------------------------------------------

    // Puts every caption, list entry and unit label of the current language
    // on the window; can run any number of times. The rebuilt lists keep
    // the entries shown (the stored inputs fill a list still empty).
    void ApplyLanguage();
    // The unit labels for siUnits and the currency.
    void SetUnitLabels();
    // The help document of the language last applied (German or English).
    const QString& HelpFile() const { return helpFile_; }

    // The unit switch: when `si` differs from siUnits, the volume flow and
    // temperature edits are converted from the old display units into the new
    // ones (m³/h ↔ cfm, °C ↔ °F; a text that is no number stays), siUnits
    // takes the new value, the unit labels follow and the results are emptied
    // as by a design change. Switching to the active system changes nothing.
    void SetUnitSystem(bool si);
    // True while quantities are shown in SI units (changed only by the unit
    // switch).
    bool siUnits = true;
    // The currency text in front of every money unit.
    QString currency = QStringLiteral("EUR");

    // ---- Workflow flags ---------------------------------------------------

    // Set by every change of a design input, cleared when a full calculation
    // completed.
    bool EnergyDirty() const { return energyDirty_; }
    void SetEnergyDirty(bool dirty) { energyDirty_ = dirty; }
    // Set by Escape (Abbrechen1), cleared by the annual simulation when it
    // starts and polled by it after every operating point.
    bool CancelRequested() const { return cancelRequested_; }
    void SetCancelRequested(bool requested) { cancelRequested_ = requested; }
    // The flag's address for a simulation that polls it.
    const bool* CancelFlag() const { return &cancelRequested_; }

    // The state after a completed calculation: Button1 and Button3 off, the
    // datasheet buttons on, EnergyDirty cleared, Panel2 emptied.
    void CalculationCompleted();

    // ---- Calculation ------------------------------------------------------

    // Fills StringGrid1 and the winter and summer labels of the energy page
    // with the results of a run with `inputs`.
    void ShowEnergyResults(const AnnualResults& annual, const CalcInputs& inputs);
    // True while the annual simulation runs (the window then ignores every
    // command but Escape).
    bool Calculating() const { return calculating_; }
    // The results of the last completed simulation; empty before the first
    // one and after a run that did not complete.
    const std::optional<AnnualResults>& LastResults() const { return lastResults_; }
    // The economy of the last completed cost calculation; empty before one
    // and after a run whose economy failed.
    const std::optional<EconomyResults>& LastEconomy() const { return lastEconomy_; }
    // The snapshot the datasheets are drawn from: the inputs and results of
    // the last calculation with the window's units, currency, separators and
    // language; empty before a calculation completed.
    std::optional<SheetData> CurrentSheetData() const;
    // The number of annual simulations the window has started.
    int SimulationRuns() const { return simulationRuns_; }

    // ---- Controls others reach directly ---------------------------------

    TVxPageControl* PageControl1 = nullptr;
    TVxMainMenu* MainMenu1 = nullptr;
    QAction* Abbrechen1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QLabel* Label118 = nullptr;
    QFrame* Panel10 = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;

public slots:
    // File menu: New (the inputs of a first start in the current unit
    // system, no title, note or file), Open…, Save (Save as… for a design
    // without a file), Save as…, and the recent project at `position`. New
    // and the open commands ask about unsaved changes first; a save that
    // fails keeps the old file and says why.
    void Neu1Click();
    void Oeffnen1Click();
    void Speichern1Click();
    void SpeichernUnter1Click();
    void RecentProjectClick(int position);
    // File > Title and note: the project data window, modal.
    void Projektdaten1Click();
    // A design input changed: empties the energy and cost results, enables
    // the calculate buttons, disables the datasheet buttons, couples the two
    // heating months, applies the device page rules and sets EnergyDirty.
    // `sender` is the control that changed, or the window itself.
    void AenderungAuslegung(QObject* sender);
    // An economy input changed: empties the cost results, enables Button3,
    // disables Button4 and Button5.
    void AenderungKosten();
    // The check of a numeric entry when its field is left (hook for the
    // input checks; accepts everything for now).
    void EingabePruefen(QObject* sender);
    // The edge dimension changed: design change, then the plate distance
    // list of the new edge.
    void Combo_KantenmassChange(QObject* sender);
    void Button_Help_RotorprofilClick();

    // Calculate (full run / cost page). Hooks for the calculate workflow.
    void Button1Click();
    void Button3Click();
    // Datasheets: energy, cost, diagram, shown in the page preview, modal
    // over the main window.
    void Button2Click();
    void Button4Click();
    void Button5Click();
    // Climate data (also Klimadaten1): the climate data window, modal over
    // the main window.
    void Button_DefineClick();
    // The climate data window with the climate file at `path` loaded (a file
    // named on the command line). A file that cannot be read is reported,
    // and the climate data window stays closed.
    void OpenClimateFile(const QString& path);
    // The climate data window loaded or saved a file or was closed: the zone
    // selector is refilled and the results are emptied.
    void ClimateDataChanged();
    // Opens the options window with the current values; on OK takes over the
    // air pressure, the unit system, the currency and the separators.
    void Einstellungen1Click();
    // The six language items: `language` is the language number.
    void LanguageClick(int language);
    void Inhalt1Click();
    void Info1Click();
    void Beenden1Click();
    void Abbrechen1Click();
    void QuorvaneHomepage1Click();
    void Quorvaneemail1Click();

protected:
    // While a calculation runs, closing the window only cancels it.
    void closeEvent(QCloseEvent* event) override;
    // Escape cancels a running calculation and does nothing else: the
    // window is not a dialog that Escape would dismiss.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Building the window (MainWindowLayout.cpp, MainWindowMenu.cpp).
    void BuildMenu();
    void BuildStatusStrip(QWidget* strip);
    QWidget* BuildDevicePage();
    QWidget* BuildDataPage();
    QWidget* BuildControlPage();
    QWidget* BuildEconomyPage();
    QWidget* BuildEnergyPage();
    QWidget* BuildCostPage();
    void ConnectChanges();
    // Connects a control of an input field to the change handler of its kind:
    // an economy input invalidates the costs only, any other the results.
    void ConnectChange(QWidget* control, bool costsOnly);
    // The climate data window, created at its first use, with the texts of
    // the current language.
    TFormKlimaDaten* ClimateEditor();

    // A catalogue caption: applied by ApplyLanguage through `set`.
    void Caption(std::function<void(const QString&)> set, TextId text, const QString& prefix = {},
                 const QString& suffix = {});
    void Caption(QWidget* widget, TextId text, const QString& prefix = {}, const QString& suffix = {});

    // Project files (MainWindowProject.cpp).
    // The design as the window shows it, for comparing: a zone of a user
    // climate file stays its zone number, the project's own climate is
    // embedded.
    Project ShownProject() const;
    // The project to write: every field checked (AllFieldsValid), a user
    // climate file's data embedded, the unknown keys of the file opened
    // kept. Nothing after a message.
    std::optional<Project> ProjectToSave();
    bool MayReplaceProject();
    bool SaveProject();
    bool SaveProjectAs();
    bool WriteProject(const QString& path);
    bool LoadProject(const QString& path);
    void ShowProject(const Project& project);
    // The design on screen becomes the unchanged state of `path` (empty: an
    // untitled design).
    void MarkProjectSaved(const QString& path);
    void RememberProject(const QString& path);
    void SetRecentProjects(std::vector<std::string> recent);
    void FillRecentMenu();
    QString AskProjectFile(TProjectFileChoice choice);
    // The caption: the project's title or file name, "*" while modified.
    void UpdateCaption();
    // The zone number of the project's own climate (the entry after the
    // zones of the climate file lists); 0 when there is none.
    int ProjectClimateZone() const;
    bool ProjectClimateSelected(const CalcInputs& inputs) const;

    // The texts of the info, options, climate data and preview windows when
    // they exist.
    void ApplyLanguageToOtherWindows();

    // Lists whose entries follow the language (MainWindowWorkflow.cpp).
    void FillRotorTypes();
    // With `fromInputs` the stored spacing code is selected, otherwise the
    // previous position is kept where the new list has it.
    void FillPlateDistances(bool fromInputs);
    void FillSeriesList();
    void FillMonthLists();
    void FillGridRowNames();
    void UpdateProfileList(bool rebuild);
    void ApplyDevicePage(QObject* sender);

    // The calculation (MainWindowCalculate.cpp).
    // The check of every numeric field before a calculation, with the limits
    // of the check on leaving a field: for the first field (in page order)
    // whose text is no number or whose value is outside its limits, the
    // message is shown, its page selected, the focus put into it, and false
    // returned.
    bool AllFieldsValid();
    // The inputs of a calculation: every field checked (AllFieldsValid),
    // the inputs read and kept as the ones the settings store, also when the
    // run is then refused or cancelled. Nothing after a message.
    std::optional<CalcInputs> CaptureInputs();
    // Selects the page of `field` and puts the focus into it.
    void ReturnToField(QWidget* field);
    // The full command of Button1.
    void Calculate();
    // The year of the zone selected: a built-in zone, a listed climate
    // file or the project's own climate.
    SimulationOutcome SimulateShownClimate(const CalcInputs& inputs, const SimulationHooks& hooks) const;
    // The economy of `inputs` on `annual` and the cost page; false (with the
    // message shown and the cost page left empty) when it fails.
    bool ShowEconomy(const CalcInputs& inputs, const AnnualResults& annual);
    // The button states after a run whose economy failed: energy complete,
    // cost page still to calculate.
    void EnergyOnlyCompleted();
    // The preview of a datasheet of the last calculation (MainWindowDatasheets.cpp).
    void ShowDatasheet(std::vector<PageProcedure> (*pagesOf)(const SheetData&));

    struct CaptionEntry {
        std::function<void(const QString&)> set;
        TextId text;
        QString prefix;
        QString suffix;
    };
    std::vector<CaptionEntry> captions_;

    CalcInputs inputs_;
    ClimateFileLists climateFiles_;
    TIniDatei* settingsFile_ = nullptr;
    QString helpFile_;
    bool energyDirty_ = false;
    bool cancelRequested_ = false;
    bool applying_ = false;  // SetInputs/ApplyLanguage fill controls: no change handling
    bool calculating_ = false;
    bool checkingField_ = false;  // EingabePruefen shows its message
    std::optional<AnnualResults> lastResults_;
    std::optional<EconomyResults> lastEconomy_;
    int simulationRuns_ = 0;

    std::vector<QAction*> languageItems_;  // Deutsch1 … Chinese1

    QString projectPath_;
    Project savedProject_;  // ShownProject() when last opened, saved or started
    ProjectUnknownKeys unknownKeys_;
    // The embedded climate of the project opened when it matches no listed
    // climate file: offered as a zone of its own after the listed ones.
    std::optional<ClimateRecord> projectClimate_;
    std::vector<std::string> recentProjects_;
    std::vector<QAction*> recentItems_;  // Projekt1 … Projekt6
    QAction* recentSeparator_ = nullptr;
    std::string title_;  // of the project, edited in the project data window
    std::string note_;
    bool withoutQuestions_ = false;
    bool askingToClose_ = false;  // closeEvent waits for the answer to its question
};
