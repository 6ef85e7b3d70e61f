#pragma once
// The climate data page in the page preview.

#include "print/ClimateSheet.h"

class QWidget;

// Opens the program's page preview over `owner` with the one climate data
// page drawn from `data`.
void ShowClimatePreview(QWidget* owner, const ClimateSheetData& data);
