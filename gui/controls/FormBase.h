#pragma once
// The base window of the program's own windows and the two shared fonts.

#include <QDialog>
#include <QFont>

// The base class of the program's own windows. It adds no behaviour of its
// own; each window gives itself the dialog font when its texts are applied.
class TVxForm : public QDialog {
    Q_OBJECT
public:
    explicit TVxForm(QWidget* parent = nullptr);
};

// The dialog font of the windows (the family "Tahoma", 11 pixels, with
// metric-compatible substitutes) and the print font of the datasheets
// ("Arial", 8 points). Both follow the language: Chinese texts need a font
// with CJK glyphs.
QFont DialogFont();
QFont PrintFont();

// Chooses the fonts for the current language and hands the dialog font to
// the menus and tool tips of the application.
void ChooseFonts();
