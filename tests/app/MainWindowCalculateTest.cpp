// The calculate commands of the main window: a full run per device family
// against the simulation and economy called directly, the economy-only
// recalculation, the input checks, a failing run and Escape during a run.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <limits>
#include <variant>

#include "app/FWRG.h"
#include "app/InputChecks.h"
#include "app/ResultsDisplay.h"
#include "climate/AnnualSimulation.h"
#include "economy/Economy.h"
#include "ui/Catalogue.h"
#include "ui/NumEdit.h"
#include "ui/NumberFormat.h"
#include "ui/UVxControls.h"
#include "ui/UVxMessage.h"

namespace {

template <class T>
T* Child(const TFormWRG& window, const char* name)
{
    T* child = window.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

QString Text(const TFormWRG& window, const char* label) { return Child<QLabel>(window, label)->text(); }

const char* const CostLabels[] = {"Label102", "Label103", "Label104", "Label105", "Label107",
                                  "Label108", "Label109", "Label110", "Label111", "Label112",
                                  "Label113", "Label114", "Label115", "Label116", "Label59"};

struct Expected {
    EnergyResultsView energy;
    CostResultsView cost;
};

// The page texts for the window's inputs, by simulation and economy called directly.
Expected ExpectedPages(const TFormWRG& window)
{
    const CalcInputs inputs = window.ReadInputs();
    const SimulationOutcome outcome = RunAnnualSimulation(inputs, window.ClimateFiles(), {});
    if (!std::holds_alternative<AnnualResults>(outcome))
        qFatal("the direct simulation gave no results");
    const auto& annual = std::get<AnnualResults>(outcome);
    const Outcome<EconomyResults> economy = CalculateEconomy(inputs, annual, window.siUnits);
    if (!std::holds_alternative<EconomyResults>(economy))
        qFatal("the direct economy gave no results");
    return Expected{EnergyResultsViewOf(annual, inputs, window.siUnits, ProgramSeparators()),
                    CostResultsViewOf(std::get<EconomyResults>(economy), inputs.DeviceType,
                                      window.currency.toStdString(), ProgramSeparators())};
}

void VerifyCosts(const TFormWRG& window, const CostResultsView& v)
{
    const std::string texts[] = {v.Investment,     v.CapitalCost,       v.MaintenanceCost, v.ServiceCost,
                                 v.FanEnergyCost,  v.DriveEnergyCost,   v.TotalAnnualCosts, v.HeatSavings,
                                 v.WaterSavings,   v.CoolingSavings,    v.OperatingSavings, v.InterestGain,
                                 v.AnnualSavings,  v.BenefitCostFactor, v.PaybackTime};
    for (std::size_t i = 0; i < std::size(texts); ++i)
        QCOMPARE(Text(window, CostLabels[i]), Q(texts[i]));
    QVERIFY(!Text(window, "Label102").isEmpty());
}

bool GridEmpty(const TFormWRG& window)
{
    for (int row = 0; row < ResultsDisplay::GridRows; ++row)
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column)
            if (!window.StringGrid1->item(row, column)->text().isEmpty())
                return false;
    return true;
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// No run in progress, status strip back at rest.
void VerifyIdle(const TFormWRG& window)
{
    QVERIFY(window.Label118->text().isEmpty());
    QVERIFY(window.Panel10->isHidden());
    QCOMPARE(window.ProgressBar1->value(), 0);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(window.PageControl1->isEnabled());
    QVERIFY(!window.Calculating());
}

void VerifyPages(const TFormWRG& window, const Expected& expected)
{
    int filled = 0;
    for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column) {
            const QString shown = window.StringGrid1->item(row, column)->text();
            QCOMPARE(shown, Q(expected.energy.Grid[row][column]));
            filled += shown.isEmpty() ? 0 : 1;
        }
    }
    QVERIFY(filled >= 13);  // twelve months and at least one sum
    QCOMPARE(Text(window, "Label65"), Q(expected.energy.WinterRecovery));
    QCOMPARE(Text(window, "Label120"), Q(expected.energy.Humidification));
    QCOMPARE(Text(window, "Label123"), Q(expected.energy.WinterHours));
    QCOMPARE(Text(window, "Label67"), Q(expected.energy.SummerRecovery));
    QCOMPARE(Text(window, "Label119"), Q(expected.energy.Dehumidification));
    QCOMPARE(Text(window, "Label124"), Q(expected.energy.SummerHours));
    QVERIFY(!Text(window, "Label65").isEmpty());
    VerifyCosts(window, expected.cost);
    QCOMPARE(Text(window, "Label89"), Q(expected.cost.AmountUnit));
}

void VerifyCompleted(const TFormWRG& window)
{
    QVERIFY(!window.Button1->isEnabled() && !window.Button3->isEnabled());
    QVERIFY(window.Button2->isEnabled() && window.Button4->isEnabled() && window.Button5->isEnabled());
    QVERIFY(!window.EnergyDirty());
    VerifyIdle(window);
}

void VerifyNoResults(const TFormWRG& window)
{
    QVERIFY(GridEmpty(window));
    for (const char* name : CostLabels)
        QVERIFY2(Text(window, name).isEmpty(), name);
    QVERIFY(Text(window, "Label65").isEmpty());
    QVERIFY(!window.Button2->isEnabled() && !window.Button4->isEnabled() && !window.Button5->isEnabled());
    QVERIFY(window.Button1->isEnabled() && window.EnergyDirty());
    VerifyIdle(window);
}

}  // namespace

class MainWindowCalculateTest : public QObject {
    Q_OBJECT

    QStringList messages_;

private slots:
    void init()
    {
        SetCurrentLanguage(2);
        messages_.clear();
        SetMessageBoxHook([this](const QString& message, int, const QString&) {
            messages_ << message;
            return MessageResultOK;
        });
    }

    void cleanup()
    {
        SetMessageBoxHook({});
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    void fullCalculationPerDeviceFamily_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("rotary") << DeviceKind::Rotary;
        QTest::newRow("cross-flow plate") << DeviceKind::CrossFlowPlate;
        QTest::newRow("counterflow plate") << DeviceKind::CounterflowPlate;
    }

    void fullCalculationPerDeviceFamily()
    {
        QFETCH(int, kind);
        TFormWRG window;
        if (kind == DeviceKind::CrossFlowPlate) {
            Child<QAbstractButton>(window, "RadioButton_PWT")->click();
            auto* edge = Child<QComboBox>(window, "Combo_Kantenmass");
            edge->setCurrentIndex(edge->findText(QStringLiteral("1000")));
            auto* spacing = Child<QComboBox>(window, "Combo_Plattenabstand");
            spacing->setCurrentIndex(spacing->findData(2));
            Child<TIntEdit>(window, "Edit_PWTBreite")->SetValue(1000);
            QCOMPARE(window.ReadInputs().PlateEdge, 1000);
            QCOMPARE(static_cast<int>(window.ReadInputs().PlateSpacingCode), 2);
        } else if (kind == DeviceKind::CounterflowPlate) {
            Child<QAbstractButton>(window, "RadioButton_GS")->click();
            Child<QComboBox>(window, "ComboBox11")->setCurrentIndex(2);  // size 30
            Child<TIntEdit>(window, "Edit_GSBreite")->SetValue(300);
            for (const char* name : {"Edit_VolZuWi", "Edit_VolAbWi", "Edit_VolZuSo", "Edit_VolAbSo"})
                Child<TNumEdit>(window, name)->SetValue(600);  // about 2 m/s
            QCOMPARE(window.ReadInputs().GSSize, 30);
        }
        QCOMPARE(window.ReadInputs().DeviceType, kind);
        QVERIFY(!CheckPlausibility(window.ReadInputs(), true));
        const Expected expected = ExpectedPages(window);
        window.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 1);
        VerifyPages(window, expected);
        VerifyCompleted(window);
        QVERIFY(window.LastResults().has_value());
        // The rotary exchanger fills the latent columns, the cross-flow plate does not.
        const auto latent = window.StringGrid1->item(ResultsDisplay::GridSumRow, ResultsDisplay::HeatLatent);
        if (kind != DeviceKind::CounterflowPlate)
            QCOMPARE(latent->text().isEmpty(), kind == DeviceKind::CrossFlowPlate);
    }

    void costPageRecalculatesOnlyTheEconomy()
    {
        TFormWRG window;
        window.Button1->click();
        QCOMPARE(window.SimulationRuns(), 1);
        const QString investment = Text(window, "Label102");
        // A marker shows whether the energy page gets refilled.
        window.StringGrid1->item(12, 0)->setText(QStringLiteral("marker"));
        TypeInto(Child<QLineEdit>(window, "Edit_Invest"), QStringLiteral("123456"));
        QVERIFY(window.Button3->isEnabled() && !window.EnergyDirty());

        const Expected expected = ExpectedPages(window);
        window.Button3->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 1);
        QCOMPARE(window.StringGrid1->item(12, 0)->text(), QStringLiteral("marker"));
        QVERIFY(Text(window, "Label102") != investment);
        VerifyCosts(window, expected.cost);
        VerifyCompleted(window);

        // After a design change Button3 runs the whole calculation.
        Child<QComboBox>(window, "ComboBox_Betriebzeit_von")->setCurrentIndex(8);
        QVERIFY(window.EnergyDirty());
        const Expected redesigned = ExpectedPages(window);
        window.Button3->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 2);
        VerifyPages(window, redesigned);
        VerifyCompleted(window);
    }

    void plausibilityFailureStopsTheRun()
    {
        TFormWRG window;
        Child<TNumEdit>(window, "Edit_VolAbWi")->SetValue(1000);  // supply 10000: ratio 10
        const std::optional<CoreMessage> message = CheckPlausibility(window.ReadInputs(), true);
        QVERIFY(message);
        QCOMPARE(message->textIndex, CheckText::RatioOutOfRange);
        for (QPushButton* button : {window.Button1, window.Button3}) {
            messages_.clear();
            button->click();
            QCOMPARE(messages_, QStringList{Q(ShownText(*message))});
            QCOMPARE(window.SimulationRuns(), 0);
            VerifyNoResults(window);
        }
    }

    void unreadableFieldShowsItsRangeMessage()
    {
        TFormWRG window;
        auto* edit = Child<QLineEdit>(window, "Edit_Rad");
        TypeInto(edit, QStringLiteral("12x"));
        messages_.clear();
        window.Button1->click();
        const auto expected = CheckField("Edit_Rad", std::numeric_limits<double>::quiet_NaN(), true);
        QVERIFY(expected);
        QCOMPARE(messages_, QStringList{Q(ShownText(*expected))});
        QCOMPARE(window.SimulationRuns(), 0);
        QCOMPARE(edit->text(), QStringLiteral("12x"));
        VerifyNoResults(window);
    }

    void leavingAFieldChecksItsRange()
    {
        TFormWRG window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* wheel = Child<QLineEdit>(window, "Edit_Rad");
        auto* drive = Child<QLineEdit>(window, "Edit_Antrieb");
        TypeInto(wheel, QStringLiteral("6001"));
        messages_.clear();
        drive->setFocus();
        QApplication::processEvents();
        QCOMPARE(messages_, QStringList{Q(ShownText(*CheckField("Edit_Rad", 6001, true)))});
        QCOMPARE(wheel->text(), QStringLiteral("6001"));  // kept for correction
        QVERIFY(wheel->hasFocus());

        TypeInto(wheel, QStringLiteral("6000"));  // on the limit
        messages_.clear();
        drive->setFocus();
        QApplication::processEvents();
        QVERIFY(messages_.isEmpty());
    }

    void failingRunShowsItsMessage()
    {
        TFormWRG window;
        ClimateFileLists lists;
        lists.ClimateFileList = {"/nonexistent/directory/missing.klm"};
        lists.ClimateNameList = {"Missing"};
        window.SetClimateFiles(lists);
        Child<QComboBox>(window, "Combo_Klimazone")->setCurrentIndex(3);
        QCOMPARE(window.ReadInputs().ClimateZone, 4);
        const SimulationOutcome direct = RunAnnualSimulation(window.ReadInputs(), window.ClimateFiles(), {});
        QVERIFY(std::holds_alternative<CoreMessage>(direct));
        window.Button1->click();
        QCOMPARE(messages_, QStringList{Q(ShownText(std::get<CoreMessage>(direct)))});
        VerifyNoResults(window);
        QVERIFY(!window.LastResults());
    }

    void escapeDuringARunCancelsIt()
    {
        TFormWRG window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.SetCancelRequested(true);  // a stale flag is cleared by the run
        bool sawBusyState = false;
        bool pressed = false;
        QObject::connect(window.ProgressBar1, &QProgressBar::valueChanged, &window, [&](int value) {
            if (value <= 0 || pressed)
                return;
            pressed = true;
            sawBusyState = window.Calculating() && !window.Panel10->isHidden() &&
                           window.Label118->text() == Q(CatalogueText(162)) &&
                           QApplication::overrideCursor() != nullptr &&
                           QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            window.Button1Click();  // a second start while running is ignored
            window.Button3Click();
            // The key arrives through the event queue the run processes.
            QTimer::singleShot(0, &window, [&window] {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
                QTest::keyClick(target, Qt::Key_Escape);
            });
        });
        window.Button1->click();
        QVERIFY(pressed && sawBusyState);
        QVERIFY(window.CancelRequested());
        QCOMPARE(window.SimulationRuns(), 1);
        QVERIFY(messages_.isEmpty());
        QVERIFY(!window.LastResults());
        VerifyNoResults(window);

        // The next run is not cancelled by the flag the last one left.
        window.ProgressBar1->disconnect(&window);
        window.Button1->click();
        QCOMPARE(window.SimulationRuns(), 2);
        VerifyCompleted(window);
        QVERIFY(!GridEmpty(window));
    }
};

QTEST_MAIN(MainWindowCalculateTest)
#include "MainWindowCalculateTest.moc"
