// The main window's controls of the input fields, read and written through
// the input field table.

#include "gui/mainwindow/InputFieldControls.h"

#include <QAbstractButton>
#include <QComboBox>

#include "core/settings/DisplayUnits.h"
#include "gui/controls/NumericEdit.h"

namespace {

template <class T>
T* Control(const QWidget& window, std::string_view name)
{
    return window.findChild<T*>(QLatin1String(name.data(), static_cast<qsizetype>(name.size())));
}

void Select(QComboBox* list, int index)
{
    if (index >= 0 && index < list->count())
        list->setCurrentIndex(index);
}

void ShowInList(QComboBox* list, const CalcInputField& field, const CalcInputs& inputs)
{
    const InputControl& control = field.control;
    const double value = NumberOf(inputs, field.member);
    switch (control.kind) {
    case ControlKind::ListIndex:
        Select(list, static_cast<int>(value) - control.firstValue);
        break;
    case ControlKind::ListCode:
        Select(list, EntryOfCode(control, value));
        break;
    case ControlKind::ListNumber:
        Select(list, list->findText(QString::number(value)));
        break;
    case ControlKind::ListText:
        Select(list, list->findText(QString::fromStdString(inputs.*std::get<std::string CalcInputs::*>(field.member))));
        break;
    case ControlKind::ListData:
        Select(list, list->findData(static_cast<int>(value)));
        break;
    default:
        break;
    }
}

void ReadFromList(const QComboBox* list, const CalcInputField& field, CalcInputs& inputs)
{
    const InputControl& control = field.control;
    const int entry = list->currentIndex();
    if (control.kind == ControlKind::ListText) {
        inputs.*std::get<std::string CalcInputs::*>(field.member) = list->currentText().toStdString();
        return;
    }
    if (control.kind == ControlKind::ListData) {
        SetNumber(inputs, field.member, entry >= 0 ? list->currentData().toInt() : 0);
        return;
    }
    if (entry < 0)
        return;
    if (control.kind == ControlKind::ListIndex)
        SetNumber(inputs, field.member, entry + control.firstValue);
    else if (control.kind == ControlKind::ListCode)
        SetNumber(inputs, field.member, control.codes[static_cast<std::size_t>(entry)]);
    else if (control.kind == ControlKind::ListNumber)
        SetNumber(inputs, field.member, list->currentText().toInt());
}

}  // namespace

void ShowField(QWidget& window, const CalcInputField& field, const CalcInputs& inputs, bool siUnits)
{
    const InputControl& control = field.control;
    const double value = NumberOf(inputs, field.member);
    switch (control.kind) {
    case ControlKind::None:
        break;
    case ControlKind::NumberEdit:
        Control<TNumEdit>(window, control.name)->SetValue(ShownValue(control.quantity, siUnits, value));
        break;
    case ControlKind::WholeEdit:
        Control<TIntEdit>(window, control.name)->SetValue(static_cast<std::int32_t>(value));
        break;
    case ControlKind::RadioGroup:
        if (value >= 1 && value <= static_cast<double>(control.buttons.size()))
            Control<QAbstractButton>(window, control.buttons[static_cast<std::size_t>(value) - 1])->setChecked(true);
        break;
    case ControlKind::CheckBox:
        Control<QAbstractButton>(window, control.name)->setChecked(value != 0);
        break;
    default:
        ShowInList(Control<QComboBox>(window, control.name), field, inputs);
        break;
    }
}

void ReadField(const QWidget& window, const CalcInputField& field, CalcInputs& inputs, bool siUnits)
{
    const InputControl& control = field.control;
    switch (control.kind) {
    case ControlKind::None:
        break;
    case ControlKind::NumberEdit:
        // An edit that still shows the value of `inputs` keeps it to the last
        // bit: converted to UK/US units and back it need not be.
        if (const std::optional<double> shown = Control<TNumEdit>(window, control.name)->TryValue();
            shown && *shown != ShownValue(control.quantity, siUnits, NumberOf(inputs, field.member)))
            SetNumber(inputs, field.member, CalcValue(control.quantity, siUnits, *shown));
        break;
    case ControlKind::WholeEdit:
        if (const std::optional<std::int32_t> shown = Control<TIntEdit>(window, control.name)->TryValue())
            SetNumber(inputs, field.member, *shown);
        break;
    case ControlKind::RadioGroup:
        for (std::size_t button = 0; button < control.buttons.size(); ++button)
            if (Control<QAbstractButton>(window, control.buttons[button])->isChecked())
                SetNumber(inputs, field.member, static_cast<double>(button + 1));
        break;
    case ControlKind::CheckBox:
        SetNumber(inputs, field.member, Control<QAbstractButton>(window, control.name)->isChecked() ? 1 : 0);
        break;
    default:
        ReadFromList(Control<QComboBox>(window, control.name), field, inputs);
        break;
    }
}

std::vector<QWidget*> ControlsOf(const QWidget& window, const CalcInputField& field)
{
    std::vector<QWidget*> controls;
    if (field.control.kind == ControlKind::RadioGroup) {
        for (const std::string_view button : field.control.buttons)
            controls.push_back(Control<QWidget>(window, button));
    } else if (field.control.kind != ControlKind::None) {
        controls.push_back(Control<QWidget>(window, field.control.name));
    }
    return controls;
}
