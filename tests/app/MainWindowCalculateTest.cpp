// The calculate commands of the main window: a full run per device family
// against the simulation and economy called directly, the economy-only
// recalculation, the input checks, a failing run and Escape during a run.

#include <QProgressBar>
#include <QTimer>

#include <limits>
#include <variant>

#include "app/InputChecks.h"
#include "app/ResultsDisplay.h"
#include "climate/AnnualSimulation.h"
#include "economy/Economy.h"
#include "tests/app/MainWindowSupport.h"
#include "ui/NumberFormat.h"

namespace {

// The result labels of the two pages and the texts of the views they show.
const std::pair<const char*, std::string EnergyResultsView::*> EnergyLabels[] = {
    {"Label65", &EnergyResultsView::WinterRecovery}, {"Label120", &EnergyResultsView::Humidification},
    {"Label123", &EnergyResultsView::WinterHours},    {"Label67", &EnergyResultsView::SummerRecovery},
    {"Label119", &EnergyResultsView::Dehumidification}, {"Label124", &EnergyResultsView::SummerHours}};
const std::pair<const char*, std::string CostResultsView::*> CostLabels[] = {
    {"Label102", &CostResultsView::Investment},       {"Label103", &CostResultsView::CapitalCost},
    {"Label104", &CostResultsView::MaintenanceCost},  {"Label105", &CostResultsView::ServiceCost},
    {"Label107", &CostResultsView::FanEnergyCost},    {"Label108", &CostResultsView::DriveEnergyCost},
    {"Label109", &CostResultsView::TotalAnnualCosts}, {"Label110", &CostResultsView::HeatSavings},
    {"Label111", &CostResultsView::WaterSavings},     {"Label112", &CostResultsView::CoolingSavings},
    {"Label113", &CostResultsView::OperatingSavings}, {"Label114", &CostResultsView::InterestGain},
    {"Label115", &CostResultsView::AnnualSavings},    {"Label116", &CostResultsView::BenefitCostFactor},
    {"Label59", &CostResultsView::PaybackTime}};

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

void VerifyCosts(const TFormWRG& window, const CostResultsView& view)
{
    for (const auto& [label, text] : CostLabels)
        QCOMPARE(Text(window, label), Q(view.*text));
    QVERIFY(!Text(window, "Label102").isEmpty());
}

// The cells of the energy grid that show a text.
int FilledCells(const TFormWRG& window)
{
    int filled = 0;
    for (int row = 0; row < ResultsDisplay::GridRows; ++row)
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column)
            filled += window.StringGrid1->item(row, column)->text().isEmpty() ? 0 : 1;
    return filled;
}

void VerifyPages(const TFormWRG& window, const Expected& expected)
{
    for (int row = 0; row < ResultsDisplay::GridRows; ++row)
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column)
            QCOMPARE(window.StringGrid1->item(row, column)->text(), Q(expected.energy.Grid[row][column]));
    QVERIFY(FilledCells(window) >= 13);  // twelve months and at least one sum
    for (const auto& [label, text] : EnergyLabels)
        QCOMPARE(Text(window, label), Q(expected.energy.*text));
    QVERIFY(!Text(window, "Label65").isEmpty());
    VerifyCosts(window, expected.cost);
    QCOMPARE(Text(window, "Label89"), Q(expected.cost.AmountUnit));
}

// No run in progress, status strip back at rest.
void VerifyIdle(const TFormWRG& window)
{
    QVERIFY(window.Label118->text().isEmpty() && window.Panel10->isHidden());
    QCOMPARE(window.ProgressBar1->value(), 0);
    QVERIFY(!QApplication::overrideCursor() && window.PageControl1->isEnabled() && !window.Calculating());
}

void VerifyCompleted(const TFormWRG& window)
{
    QCOMPARE(EnabledButtons(window), QStringLiteral("245"));
    QVERIFY(!window.EnergyDirty());
    VerifyIdle(window);
}

void VerifyNoResults(const TFormWRG& window)
{
    QCOMPARE(FilledCells(window), 0);
    for (const auto& [label, text] : CostLabels)
        QVERIFY2(Text(window, label).isEmpty(), label);
    QVERIFY(Text(window, "Label65").isEmpty());
    QCOMPARE(EnabledButtons(window), QStringLiteral("13"));
    QVERIFY(window.EnergyDirty());
    VerifyIdle(window);
}

}  // namespace

class MainWindowCalculateTest : public QObject {
    Q_OBJECT
    MessageLog messages_;

private slots:
    void init()
    {
        SetCurrentLanguage(2);
        messages_.clear();
    }

    void cleanup()
    {
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
            C<QAbstractButton>(window, "RadioButton_PWT")->click();
            auto* edge = C<QComboBox>(window, "Combo_Kantenmass");
            edge->setCurrentIndex(edge->findText(QStringLiteral("1000")));
            auto* spacing = C<QComboBox>(window, "Combo_Plattenabstand");
            spacing->setCurrentIndex(spacing->findData(2));
            C<TIntEdit>(window, "Edit_PWTBreite")->SetValue(1000);
        } else if (kind == DeviceKind::CounterflowPlate) {
            C<QAbstractButton>(window, "RadioButton_GS")->click();
            C<QComboBox>(window, "ComboBox11")->setCurrentIndex(2);  // size 30
            C<TIntEdit>(window, "Edit_GSBreite")->SetValue(300);
            for (const char* name : {"Edit_VolZuWi", "Edit_VolAbWi", "Edit_VolZuSo", "Edit_VolAbSo"})
                C(window, name)->SetValue(600);  // about 2 m/s
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
        const QString investment = Text(window, "Label102");
        // A marker shows whether the energy page gets refilled.
        window.StringGrid1->item(12, 0)->setText(QStringLiteral("marker"));
        TypeInto(C<QLineEdit>(window, "Edit_Invest"), QStringLiteral("123456"));
        const Expected expected = ExpectedPages(window);
        window.Button3->click();
        QCOMPARE(window.SimulationRuns(), 1);
        QCOMPARE(window.StringGrid1->item(12, 0)->text(), QStringLiteral("marker"));
        QVERIFY(Text(window, "Label102") != investment);
        VerifyCosts(window, expected.cost);
        VerifyCompleted(window);

        // After a design change Button3 runs the whole calculation.
        C<QComboBox>(window, "ComboBox_Betriebzeit_von")->setCurrentIndex(8);
        const Expected redesigned = ExpectedPages(window);
        window.Button3->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(QLatin1Char('|'))));
        QCOMPARE(window.SimulationRuns(), 2);
        VerifyPages(window, redesigned);
        VerifyCompleted(window);
    }

    // A failed check stops both calculate commands before the simulation; a
    // failing simulation shows its own message. Either way no results remain.
    void failureShowsItsMessageAndNoResults_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("flow ratio out of range") << 0;
        QTest::newRow("unreadable field") << 1;
        QTest::newRow("missing climate file") << 2;
    }

    void failureShowsItsMessageAndNoResults()
    {
        QFETCH(int, fault);
        TFormWRG window;
        std::optional<CoreMessage> expected;
        if (fault == 0) {
            C(window, "Edit_VolAbWi")->SetValue(1000);  // supply 10000: ratio 10
            expected = CheckPlausibility(window.ReadInputs(), true);
            QVERIFY(expected && expected->textIndex == CheckText::RatioOutOfRange);
        } else if (fault == 1) {
            TypeInto(C<QLineEdit>(window, "Edit_Rad"), QStringLiteral("12x"));
            expected = CheckField("Edit_Rad", std::numeric_limits<double>::quiet_NaN(), true);
        } else {
            window.SetClimateFiles({{"/nonexistent/directory/missing.klm"}, {"Missing"}});
            C<QComboBox>(window, "Combo_Klimazone")->setCurrentIndex(3);
            const SimulationOutcome direct = RunAnnualSimulation(window.ReadInputs(), window.ClimateFiles(), {});
            QVERIFY(std::holds_alternative<CoreMessage>(direct));
            expected = std::get<CoreMessage>(direct);
        }
        QVERIFY(expected);
        for (QPushButton* button : {window.Button1, window.Button3}) {
            messages_.clear();
            button->click();
            QCOMPARE(messages_, QStringList{Q(ShownText(*expected))});
            if (fault < 2)
                QCOMPARE(window.SimulationRuns(), 0);
            QVERIFY(!window.LastResults());
            VerifyNoResults(window);
        }
        if (fault == 1)
            QCOMPARE(C<QLineEdit>(window, "Edit_Rad")->text(), QStringLiteral("12x"));
    }

    // An entry out of range is reported when its field is left, kept for
    // correction and the focus goes back to it.
    void leavingAFieldChecksItsRange()
    {
        TFormWRG window;
        QVERIFY(ShowActive(window));
        auto* wheel = C<QLineEdit>(window, "Edit_Rad");
        const std::pair<const char*, QStringList> steps[] = {
            {"6001", {Q(ShownText(*CheckField("Edit_Rad", 6001, true)))}}, {"6000", {}}};  // 6000 is on the limit
        for (const auto& [text, shown] : steps) {
            TypeInto(wheel, QLatin1String(text));
            messages_.clear();
            C<QLineEdit>(window, "Edit_Antrieb")->setFocus();
            QApplication::processEvents();
            QCOMPARE(messages_, shown);
            QCOMPARE(wheel->text(), QLatin1String(text));
            QCOMPARE(wheel->hasFocus(), !shown.isEmpty());
        }
    }

    void escapeDuringARunCancelsIt()
    {
        TFormWRG window;
        QVERIFY(ShowActive(window));
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
        QVERIFY(FilledCells(window) > 0);
    }
};

QTEST_MAIN(MainWindowCalculateTest)
#include "MainWindowCalculateTest.moc"
