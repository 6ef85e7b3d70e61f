#include "climate/ClimatePreview.h"

#include "print/FSeite.h"

void ShowClimatePreview(QWidget* owner, const ClimateSheetData& data)
{
    SharedPreview()->DruckVorschau(owner, {ClimateDataPage(data)});
}
