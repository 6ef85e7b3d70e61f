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

#include "core/climate/CalcInputsFields.h"
#include "core/climate/ClimateZones.h"
#include "core/forms/DevicePageRules.h"
#include "core/settings/DisplayUnits.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/WindowText.h"
#include "gui/mainwindow/InputFieldControls.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/options/OptionsWindow.h"

using ui::Text;

namespace {

template <class T>
T* Get(const QObject* owner, const char* name)
{
    return owner->findChild<T*>(QLatin1String(name));
}

// Temperature edits the unit switch converts although no input field of the
// table is shown in them (one that is, is converted as its field).
const char* const UnboundTemperatureEdits[] = {"Edit_minFortlufttemp"};

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
    for (const CalcInputField& field : CalcInputFields)
        ShowField(*this, field, inputs, siUnits);
    // The lists that follow the language, the rotor and the plate edge are
    // filled anew and select what inputs_ holds; the edge is selected above,
    // so the plate distances follow it.
    FillZoneSelector();
    FillRotorTypes();
    // Emptied, so that the rebuilt list selects the stored profile rather
    // than the one shown so far.
    Get<QComboBox>(this, "Combo_Speichermasse")->clear();
    UpdateProfileList(true);
    FillPlateDistances(true);
    FillSeriesList();
    FillMonthLists();
    // The minimum exhaust temperature control is always off.
    Get<QAbstractButton>(this, "CheckBox_FortluftReg")->setChecked(false);
    applying_ = wasApplying;
}

CalcInputs TFormWRG::ReadInputs() const
{
    CalcInputs in = inputs_;
    for (const CalcInputField& field : CalcInputFields)
        ReadField(*this, field, in, siUnits);
    return in;
}

void TFormWRG::SetUnitSystem(bool si)
{
    if (si == siUnits)
        return;
    const bool wasApplying = applying_;
    applying_ = true;
    // Through calculation units, so that a value switched from UK/US to SI
    // is the one typed in SI (71.6 °F gives 22 °C, not 21.999999999999996).
    auto convert = [&](std::string_view name, DisplayQuantity quantity) {
        auto* edit = findChild<TNumEdit*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
        // A text that is no number stays; the check on calculating reports it.
        if (const std::optional<double> value = edit->TryValue())
            edit->SetValue(ShownValue(quantity, si, CalcValue(quantity, siUnits, *value)));
    };
    for (const CalcInputField& field : CalcInputFields)
        if (field.control.kind == ControlKind::NumberEdit && field.control.quantity != DisplayQuantity::None)
            convert(field.control.name, field.control.quantity);
    for (const char* name : UnboundTemperatureEdits)
        if (FieldOfControl(name) == nullptr)
            convert(name, DisplayQuantity::Temperature);
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
    if (projectClimate_)
        zone->addItem(QString::fromStdString(projectClimate_->Name));
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
        const std::string shown = profile->count() > 0 ? profile->currentText().toStdString() : inputs_.StorageMassCode;
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
    // The device and summer mode the page shows; no summer mode (0) when no
    // button of its group is checked.
    CalcInputs shown;
    shown.SummerMode = SummerOperation{};
    for (const std::string_view name : {"DeviceType", "SummerMode"})
        ReadField(*this, *FieldNamed(name), shown, siUnits);
    const DevicePageState state = DevicePageStateOf(
        shown.DeviceType, Get<QComboBox>(this, "Combo_Rotortyp")->currentIndex(), shown.SummerMode);
    const std::vector<QWidget*> deviceButtons = ControlsOf(*this, *FieldNamed("DeviceType"));
    const bool deviceChanged = sender == this ||
                               std::find(deviceButtons.begin(), deviceButtons.end(), sender) != deviceButtons.end();
    if (!deviceChanged)
        return;
    if (state.summerMode != shown.SummerMode) {
        const bool wasApplying = applying_;
        applying_ = true;
        shown.SummerMode = state.summerMode;
        ShowField(*this, *FieldNamed("SummerMode"), shown, siUnits);
        applying_ = wasApplying;
    }
    for (const ControlState& control : state.controls) {
        auto* widget = findChild<QWidget*>(
            QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size())));
        if (!widget)
            continue;
        if (control.enabled)
            widget->setEnabled(*control.enabled);
    }
}

// ---- Workflow -------------------------------------------------------------

void TFormWRG::ConnectChanges()
{
    for (const CalcInputField& field : CalcInputFields) {
        // The edge list has its own handler below, which also refills the
        // plate distances.
        if (field.control.name == "Combo_Kantenmass")
            continue;
        for (QWidget* control : ControlsOf(*this, field))
            ConnectChange(control, field.section == InputSection::Economy);
    }
    auto* edge = Get<QComboBox>(this, "Combo_Kantenmass");
    connect(edge, &QComboBox::currentIndexChanged, this, [this, edge] { Combo_KantenmassChange(edge); });

    connect(Get<QToolButton>(this, "Button_Help_Rotorprofil"), &QToolButton::clicked, this,
            &TFormWRG::Button_Help_RotorprofilClick);
    connect(Get<QPushButton>(this, "Button_Define"), &QPushButton::clicked, this, &TFormWRG::Button_DefineClick);
    connect(Button1, &QPushButton::clicked, this, &TFormWRG::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormWRG::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormWRG::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TFormWRG::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TFormWRG::Button5Click);
}

void TFormWRG::ConnectChange(QWidget* control, bool costsOnly)
{
    // A change of an economy input leaves the energy results valid.
    const auto changed = [this, control, costsOnly] {
        if (costsOnly)
            AenderungKosten();
        else
            AenderungAuslegung(control);
    };
    if (auto* edit = qobject_cast<TCustomNumEdit*>(control)) {
        connect(edit, &QLineEdit::textEdited, this, changed);
        // The field check runs on every leave of a field, also when its text
        // is the one already rejected, and when Enter completes it.
        connect(edit, &TCustomNumEdit::OnExit, this, [this, edit] { EingabePruefen(edit); });
        connect(edit, &QLineEdit::returnPressed, this, [this, edit] { EingabePruefen(edit); });
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        connect(list, &QComboBox::currentIndexChanged, this, changed);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // Only the button that became checked reports a radio group change;
        // a check box reports both.
        connect(button, &QAbstractButton::toggled, this, [button, changed](bool on) {
            if (on || qobject_cast<TVxCheckBox*>(button))
                changed();
        });
    }
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
    UpdateCaption();
}

void TFormWRG::AenderungKosten()
{
    if (applying_)
        return;
    // Label106 is a caption of the energy page, not a cost value.
    for (const char* name :
         {"Label102", "Label103", "Label104", "Label105", "Label107", "Label108", "Label109", "Label110", "Label111",
          "Label112", "Label113", "Label114", "Label115", "Label116", "Label59"})
        Get<QLabel>(this, name)->clear();
    Button3->setEnabled(true);
    Button4->setEnabled(false);
    Button5->setEnabled(false);
    UpdateCaption();
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
        // A text that is no number stays as it is.
        if (auto* num = qobject_cast<TNumEdit*>(edit)) {
            if (const std::optional<double> value = num->TryValue())
                num->SetValue(*value);
        } else if (auto* whole = qobject_cast<TIntEdit*>(edit)) {
            if (const std::optional<std::int32_t> value = whole->TryValue())
                whole->SetValue(*value);
        }
    }
    AenderungAuslegung(this);
    ApplyLanguage();
}
