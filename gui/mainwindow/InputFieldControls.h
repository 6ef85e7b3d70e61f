#pragma once
// The main window's controls of the input fields: a field's value shown in its
// control and read back from it, driven by the input field table.

#include <vector>

#include "core/climate/CalcInputsFields.h"

class QWidget;

// Shows the field's value of `inputs` in its control of `window`, volume flows
// and temperatures in the unit system of siUnits. A list shows it only when it
// has the entry; a list filled at run time selects it again when filled.
void ShowField(QWidget& window, const CalcInputField& field, const CalcInputs& inputs, bool siUnits);

// Reads the field from its control into `inputs`, in calculation units; an
// edit that shows the value `inputs` holds leaves it exactly as it is. An
// edit whose text is no number (the window checks every edit before it reads
// the inputs), a list without a selection or a radio group without a checked
// button leaves the value as it is (a plate distance list without a selection
// reads 0).
void ReadField(const QWidget& window, const CalcInputField& field, CalcInputs& inputs, bool siUnits);

// The controls that edit the field (a radio group: each of its buttons).
std::vector<QWidget*> ControlsOf(const QWidget& window, const CalcInputField& field);
