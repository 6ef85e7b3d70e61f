// The options window (TFormOptionen).

#include "gui/options/OptionsWindow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "core/settings/DisplayUnits.h"
#include "core/text/Catalogue.h"
#include "core/thermo/AirPressure.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/WindowText.h"

using ui::Named;
using ui::Text;

namespace {

// The narrowest tab, for short captions.
constexpr int MinimumTabWidth = 110;

QLineEdit* NewCharEdit(QWidget* parent, const char* name, int maxLength)
{
    auto* edit = Named(new QLineEdit(parent), name);
    edit->setMaxLength(maxLength);
    edit->setFixedWidth(48);
    return edit;
}

// The separator of a field: its single ASCII character, '\0' when the field
// is empty, '\x01' (never usable) for a character outside ASCII.
char SeparatorOf(const QLineEdit* edit)
{
    const QString text = edit->text();
    if (text.isEmpty())
        return '\0';
    const char16_t c = text.at(0).unicode();
    return c < 0x80 ? static_cast<char>(c) : '\x01';
}

}  // namespace

TFormOptionen::TFormOptionen(QWidget* parent) : TVxForm(parent)
{
    setObjectName(QStringLiteral("FormOptionen"));
    setModal(true);

    Button_OK = Named(new QPushButton(QStringLiteral("OK"), this), "Button_OK");
    Button_Cancel = Named(new QPushButton(this), "Button_Cancel");
    Button_OK->setDefault(true);
    connect(Button_OK, &QPushButton::clicked, this, &TFormOptionen::accept);
    connect(Button_Cancel, &QPushButton::clicked, this, &TFormOptionen::reject);

    PageControl1 = Named(new TVxPageControl(this), "PageControl1");
    Seite_Umgebung = Named(new QWidget, "Seite_Umgebung");
    Seite_Einheiten = Named(new QWidget, "Seite_Einheiten");
    Seite_Formate = Named(new QWidget, "Seite_Formate");
    // Never shown: kept out of the page control.
    Seite_EingabeDaten = Named(new QWidget(this), "Seite_EingabeDaten");
    Seite_Prozessdaten = Named(new QWidget(this), "Seite_Prozessdaten");
    Seite_EingabeDaten->hide();
    Seite_Prozessdaten->hide();

    // Environment: pressure and altitude.
    Label_Luftdruck = Named(new QLabel(Seite_Umgebung), "Label_Luftdruck");
    Label_HoeheNN = Named(new QLabel(Seite_Umgebung), "Label_HoeheNN");
    Label_mbar = Named(new QLabel(Seite_Umgebung), "Label_mbar");
    Label_m = Named(new QLabel(Seite_Umgebung), "Label_m");
    Edit_Luftdruck = Named(new TNumEdit(Seite_Umgebung), "Edit_Luftdruck");
    Edit_HoeheNN = Named(new TNumEdit(Seite_Umgebung), "Edit_HoeheNN");
    for (TNumEdit* edit : {Edit_Luftdruck, Edit_HoeheNN}) {
        edit->SetValidation(true);
        edit->SetDigits(0);
        edit->setFixedWidth(90);
        connect(edit, &TNumEdit::OnCalculate, this, [this, edit] { Edit_LuftdruckCalculate(edit); });
    }
    auto* environment = new QGridLayout(Seite_Umgebung);
    environment->addWidget(Label_Luftdruck, 0, 0);
    environment->addWidget(Edit_Luftdruck, 0, 1);
    environment->addWidget(Label_mbar, 0, 2);
    environment->addWidget(Label_HoeheNN, 1, 0);
    environment->addWidget(Edit_HoeheNN, 1, 1);
    environment->addWidget(Label_m, 1, 2);
    environment->setColumnStretch(3, 1);
    environment->setRowStretch(2, 1);

    // Units: the table with the two systems above its unit columns.
    RadioButton_SI = Named(new TVxRadioButton(QStringLiteral("SI"), Seite_Einheiten), "RadioButton_SI");
    RadioButton_US = Named(new TVxRadioButton(QStringLiteral("UK / US"), Seite_Einheiten), "RadioButton_US");
    RadioButton_SI->move(154, 4);
    RadioButton_US->move(226, 4);
    connect(RadioButton_SI, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            SetUnitSystem(true);
    });
    connect(RadioButton_US, &QAbstractButton::toggled, this, [this](bool on) {
        if (on)
            SetUnitSystem(false);
    });
    Tabelle_Einheiten = Named(new QTableWidget(static_cast<int>(UnitsTableQuantities.size()), 3, Seite_Einheiten),
                              "Tabelle_Einheiten");
    Tabelle_Einheiten->horizontalHeader()->hide();
    Tabelle_Einheiten->verticalHeader()->hide();
    Tabelle_Einheiten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_Einheiten->setColumnWidth(0, 140);
    Tabelle_Einheiten->setColumnWidth(1, 70);
    Tabelle_Einheiten->setColumnWidth(2, 70);
    connect(Tabelle_Einheiten, &QTableWidget::cellDoubleClicked, this, &TFormOptionen::Tabelle_EinheitenDblClick);

    // Formats: separators and currency.
    Label_DecimalSeparator = Named(new QLabel(Seite_Formate), "Label_DecimalSeparator");
    Label_ThousandSeparator = Named(new QLabel(Seite_Formate), "Label_ThousandSeparator");
    Label_Waehrung = Named(new QLabel(Seite_Formate), "Label_Waehrung");
    Edit_DecimalSeparator = NewCharEdit(Seite_Formate, "Edit_DecimalSeparator", 1);
    Edit_ThousandSeparator = NewCharEdit(Seite_Formate, "Edit_ThousandSeparator", 1);
    Edit_Waehrung = NewCharEdit(Seite_Formate, "Edit_Waehrung", 3);
    auto* formats = new QGridLayout(Seite_Formate);
    formats->addWidget(Label_DecimalSeparator, 0, 0);
    formats->addWidget(Edit_DecimalSeparator, 0, 1);
    formats->addWidget(Label_ThousandSeparator, 1, 0);
    formats->addWidget(Edit_ThousandSeparator, 1, 1);
    formats->addWidget(Label_Waehrung, 2, 0);
    formats->addWidget(Edit_Waehrung, 2, 1);
    formats->setColumnStretch(2, 1);
    formats->setRowStretch(3, 1);

    PageControl1->addPage(Seite_Umgebung, QString());
    PageControl1->addPage(Seite_Einheiten, QString());
    PageControl1->addPage(Seite_Formate, QString());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1, 1);
    layout->addLayout(buttons);

    ApplyTexts();
    {
        const QSignalBlocker blockSI(RadioButton_SI);
        RadioButton_SI->setChecked(true);
    }
    SetUnitSystem(true);
    SetPressure(sitePressure_);
}

void TFormOptionen::ApplyTexts()
{
    setFont(DialogFont());
    setWindowTitle(Text(TextId::Settings));
    Button_Cancel->setText(Text(TextId::Cancel));
    const QString three = QStringLiteral("   ");
    PageControl1->setCaption(PageControl1->indexOf(Seite_Umgebung), three + Text(TextId::Environment) + three);
    PageControl1->setCaption(PageControl1->indexOf(Seite_Einheiten), three + Text(TextId::Units) + three);
    PageControl1->setCaption(PageControl1->indexOf(Seite_Formate),
                             QStringLiteral("  ") + Text(TextId::Formats) + three);
    Label_Luftdruck->setText(Text(TextId::AirPressure));
    Label_HoeheNN->setText(Text(TextId::Altitude));
    Label_DecimalSeparator->setText(Text(TextId::DecimalSeparator));
    Label_ThousandSeparator->setText(Text(TextId::ThousandSeparator));
    Label_Waehrung->setText(Text(TextId::CurrencySymbol));
    for (TNumEdit* edit : {Edit_Luftdruck, Edit_HoeheNN}) {
        edit->SetErrorMessage(Text(TextId::NumberBetween));
        edit->SetContent(Text(TextId::Settings));
    }
    int row = 0;
    for (DisplayQuantity quantity : UnitsTableQuantities) {
        const auto unit = [quantity](bool si) {
            return QString::fromStdString(UnitLabelIn(CurrentLanguage(), quantity, si));
        };
        const QString texts[3] = {QStringLiteral(" ") + Text(DisplayUnitOf(quantity).quantityText), unit(true),
                                  unit(false)};
        for (int column = 0; column < 3; ++column)
            Tabelle_Einheiten->setItem(row, column, new QTableWidgetItem(texts[column]));
        ++row;
    }
    FitLayout();
}

void TFormOptionen::FitLayout()
{
    // One row of tabs, each wide enough for its caption in this language:
    // several rows would change places whenever a tab of another row is
    // chosen.
    PageControl1->setTabWidth(std::max(MinimumTabWidth, PageControl1->captionTabWidth()));
    PageControl1->setMinimumWidth(PageControl1->oneRowWidth());

    // The units table as high as its rows, so that all of them are seen
    // without scrolling.
    Tabelle_Einheiten->resizeRowsToContents();
    const int gridWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 288;
    const int gridHeight = Tabelle_Einheiten->verticalHeader()->length() + 2 * Tabelle_Einheiten->frameWidth();
    Tabelle_Einheiten->setGeometry(10, 26, gridWidth, gridHeight);
    Seite_Einheiten->setMinimumSize(gridWidth + 20, 26 + gridHeight + 10);
}

void TFormOptionen::SetUnitSystem(bool si)
{
    {
        const QSignalBlocker blockSI(RadioButton_SI);
        const QSignalBlocker blockUS(RadioButton_US);
        (si ? RadioButton_SI : RadioButton_US)->setChecked(true);
    }
    Label_mbar->setText(QString::fromStdString(UnitLabel(DisplayQuantity::AirPressure, si)));
    Label_m->setText(QString::fromStdString(UnitLabel(DisplayQuantity::Length, si)));
    if (si != isSI_) {
        const std::optional<double> pressure = Edit_Luftdruck->TryValue();
        const std::optional<double> altitude = Edit_HoeheNN->TryValue();
        if (pressure && altitude) {
            Edit_Luftdruck->SetValue(SwitchedValue(DisplayQuantity::AirPressure, isSI_, si, *pressure));
            Edit_HoeheNN->SetValue(SwitchedValue(DisplayQuantity::Length, isSI_, si, *altitude));
        } else {
            // A half-typed text: show the values of the window instead.
            isSI_ = si;
            ShowValues();
        }
    }
    Edit_Luftdruck->SetDigits(si ? 0 : 3);
    Edit_Luftdruck->SetMinValue(si ? LowestAirPressure : 0.6);
    Edit_Luftdruck->SetMaxValue(si ? HighestAirPressure : 1.08);
    Edit_HoeheNN->SetMinValue(si ? -700 : -2140);
    Edit_HoeheNN->SetMaxValue(si ? 4200 : 13500);
    isSI_ = si;
}

void TFormOptionen::SetPressure(double mbar)
{
    sitePressure_ = mbar;
    siteAltitude_ = AltitudeOfPressure(mbar);
    ShowValues();
}

void TFormOptionen::ShowValues()
{
    Edit_Luftdruck->SetValue(ShownValue(DisplayQuantity::AirPressure, isSI_, sitePressure_));
    Edit_HoeheNN->SetValue(ShownValue(DisplayQuantity::Length, isSI_, siteAltitude_));
}

void TFormOptionen::SetCurrency(const QString& currency)
{
    currencySymbol_ = currency;
    Edit_Waehrung->setText(currency);
}

void TFormOptionen::SetSeparators(const NumberSeparators& separators)
{
    auto text = [](char c) { return c ? QString(QChar::fromLatin1(c)) : QString(); };
    Edit_DecimalSeparator->setText(text(separators.decimal));
    Edit_ThousandSeparator->setText(text(separators.thousands));
}

QString TFormOptionen::Currency() const
{
    return Edit_Waehrung->text();
}

NumberSeparators TFormOptionen::Separators() const
{
    return NumberSeparators{SeparatorOf(Edit_DecimalSeparator), SeparatorOf(Edit_ThousandSeparator)};
}

void TFormOptionen::Edit_LuftdruckCalculate(QObject* sender)
{
    // An accepted entry is a number; otherwise the values stay as they were.
    if (sender == Edit_Luftdruck) {
        if (const std::optional<double> pressure = Edit_Luftdruck->TryValue())
            SetPressure(CalcValue(DisplayQuantity::AirPressure, isSI_, *pressure));
    } else if (sender == Edit_HoeheNN) {
        if (const std::optional<double> altitude = Edit_HoeheNN->TryValue()) {
            siteAltitude_ = CalcValue(DisplayQuantity::Length, isSI_, *altitude);
            SetPressure(PressureOfAltitude(siteAltitude_));
        }
    }
    ShowValues();
}

void TFormOptionen::Tabelle_EinheitenDblClick(int, int column)
{
    if (column == 1)
        RadioButton_SI->setChecked(true);
    else if (column == 2)
        RadioButton_US->setChecked(true);
}

void TFormOptionen::accept()
{
    // An entry still being typed is finished first.
    for (TNumEdit* edit : {Edit_Luftdruck, Edit_HoeheNN}) {
        if (!edit->isModified())
            continue;
        if (!edit->Validate())
            return;
        Edit_LuftdruckCalculate(edit);
    }
    const NumberSeparators separators = Separators();
    if (separators.decimal == '\0' || separators.thousands == '\0' || !IsUsableSeparators(separators)) {
        PageControl1->setCurrentIndex(PageControl1->indexOf(Seite_Formate));
        ShowMessageBox(Text(TextId::DecimalSeparator) + QStringLiteral(" / ") + Text(TextId::ThousandSeparator) +
                           QStringLiteral(":\n") + Text(TextId::SeparatorsInvalid),
                       TMessageType::Warning, Text(TextId::Settings));
        (separators.decimal == '\0' || separators.decimal == separators.thousands ? Edit_DecimalSeparator
                                                                                  : Edit_ThousandSeparator)
            ->setFocus();
        return;
    }
    TVxForm::accept();
}

void TFormOptionen::showEvent(QShowEvent* event)
{
    const bool hasCurrency = !currencySymbol_.isEmpty();
    Label_Waehrung->setVisible(hasCurrency);
    Edit_Waehrung->setVisible(hasCurrency);
    TVxForm::showEvent(event);
}
