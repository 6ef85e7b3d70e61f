#pragma once
// The climate data window: the user creates, loads, checks, saves and prints
// a climate data set of his own — a description and, per month, the outdoor
// humidity ratio and the mean daily minimum and maximum temperature with the
// times of day at which they occur — or derives one from an hourly weather
// file of his site. Saved and loaded files are remembered in the main
// window's climate file lists, which offer them as climate zones.
//
// The window is modal. Values appear in the unit system handed to Open (SI:
// g/kg, °C; UK/US: gr/lb, °F), times of day as "hh:mm".

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include "core/climate/ClimateFile.h"
#include "core/climate/ClimateFileLists.h"
#include "core/forms/ClimateEditorCells.h"
#include "gui/controls/FormBase.h"
#include "print/ClimateSheet.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

class TFormKlimaDaten : public TVxForm {
    Q_OBJECT
public:
    // `lists` are the main window's climate file lists; they must outlive
    // the window. The window starts empty (as after New), in SI units.
    TFormKlimaDaten(QWidget* owner, ClimateFileLists& lists);

    // Shows the unit headings of `siUnits`, then the window modally.
    void Open(bool siUnits);
    // The unit system of the grid. Values already on screen are converted
    // into the new units, so a number never changes its meaning under a new
    // heading; texts that are no number stay as they are.
    void SetUnitSystem(bool siUnits);
    bool IsSI() const { return siUnits_; }

    // Puts the texts of the current language on every caption (again).
    void ApplyTexts();

    // Whether the description and the grid make a climate data set that may
    // be saved (see ClimateRecordOfTexts). Every cell is read anew.
    bool ValidateClimateGrid() const;

    // Whether the description or a cell differs from the data set as it was
    // last loaded, saved or cleared.
    bool HasUnsavedEdits() const;

    // Shows a record: its description and its months in the current units.
    void ShowRecord(const ClimateRecord& record);
    // Reads the climate file at `path` and shows it as Load does; the file is
    // remembered in the climate file lists. A file that cannot be read is
    // reported in a message box, and the window keeps its data set and file.
    // Unsaved edits are not asked for.
    bool LoadFile(const QString& path);

    // The file the data set was last loaded from or saved to; empty for a
    // data set without a file.
    const QString& CurrentPath() const { return currentPath_; }
    // The record last read or written.
    const ClimateRecord& Record() const { return record_; }
    // The two grids as the climate data page prints them.
    ClimateSheetData SheetData() const;

    // New, Load, Save, Save as, Help, Close, Data sheet, Import. New, Load,
    // Import and Close first ask whether unsaved edits are to be saved
    // (AskSaveChanges); Cancel, or a save that fails or is cancelled, ends
    // the command.
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    // Import: the typical days of a weather file (EPW or test reference
    // year) become a new data set without a file, not yet saved. A file that
    // cannot be read or gives no climate data set shows why and leaves the
    // window as it was.
    void Button8Click();

    // Escape and the window's close button act as Close: unsaved edits are
    // asked for, and Cancel keeps the window open.
    void reject() override;

    // What a file dialog of the window asks for.
    enum class TFileChoice { LoadClimate, SaveClimate, ImportWeather };

    // Replaces the file dialogs (for tests): called with what is asked for
    // and the folder the dialog would start in; returns the chosen path, or
    // an empty text for cancel. An empty function restores the dialogs.
    using TFileDialogHook = std::function<QString(TFileChoice choice, const QString& startFolder)>;
    static void SetFileDialogHook(TFileDialogHook hook);

    // The folder the open and save dialogs start in: the program's folder;
    // for saving the user's home folder when the program's folder cannot be
    // written to.
    static QString DialogStartFolder(bool saving);
    // The folder the import dialog starts in: the folder of the weather file
    // chosen last (kept in the climate file lists) while it exists, else the
    // user's home folder.
    QString ImportStartFolder() const;

signals:
    // The climate file lists or the data set changed: after a successful
    // Load, Save or Save as (the lists have a new entry or name) and on
    // Close. The main window refills its zone selector and treats it as an
    // input change.
    void ClimateDataChanged();

private:
    void BuildGrids();
    void SetUnitHeadings();
    void FitFirstColumns();
    void ClearCells();
    QString AskFile(TFileChoice choice);
    QString AskFileReplacingDataSet(TFileChoice choice);
    std::optional<ClimateRecord> GridRecord() const;
    ClimateTextCheck CheckGrid() const;
    std::optional<ClimateRecord> CheckedGridRecord();
    void ClearDataSet();
    bool SaveDataSet();
    bool SaveDataSetAs();
    bool MayReplaceDataSet();
    // The description and the 60 value cells, in this order; positions of
    // the cells by TextPosition.
    QStringList DataSetTexts() const;
    static int TextPosition(int row, int column);
    void MarkSaved();
    bool WriteRecord(const QString& path, const ClimateRecord& record);
    void Remember(const QString& path, const ClimateRecord& record);

    ClimateFileLists& lists_;
    ClimateRecord record_;
    QString currentPath_;
    bool siUnits_ = true;
    QStringList savedTexts_;  // DataSetTexts when last loaded, saved or cleared

    QLabel* Label1;
    QLineEdit* Edit1;
    QLabel* Label2;
    QTableWidget* StringGrid2;
    QTableWidget* StringGrid1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button8;
    QPushButton* Button3;
    QPushButton* Button4;
    QPushButton* Button7;
    QPushButton* Button5;
    QPushButton* Button6;
};
