// Reading and setting a field of CalcInputs through the field table.

#include "core/climate/CalcInputsFields.h"

#include <algorithm>

double NumberOf(const CalcInputs& inputs, const CalcInputMember& member)
{
    return std::visit(
        [&inputs](auto field) -> double {
            using Value = std::remove_cvref_t<decltype(inputs.*field)>;
            if constexpr (std::is_same_v<Value, std::string>)
                return 0;
            else
                return static_cast<double>(inputs.*field);
        },
        member);
}

void SetNumber(CalcInputs& inputs, const CalcInputMember& member, double value)
{
    std::visit(
        [&inputs, value](auto field) {
            using Value = std::remove_cvref_t<decltype(inputs.*field)>;
            if constexpr (std::is_same_v<Value, bool>)
                inputs.*field = value != 0;
            else if constexpr (!std::is_same_v<Value, std::string>)
                inputs.*field = static_cast<Value>(value);
        },
        member);
}

int EntryOfCode(const InputControl& control, double code)
{
    const auto found = std::find_if(control.codes.begin(), control.codes.end(), [code](int c) { return c == code; });
    return found == control.codes.end() ? -1 : static_cast<int>(found - control.codes.begin());
}

bool HoldsText(const CalcInputMember& member)
{
    return std::holds_alternative<std::string CalcInputs::*>(member);
}

const CalcInputField* FieldNamed(std::string_view name)
{
    const auto* field = std::find_if(CalcInputFields.begin(), CalcInputFields.end(),
                                     [name](const CalcInputField& f) { return f.name == name; });
    return field == CalcInputFields.end() ? nullptr : field;
}

const CalcInputField* FieldOfControl(std::string_view controlName)
{
    if (controlName.empty())
        return nullptr;
    const auto* field = std::find_if(CalcInputFields.begin(), CalcInputFields.end(),
                                     [controlName](const CalcInputField& f) { return f.control.name == controlName; });
    return field == CalcInputFields.end() ? nullptr : field;
}
