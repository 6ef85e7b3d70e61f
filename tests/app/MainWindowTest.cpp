// The main window: controls and classes, pages, workflow flags and buttons,
// the input round trip, heating period coupling, Escape, the language menu
// and the layout at 640 × 480 in every language.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <tuple>

#include "app/FWRG.h"
#include "climate/CalcInputsFields.h"
#include "settings/TIniDatei.h"
#include "ui/Catalogue.h"
#include "ui/UVxControls.h"
#include "ui/UVxMessage.h"

namespace {

// Every control the window is known by, grouped by its class.
const std::pair<const char*, const char*> Controls[] = {
    {"TVxPageControl", "PageControl1"},
    {"TVxMainMenu", "MainMenu1"},
    {"QWidget", "Tab_Geraet Tab_Daten Tab_Regelung Tab_Wirtschaftsdaten Tab_Energierueckgewinn "
                "Tab_Kosteneinsparung"},
    {"TVxRadioButton", "RadioButton_RWT RadioButton_PWT RadioButton_GS RadioButton3 RadioButton4 RadioButton5 "
                       "RadioButton6 RadioButton7 RadioButton8 RadioButton9 RadioButton10"},
    {"QComboBox", "Combo_Rotortyp Combo_Speichermasse Combo_Kantenmass Combo_Plattenabstand ComboBox11 "
                  "Combo_Klimazone ComboBox_Betriebzeit_von ComboBox_Betriebzeit_bis ComboBox_Monat_von "
                  "ComboBox_Monat_bis"},
    {"TAlignComboBox", "ComboBox_AnzahlReihe"},
    {"TIntEdit", "Edit_Rad Edit_Antrieb Edit_PWTBreite Edit_GSBreite"},
    {"TNumEdit", "Edit_VolZuWi Edit_VolAbWi Edit_TempWi Edit_FeuchteWi Edit_VolZuSo Edit_VolAbSo Edit_TempSo "
                 "Edit_FeuchteSo Edit1 Edit_TageWoche Edit_MaxZuTemp Edit_SommerPunkt Edit_minFortlufttemp "
                 "Edit_Invest Edit_Nutzung Edit_Zins Edit_Elektro Edit_Waerme Edit_Kaelte Edit_Wasser "
                 "Edit_Unterhalt Edit_Wartung"},
    {"TVxCheckBox", "CheckBox1 CheckBox_FortluftReg"},
    {"QToolButton", "Button_Help_Rotorprofil"},
    {"QPushButton", "Button_Define Button1 Button2 Button3 Button4 Button5"},
    {"QGroupBox", "GroupBox_Winterfall GroupBox_Sommerfall GroupBox_Aussenluft GroupBox_Winterbetrieb2 "
                  "GroupBox_Sommerbetrieb2 GroupBox_FortluftReg GroupBox8 GroupBox9 GroupBox10"},
    {"QLabel", "L_Rotortyp L_Raddurchmesser L_Speichermasse L_Antriebsleistung L_Kantenmass L_Paketbreite "
               "L_Plattenabstand L_Reihenschaltung L_Baugroesse L_GSPaketbreite L_Zuluft1 L_Zuluft2 L_Abluft1 "
               "L_Abluft2 L_Luftvolumen L_Temperatur L_relFeuchte L_Betriebszeit Panel2"},
    {"QLabel", "Label1 Label2 Label7 Label8 Label13 Label14 Label24 Label25 Label26 Label27 Label28 Label29 "
               "Label30 Label31 Label32 Label33 Label34 Label36 Label37 Label38 Label39 Label40 Label41 Label47 "
               "Label48 Label49 Label50 Label51 Label52 Label53 Label54 Label55 Label56 Label57 Label58 Label59 "
               "Label60 Label61 Label62 Label63 Label64 Label65 Label66 Label67 Label68 Label73 Label74 Label75 "
               "Label76 Label77 Label78 Label79 Label80 Label81 Label82 Label83 Label84 Label85 Label86 Label87 "
               "Label89 Label92 Label95 Label100 Label101 Label102 Label103 Label106 Label107 Label109 Label110 "
               "Label114 Label115 Label116 Label117 Label118 Label119 Label120 Label121 Label122 Label123 "
               "Label124 Label125 Label126 Label127 Label128"},
    {"QTableWidget", "StringGrid1 StringGrid2"},
    {"QFrame", "Panel1 Panel3 Panel4 Panel5 Panel6 Panel7 Panel8 Panel9 Panel10 Panel11"},
    {"QTextEdit", "Memo1"},
    {"QProgressBar", "ProgressBar1"},
    {"QMenu", "Datei1 Optionen1 Sprache1 Hilfe1"},
    {"QAction", "Beenden1 Abbrechen1 Deutsch1 English1 Francais1 Polski1 Russian1 Chinese1 Klimadaten1 "
                "Einstellungen1 Inhalt1 QuorvaneHomepage1 Quorvaneemail1 Info1"},
};

template <class T>
T* Child(const QObject& owner, const char* name)
{
    auto* child = owner.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString Catalogue(int index) { return QString::fromStdString(CatalogueText(index)); }

QStringList Fields(CalcInputs inputs)
{
    QStringList fields;
    VisitCalcInputs(inputs, [&fields](const char* name, const auto& field) {
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::string>)
            fields << QStringLiteral("%1=%2").arg(QLatin1String(name), QString::fromStdString(field));
        else
            fields << QStringLiteral("%1=%2").arg(QLatin1String(name), QString::fromStdString(std::to_string(field)));
    });
    return fields;
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        SetCurrentLanguage(2);
        SetMessageBoxHook([](const QString&, int, const QString&) { return MessageResultOK; });
    }

    void cleanup() { SetMessageBoxHook({}); }

    void everyControlExistsWithItsClass()
    {
        TFormWRG window;
        QSet<QString> seen;
        for (const auto& [className, names] : Controls) {
            for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
                QVERIFY2(!seen.contains(name), qPrintable(name));
                seen.insert(name);
                const auto found = window.findChildren<QObject*>(name);
                QVERIFY2(found.size() == 1, qPrintable(name));
                QVERIFY2(found.front()->inherits(className),
                         qPrintable(name + QLatin1String(" is a ") + found.front()->metaObject()->className()));
            }
        }
    }

    void sixPagesWithCatalogueCaptions()
    {
        TFormWRG window;
        QCOMPARE(window.PageControl1->count(), 6);
        const char* pages[] = {"Tab_Geraet", "Tab_Daten", "Tab_Regelung", "Tab_Wirtschaftsdaten",
                               "Tab_Energierueckgewinn", "Tab_Kosteneinsparung"};
        const int captions[] = {290, 247, 251, 291, 235, 271};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(window.PageControl1->page(i)->objectName(), QLatin1String(pages[i]));
            QCOMPARE(window.PageControl1->caption(i), QStringLiteral("   %1   ").arg(Catalogue(captions[i])));
        }
        QCOMPARE(window.PageControl1->currentIndex(), 0);
    }

    void newWindowState()
    {
        TFormWRG window;
        QVERIFY(Child<QAbstractButton>(window, "RadioButton_RWT")->isChecked());
        QVERIFY(window.EnergyDirty() && !window.CancelRequested());
        QVERIFY(window.Button1->isEnabled() && window.Button3->isEnabled());
        QVERIFY(!window.Button2->isEnabled() && !window.Button4->isEnabled() && !window.Button5->isEnabled());
        QCOMPARE(Child<QComboBox>(window, "ComboBox_Monat_von")->itemText(1), Catalogue(212));
        QCOMPARE(Child<QComboBox>(window, "Combo_Klimazone")->currentIndex(), 1);
    }

    void designChangeEmptiesResultsAndEnablesCalculation_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"Edit_VolZuWi", "Combo_Rotortyp", "ComboBox11", "Combo_Klimazone",
                                 "ComboBox_Betriebzeit_von", "ComboBox_AnzahlReihe", "Combo_Kantenmass",
                                 "ComboBox_Monat_bis", "RadioButton_GS", "RadioButton6", "CheckBox1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void designChangeEmptiesResultsAndEnablesCalculation()
    {
        QFETCH(QString, name);
        TFormWRG window;
        window.CalculationCompleted();
        Child<QLabel>(window, "Label65")->setText(QStringLiteral("1,234"));
        Child<QLabel>(window, "Label103")->setText(QStringLiteral("99"));
        window.StringGrid1->item(3, 2)->setText(QStringLiteral("12"));
        QVERIFY(!window.EnergyDirty() && !window.Button1->isEnabled());
        QObject* control = window.findChild<QWidget*>(name);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            TypeInto(edit, QStringLiteral("9000"));
        else if (auto* list = qobject_cast<QComboBox*>(control))
            list->setCurrentIndex(list->currentIndex() == 0 ? 1 : 0);
        else
            Child<QAbstractButton>(window, qPrintable(name))->click();
        QVERIFY(window.EnergyDirty());
        QVERIFY(window.Button1->isEnabled() && window.Button3->isEnabled());
        QVERIFY(!window.Button2->isEnabled() && !window.Button4->isEnabled() && !window.Button5->isEnabled());
        QVERIFY(Child<QLabel>(window, "Label65")->text().isEmpty());
        QVERIFY(Child<QLabel>(window, "Label103")->text().isEmpty());
        QVERIFY(window.StringGrid1->item(3, 2)->text().isEmpty());
    }

    void economyChangeEnablesOnlyTheCostCalculation()
    {
        TFormWRG window;
        for (int step = 0; step < 2; ++step) {
            window.CalculationCompleted();
            Child<QLabel>(window, "Label65")->setText(QStringLiteral("1,234"));
            Child<QLabel>(window, "Label110")->setText(QStringLiteral("55"));
            if (step == 0)
                TypeInto(Child<QLineEdit>(window, "Edit_Invest"), QStringLiteral("20000"));
            else
                Child<QAbstractButton>(window, "RadioButton10")->click();
            QVERIFY(!window.EnergyDirty());
            QVERIFY(window.Button3->isEnabled() && window.Button2->isEnabled());
            QVERIFY(!window.Button1->isEnabled() && !window.Button4->isEnabled() && !window.Button5->isEnabled());
            QVERIFY(Child<QLabel>(window, "Label110")->text().isEmpty());
            // Energy results still belong to the inputs; captions stay.
            QCOMPARE(Child<QLabel>(window, "Label65")->text(), QStringLiteral("1,234"));
            QCOMPARE(Child<QLabel>(window, "Label106")->text(), Catalogue(241));
        }
    }

    void inputsRoundTrip()
    {
        TFormWRG window;
        const CalcInputs defaults;
        QCOMPARE(Fields(window.ReadInputs()), Fields(defaults));
        CalcInputs changed;
        changed.ClimateZone = 3;
        changed.AirPressure = 980;
        changed.SupplyVolWinter = 8500;
        changed.ExtractVolWinter = 7200;
        changed.ExtractTempWinter = 20.5;
        changed.ExtractHumWinter = 35;
        changed.SupplyVolSummer = 6000;
        changed.ExtractVolSummer = 6100;
        changed.ExtractTempSummer = 26;
        changed.ExtractHumSummer = 55;
        changed.DeviceType = DeviceKind::CrossFlowPlate;
        changed.RotorTypeCode = 6;
        changed.WheelDiameter = 2500;
        changed.DrivePower = 250;
        changed.StorageMassCode = "D17";
        changed.PlateEdge = 1200;
        changed.PlateEdgeItem = 10;
        changed.PlateWidth = 900;
        changed.PlateSpacingCode = 3;
        changed.SeriesCount = 3;
        changed.GSSize = 62;
        changed.GSWidth = 450;
        changed.OperatingFrom = 7;
        changed.OperatingTo = 24;
        changed.DaysPerWeek = 5;
        changed.HeatingMonthFrom = 9;
        changed.HeatingMonthTo = 4;
        changed.SupplyTempControl = false;
        changed.MaxSupplyTemp = 19.5;
        changed.SummerMode = SummerOperation::SwitchOverTemperature;
        changed.SummerSwitchTemp = 24;
        changed.Investment = 25000;
        changed.Lifetime = 12;
        changed.InterestRate = 6.5;
        changed.PriceElectric = 120;
        changed.PriceHeat = 45.5;
        changed.PriceCold = 30;
        changed.PriceWater = 2.75;
        changed.Maintenance = 400;
        changed.MaintenanceMode = CostMode::AmountPerYear;
        changed.Service = 250;
        changed.ServiceMode = CostMode::AmountPerYear;
        window.SetInputs(changed);
        QCOMPARE(Fields(window.ReadInputs()), Fields(changed));
        window.SetInputs(defaults);
        QCOMPARE(Fields(window.ReadInputs()), Fields(defaults));
    }

    void heatingPeriodEndsAreCoupled()
    {
        TFormWRG window;
        auto* from = Child<QComboBox>(window, "ComboBox_Monat_von");
        auto* to = Child<QComboBox>(window, "ComboBox_Monat_bis");
        QCOMPARE(from->currentIndex(), 10);
        QCOMPARE(to->currentIndex(), 5);
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
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* edit = Child<QLineEdit>(window, "Edit_VolZuWi");
        window.PageControl1->setCurrentIndex(1);
        edit->setFocus();
        QVERIFY(!window.CancelRequested());
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

        Child<QAction>(window, qPrintable(item))->trigger();

        auto text = [language](int index) { return QString::fromStdString(CatalogueTextIn(language, index)); };
        QCOMPARE(CurrentLanguage(), language);
        QCOMPARE(TIniDatei(settings.Path()).ReadInteger("Global", "Language", 0), language);
        QCOMPARE(window.windowTitle(), QStringLiteral("Quorvane GmbH - ") + text(246));
        const int pageTexts[] = {290, 247, 251, 291, 235, 271};
        for (int page = 0; page < 6; ++page)
            QCOMPARE(window.PageControl1->caption(page), QStringLiteral("   %1   ").arg(text(pageTexts[page])));
        for (const char* months : {"ComboBox_Monat_von", "ComboBox_Monat_bis"}) {
            auto* list = Child<QComboBox>(window, months);
            QCOMPARE(list->count(), 13);
            QCOMPARE(list->itemText(1), text(212));
            QCOMPARE(list->itemText(12), text(223));
        }
        for (QAction* each : Child<QMenu>(window, "Sprache1")->actions())
            QCOMPARE(each->isChecked(), each->objectName() == item);
        QVERIFY(window.HelpFile().contains(helpFile));
        QVERIFY(window.StringGrid1->item(0, 0)->text().isEmpty());
        QVERIFY(window.Button1->isEnabled() && window.Button3->isEnabled() && window.EnergyDirty());
        SetCurrentLanguage(2);
    }

    // Whatever has a text in English has one in every language: captions,
    // list entries, menu items and the grid's row names.
    void noCaptionEmptyInAnyLanguage()
    {
        TFormWRG window;
        const QMap<QString, QString> english = VisibleTexts(window);
        QVERIFY(english.size() > 150);
        for (const int language : OfferedLanguages) {
            SetCurrentLanguage(language);
            window.ApplyLanguage();
            const QMap<QString, QString> texts = VisibleTexts(window);
            for (auto it = english.cbegin(); it != english.cend(); ++it) {
                if (!it.value().trimmed().isEmpty())
                    QVERIFY2(!texts.value(it.key()).trimmed().isEmpty(),
                             qPrintable(QStringLiteral("language %1: %2 is empty").arg(language).arg(it.key())));
            }
        }
        SetCurrentLanguage(2);
    }

    // A stored rotor code 3 (epoxy-coated) selects the second rotor entry in
    // every language.
    void rotorCodeThreeSelectsTheSecondEntry()
    {
        TFormWRG window;
        CalcInputs inputs = window.StoredInputs();
        inputs.RotorTypeCode = 3;
        window.SetInputs(inputs);
        for (const int language : {1, 7}) {
            SetCurrentLanguage(language);
            window.ApplyLanguage();
            QCOMPARE(Child<QComboBox>(window, "Combo_Rotortyp")->currentIndex(), 1);
        }
        SetCurrentLanguage(2);
    }

    void everyPageFitsAt640x480()
    {
        for (const int language : OfferedLanguages) {
            SetCurrentLanguage(language);
            TFormWRG window;
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

private:
    // Every text the window shows, keyed by control (and entry).
    static QMap<QString, QString> VisibleTexts(const TFormWRG& window)
    {
        QMap<QString, QString> texts;
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || widget->isHidden())
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget))
                texts[name] = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                texts[name] = button->text();
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                texts[name] = group->title();
            else if (auto* list = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < list->count(); ++i)
                    texts[QStringLiteral("%1[%2]").arg(name).arg(i)] = list->itemText(i);
            } else if (auto* menu = qobject_cast<QMenu*>(widget)) {
                texts[name] = menu->title();
                for (QAction* action : menu->actions())
                    if (!action->isSeparator() && action->isVisible())
                        texts[action->objectName()] = action->text();
            }
        }
        for (int row = 0; row < window.StringGrid2->rowCount(); ++row)
            if (QTableWidgetItem* cell = window.StringGrid2->item(row, 0))
                texts[QStringLiteral("StringGrid2[%1]").arg(row)] = cell->text();
        for (int page = 0; page < window.PageControl1->count(); ++page)
            texts[QStringLiteral("page %1").arg(page)] = window.PageControl1->caption(page);
        return texts;
    }

    // Visible siblings do not overlap, lie inside their parent and show their
    // whole caption.
    static void CheckNoOverlap(QWidget* parent, int language)
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
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
