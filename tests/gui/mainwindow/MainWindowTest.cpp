// The main window: controls named by the rules, pages, workflow flags and
// buttons, the input round trip, heating period coupling, Escape, the
// language menu, and every caption and the layout at 640 × 480 in every
// language.

#include <QAction>
#include <QGroupBox>
#include <QMap>
#include <QMenu>
#include <QTemporaryDir>

#include <tuple>

#include "core/forms/DevicePageRules.h"
#include "core/forms/InputChecks.h"
#include "core/settings/IniFile.h"
#include "gui/mainwindow/InputFieldControls.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

// Visible siblings do not overlap, lie inside their parent and show their
// whole caption.
void CheckNoOverlap(QWidget* parent, int language)
{
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (widget && widget->isVisible() && !widget->isWindow())
            children << widget;
    }
    for (int i = 0; i < children.size(); ++i) {
        const QRect r = children[i]->geometry();
        const QString what =
            QStringLiteral("language %1, %2 in %3").arg(language).arg(children[i]->objectName(), parent->objectName());
        QVERIFY2(parent->rect().contains(r), qPrintable(what + QStringLiteral(" outside")));
        for (int j = i + 1; j < children.size(); ++j)
            QVERIFY2(!r.intersects(children[j]->geometry()),
                     qPrintable(what + QStringLiteral(" overlaps ") + children[j]->objectName()));
        auto* label = qobject_cast<QLabel*>(children[i]);
        if (label && !label->wordWrap() && !label->text().isEmpty())
            QVERIFY2(r.width() >= label->minimumSizeHint().width(), qPrintable(what + QStringLiteral(" cut")));
        CheckNoOverlap(children[i], language);
        if (QTest::currentTestFailed())
            return;
    }
}

// Every caption, list entry, menu item and page caption of the window by
// control (and entry), for comparing languages.
QMap<QString, QString> Captions(const TFormWRG& window)
{
    QMap<QString, QString> texts;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts[name] = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts[name] = button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts[name] = group->title();
        else if (auto* list = qobject_cast<QComboBox*>(widget))
            for (int i = 0; i < list->count(); ++i)
                texts[name + QString::number(i)] = list->itemText(i);
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            for (QAction* item : menu->actions())
                texts[item->objectName()] = item->text();
    }
    for (int page = 0; page < window.PageControl1->count(); ++page)
        texts[QStringLiteral("page") + QString::number(page)] = window.PageControl1->caption(page);
    return texts;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    MessageLog messages_;

private slots:
    void init() { SetCurrentLanguage(2); }

    // The input checks and the device page rules find their controls by name.
    void controlsNamedByTheRulesExist()
    {
        TFormWRG window;
        const auto exists = [&window](std::string_view name) {
            return window.findChild<QWidget*>(QLatin1String(name.data(), qsizetype(name.size()))) != nullptr;
        };
        for (const std::string_view name : CheckedFieldNames())
            QVERIFY2(exists(name), name.data());
        // Every control of the input field table, of the kind its row names.
        for (const CalcInputField& field : CalcInputFields) {
            for (QWidget* control : ControlsOf(window, field)) {
                QVERIFY2(control != nullptr, field.name.data());
                const ControlKind kind = field.control.kind;
                const bool button = kind == ControlKind::RadioGroup || kind == ControlKind::CheckBox;
                const bool edit = kind == ControlKind::NumberEdit || kind == ControlKind::WholeEdit;
                QVERIFY2((kind == ControlKind::NumberEdit) == (qobject_cast<TNumEdit*>(control) != nullptr),
                         field.name.data());
                QVERIFY2((kind == ControlKind::WholeEdit) == (qobject_cast<TIntEdit*>(control) != nullptr),
                         field.name.data());
                QVERIFY2(button == (qobject_cast<QAbstractButton*>(control) != nullptr), field.name.data());
                QVERIFY2((!button && !edit) == (qobject_cast<QComboBox*>(control) != nullptr), field.name.data());
            }
        }
        for (const DeviceKind device : {DeviceKind::Rotary, DeviceKind::CrossFlowPlate, DeviceKind::CounterflowPlate})
            for (const ControlState& control : DevicePageStateOf(device, 0, SummerOperation::None).controls)
                QVERIFY2(exists(control.name), control.name.data());
    }

    void newWindowShowsTheDefaultsReadyToCalculate()
    {
        TFormWRG window;
        QCOMPARE(Fields(window.ReadInputs()), Fields(CalcInputs{}));
        QVERIFY(window.EnergyDirty() && !window.CancelRequested());
        QCOMPARE(EnabledButtons(window), QStringLiteral("13"));
        QCOMPARE(window.PageControl1->currentIndex(), 0);
    }

    // A design change empties both pages and enables the full calculation; an
    // economy change empties only the cost page and enables its recalculation.
    void changeEmptiesResultsAndEnablesCalculation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("design");
        for (const char* name : {"Edit_VolZuWi", "Combo_Rotortyp", "ComboBox11", "Combo_Klimazone",
                                 "ComboBox_Betriebzeit_von", "ComboBox_AnzahlReihe", "Combo_Kantenmass",
                                 "ComboBox_Monat_bis", "RadioButton_GS", "RadioButton6", "CheckBox1"})
            QTest::newRow(name) << QString::fromLatin1(name) << true;
        QTest::newRow("Edit_Invest") << QStringLiteral("Edit_Invest") << false;
        QTest::newRow("RadioButton10") << QStringLiteral("RadioButton10") << false;
    }

    void changeEmptiesResultsAndEnablesCalculation()
    {
        QFETCH(QString, name);
        QFETCH(bool, design);
        TFormWRG window;
        window.CalculationCompleted();
        C<QLabel>(window, "Label65")->setText(QStringLiteral("1,234"));
        C<QLabel>(window, "Label103")->setText(QStringLiteral("99"));
        window.StringGrid1->item(3, 2)->setText(QStringLiteral("12"));
        QVERIFY(!window.EnergyDirty());
        QCOMPARE(EnabledButtons(window), QStringLiteral("245"));
        QObject* control = window.findChild<QWidget*>(name);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            TypeInto(edit, QStringLiteral("9000"));
        else if (auto* list = qobject_cast<QComboBox*>(control))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        else
            C<QAbstractButton>(window, qPrintable(name))->click();
        QCOMPARE(window.EnergyDirty(), design);
        QCOMPARE(EnabledButtons(window), design ? QStringLiteral("13") : QStringLiteral("23"));
        QVERIFY(Text(window, "Label103").isEmpty());
        QCOMPARE(Text(window, "Label65").isEmpty(), design);
        QCOMPARE(window.StringGrid1->item(3, 2)->text().isEmpty(), design);
        QCOMPARE(Text(window, "Label106"), Q(CatalogueText(TextId::ColdRecovery)));  // captions stay
    }

    void inputsRoundTrip()
    {
        TFormWRG window;
        const CalcInputs changed{.ClimateZone = 3,
                                 .AirPressure = 980,
                                 .SupplyVolWinter = 8500,
                                 .ExtractVolWinter = 7200,
                                 .ExtractTempWinter = 20.5,
                                 .ExtractHumWinter = 35,
                                 .SupplyVolSummer = 6000,
                                 .ExtractVolSummer = 6100,
                                 .ExtractTempSummer = 26,
                                 .ExtractHumSummer = 55,
                                 .DeviceType = DeviceKind::CrossFlowPlate,
                                 .RotorTypeCode = 6,
                                 .WheelDiameter = 2500,
                                 .DrivePower = 250,
                                 .StorageMassCode = "D17",
                                 .PlateEdge = 1200,
                                 .PlateEdgeItem = 10,
                                 .PlateWidth = 900,
                                 .PlateSpacingCode = 3,
                                 .SeriesCount = 3,
                                 .GSSize = 62,
                                 .GSWidth = 450,
                                 .OperatingFrom = 7,
                                 .OperatingTo = 24,
                                 .DaysPerWeek = 5,
                                 .HeatingMonthFrom = 9,
                                 .HeatingMonthTo = 4,
                                 .SupplyTempControl = false,
                                 .MaxSupplyTemp = 19.5,
                                 .SummerMode = SummerOperation::SwitchOverTemperature,
                                 .SummerSwitchTemp = 24,
                                 .Investment = 25000,
                                 .Lifetime = 12,
                                 .InterestRate = 6.5,
                                 .PriceElectric = 120,
                                 .PriceHeat = 45.5,
                                 .PriceCold = 30,
                                 .PriceWater = 2.75,
                                 .Maintenance = 400,
                                 .MaintenanceMode = CostMode::AmountPerYear,
                                 .Service = 250,
                                 .ServiceMode = CostMode::AmountPerYear};
        window.SetInputs(changed);
        QCOMPARE(Fields(window.ReadInputs()), Fields(changed));
        window.SetInputs(CalcInputs{});
        QCOMPARE(Fields(window.ReadInputs()), Fields(CalcInputs{}));
    }

    void heatingPeriodEndsAreCoupled()
    {
        TFormWRG window;
        auto* from = C<QComboBox>(window, "ComboBox_Monat_von");
        auto* to = C<QComboBox>(window, "ComboBox_Monat_bis");
        // {changed list, new index, other list, its expected index}
        const std::tuple<QComboBox*, int, QComboBox*, int> steps[] = {
            {from, 0, to, 0}, {from, 3, to, 3}, {to, 5, from, 3}, {to, 0, from, 0}, {to, 11, from, 11}};
        for (const auto& [changedList, index, other, expected] : steps) {
            changedList->setCurrentIndex(index);
            QCOMPARE(other->currentIndex(), expected);
        }
    }

    void escapeSetsCancelRequested()
    {
        TFormWRG window;
        QVERIFY(ShowActive(window));
        auto* edit = C<QLineEdit>(window, "Edit_VolZuWi");
        window.PageControl1->setCurrentIndex(1);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(window.CancelRequested());
        QVERIFY(window.isVisible());  // Escape does not close the main window.
        window.SetCancelRequested(false);
        window.Abbrechen1->trigger();
        QVERIFY(window.CancelRequested() && *window.CancelFlag());
    }

    void languageMenuAppliesEverything_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("helpFile");
        const std::tuple<const char*, int, const char*> rows[] = {
            {"Deutsch1", 1, "WRG_D"}, {"English1", 2, "WRG_E"}, {"Francais1", 3, "WRG_E"},
            {"Polski1", 7, "WRG_E"},  {"Chinese1", 8, "WRG_E"}, {"Russian1", 9, "WRG_E"},
        };
        for (const auto& [item, language, help] : rows)
            QTest::newRow(item) << QString::fromLatin1(item) << language << QString::fromLatin1(help);
    }

    // A language item: the language is stored at once, every caption, page
    // and month list follows, only that item is checked, the help file
    // follows, and the results are emptied for a new calculation.
    void languageMenuAppliesEverything()
    {
        QFETCH(QString, item);
        QFETCH(int, language);
        QFETCH(QString, helpFile);
        QTemporaryDir folder;
        TIniDatei settings((folder.path() + QStringLiteral("/Quorvane.ini")).toStdString());
        TFormWRG window;
        window.SetSettingsFile(&settings);
        window.StringGrid1->item(0, 0)->setText(QStringLiteral("1.0"));
        window.CalculationCompleted();

        C<QAction>(window, qPrintable(item))->trigger();

        auto text = [language](TextId id) { return Q(CatalogueTextIn(language, id)); };
        QCOMPARE(CurrentLanguage(), language);
        QCOMPARE(TIniDatei(settings.Path()).ReadInteger("Global", "Language", 0), language);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane GmbH - ") + text(TextId::EconomyCalculation));
        const std::pair<const char*, TextId> pages[] = {{"Tab_Geraet", TextId::HeatExchanger},
                                                        {"Tab_Daten", TextId::SelectionData},
                                                        {"Tab_Regelung", TextId::Regulation},
                                                        {"Tab_Wirtschaftsdaten", TextId::EconomyData},
                                                        {"Tab_Energierueckgewinn", TextId::EnergyRecovery},
                                                        {"Tab_Kosteneinsparung", TextId::CostSavings}};
        QCOMPARE(window.PageControl1->count(), 6);
        for (int page = 0; page < 6; ++page) {
            QCOMPARE(window.PageControl1->page(page)->objectName(), QLatin1String(pages[page].first));
            QCOMPARE(window.PageControl1->caption(page), QStringLiteral("   %1   ").arg(text(pages[page].second)));
        }
        for (const char* months : {"ComboBox_Monat_von", "ComboBox_Monat_bis"}) {
            auto* list = C<QComboBox>(window, months);
            QCOMPARE(list->count(), 13);
            QCOMPARE(list->itemText(1), text(TextId::January));
            QCOMPARE(list->itemText(12), text(TextId::December));
        }
        for (QAction* each : C<QMenu>(window, "Sprache1")->actions())
            QCOMPARE(each->isChecked(), each->objectName() == item);
        QVERIFY(window.HelpFile().contains(helpFile));
        QVERIFY(window.StringGrid1->item(0, 0)->text().isEmpty());
        QVERIFY(EnabledButtons(window) == QStringLiteral("13") && window.EnergyDirty());
    }

    // A stored rotor code 3 (epoxy-coated) selects the second rotor entry,
    // with its own profile list, in every language.
    void rotorCodeThreeSelectsTheSecondEntry()
    {
        TFormWRG window;
        window.SetInputs(CalcInputs{.RotorTypeCode = 3});
        auto* rotor = C<QComboBox>(window, "Combo_Rotortyp");
        auto* profile = C<QComboBox>(window, "Combo_Speichermasse");
        for (const int language : {1, 7}) {
            SetCurrentLanguage(language);
            window.ApplyLanguage();
            QCOMPARE(rotor->currentIndex(), 1);
            QCOMPARE(profile->count(), 1);
            QCOMPARE(profile->currentText(), QStringLiteral("C19"));
        }
    }

    // In every language: whatever has a caption in the first language has one
    // here too, and every page fits 640 × 480 without overlapping or cut
    // controls.
    void everyLanguageHasEveryCaptionAndFits()
    {
        QMap<QString, QString> firstLanguage;
        for (const int language : OfferedLanguages) {
            SetCurrentLanguage(language);
            TFormWRG window;
            const QMap<QString, QString> captions = Captions(window);
            if (firstLanguage.isEmpty())
                firstLanguage = captions;
            QVERIFY(captions.size() > 150);
            for (auto it = firstLanguage.cbegin(); it != firstLanguage.cend(); ++it)
                QVERIFY2(it.value().trimmed().isEmpty() || !captions.value(it.key()).trimmed().isEmpty(),
                         qPrintable(QStringLiteral("language %1: %2 empty").arg(language).arg(it.key())));
            const QSize minimum = window.minimumSizeHint();
            if (language == 2)
                QVERIFY2(minimum.width() <= 640 && minimum.height() <= 480,
                         qPrintable(QStringLiteral("minimum %1 x %2").arg(minimum.width()).arg(minimum.height())));
            window.resize(640, 480);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            if (language == 2)
                QCOMPARE(window.size(), QSize(640, 480));
            for (int p = 0; p < window.PageControl1->count(); ++p) {
                window.PageControl1->setCurrentIndex(p);
                QCoreApplication::processEvents();
                CheckNoOverlap(window.PageControl1->page(p), language);
                if (QTest::currentTestFailed())
                    return;
            }
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
