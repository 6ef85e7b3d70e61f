#pragma once
// The options window: air pressure of the site (as pressure or altitude), the
// unit system, the number separators and the currency. It works on its own
// copies; the caller takes them over when the window closes with OK.

#include <QString>

#include "core/text/NumberFormat.h"
#include "gui/controls/FormBase.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;
class TNumEdit;
class TVxPageControl;
class TVxRadioButton;

class TFormOptionen : public TVxForm {
    Q_OBJECT
public:
    explicit TFormOptionen(QWidget* parent = nullptr);

    // Puts the texts of the current language on the window (again).
    void ApplyTexts();

    // Shows the edits in SI (mbar, m) or UK/US (atm, ft) units; a switch to
    // the other system converts the shown values, the same system converts
    // nothing. Also the handler of the two radio buttons.
    void SetUnitSystem(bool si);
    // The air pressure in mbar; both edits follow.
    void SetPressure(double mbar);
    // The currency symbol handed in (also the text of Edit_Waehrung).
    void SetCurrency(const QString& currency);
    // The separators shown in their edits ('\0' as an empty field).
    void SetSeparators(const NumberSeparators& separators);

    bool IsSI() const { return isSI_; }
    double Pressure() const { return sitePressure_; }  // mbar
    double Altitude() const { return siteAltitude_; }  // m
    QString Currency() const;                          // text of Edit_Waehrung
    // The first characters of the two separator edits ('\0' for an empty one).
    NumberSeparators Separators() const;

    // The coupling of pressure and altitude: `sender` is the edit whose entry
    // was finished.
    void Edit_LuftdruckCalculate(QObject* sender);
    // A double click in column 1 chooses SI, in column 2 UK/US.
    void Tabelle_EinheitenDblClick(int row, int column);

    // OK: refused with a message while a separator field is empty, holds a
    // character that cannot serve as separator, or both are the same.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowValues();
    // Tab width and units table after the texts or the font changed.
    void FitLayout();

    bool isSI_ = true;
    double sitePressure_ = 1013;
    double siteAltitude_ = 0;
    QString currencySymbol_;

    QPushButton* Button_OK;
    QPushButton* Button_Cancel;
    TVxPageControl* PageControl1;
    QWidget* Seite_Umgebung;
    QWidget* Seite_Einheiten;
    QWidget* Seite_EingabeDaten;
    QWidget* Seite_Formate;
    QWidget* Seite_Prozessdaten;
    QLabel* Label_mbar;
    QLabel* Label_m;
    QLabel* Label_Luftdruck;
    QLabel* Label_HoeheNN;
    QLabel* Label_DecimalSeparator;
    QLabel* Label_ThousandSeparator;
    QLabel* Label_Waehrung;
    TNumEdit* Edit_Luftdruck;
    TNumEdit* Edit_HoeheNN;
    QTableWidget* Tabelle_Einheiten;
    TVxRadioButton* RadioButton_SI;
    TVxRadioButton* RadioButton_US;
    QLineEdit* Edit_DecimalSeparator;
    QLineEdit* Edit_ThousandSeparator;
    QLineEdit* Edit_Waehrung;
};
