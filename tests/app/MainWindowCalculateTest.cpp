// The calculate commands of the main window: a full run for each device
// family against the simulation and economy called directly, the button
// states afterwards, the economy-only recalculation of the cost page, the
// plausibility and field checks, a failing run, and Escape during a run.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <cmath>
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

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

const char* const CostLabels[] = {"Label102", "Label103", "Label104", "Label105", "Label107",
                                  "Label108", "Label109", "Label110", "Label111", "Label112",
                                  "Label113", "Label114", "Label115", "Label116", "Label59"};

struct Expected {
    EnergyResultsView energy;
    CostResultsView cost;
};

// The texts of the pages for the window's inputs, by the simulation and the
// economy called directly.
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

std::array<QString, 15> CostTexts(const CostResultsView& view)
{
    return {Q(view.Investment),     Q(view.CapitalCost),     Q(view.MaintenanceCost), Q(view.ServiceCost),
            Q(view.FanEnergyCost),  Q(view.DriveEnergyCost), Q(view.TotalAnnualCosts), Q(view.HeatSavings),
            Q(view.WaterSavings),   Q(view.CoolingSavings),  Q(view.OperatingSavings), Q(view.InterestGain),
            Q(view.AnnualSavings),  Q(view.BenefitCostFactor), Q(view.PaybackTime)};
}

bool GridEmpty(const TFormWRG& window)
{
    for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column) {
            if (!window.StringGrid1->item(row, column)->text().isEmpty())
                return false;
        }
    }
    return true;
}

bool CostPageEmpty(const TFormWRG& window)
{
    for (const char* name : CostLabels) {
        if (!Child<QLabel>(window, name)->text().isEmpty())
            return false;
    }
    return true;
}

void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void SetFlows(TFormWRG& window, double flow)
{
    for (const char* name : {"Edit_VolZuWi", "Edit_VolAbWi", "Edit_VolZuSo", "Edit_VolAbSo"})
        Child<TNumEdit>(window, name)->SetValue(flow);
}

}  // namespace

class MainWindowCalculateTest : public QObject {
    Q_OBJECT

    QStringList messages_;

    // Every text of both result pages equals the direct calculation.
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
        QCOMPARE(Child<QLabel>(window, "Label65")->text(), Q(expected.energy.WinterRecovery));
        QCOMPARE(Child<QLabel>(window, "Label120")->text(), Q(expected.energy.Humidification));
        QCOMPARE(Child<QLabel>(window, "Label123")->text(), Q(expected.energy.WinterHours));
        QCOMPARE(Child<QLabel>(window, "Label67")->text(), Q(expected.energy.SummerRecovery));
        QCOMPARE(Child<QLabel>(window, "Label119")->text(), Q(expected.energy.Dehumidification));
        QCOMPARE(Child<QLabel>(window, "Label124")->text(), Q(expected.energy.SummerHours));
        QVERIFY(!Child<QLabel>(window, "Label65")->text().isEmpty());
        const auto costs = CostTexts(expected.cost);
        for (std::size_t i = 0; i < costs.size(); ++i)
            QCOMPARE(Child<QLabel>(window, CostLabels[i])->text(), costs[i]);
        QVERIFY(!Child<QLabel>(window, "Label102")->text().isEmpty());
        QCOMPARE(Child<QLabel>(window, "Label89")->text(), Q(expected.cost.AmountUnit));
    }

    void VerifyCompleted(const TFormWRG& window)
    {
        QVERIFY(!window.Button1->isEnabled());
        QVERIFY(!window.Button3->isEnabled());
        QVERIFY(window.Button2->isEnabled());
        QVERIFY(window.Button4->isEnabled());
        QVERIFY(window.Button5->isEnabled());
        QVERIFY(!window.EnergyDirty());
        QVERIFY(window.Label118->text().isEmpty());
        QVERIFY(window.Panel10->isHidden());
        QCOMPARE(window.ProgressBar1->value(), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(window.PageControl1->isEnabled());
        QVERIFY(!window.Calculating());
    }

    void VerifyNoResults(const TFormWRG& window)
    {
        QVERIFY(GridEmpty(window));
        QVERIFY(CostPageEmpty(window));
        QVERIFY(Child<QLabel>(window, "Label65")->text().isEmpty());
        QVERIFY(!window.Button2->isEnabled());
        QVERIFY(!window.Button4->isEnabled());
        QVERIFY(!window.Button5->isEnabled());
        QVERIFY(window.Button1->isEnabled());
        QVERIFY(window.EnergyDirty());
        QVERIFY(window.Label118->text().isEmpty());
        QVERIFY(window.Panel10->isHidden());
        QCOMPARE(window.ProgressBar1->value(), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QVERIFY(window.PageControl1->isEnabled());
    }

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
        SetCurrentLanguage(2);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    void rotaryDefaults()
    {
        TFormWRG window;
        QVERIFY(window.EnergyDirty());
        const Expected expected = ExpectedPages(window);
        window.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 1);
        VerifyPages(window, expected);
        VerifyCompleted(window);
        // The rotary exchanger fills the latent columns.
        QVERIFY(!window.StringGrid1->item(ResultsDisplay::GridSumRow, ResultsDisplay::HeatLatent)->text().isEmpty());
        QVERIFY(window.LastResults().has_value());
    }

    void crossFlowPlate()
    {
        TFormWRG window;
        Child<QAbstractButton>(window, "RadioButton_PWT")->click();
        auto* edge = Child<QComboBox>(window, "Combo_Kantenmass");
        const int edgeItem = edge->findText(QStringLiteral("1000"));
        QVERIFY(edgeItem >= 0);
        edge->setCurrentIndex(edgeItem);
        auto* spacing = Child<QComboBox>(window, "Combo_Plattenabstand");
        const int spacingItem = spacing->findData(2);
        QVERIFY(spacingItem >= 0);
        spacing->setCurrentIndex(spacingItem);
        Child<TIntEdit>(window, "Edit_PWTBreite")->SetValue(1000);
        const CalcInputs inputs = window.ReadInputs();
        QCOMPARE(inputs.DeviceType, DeviceKind::CrossFlowPlate);
        QCOMPARE(inputs.PlateEdge, 1000);
        QCOMPARE(static_cast<int>(inputs.PlateSpacingCode), 2);
        QVERIFY(!CheckPlausibility(inputs, true));

        const Expected expected = ExpectedPages(window);
        window.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        VerifyPages(window, expected);
        VerifyCompleted(window);
        // A plate exchanger leaves both latent columns empty.
        for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
            QVERIFY(window.StringGrid1->item(row, ResultsDisplay::HeatLatent)->text().isEmpty());
            QVERIFY(window.StringGrid1->item(row, ResultsDisplay::ColdLatent)->text().isEmpty());
        }
        QVERIFY(Child<QLabel>(window, "Label108")->text().isEmpty());
    }

    void counterflowPlate()
    {
        TFormWRG window;
        Child<QAbstractButton>(window, "RadioButton_GS")->click();
        Child<QComboBox>(window, "ComboBox11")->setCurrentIndex(2);  // size 30
        Child<TIntEdit>(window, "Edit_GSBreite")->SetValue(300);
        SetFlows(window, 600);  // 600 m³/h: about 2.05 m/s in size 30 × 300 mm
        const CalcInputs inputs = window.ReadInputs();
        QCOMPARE(inputs.DeviceType, DeviceKind::CounterflowPlate);
        QCOMPARE(inputs.GSSize, 30);
        QVERIFY(!CheckPlausibility(inputs, true));

        const Expected expected = ExpectedPages(window);
        window.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        VerifyPages(window, expected);
        VerifyCompleted(window);
    }

    void costPageRecalculatesOnlyTheEconomy()
    {
        TFormWRG window;
        window.Button1->click();
        QCOMPARE(window.SimulationRuns(), 1);
        const QString grid = window.StringGrid1->item(0, 0)->text();
        const QString investment = Child<QLabel>(window, "Label102")->text();
        QVERIFY(!grid.isEmpty());
        // A marker in the grid shows whether the energy page gets refilled.
        window.StringGrid1->item(12, 0)->setText(QStringLiteral("marker"));

        auto* invest = Child<QLineEdit>(window, "Edit_Invest");
        TypeInto(invest, QStringLiteral("123456"));
        QVERIFY(window.Button3->isEnabled());
        QVERIFY(!window.Button4->isEnabled());
        QVERIFY(Child<QLabel>(window, "Label102")->text().isEmpty());
        QVERIFY(!window.EnergyDirty());

        const Expected expected = ExpectedPages(window);
        window.Button3->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 1);
        QCOMPARE(window.StringGrid1->item(12, 0)->text(), QStringLiteral("marker"));
        QCOMPARE(Child<QLabel>(window, "Label102")->text(), Q(expected.cost.Investment));
        QVERIFY(Child<QLabel>(window, "Label102")->text() != investment);
        const auto costs = CostTexts(expected.cost);
        for (std::size_t i = 0; i < costs.size(); ++i)
            QCOMPARE(Child<QLabel>(window, CostLabels[i])->text(), costs[i]);
        VerifyCompleted(window);

        // A design change makes Button3 run the whole calculation.
        Child<QComboBox>(window, "ComboBox_Betriebzeit_von")->setCurrentIndex(8);
        QVERIFY(window.EnergyDirty());
        QVERIFY(GridEmpty(window));
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
        const CalcInputs inputs = window.ReadInputs();
        const std::optional<CoreMessage> message = CheckPlausibility(inputs, true);
        QVERIFY(message);
        QCOMPARE(message->textIndex, CheckText::RatioOutOfRange);
        window.Button1->click();
        QCOMPARE(messages_, QStringList{Q(ShownText(*message))});
        QCOMPARE(window.SimulationRuns(), 0);
        VerifyNoResults(window);
        // The cost page's command takes the same way.
        messages_.clear();
        window.Button3->click();
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(window.SimulationRuns(), 0);
        VerifyNoResults(window);
    }

    void unreadableFieldShowsItsRangeMessage()
    {
        TFormWRG window;
        auto* edit = Child<QLineEdit>(window, "Edit_Rad");
        TypeInto(edit, QStringLiteral("12x"));
        messages_.clear();
        window.Button1->click();
        const std::optional<CoreMessage> expected =
            CheckField("Edit_Rad", std::numeric_limits<double>::quiet_NaN(), true);
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
        const std::optional<CoreMessage> expected = CheckField("Edit_Rad", 6001, true);
        QVERIFY(expected);
        QCOMPARE(messages_, QStringList{Q(ShownText(*expected))});
        QVERIFY(messages_.front().contains(QStringLiteral("6000")));
        QCOMPARE(wheel->text(), QStringLiteral("6001"));
        QVERIFY(wheel->hasFocus());

        // A value on the limit passes.
        TypeInto(wheel, QStringLiteral("6000"));
        messages_.clear();
        drive->setFocus();
        QApplication::processEvents();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QVERIFY(drive->hasFocus());

        // An economy field: a negative price.
        auto* heat = Child<QLineEdit>(window, "Edit_Waerme");
        TypeInto(heat, QStringLiteral("-1"));
        messages_.clear();
        window.EingabePruefen(heat);
        QCOMPARE(messages_, QStringList{Q(ShownText(*CheckField("Edit_Waerme", -1, true)))});
    }

    void failingRunShowsItsMessage()
    {
        TFormWRG window;
        ClimateFileLists lists;
        lists.ClimateFileList = {"/nonexistent/directory/missing.klm"};
        lists.ClimateNameList = {"Missing"};
        window.SetClimateFiles(lists);
        auto* zone = Child<QComboBox>(window, "Combo_Klimazone");
        QCOMPARE(zone->count(), 4);
        zone->setCurrentIndex(3);
        const CalcInputs inputs = window.ReadInputs();
        QCOMPARE(inputs.ClimateZone, 4);
        const SimulationOutcome direct = RunAnnualSimulation(inputs, window.ClimateFiles(), {});
        QVERIFY(std::holds_alternative<CoreMessage>(direct));
        window.Button1->click();
        QCOMPARE(messages_, QStringList{Q(ShownText(std::get<CoreMessage>(direct)))});
        QCOMPARE(window.SimulationRuns(), 1);
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
            // A second start while running is ignored.
            window.Button1Click();
            window.Button3Click();
            // The key arrives through the event queue the run processes.
            QTimer::singleShot(0, &window, [&window] {
                QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
                QTest::keyClick(target, Qt::Key_Escape);
            });
        });
        window.Button1->click();
        QVERIFY(pressed);
        QVERIFY(sawBusyState);
        QVERIFY(window.CancelRequested());
        QCOMPARE(window.SimulationRuns(), 1);
        QVERIFY(messages_.isEmpty());
        QVERIFY(!window.LastResults());
        VerifyNoResults(window);
        QVERIFY(window.isVisible());

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
