// The main window: creation, the catalogue texts and the unit labels.

#include "gui/mainwindow/MainWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/settings/DisplayUnits.h"
#include "core/settings/SettingsFile.h"
#include "core/text/Catalogue.h"
#include "gui/climateeditor/ClimateEditorWindow.h"
#include "gui/controls/Controls.h"
#include "gui/controls/WindowText.h"
#include "gui/help/HelpViewer.h"
#include "gui/info/InfoWindow.h"
#include "gui/options/OptionsWindow.h"
#include "gui/preview/PreviewWindow.h"
#include "print/MakerData.h"

using ui::Text;

TFormWRG::TFormWRG(QWidget* parent) : TVxForm(parent)
{
    setObjectName(QStringLiteral("FormWRG"));
    // A top-level window with system menu, minimise and close, no maximise.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildMenu();
    layout->setMenuBar(MainMenu1);

    PageControl1 = new TVxPageControl(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setTabWidth(200);
    const std::pair<QWidget*, TextId> pages[] = {
        {BuildDevicePage(), TextId::HeatExchanger},  {BuildDataPage(), TextId::SelectionData},
        {BuildControlPage(), TextId::Regulation},    {BuildEconomyPage(), TextId::EconomyData},
        {BuildEnergyPage(), TextId::EnergyRecovery}, {BuildCostPage(), TextId::CostSavings},
    };
    for (const auto& [page, title] : pages) {
        const int at = PageControl1->addPage(page, QString());
        Caption([this, at](const QString& text) { PageControl1->setCaption(at, text); }, title, QStringLiteral("   "),
                QStringLiteral("   "));
    }
    layout->addWidget(PageControl1, 1);

    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("Panel1"));
    strip->setFixedHeight(22);
    BuildStatusStrip(strip);
    layout->addWidget(strip);

    // The inputs of a first start; the program's start-up puts the stored
    // settings in afterwards.
    const ProgramSettings defaults;
    siUnits = defaults.SIUnits;
    currency = QString::fromStdString(defaults.Currency);
    climateFiles_ = defaults.ClimateFiles;
    SetInputs(defaults.Inputs);
    ConnectChanges();
    PageControl1->setCurrentIndex(0);
    ApplyLanguage();
    AenderungAuslegung(findChild<QComboBox*>(QStringLiteral("Combo_Rotortyp")));
    MarkProjectSaved(QString());

    resize(640, 480);
}

TFormWRG::~TFormWRG()
{
    // The controls go after this class: none of their signals may reach it.
    applying_ = true;
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void TFormWRG::Caption(std::function<void(const QString&)> set, TextId text, const QString& prefix,
                       const QString& suffix)
{
    captions_.push_back(CaptionEntry{std::move(set), text, prefix, suffix});
}

void TFormWRG::Caption(QWidget* widget, TextId text, const QString& prefix, const QString& suffix)
{
    std::function<void(const QString&)> set;
    if (auto* label = qobject_cast<QLabel*>(widget))
        set = [label](const QString& text) { label->setText(text); };
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        set = [button](const QString& text) { button->setText(text); };
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        set = [group](const QString& text) { group->setTitle(text); };
    else
        return;
    Caption(std::move(set), text, prefix, suffix);
}

void TFormWRG::ApplyLanguage()
{
    ChooseFonts();
    setFont(DialogFont());
    SetUnitLabels();
    for (const char* name : {"Label63", "Label123", "Label125", "Label64", "Label124", "Label126", "Panel7", "Panel4",
                             "Panel5", "Panel6", "Panel11"}) {
        if (auto* widget = findChild<QWidget*>(QLatin1String(name))) {
            QFont bold = font();
            bold.setBold(true);
            widget->setFont(bold);
        }
    }
    ApplyLanguageToOtherWindows();
    for (const CaptionEntry& entry : captions_)
        entry.set(entry.prefix + Text(entry.text) + entry.suffix);
    for (QAction* item : languageItems_)
        item->setChecked(item->data().toInt() == CurrentLanguage());

    const bool wasApplying = applying_;
    applying_ = true;
    // The rebuilt lists keep the entries on screen, which may differ from
    // the stored inputs since the last calculation; the stored inputs only
    // decide for a list that shows nothing yet.
    std::vector<std::pair<QComboBox*, int>> shown;
    for (const char* name :
         {"Combo_Rotortyp", "ComboBox_AnzahlReihe", "ComboBox_Monat_von", "ComboBox_Monat_bis", "Combo_Klimazone"}) {
        if (auto* list = findChild<QComboBox*>(QLatin1String(name)))
            shown.emplace_back(list, list->currentIndex());
    }
    const auto keepShown = [&shown](QComboBox* list) {
        for (const auto& [kept, index] : shown) {
            if (kept == list && index >= 0 && index < list->count())
                list->setCurrentIndex(index);
        }
    };
    FillRotorTypes();
    keepShown(findChild<QComboBox*>(QStringLiteral("Combo_Rotortyp")));
    // The profile list belongs to the rotor type shown and keeps the profile
    // shown where that rotor offers it.
    UpdateProfileList(true);
    FillSeriesList();
    FillMonthLists();
    FillGridRowNames();
    FillZoneSelector();
    for (const auto& [list, index] : shown)
        keepShown(list);
    applying_ = wasApplying;
    // The plate distances follow the edge; this also empties the results.
    Combo_KantenmassChange(this);
    UpdateCaption();
    FillRecentMenu();
    helpFile_ = HelpDocumentPath(CurrentLanguage());
}

void TFormWRG::ApplyLanguageToOtherWindows()
{
    // The windows that exist are direct children created on first use.
    if (auto* info = findChild<TFormInfo*>(QStringLiteral("FormInfo"), Qt::FindDirectChildrenOnly))
        info->RefreshLanguagePicture();
    if (auto* options = findChild<TFormOptionen*>(QStringLiteral("FormOptionen"), Qt::FindDirectChildrenOnly))
        options->ApplyTexts();
    if (auto* climate = findChild<TFormKlimaDaten*>(QStringLiteral("FormKlimaDaten"), Qt::FindDirectChildrenOnly))
        climate->ApplyTexts();
    if (TFormSeite* preview = ExistingPreview())
        preview->ApplyTexts();
}

void TFormWRG::SetUnitLabels()
{
    auto set = [this](const char* name, const QString& text) {
        if (auto* label = findChild<QLabel*>(QLatin1String(name)))
            label->setText(text);
    };
    const auto unit = [this](DisplayQuantity quantity) {
        return QString::fromStdString(UnitLabelIn(CurrentLanguage(), quantity, siUnits));
    };
    const QString perYear = QStringLiteral("/") + Text(TextId::YearUnit);
    for (const char* name : {"Label7", "Label13"})
        set(name, unit(DisplayQuantity::AirVolumeFlow));
    for (const char* name : {"Label8", "Label14", "Label33", "Label36", "Label2"})
        set(name, unit(DisplayQuantity::Temperature));
    for (const char* name : {"Label61", "Label62", "Label127", "Label128"})
        set(name, QStringLiteral("[") + unit(DisplayQuantity::Energy) + QStringLiteral("]"));
    for (const char* name : {"Label66", "Label68"})
        set(name, unit(DisplayQuantity::Energy) + perYear);
    for (const char* name : {"Label121", "Label122"})
        set(name, unit(DisplayQuantity::WaterMass) + perYear);
    for (const char* name : {"Label125", "Label126"})
        set(name, QStringLiteral("h") + perYear);
    for (const char* name : {"Label47", "Label48", "Label49"})
        set(name, currency + QStringLiteral("/") + unit(DisplayQuantity::PricedEnergy));
    set("Label50", currency + QStringLiteral("/") + unit(DisplayQuantity::WaterVolume));
    set("Label40", currency);
    set("Label80", currency);
    // The amount units of the cost page (Label92 is a caption of the energy
    // page).
    for (const char* name : {"Label89", "Label90", "Label91", "Label93", "Label94", "Label95", "Label96", "Label97",
                             "Label98", "Label99", "Label100", "Label101"})
        set(name, currency + perYear);
    for (const char* name : {"RadioButton8", "RadioButton10"}) {
        if (auto* button = findChild<QAbstractButton*>(QLatin1String(name)))
            button->setText(currency + perYear);
    }
}
