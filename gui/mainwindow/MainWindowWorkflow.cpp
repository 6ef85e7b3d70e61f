// The main window's inputs and workflow: controls to and from CalcInputs, the
// lists that follow the language and the device, the change handlers that
// keep results and inputs consistent, and the command hooks.

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <algorithm>
#include <cmath>

#include "core/climate/ClimateZones.h"
#include "core/forms/DevicePageRules.h"
#include "core/settings/SettingsFile.h"
#include "core/settings/UnitConversion.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/WindowText.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/options/OptionsWindow.h"

using ui::Text;

namespace {

template <class T>
T* Get(const QObject* owner, const char* name)
{
    return owner->findChild<T*>(QLatin1String(name));
}

// The counterflow sizes of ComboBox11 in list order.
constexpr int GSSizes[] = {18, 25, 30, 35, 45, 62, 80, 95, 110};

// The edits and lists of the first three pages (design inputs) and of the
// economy page, by name.
const char* const DesignEdits[] = {
    "Edit_Rad",     "Edit_Antrieb",  "Edit_PWTBreite", "Edit_GSBreite",  "Edit_VolZuWi",   "Edit_VolAbWi",
    "Edit_TempWi",  "Edit_FeuchteWi", "Edit_VolZuSo",  "Edit_VolAbSo",   "Edit_TempSo",    "Edit_FeuchteSo",
    "Edit_TageWoche", "Edit_MaxZuTemp", "Edit_SommerPunkt",
};
const char* const DesignLists[] = {
    "Combo_Rotortyp", "Combo_Speichermasse", "Combo_Plattenabstand", "ComboBox_AnzahlReihe",
    "ComboBox11",     "Combo_Klimazone",     "ComboBox_Betriebzeit_von", "ComboBox_Betriebzeit_bis",
    "ComboBox_Monat_von", "ComboBox_Monat_bis",
};
const char* const DesignButtons[] = {
    "RadioButton_RWT", "RadioButton_PWT", "RadioButton_GS", "RadioButton3",
    "RadioButton4",    "RadioButton5",    "RadioButton6",   "CheckBox1",
};
const char* const EconomyEdits[] = {
    "Edit_Invest", "Edit_Nutzung", "Edit_Zins",      "Edit_Elektro", "Edit_Waerme",
    "Edit_Kaelte", "Edit_Wasser",  "Edit_Unterhalt", "Edit_Wartung",
};

// The edits the unit switch converts: volume flows and temperatures.
const char* const FlowEdits[] = {"Edit_VolZuWi", "Edit_VolZuSo", "Edit_VolAbWi", "Edit_VolAbSo"};
const char* const TemperatureEdits[] = {"Edit_TempWi", "Edit_TempSo", "Edit_MaxZuTemp", "Edit_minFortlufttemp",
                                        "Edit_SommerPunkt"};

// The display unit codes of a unit system.
int FlowCode(bool si)
{
    return si ? UnitCode::CubicMetresPerHour : UnitCode::Cfm;
}
int TemperatureCode(bool si)
{
    return si ? UnitCode::Celsius : UnitCode::Fahrenheit;
}

// A value converted into calculation units without the last-digit error of
// the conversion (71.6 °F gives 22 °C, not 21.999999999999996), so that the
// simulation's comparisons see the same value as when it is typed in SI.
double WithoutConversionError(double value)
{
    return std::round(value * 1e6) / 1e6;
}

// Selects `index` if the list has it.
void Select(QComboBox* list, int index)
{
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

}  // namespace

// ---- Inputs -----------------------------------------------------------------

void TFormWRG::SetInputs(const CalcInputs& inputs)
{
    inputs_ = inputs;
    const bool wasApplying = applying_;
    applying_ = true;

    auto num = [this](const char* name, double value) { Get<TNumEdit>(this, name)->SetValue(value); };
    auto whole = [this](const char* name, int value) { Get<TIntEdit>(this, name)->SetValue(value); };
    auto check = [this](const char* name, bool on) { Get<QAbstractButton>(this, name)->setChecked(on); };
    // Volume flows and temperatures in the display units of siUnits.
    auto flow = [&](const char* name, double value) {
        num(name, siUnits ? value
                          : ConvertUnit(UnitKind::AirVolumeFlow, UnitCode::CubicMetresPerHour, FlowCode(false), value));
    };
    auto temperature = [&](const char* name, double value) {
        num(name, siUnits ? value
                          : ConvertUnit(UnitKind::Temperature, UnitCode::Celsius, TemperatureCode(false), value));
    };

    flow("Edit_VolZuWi", inputs.SupplyVolWinter);
    flow("Edit_VolAbWi", inputs.ExtractVolWinter);
    temperature("Edit_TempWi", inputs.ExtractTempWinter);
    num("Edit_FeuchteWi", inputs.ExtractHumWinter);
    flow("Edit_VolZuSo", inputs.SupplyVolSummer);
    flow("Edit_VolAbSo", inputs.ExtractVolSummer);
    temperature("Edit_TempSo", inputs.ExtractTempSummer);
    num("Edit_FeuchteSo", inputs.ExtractHumSummer);
    FillZoneSelector();

    check("RadioButton_RWT", inputs.DeviceType == DeviceKind::Rotary);
    check("RadioButton_PWT", inputs.DeviceType == DeviceKind::CrossFlowPlate);
    check("RadioButton_GS", inputs.DeviceType == DeviceKind::CounterflowPlate);
    FillRotorTypes();
    UpdateProfileList(true);
    whole("Edit_Rad", inputs.WheelDiameter);
    whole("Edit_Antrieb", inputs.DrivePower);
    Select(Get<QComboBox>(this, "Combo_Kantenmass"), inputs.PlateEdgeItem - 1);
    FillPlateDistances(true);
    whole("Edit_PWTBreite", inputs.PlateWidth);
    FillSeriesList();
    const auto* size = std::find(std::begin(GSSizes), std::end(GSSizes), inputs.GSSize);
    if (size != std::end(GSSizes))
        Select(Get<QComboBox>(this, "ComboBox11"), static_cast<int>(size - std::begin(GSSizes)));
    whole("Edit_GSBreite", inputs.GSWidth);

    Select(Get<QComboBox>(this, "ComboBox_Betriebzeit_von"), inputs.OperatingFrom);
    Select(Get<QComboBox>(this, "ComboBox_Betriebzeit_bis"), inputs.OperatingTo);
    num("Edit_TageWoche", inputs.DaysPerWeek);
    FillMonthLists();
    check("CheckBox1", inputs.SupplyTempControl);
    temperature("Edit_MaxZuTemp", inputs.MaxSupplyTemp);
    const char* modes[] = {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6"};
    if (inputs.SummerMode >= 1 && inputs.SummerMode <= 4)
        check(modes[inputs.SummerMode - 1], true);
    temperature("Edit_SommerPunkt", inputs.SummerSwitchTemp);
    // The minimum exhaust temperature control is always off.
    check("CheckBox_FortluftReg", false);

    num("Edit_Invest", inputs.Investment);
    num("Edit_Nutzung", inputs.Lifetime);
    num("Edit_Zins", inputs.InterestRate);
    num("Edit_Elektro", inputs.PriceElectric);
    num("Edit_Waerme", inputs.PriceHeat);
    num("Edit_Kaelte", inputs.PriceCold);
    num("Edit_Wasser", inputs.PriceWater);
    num("Edit_Unterhalt", inputs.Maintenance);
    check(inputs.MaintenanceMode == CostMode::PercentOfInvestment ? "RadioButton7" : "RadioButton8", true);
    num("Edit_Wartung", inputs.Service);
    check(inputs.ServiceMode == CostMode::PercentOfInvestment ? "RadioButton9" : "RadioButton10", true);

    applying_ = wasApplying;
}

CalcInputs TFormWRG::ReadInputs() const
{
    CalcInputs in = inputs_;
    auto num = [this](const char* name) { return Get<TNumEdit>(this, name)->Value(); };
    auto whole = [this](const char* name) { return static_cast<int>(Get<TIntEdit>(this, name)->Value()); };
    auto checked = [this](const char* name) { return Get<QAbstractButton>(this, name)->isChecked(); };
    auto item = [this](const char* name) { return Get<QComboBox>(this, name)->currentIndex(); };
    // Volume flows and temperatures from the display units into m³/h and °C.
    auto flow = [&](const char* name) {
        const double shown = num(name);
        return siUnits ? shown
                       : WithoutConversionError(ConvertUnit(UnitKind::AirVolumeFlow, FlowCode(false),
                                                            UnitCode::CubicMetresPerHour, shown));
    };
    auto temperature = [&](const char* name) {
        const double shown = num(name);
        return siUnits ? shown
                       : WithoutConversionError(
                             ConvertUnit(UnitKind::Temperature, TemperatureCode(false), UnitCode::Celsius, shown));
    };

    in.SupplyVolWinter = flow("Edit_VolZuWi");
    in.ExtractVolWinter = flow("Edit_VolAbWi");
    in.ExtractTempWinter = temperature("Edit_TempWi");
    in.ExtractHumWinter = num("Edit_FeuchteWi");
    in.SupplyVolSummer = flow("Edit_VolZuSo");
    in.ExtractVolSummer = flow("Edit_VolAbSo");
    in.ExtractTempSummer = temperature("Edit_TempSo");
    in.ExtractHumSummer = num("Edit_FeuchteSo");
    if (item("Combo_Klimazone") >= 0)
        in.ClimateZone = item("Combo_Klimazone") + 1;

    if (checked("RadioButton_RWT"))
        in.DeviceType = DeviceKind::Rotary;
    else if (checked("RadioButton_PWT"))
        in.DeviceType = DeviceKind::CrossFlowPlate;
    else if (checked("RadioButton_GS"))
        in.DeviceType = DeviceKind::CounterflowPlate;
    if (item("Combo_Rotortyp") >= 0)
        in.RotorTypeCode = RotorCodeOfItem(item("Combo_Rotortyp"));
    in.WheelDiameter = whole("Edit_Rad");
    in.StorageMassCode = Get<QComboBox>(this, "Combo_Speichermasse")->currentText().toStdString();
    in.DrivePower = whole("Edit_Antrieb");
    const auto* edge = Get<QComboBox>(this, "Combo_Kantenmass");
    if (edge->currentIndex() >= 0) {
        in.PlateEdge = edge->currentText().toInt();
        in.PlateEdgeItem = edge->currentIndex() + 1;
    }
    const auto* distance = Get<QComboBox>(this, "Combo_Plattenabstand");
    in.PlateSpacingCode =
        static_cast<std::uint8_t>(distance->currentIndex() >= 0 ? distance->currentData().toInt() : 0);
    if (item("ComboBox_AnzahlReihe") >= 0)
        in.SeriesCount = static_cast<std::uint8_t>(item("ComboBox_AnzahlReihe") + 1);
    in.PlateWidth = whole("Edit_PWTBreite");
    if (item("ComboBox11") >= 0)
        in.GSSize = GSSizes[item("ComboBox11")];
    in.GSWidth = whole("Edit_GSBreite");

    in.OperatingFrom = item("ComboBox_Betriebzeit_von");
    in.OperatingTo = item("ComboBox_Betriebzeit_bis");
    in.DaysPerWeek = num("Edit_TageWoche");
    in.HeatingMonthFrom = item("ComboBox_Monat_von");
    in.HeatingMonthTo = item("ComboBox_Monat_bis");
    in.SupplyTempControl = checked("CheckBox1");
    in.MaxSupplyTemp = temperature("Edit_MaxZuTemp");
    const char* modes[] = {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6"};
    for (int mode = 1; mode <= 4; ++mode) {
        if (checked(modes[mode - 1]))
            in.SummerMode = mode;
    }
    in.SummerSwitchTemp = temperature("Edit_SommerPunkt");

    in.Investment = num("Edit_Invest");
    in.Lifetime = num("Edit_Nutzung");
    in.InterestRate = num("Edit_Zins");
    in.PriceElectric = num("Edit_Elektro");
    in.PriceHeat = num("Edit_Waerme");
    in.PriceCold = num("Edit_Kaelte");
    in.PriceWater = num("Edit_Wasser");
    in.Maintenance = num("Edit_Unterhalt");
    if (checked("RadioButton7"))
        in.MaintenanceMode = CostMode::PercentOfInvestment;
    else if (checked("RadioButton8"))
        in.MaintenanceMode = CostMode::AmountPerYear;
    in.Service = num("Edit_Wartung");
    if (checked("RadioButton9"))
        in.ServiceMode = CostMode::PercentOfInvestment;
    else if (checked("RadioButton10"))
        in.ServiceMode = CostMode::AmountPerYear;
    return in;
}

void TFormWRG::SetUnitSystem(bool si)
{
    if (si == siUnits)
        return;
    const bool wasApplying = applying_;
    applying_ = true;
    auto convert = [&](const char* name, int kind, int from, int to) {
        auto* edit = Get<TNumEdit>(this, name);
        try {
            edit->SetValue(ConvertUnit(kind, from, to, edit->Value()));
        } catch (const EConvertError&) {
            // A text that is no number stays; the check on calculating reports it.
        }
    };
    for (const char* name : FlowEdits)
        convert(name, UnitKind::AirVolumeFlow, FlowCode(siUnits), FlowCode(si));
    for (const char* name : TemperatureEdits)
        convert(name, UnitKind::Temperature, TemperatureCode(siUnits), TemperatureCode(si));
    applying_ = wasApplying;
    siUnits = si;
    SetUnitLabels();
    AenderungAuslegung(this);
}

void TFormWRG::SetClimateFiles(const ClimateFileLists& lists)
{
    climateFiles_ = lists;
    FillZoneSelector();
}

void TFormWRG::FillZoneSelector()
{
    auto* zone = Get<QComboBox>(this, "Combo_Klimazone");
    const bool wasApplying = applying_;
    applying_ = true;
    zone->clear();
    for (const std::string& name : ClimateZoneItems(climateFiles_, CurrentLanguage()))
        zone->addItem(QString::fromStdString(name));
    const int wanted = inputs_.ClimateZone - 1;
    zone->setCurrentIndex(wanted >= 0 && wanted < zone->count() ? wanted : 0);
    applying_ = wasApplying;
}

// ---- Lists that follow the language and the device ---------------------

void TFormWRG::FillRotorTypes()
{
    auto* rotor = Get<QComboBox>(this, "Combo_Rotortyp");
    const bool wasApplying = applying_;
    applying_ = true;
    rotor->clear();
    for (const std::string& caption : RotorItemCaptions(CurrentLanguage()))
        rotor->addItem(QString::fromStdString(caption));
    // A code without an entry selects the second entry.
    const int item = RotorItemOfCode(inputs_.RotorTypeCode);
    rotor->setCurrentIndex(item >= 0 ? item : 1);
    applying_ = wasApplying;
}

void TFormWRG::UpdateProfileList(bool rebuild)
{
    auto* profile = Get<QComboBox>(this, "Combo_Speichermasse");
    const int rotorItem = Get<QComboBox>(this, "Combo_Rotortyp")->currentIndex();
    if (rebuild) {
        const bool wasApplying = applying_;
        applying_ = true;
        // On SetInputs the stored profile is the one to keep, else the shown.
        const std::string shown =
            profile->count() > 0 ? profile->currentText().toStdString() : inputs_.StorageMassCode;
        const ProfileChoice choice = ProfileAfterRotorChange(shown, RotorCodeOfItem(rotorItem));
        profile->clear();
        for (const std::string& text : choice.profiles)
            profile->addItem(QString::fromStdString(text));
        profile->setCurrentIndex(choice.selected);
        applying_ = wasApplying;
    }
    const bool visible = ProfileRowVisible(rotorItem);
    profile->setVisible(visible);
    Get<QLabel>(this, "L_Speichermasse")->setVisible(visible);
    Get<QToolButton>(this, "Button_Help_Rotorprofil")->setVisible(visible);
}

void TFormWRG::FillPlateDistances(bool fromInputs)
{
    auto* distance = Get<QComboBox>(this, "Combo_Plattenabstand");
    const auto* edge = Get<QComboBox>(this, "Combo_Kantenmass");
    const bool wasApplying = applying_;
    applying_ = true;
    const int previous = distance->currentIndex();
    distance->clear();
    const auto list = PlateDistanceList(edge->currentText().toInt());
    for (const PlateDistanceEntry& entry : list)
        distance->addItem(QString::fromStdString(entry.text), entry.index);
    int selected = PlateDistanceSelectionAfterChange(previous, static_cast<int>(list.size()));
    if (fromInputs) {
        const int stored = PlateDistanceItemOfIndex(list, inputs_.PlateSpacingCode);
        selected = stored >= 0 ? stored : PlateDistanceSelectionAfterChange(-1, static_cast<int>(list.size()));
    }
    Select(distance, selected);
    applying_ = wasApplying;
}

void TFormWRG::FillSeriesList()
{
    auto* series = Get<QComboBox>(this, "ComboBox_AnzahlReihe");
    const bool wasApplying = applying_;
    applying_ = true;
    series->clear();
    series->addItem(QStringLiteral("1 ") + Text(TextId::OneUnit));
    for (int n = 2; n <= 4; ++n)
        series->addItem(QString::number(n) + QStringLiteral(" ") + Text(TextId::SeveralUnits));
    Select(series, inputs_.SeriesCount - 1);
    applying_ = wasApplying;
}

void TFormWRG::FillMonthLists()
{
    const bool wasApplying = applying_;
    applying_ = true;
    const std::pair<const char*, int> lists[] = {
        {"ComboBox_Monat_von", inputs_.HeatingMonthFrom},
        {"ComboBox_Monat_bis", inputs_.HeatingMonthTo},
    };
    for (const auto& [name, month] : lists) {
        auto* list = Get<QComboBox>(this, name);
        list->clear();
        list->addItem(QStringLiteral("-"));
        for (int m = 1; m <= 12; ++m)
            list->addItem(Text(MonthName(m)));
        Select(list, month);
    }
    applying_ = wasApplying;
}

void TFormWRG::FillGridRowNames()
{
    for (int row = 0; row < 12; ++row)
        StringGrid2->item(row, 0)->setText(Text(MonthName(row + 1)));
    StringGrid2->item(12, 0)->setText(QString());
    StringGrid2->item(13, 0)->setText(Text(TextId::Sum));
}

void TFormWRG::ApplyDevicePage(QObject* sender)
{
    int device = DeviceKind::Rotary;
    if (Get<QAbstractButton>(this, "RadioButton_PWT")->isChecked())
        device = DeviceKind::CrossFlowPlate;
    else if (Get<QAbstractButton>(this, "RadioButton_GS")->isChecked())
        device = DeviceKind::CounterflowPlate;
    int summerMode = 0;
    const char* modes[] = {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6"};
    for (int mode = 1; mode <= 4; ++mode) {
        if (Get<QAbstractButton>(this, modes[mode - 1])->isChecked())
            summerMode = mode;
    }
    const DevicePageState state =
        DevicePageStateOf(device, Get<QComboBox>(this, "Combo_Rotortyp")->currentIndex(), summerMode);
    const bool deviceChanged = sender == findChild<QObject*>(QStringLiteral("RadioButton_RWT")) ||
                               sender == findChild<QObject*>(QStringLiteral("RadioButton_PWT")) ||
                               sender == findChild<QObject*>(QStringLiteral("RadioButton_GS")) || sender == this;
    if (!deviceChanged)
        return;
    if (state.summerMode >= 1 && state.summerMode <= 4 && state.summerMode != summerMode) {
        const bool wasApplying = applying_;
        applying_ = true;
        Get<QAbstractButton>(this, modes[state.summerMode - 1])->setChecked(true);
        applying_ = wasApplying;
    }
    for (const ControlState& control : state.controls) {
        auto* widget = findChild<QWidget*>(QString::fromLatin1(control.name.data(),
                                                               static_cast<qsizetype>(control.name.size())));
        if (!widget)
            continue;
        if (control.enabled)
            widget->setEnabled(*control.enabled);
    }
}

// ---- Workflow -------------------------------------------------------------

void TFormWRG::ConnectChanges()
{
    // The field check runs on every leave of a field, also when its text is
    // the one already rejected, and when Enter completes it.
    const auto checkOnLeave = [this](TCustomNumEdit* edit) {
        connect(edit, &TCustomNumEdit::OnExit, this, [this, edit] { EingabePruefen(edit); });
        connect(edit, &QLineEdit::returnPressed, this, [this, edit] { EingabePruefen(edit); });
    };
    for (const char* name : DesignEdits) {
        auto* edit = Get<TCustomNumEdit>(this, name);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] { AenderungAuslegung(edit); });
        checkOnLeave(edit);
    }
    for (const char* name : DesignLists) {
        auto* list = Get<QComboBox>(this, name);
        connect(list, &QComboBox::currentIndexChanged, this, [this, list] { AenderungAuslegung(list); });
    }
    for (const char* name : DesignButtons) {
        auto* button = Get<QAbstractButton>(this, name);
        // Only the button that became checked reports a radio group change.
        connect(button, &QAbstractButton::toggled, this, [this, button](bool on) {
            if (on || qobject_cast<TVxCheckBox*>(button))
                AenderungAuslegung(button);
        });
    }
    auto* edge = Get<QComboBox>(this, "Combo_Kantenmass");
    connect(edge, &QComboBox::currentIndexChanged, this, [this, edge] { Combo_KantenmassChange(edge); });

    for (const char* name : EconomyEdits) {
        auto* edit = Get<TCustomNumEdit>(this, name);
        connect(edit, &QLineEdit::textEdited, this, &TFormWRG::AenderungKosten);
        checkOnLeave(edit);
    }
    for (const char* name : {"RadioButton7", "RadioButton8", "RadioButton9", "RadioButton10"}) {
        auto* button = Get<QAbstractButton>(this, name);
        connect(button, &QAbstractButton::toggled, this, [this](bool on) {
            if (on)
                AenderungKosten();
        });
    }

    connect(Get<QToolButton>(this, "Button_Help_Rotorprofil"), &QToolButton::clicked, this,
            &TFormWRG::Button_Help_RotorprofilClick);
    connect(Get<QPushButton>(this, "Button_Define"), &QPushButton::clicked, this, &TFormWRG::Button_DefineClick);
    connect(Button1, &QPushButton::clicked, this, &TFormWRG::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormWRG::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormWRG::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFormWRG::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFormWRG::Button5Click);
}

void TFormWRG::AenderungAuslegung(QObject* sender)
{
    if (applying_)
        return;
    for (int row = 0; row < 14; ++row) {
        for (int column = 0; column < 4; ++column)
            StringGrid1->item(row, column)->setText(QString());
    }
    for (const char* name : {"Label65", "Label67", "Label119", "Label120", "Label123", "Label124"})
        Get<QLabel>(this, name)->clear();
    Button1->setEnabled(true);
    Button3->setEnabled(true);
    Button2->setEnabled(false);
    Button4->setEnabled(false);
    Button5->setEnabled(false);

    // Either both ends of the heating period are "-" or both are months.
    auto* monthFrom = Get<QComboBox>(this, "ComboBox_Monat_von");
    auto* monthTo = Get<QComboBox>(this, "ComboBox_Monat_bis");
    if (sender == monthFrom || sender == monthTo) {
        auto* other = sender == monthFrom ? monthTo : monthFrom;
        auto* changed = sender == monthFrom ? monthFrom : monthTo;
        const bool wasApplying = applying_;
        applying_ = true;
        if (changed->currentIndex() == 0)
            other->setCurrentIndex(0);
        else if (changed->currentIndex() > 0 && other->currentIndex() == 0)
            other->setCurrentIndex(changed->currentIndex());
        applying_ = wasApplying;
    }

    ApplyDevicePage(sender);
    energyDirty_ = true;
    AenderungKosten();
    UpdateProfileList(sender == findChild<QObject*>(QStringLiteral("Combo_Rotortyp")));
}

void TFormWRG::AenderungKosten()
{
    if (applying_)
        return;
    // Label106 is a caption of the energy page, not a cost value.
    for (const char* name : {"Label102", "Label103", "Label104", "Label105", "Label107", "Label108", "Label109",
                             "Label110", "Label111", "Label112", "Label113", "Label114", "Label115", "Label116",
                             "Label59"})
        Get<QLabel>(this, name)->clear();
    Button3->setEnabled(true);
    Button4->setEnabled(false);
    Button5->setEnabled(false);
}

void TFormWRG::Combo_KantenmassChange(QObject* sender)
{
    AenderungAuslegung(sender);
    const auto* edge = Get<QComboBox>(this, "Combo_Kantenmass");
    if (edge->currentIndex() >= 0)
        inputs_.PlateEdge = edge->currentText().toInt();
    FillPlateDistances(false);
}

void TFormWRG::CalculationCompleted()
{
    Button1->setEnabled(false);
    Button3->setEnabled(false);
    Button2->setEnabled(true);
    Button4->setEnabled(true);
    Button5->setEnabled(true);
    energyDirty_ = false;
    Get<QLabel>(this, "Panel2")->clear();
}

// ---- Command hooks ----------------------------------------------------------

void TFormWRG::Button_Help_RotorprofilClick()
{
    const ProfileExplanation text = RotorProfileExplanation(CurrentLanguage(), ProgramSeparators());
    ShowMessageBox(QString::fromStdString(text.message), TMessageType::Information, QString::fromStdString(text.title));
    // Back to the list the explanation is about.
    Get<QComboBox>(this, "Combo_Speichermasse")->setFocus();
}

void TFormWRG::Einstellungen1Click()
{
    auto* options = findChild<TFormOptionen*>(QStringLiteral("FormOptionen"), Qt::FindDirectChildrenOnly);
    if (!options)
        options = new TFormOptionen(this);  // kept for the life of the window
    options->ApplyTexts();
    options->SetUnitSystem(siUnits);
    options->SetPressure(inputs_.AirPressure);
    options->SetCurrency(currency);
    options->SetSeparators(ProgramSeparators());
    if (options->exec() != QDialog::Accepted)
        return;

    // The unit switch reads the shown values with the separators they were
    // typed with, so the new separators come after it.
    inputs_.AirPressure = options->Pressure();
    currency = options->Currency();
    SetProgramCurrency(currency.toStdString());
    SetUnitSystem(options->IsSI());
    SetProgramSeparators(options->Separators());
    // Every numeric edit of this window shows its value with the new separators.
    for (TCustomNumEdit* edit : findChildren<TCustomNumEdit*>()) {
        if (edit->window() != this)
            continue;
        try {
            if (auto* num = qobject_cast<TNumEdit*>(edit))
                num->SetValue(num->Value());
            else if (auto* whole = qobject_cast<TIntEdit*>(edit))
                whole->SetValue(whole->Value());
        } catch (const EConvertError&) {
            // A text that is no number stays as it is.
        }
    }
    AenderungAuslegung(this);
    ApplyLanguage();
}
