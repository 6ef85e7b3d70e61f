// The climate data page shown in the page preview.

#include "gui/climateeditor/ClimatePreview.h"

#include "gui/preview/PreviewWindow.h"

void ShowClimatePreview(QWidget* owner, const ClimateSheetData& data)
{
    SharedPreview()->DruckVorschau(owner, {ClimateDataPage(data)});
}
