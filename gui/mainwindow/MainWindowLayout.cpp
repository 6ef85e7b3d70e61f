// The pages and the status strip of the main window. Every page is built from
// Qt layouts: a grid per group with the columns label, value, unit, so the
// window works at 640 × 480 and grows when longer captions need room.

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

#include "core/devices/CrossflowPlateTables.h"
#include "core/devices/DeviceCodes.h"
#include "core/forms/FieldFormats.h"
#include "core/settings/SettingsFile.h"
#include "gui/controls/Controls.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/Pictures.h"
#include "gui/mainwindow/MainWindow.h"

namespace {

// The common width of the numeric edits and of the result values.
constexpr int EditWidth = 72;
constexpr int ResultWidth = 86;
constexpr int ResultUnitWidth = 56;
// The row height of the two result grids (the height of row 14 is 0).
constexpr int GridRows = 15;
constexpr int GridColumnWidth = 74;
constexpr int GridNameWidth = 81;

template <class T>
T* New(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = New<QLabel>(parent, name);
    label->setText(text);
    return label;
}

// An unnamed label with a fixed text ("mm", "%").
QLabel* FixedLabel(QWidget* parent, const QString& text)
{
    auto* label = new QLabel(text, parent);
    return label;
}

TNumEdit* NewNumEdit(QWidget* parent, const char* name, int digits)
{
    auto* edit = New<TNumEdit>(parent, name);
    edit->SetPrecision(FieldFormat::Precision);
    edit->SetDigits(digits);
    edit->setFixedWidth(EditWidth);
    return edit;
}

TIntEdit* NewIntEdit(QWidget* parent, const char* name)
{
    auto* edit = New<TIntEdit>(parent, name);
    edit->setFixedWidth(EditWidth);
    return edit;
}

// A result value: right-aligned, of one width, empty until a calculation.
QLabel* ValueLabel(QWidget* parent, const char* name)
{
    auto* label = New<QLabel>(parent, name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(ResultWidth);
    return label;
}

QLabel* UnitLabel(QWidget* parent, const char* name)
{
    auto* label = New<QLabel>(parent, name);
    label->setMinimumWidth(ResultUnitWidth);
    return label;
}

void Row(QGridLayout* grid, int row, int column, QWidget* label, QWidget* value, QWidget* unit)
{
    if (label)
        grid->addWidget(label, row, column);
    if (value)
        grid->addWidget(value, row, column + 1, Qt::AlignRight);
    if (unit)
        grid->addWidget(unit, row, column + 2);
}

// A panel with a bold caption on the left and a value with its unit on the
// right, in the columns of the result grid around it.
QFrame* CaptionPanel(QWidget* parent, const char* name, QLabel*& caption, QWidget* value, QWidget* unit)
{
    auto* panel = New<QFrame>(parent, name);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(2, 1, 2, 1);
    caption = NewLabel(panel, (QByteArray(name) + "_Caption").constData());
    layout->addWidget(caption, 1);
    if (value) {
        value->setParent(panel);
        layout->addWidget(value);
    }
    if (unit) {
        unit->setParent(panel);
        layout->addWidget(unit);
    }
    return panel;
}

void SetupGrid(QTableWidget* grid, int columns, int columnWidth)
{
    grid->setColumnCount(columns);
    grid->setRowCount(GridRows);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    // Results to read, not to edit: no selection, no editing, but the
    // normal text colour (a disabled grid would grey the figures out).
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = grid->fontMetrics().height() + 3;
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->horizontalHeader()->setMinimumSectionSize(0);
    for (int c = 0; c < columns; ++c)
        grid->setColumnWidth(c, columnWidth);
    for (int r = 0; r < GridRows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
            grid->setItem(r, c, item);
        }
    }
    // Row 14 is selected and has no height, so no highlight is ever seen.
    grid->setRowHeight(GridRows - 1, 0);
    grid->selectRow(GridRows - 1);
    const int frame = 2 * grid->frameWidth();
    grid->setFixedSize(columns * columnWidth + frame, (GridRows - 1) * rowHeight + frame);
}

}  // namespace

QWidget* TFormWRG::BuildDevicePage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Geraet");
    auto* grid = new QGridLayout(page);

    // Rotary exchanger: columns 0 … 2.
    auto* rwt = New<TVxRadioButton>(page, "RadioButton_RWT");
    Caption(rwt, TextId::RotaryExchanger);
    grid->addWidget(rwt, 0, 0, 1, 3);
    auto* rotorLabel = NewLabel(page, "L_Rotortyp");
    Caption(rotorLabel, TextId::RotorType);
    grid->addWidget(rotorLabel, 1, 0, 1, 3);
    auto* rotor = New<QComboBox>(page, "Combo_Rotortyp");
    rotor->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    rotor->setMinimumContentsLength(20);
    grid->addWidget(rotor, 2, 0, 1, 3);
    auto* diameterLabel = NewLabel(page, "L_Raddurchmesser");
    Caption(diameterLabel, TextId::RotorDiameter);
    Row(grid, 3, 0, diameterLabel, NewIntEdit(page, "Edit_Rad"), FixedLabel(page, "mm"));

    auto* profileLabel = NewLabel(page, "L_Speichermasse");
    Caption(profileLabel, TextId::RotorProfile);
    auto* profile = New<QComboBox>(page, "Combo_Speichermasse");
    profile->setFixedWidth(EditWidth);
    auto* profileHelp = New<QToolButton>(page, "Button_Help_Rotorprofil");
    profileHelp->setFixedSize(16, 17);
    profileHelp->setIcon(ButtonGlyph("BUTTON_FRAGE"));
    profileHelp->setAutoRaise(true);
    profileHelp->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(profileLabel, 4, 0);
    grid->addWidget(profile, 4, 1, Qt::AlignRight);
    grid->addWidget(profileHelp, 4, 2, Qt::AlignLeft);
    auto* driveLabel = NewLabel(page, "L_Antriebsleistung");
    Caption(driveLabel, TextId::MotorPower);
    Row(grid, 5, 0, driveLabel, NewIntEdit(page, "Edit_Antrieb"), FixedLabel(page, "W"));

    // Counterflow exchanger below the rotary one.
    auto* gs = New<TVxRadioButton>(page, "RadioButton_GS");
    Caption(gs, TextId::CounterflowPlate);
    grid->addWidget(gs, 7, 0, 1, 3);
    auto* sizeLabel = NewLabel(page, "L_Baugroesse");
    Caption(sizeLabel, TextId::Size);
    auto* size = New<QComboBox>(page, "ComboBox11");
    for (int gsSize : CounterflowSizes)
        size->addItem(QStringLiteral("GS %1").arg(gsSize));
    size->setFixedWidth(EditWidth);
    Row(grid, 8, 0, sizeLabel, size, nullptr);
    auto* gsWidthLabel = NewLabel(page, "L_GSPaketbreite");
    Caption(gsWidthLabel, TextId::PackageWidth);
    Row(grid, 9, 0, gsWidthLabel, NewIntEdit(page, "Edit_GSBreite"), FixedLabel(page, "mm"));

    // Cross-flow plate exchanger: columns 4 … 6.
    grid->setColumnMinimumWidth(3, 12);
    auto* pwt = New<TVxRadioButton>(page, "RadioButton_PWT");
    Caption(pwt, TextId::CrossflowPlate);
    grid->addWidget(pwt, 0, 4, 1, 3);
    auto* edgeLabel = NewLabel(page, "L_Kantenmass");
    Caption(edgeLabel, TextId::EdgeDimension);
    auto* edge = New<QComboBox>(page, "Combo_Kantenmass");
    for (const int mm : PlateEdgeList)
        edge->addItem(QString::number(mm));
    edge->setFixedWidth(EditWidth);
    Row(grid, 1, 4, edgeLabel, edge, FixedLabel(page, "mm"));
    auto* distanceLabel = NewLabel(page, "L_Plattenabstand");
    Caption(distanceLabel, TextId::PlateDistance);
    auto* distance = New<QComboBox>(page, "Combo_Plattenabstand");
    distance->setFixedWidth(EditWidth);
    Row(grid, 2, 4, distanceLabel, distance, nullptr);
    auto* widthLabel = NewLabel(page, "L_Paketbreite");
    Caption(widthLabel, TextId::PackageWidth);
    Row(grid, 3, 4, widthLabel, NewIntEdit(page, "Edit_PWTBreite"), FixedLabel(page, "mm"));
    auto* seriesLabel = NewLabel(page, "L_Reihenschaltung");
    Caption(seriesLabel, TextId::SerialArrangement);
    auto* series = New<TAlignComboBox>(page, "ComboBox_AnzahlReihe");
    series->SetAlignment(TAlignment::Left);
    Row(grid, 4, 4, seriesLabel, series, nullptr);

    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowMinimumHeight(6, 12);
    grid->setRowStretch(10, 1);
    return page;
}

QWidget* TFormWRG::BuildDataPage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Daten");
    auto* layout = new QVBoxLayout(page);

    // One group per season: a supply column (volume only) and an exhaust
    // column (volume, temperature and humidity of the room air).
    struct Season {
        const char* group;
        TextId caption;
        const char* supplyHead;
        const char* exhaustHead;
        const char* rowNames[3];
        const char* edits[4];  // supply volume, exhaust volume, temperature, humidity
        const char* volumeUnit;
        const char* temperatureUnit;
    };
    const Season seasons[] = {
        {"GroupBox_Winterfall",
         TextId::WinterOperation,
         "L_Zuluft1",
         "L_Abluft1",
         {"L_Luftvolumen", "L_Temperatur", "L_relFeuchte"},
         {"Edit_VolZuWi", "Edit_VolAbWi", "Edit_TempWi", "Edit_FeuchteWi"},
         "Label7",
         "Label8"},
        {"GroupBox_Sommerfall",
         TextId::SummerOperation,
         "L_Zuluft2",
         "L_Abluft2",
         {"L_Luftvolumen2", "L_Temperatur2", "L_relFeuchte2"},
         {"Edit_VolZuSo", "Edit_VolAbSo", "Edit_TempSo", "Edit_FeuchteSo"},
         "Label13",
         "Label14"},
    };
    for (const Season& season : seasons) {
        auto* group = New<QGroupBox>(page, season.group);
        Caption(group, season.caption);
        auto* grid = new QGridLayout(group);
        auto* supplyHead = NewLabel(group, season.supplyHead);
        supplyHead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Caption(supplyHead, TextId::SupplyAir);
        auto* exhaustHead = NewLabel(group, season.exhaustHead);
        exhaustHead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Caption(exhaustHead, TextId::ExhaustAir);
        grid->addWidget(supplyHead, 0, 1);
        grid->addWidget(exhaustHead, 0, 2);
        const TextId rowCaptions[3] = {TextId::AirVolume, TextId::Temperature, TextId::RelativeHumidity};
        for (int r = 0; r < 3; ++r) {
            auto* label = NewLabel(group, season.rowNames[r]);
            Caption(label, rowCaptions[r]);
            grid->addWidget(label, r + 1, 0);
        }
        grid->addWidget(NewNumEdit(group, season.edits[0], FieldFormat::VolumeDigits), 1, 1, Qt::AlignRight);
        grid->addWidget(NewNumEdit(group, season.edits[1], FieldFormat::VolumeDigits), 1, 2, Qt::AlignRight);
        grid->addWidget(NewLabel(group, season.volumeUnit), 1, 3);
        grid->addWidget(NewNumEdit(group, season.edits[2], FieldFormat::TemperatureDigits), 2, 2, Qt::AlignRight);
        grid->addWidget(NewLabel(group, season.temperatureUnit), 2, 3);
        grid->addWidget(NewNumEdit(group, season.edits[3], FieldFormat::HumidityDigits), 3, 2, Qt::AlignRight);
        grid->addWidget(FixedLabel(group, QStringLiteral("%")), 3, 3);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(3, 40);
        layout->addWidget(group);
    }

    auto* outside = New<QGroupBox>(page, "GroupBox_Aussenluft");
    Caption(outside, TextId::OutsideAir);
    auto* outsideLayout = new QHBoxLayout(outside);
    auto* zone = New<QComboBox>(outside, "Combo_Klimazone");
    zone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    zone->setMinimumContentsLength(24);
    outsideLayout->addWidget(zone, 1);
    auto* define = New<QPushButton>(outside, "Button_Define");
    Caption(define, TextId::Define);
    outsideLayout->addWidget(define);
    layout->addWidget(outside);

    // An edit without a function, kept hidden.
    auto* unused = New<TNumEdit>(page, "Edit1");
    unused->hide();
    layout->addStretch(1);
    return page;
}

QWidget* TFormWRG::BuildControlPage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Regelung");
    auto* layout = new QVBoxLayout(page);

    // Daily operating time and days per week.
    auto* times = new QGridLayout;
    auto* timeLabel = NewLabel(page, "L_Betriebszeit");
    Caption(timeLabel, TextId::OperatingTime);
    times->addWidget(timeLabel, 0, 0);
    auto* from = NewLabel(page, "Label24");
    Caption(from, TextId::From);
    times->addWidget(from, 0, 1, Qt::AlignRight);
    auto* timeFrom = New<QComboBox>(page, "ComboBox_Betriebzeit_von");
    auto* timeTo = New<QComboBox>(page, "ComboBox_Betriebzeit_bis");
    for (int hour = 0; hour <= 24; ++hour) {
        const QString text = QStringLiteral("%1:00").arg(hour, 2, 10, QLatin1Char('0'));
        timeFrom->addItem(text);
        timeTo->addItem(text);
    }
    times->addWidget(timeFrom, 0, 2);
    auto* until = NewLabel(page, "Label25");
    Caption(until, TextId::Until);
    times->addWidget(until, 0, 3, Qt::AlignRight);
    times->addWidget(timeTo, 0, 4);
    auto* hour = NewLabel(page, "Label26");
    Caption(hour, TextId::Hour);
    times->addWidget(hour, 0, 5);
    auto* at = NewLabel(page, "Label27");
    Caption(at, TextId::At);
    times->addWidget(at, 1, 1, Qt::AlignRight);
    times->addWidget(NewNumEdit(page, "Edit_TageWoche", FieldFormat::DaysDigits), 1, 2);
    auto* days = NewLabel(page, "Label28");
    Caption(days, TextId::DaysPerWeek);
    times->addWidget(days, 1, 3, 1, 3);
    times->setColumnStretch(6, 1);
    layout->addLayout(times);

    // Heating period and supply air temperature control.
    auto* winter = New<QGroupBox>(page, "GroupBox_Winterbetrieb2");
    Caption(winter, TextId::WinterOperation);
    auto* winterGrid = new QGridLayout(winter);
    auto* heating = NewLabel(winter, "Label29");
    Caption(heating, TextId::HeatingPeriod);
    winterGrid->addWidget(heating, 0, 0);
    auto* monthFromLabel = NewLabel(winter, "Label30");
    Caption(monthFromLabel, TextId::From);
    winterGrid->addWidget(monthFromLabel, 0, 1, Qt::AlignRight);
    winterGrid->addWidget(New<QComboBox>(winter, "ComboBox_Monat_von"), 0, 2);
    auto* monthToLabel = NewLabel(winter, "Label31");
    Caption(monthToLabel, TextId::Until);
    winterGrid->addWidget(monthToLabel, 0, 3, Qt::AlignRight);
    winterGrid->addWidget(New<QComboBox>(winter, "ComboBox_Monat_bis"), 0, 4);
    auto* control = New<TVxCheckBox>(winter, "CheckBox1");
    Caption(control, TextId::SupplyTemperatureControl);
    winterGrid->addWidget(control, 1, 0, 1, 5);
    auto* maxLabel = NewLabel(winter, "Label32");
    Caption(maxLabel, TextId::MaxSupplyTemperature);
    winterGrid->addWidget(maxLabel, 2, 0, 1, 2);
    winterGrid->addWidget(NewNumEdit(winter, "Edit_MaxZuTemp", FieldFormat::TemperatureDigits), 2, 2);
    winterGrid->addWidget(NewLabel(winter, "Label33"), 2, 3, 1, 2);
    winterGrid->setColumnStretch(5, 1);
    layout->addWidget(winter);

    // Summer control mode 1 … 4.
    auto* summer = New<QGroupBox>(page, "GroupBox_Sommerbetrieb2");
    Caption(summer, TextId::SummerOperation);
    auto* summerGrid = new QGridLayout(summer);
    const char* modes[] = {"RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6"};
    const TextId modeCaptions[] = {TextId::TemperatureComparison, TextId::EnthalpyComparison, TextId::SummerSwitchAt,
                                   TextId::NoSummerOperation};
    const int modeRows[] = {0, 1, 2, 3};
    for (int i = 0; i < 4; ++i) {
        auto* mode = New<TVxRadioButton>(summer, modes[i]);
        Caption(mode, modeCaptions[i]);
        summerGrid->addWidget(mode, modeRows[i], 0);
    }
    auto* switchLabel = NewLabel(summer, "Label34");
    Caption(switchLabel, TextId::OutsideTemperaturesAbove);
    summerGrid->addWidget(switchLabel, 2, 1);
    summerGrid->addWidget(NewNumEdit(summer, "Edit_SommerPunkt", FieldFormat::TemperatureDigits), 2, 2);
    summerGrid->addWidget(NewLabel(summer, "Label36"), 2, 3);
    summerGrid->setColumnStretch(4, 1);
    layout->addWidget(summer);

    // Minimum exhaust temperature control: present, always off, hidden.
    auto* exhaust = New<QGroupBox>(page, "GroupBox_FortluftReg");
    auto* exhaustLayout = new QHBoxLayout(exhaust);
    exhaustLayout->addWidget(New<TVxCheckBox>(exhaust, "CheckBox_FortluftReg"));
    exhaustLayout->addWidget(NewNumEdit(exhaust, "Edit_minFortlufttemp", FieldFormat::TemperatureDigits));
    exhaustLayout->addWidget(NewLabel(exhaust, "Label2"));
    exhaust->hide();
    layout->addWidget(exhaust);
    layout->addStretch(1);
    return page;
}

QWidget* TFormWRG::BuildEconomyPage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Wirtschaftsdaten");
    auto* columns = new QHBoxLayout(page);

    // Left: investment, lifetime, interest, and the energy prices.
    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    auto* investLabel = NewLabel(page, "Label37");
    Caption(investLabel, TextId::InvestmentCost);
    Row(grid, 0, 0, investLabel, NewNumEdit(page, "Edit_Invest", FieldFormat::InvestmentDigits),
        NewLabel(page, "Label40"));
    auto* useLabel = NewLabel(page, "Label38");
    Caption(useLabel, TextId::ServiceLife);
    auto* years = NewLabel(page, "Label41");
    Caption(years, TextId::Years);
    Row(grid, 1, 0, useLabel, NewNumEdit(page, "Edit_Nutzung", FieldFormat::LifetimeDigits), years);
    auto* rateLabel = NewLabel(page, "Label39");
    Caption(rateLabel, TextId::InterestRate);
    Row(grid, 2, 0, rateLabel, NewNumEdit(page, "Edit_Zins", FieldFormat::InterestDigits),
        FixedLabel(page, QStringLiteral("%")));
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, 60);
    left->addLayout(grid);

    auto* prices = New<QGroupBox>(page, "GroupBox8");
    Caption(prices, TextId::EnergyCharges);
    auto* priceGrid = new QGridLayout(prices);
    struct Price {
        const char* label;
        TextId caption;
        const char* edit;
        const char* unit;
    };
    const Price priceRows[] = {
        {"L_PreisElektro", TextId::ElectricityPrice, "Edit_Elektro", "Label47"},
        {"L_PreisWaerme", TextId::HeatPrice, "Edit_Waerme", "Label48"},
        {"L_PreisKaelte", TextId::ColdPrice, "Edit_Kaelte", "Label49"},
        {"L_PreisWasser", TextId::WaterPrice, "Edit_Wasser", "Label50"},
    };
    int row = 0;
    for (const Price& price : priceRows) {
        auto* label = NewLabel(prices, price.label);
        Caption(label, price.caption);
        Row(priceGrid, row++, 0, label, NewNumEdit(prices, price.edit, FieldFormat::PriceDigits),
            NewLabel(prices, price.unit));
    }
    priceGrid->setColumnStretch(0, 1);
    priceGrid->setColumnMinimumWidth(2, 60);
    left->addWidget(prices);
    left->addStretch(1);
    columns->addLayout(left, 3);

    // Right: maintenance and service, each as a share of the investment or
    // as an amount per year.
    auto* right = new QVBoxLayout;
    struct CostGroup {
        const char* group;
        const char* label;
        TextId caption;
        const char* edit;
        const char* percent;
        const char* amount;
    };
    const CostGroup groups[] = {
        {"GroupBox9", "Label51", TextId::MaintenanceCosts, "Edit_Unterhalt", "RadioButton7", "RadioButton8"},
        {"GroupBox10", "Label52", TextId::ServiceCosts, "Edit_Wartung", "RadioButton9", "RadioButton10"},
    };
    for (const CostGroup& cost : groups) {
        auto* group = New<QGroupBox>(page, cost.group);
        auto* costGrid = new QGridLayout(group);
        auto* label = NewLabel(group, cost.label);
        label->setWordWrap(true);
        Caption(label, cost.caption);
        costGrid->addWidget(label, 0, 0, 1, 2);
        costGrid->addWidget(NewNumEdit(group, cost.edit, FieldFormat::CostDigits), 1, 0, Qt::AlignTop);
        auto* percent = New<TVxRadioButton>(group, cost.percent);
        Caption(percent, TextId::OfInvestmentCosts, QStringLiteral("% "));
        costGrid->addWidget(percent, 1, 1);
        costGrid->addWidget(New<TVxRadioButton>(group, cost.amount), 2, 1);
        costGrid->setColumnStretch(1, 1);
        right->addWidget(group);
    }
    right->addStretch(1);
    columns->addLayout(right, 2);
    return page;
}

QWidget* TFormWRG::BuildEnergyPage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Energierueckgewinn");
    auto* columns = new QHBoxLayout(page);

    // The monthly grid with its two-level headings.
    auto* table = new QGridLayout;
    table->setHorizontalSpacing(0);
    table->setVerticalSpacing(1);
    auto heading = [&](const char* name, TextId title, int row, int column, int span) {
        auto* label = NewLabel(page, name);
        label->setAlignment(Qt::AlignCenter);
        if (title != TextId::None)
            Caption(label, title);
        table->addWidget(label, row, column, 1, span);
        return label;
    };
    heading("Label53", TextId::HeatRecovery, 0, 1, 2);
    heading("Label54", TextId::ColdRecovery, 0, 3, 2);
    heading("Label55", TextId::Sensible, 1, 1, 1);
    heading("Label56", TextId::Latent, 1, 2, 1);
    heading("Label57", TextId::Sensible, 1, 3, 1);
    heading("Label58", TextId::Latent, 1, 4, 1);
    for (const auto& [name, column] : {std::pair{"Label61", 1}, {"Label62", 2}, {"Label127", 3}, {"Label128", 4}})
        heading(name, TextId::None, 2, column, 1)->setFixedWidth(GridColumnWidth);
    StringGrid2 = New<QTableWidget>(page, "StringGrid2");
    SetupGrid(StringGrid2, 1, GridNameWidth);
    for (int r = 0; r < GridRows; ++r)
        StringGrid2->item(r, 0)->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    StringGrid1 = New<QTableWidget>(page, "StringGrid1");
    SetupGrid(StringGrid1, 4, GridColumnWidth);
    table->addWidget(StringGrid2, 3, 0, Qt::AlignTop);
    table->addWidget(StringGrid1, 3, 1, 1, 4, Qt::AlignTop);
    table->setRowStretch(4, 1);
    columns->addLayout(table);

    // The annual sums of winter and summer, then the commands.
    auto* right = new QVBoxLayout;
    struct Season {
        const char* panel;
        const char* heading;
        TextId caption;
        const char* rows[3][3];  // caption label, value, unit
        TextId rowCaptions[2];
    };
    const Season seasons[] = {
        {"Panel8",
         "Label63",
         TextId::WinterOperation,
         {{"Label73", "Label65", "Label66"}, {"Label92", "Label120", "Label121"}, {nullptr, "Label123", "Label125"}},
         {TextId::HeatRecovery, TextId::MoistureRecovery}},
        {"Panel9",
         "Label64",
         TextId::SummerOperation,
         {{"Label106", "Label67", "Label68"}, {"Label117", "Label119", "Label122"}, {nullptr, "Label124", "Label126"}},
         {TextId::ColdRecovery, TextId::Dehumidification}},
    };
    for (const Season& season : seasons) {
        auto* panel = New<QFrame>(page, season.panel);
        panel->setFrameShape(QFrame::StyledPanel);
        auto* grid = new QGridLayout(panel);
        grid->setVerticalSpacing(1);
        auto* head = NewLabel(panel, season.heading);
        Caption(head, season.caption);
        grid->addWidget(head, 0, 0, 1, 2);
        int row = 1;
        for (int i = 0; i < 3; ++i) {
            if (season.rows[i][0]) {
                auto* label = NewLabel(panel, season.rows[i][0]);
                Caption(label, season.rowCaptions[i]);
                grid->addWidget(label, row++, 0, 1, 2);
            }
            grid->addWidget(ValueLabel(panel, season.rows[i][1]), row, 0);
            grid->addWidget(UnitLabel(panel, season.rows[i][2]), row++, 1);
        }
        grid->setColumnStretch(0, 1);
        right->addWidget(panel);
    }
    right->addStretch(1);
    Button1 = New<QPushButton>(page, "Button1");
    Caption(Button1, TextId::Calculate);
    Button2 = New<QPushButton>(page, "Button2");
    Caption(Button2, TextId::Datasheet);
    Button5 = New<QPushButton>(page, "Button5");
    Caption(Button5, TextId::DatasheetDiagram);
    for (QPushButton* button : {Button1, Button2, Button5})
        right->addWidget(button);
    columns->addLayout(right, 1);
    return page;
}

QWidget* TFormWRG::BuildCostPage()
{
    auto* page = New<QWidget>(nullptr, "Tab_Kosteneinsparung");
    auto* columns = new QHBoxLayout(page);

    // Left: the annual costs and savings, one row per amount.
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    int row = 0;
    // The captions of this page are long in some languages: they wrap onto
    // a second line rather than widen the window beyond its 640 pixels.
    auto panelRow = [&](const char* panelName, TextId title, const char* value, const char* unit) {
        QLabel* caption = nullptr;
        auto* panel = CaptionPanel(page, panelName, caption, ValueLabel(page, value), UnitLabel(page, unit));
        caption->setWordWrap(true);
        Caption(caption, title, QStringLiteral(" "));
        grid->addWidget(panel, row++, 0, 1, 3);
    };
    auto amountRow = [&](const char* label, TextId title, const char* value, const char* unit) {
        auto* caption = NewLabel(page, label);
        caption->setWordWrap(true);
        Caption(caption, title);
        Row(grid, row++, 0, caption, value ? ValueLabel(page, value) : nullptr, unit ? UnitLabel(page, unit) : nullptr);
    };
    panelRow("Panel7", TextId::InvestmentCost, "Label102", "Label80");
    amountRow("Label74", TextId::CapitalCost, "Label103", "Label89");
    amountRow("Label75", TextId::MaintenanceCosts, "Label104", "Label90");
    amountRow("Label76", TextId::ServiceCosts, "Label105", "Label91");
    amountRow("Label77", TextId::EnergyConsumption, nullptr, nullptr);
    amountRow("Label78", TextId::ByPressureLoss, "Label107", "Label93");
    amountRow("Label79", TextId::ByDriveMotor, "Label108", "Label94");
    panelRow("Panel4", TextId::TotalAnnualCosts, "Label109", "Label95");
    amountRow("Label81", TextId::EnergyRecovery, nullptr, nullptr);
    amountRow("Label82", TextId::Heating, nullptr, nullptr);
    amountRow("Label83", TextId::HeatingCostSavings, "Label110", "Label96");
    amountRow("Label84", TextId::WaterCostSavings, "Label111", "Label97");
    amountRow("Label85", TextId::Cooling, nullptr, nullptr);
    amountRow("Label86", TextId::CoolingCostSavings, "Label112", "Label98");
    amountRow("Label87", TextId::OperatingCostSavings, "Label113", "Label99");
    // The interest of the savings: its caption is the read-only memo.
    auto* memo = New<QTextEdit>(page, "Memo1");
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setFixedHeight(2 * memo->fontMetrics().height() + 6);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->viewport()->setAutoFillBackground(false);
    Caption([memo](const QString& text) { memo->setPlainText(text); }, TextId::InterestOnSavings);
    Row(grid, row++, 0, memo, ValueLabel(page, "Label114"), UnitLabel(page, "Label100"));
    panelRow("Panel5", TextId::AnnualOperatingSavings, "Label115", "Label101");
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(row, 1);
    columns->addLayout(grid, 3);

    // Right: benefit/cost factor, amortisation and the commands.
    auto* right = new QVBoxLayout;
    auto* factor = New<QFrame>(page, "Panel6");
    factor->setFrameShape(QFrame::Panel);
    factor->setFrameShadow(QFrame::Raised);
    auto* factorLayout = new QHBoxLayout(factor);
    factorLayout->setContentsMargins(2, 1, 2, 1);
    auto* factorLabel = NewLabel(factor, "Label1");
    factorLabel->setWordWrap(true);
    Caption(factorLabel, TextId::BenefitCostFactor);
    factorLayout->addWidget(factorLabel, 1);
    factorLayout->addWidget(ValueLabel(factor, "Label116"));
    right->addWidget(factor);
    QLabel* amortCaption = nullptr;
    auto* amortisation = CaptionPanel(page, "Panel11", amortCaption, ValueLabel(page, "Label59"),
                                      NewLabel(page, "Label60"));
    amortCaption->setWordWrap(true);
    Caption(amortCaption, TextId::AmortizationTime, QStringLiteral(" "));
    Caption(amortisation->findChild<QLabel*>(QStringLiteral("Label60")), TextId::YearUnit);
    right->addWidget(amortisation);
    right->addStretch(1);
    Button3 = New<QPushButton>(page, "Button3");
    Caption(Button3, TextId::Calculate);
    Button4 = New<QPushButton>(page, "Button4");
    Caption(Button4, TextId::Datasheet);
    right->addWidget(Button3);
    right->addWidget(Button4);
    columns->addLayout(right, 2);
    return page;
}

void TFormWRG::BuildStatusStrip(QWidget* strip)
{
    auto* layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* panel2 = NewLabel(strip, "Panel2");
    panel2->setFrameShape(QFrame::Panel);
    panel2->setFrameShadow(QFrame::Sunken);
    panel2->setFixedWidth(120);
    layout->addWidget(panel2);
    auto* panel3 = New<QFrame>(strip, "Panel3");
    panel3->setFrameShape(QFrame::Panel);
    panel3->setFrameShadow(QFrame::Sunken);
    auto* panel3Layout = new QHBoxLayout(panel3);
    panel3Layout->setContentsMargins(2, 0, 2, 0);
    Label118 = NewLabel(panel3, "Label118");
    Label118->setAlignment(Qt::AlignCenter);
    panel3Layout->addWidget(Label118, 1);
    Panel10 = New<QFrame>(panel3, "Panel10");
    auto* progressLayout = new QHBoxLayout(Panel10);
    progressLayout->setContentsMargins(0, 2, 0, 2);
    ProgressBar1 = New<QProgressBar>(Panel10, "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    progressLayout->addWidget(ProgressBar1);
    Panel10->setFixedWidth(200);
    Panel10->hide();
    panel3Layout->addWidget(Panel10);
    layout->addWidget(panel3, 1);
}
