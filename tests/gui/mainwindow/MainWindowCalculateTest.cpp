// The calculate commands of the main window: a full run per device family
// against the simulation and economy called directly, the economy-only
// recalculation, the input checks, a failing run and Escape during a run.

#include <QProgressBar>
#include <QTimer>

#include <limits>
#include <variant>

#include "core/climate/AnnualSimulation.h"
#include "core/economy/Economy.h"
#include "core/forms/InputChecks.h"
#include "core/forms/ResultsDisplay.h"
#include "core/text/NumberFormat.h"
#include "tests/gui/mainwindow/MainWindowSupport.h"

namespace {

// The result labels of the two pages and the texts of the views they show.
const std::pair<const char*, std::string EnergyResultsView::*> EnergyLabels[] = {
    {"Label65", &EnergyResultsView::WinterRecovery},    {"Label120", &EnergyResultsView::Humidification},
    {"Label123", &EnergyResultsView::WinterHours},      {"Label67", &EnergyResultsView::SummerRecovery},
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
    if (!economy.ok())
        qFatal("the direct economy gave no results");
    return Expected{
        EnergyResultsViewOf(annual, inputs, window.siUnits, ProgramSeparators()),
        CostResultsViewOf(economy.value(), inputs.DeviceType, window.currency.toStdString(), ProgramSeparators())};
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

// Sets a field from "name=value" as loading or a unit switch does: without
// the field being left.
void Put(TFormWRG& window, const QString& assignment)
{
    const QStringList parts = assignment.split('=');
    if (auto* whole = window.findChild<TIntEdit*>(parts[0]))
        whole->SetValue(parts[1].toInt());
    else
        C<TNumEdit>(window, qPrintable(parts[0]))->SetValue(parts[1].toDouble());
}

double ValueOf(const QStringList& assignments, const QString& name)
{
    for (const QString& assignment : assignments)
        if (assignment.startsWith(name + '='))
            return assignment.section('=', 1).toDouble();
    return std::numeric_limits<double>::quiet_NaN();
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
        QTest::addColumn<DeviceKind>("kind");
        QTest::newRow("rotary") << DeviceKind::Rotary;
        QTest::newRow("cross-flow plate") << DeviceKind::CrossFlowPlate;
        QTest::newRow("counterflow plate") << DeviceKind::CounterflowPlate;
    }

    void fullCalculationPerDeviceFamily()
    {
        QFETCH(DeviceKind, kind);
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
            QVERIFY(expected && expected->textIndex == TextId::RatioOutOfRange);
        } else if (fault == 1) {
            TypeInto(C<QLineEdit>(window, "Edit_Rad"), QStringLiteral("12x"));
            expected = NotANumberMessage("12x", true, ProgramSeparators());
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

    // An entry out of range or no number is reported whenever its field is
    // left, also a second time with the same text; it is kept for correction
    // and the focus goes back to it. A correct entry passes.
    void leavingAFieldChecksIt_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        const auto range = [](const char* field, double value) {
            return Q(ShownText(*CheckField(field, value, true)));
        };
        const auto notNumber = [](const char* text, bool whole) {
            return Q(ShownText(NotANumberMessage(text, whole, ProgramSeparators())));
        };
        QTest::newRow("wheel above") << "Edit_Rad"
                                     << "Edit_Antrieb"
                                     << "6001" << range("Edit_Rad", 6001);
        QTest::newRow("wheel on the limit") << "Edit_Rad"
                                            << "Edit_Antrieb"
                                            << "6000" << QString();
        QTest::newRow("winter humidity") << "Edit_FeuchteWi"
                                         << "Edit_VolZuSo"
                                         << "150" << range("Edit_FeuchteWi", 150);
        QTest::newRow("fraction in a whole field") << "Edit_Rad"
                                                   << "Edit_Antrieb"
                                                   << "1500.5" << notNumber("1500.5", true);
        QTest::newRow("comma as decimal") << "Edit_TageWoche"
                                          << "Edit_MaxZuTemp"
                                          << "7,5" << notNumber("7,5", false);
        QTest::newRow("letters") << "Edit_Zins"
                                 << "Edit_Invest"
                                 << "abc" << notNumber("abc", false);
    }
    void leavingAFieldChecksIt()
    {
        QFETCH(QString, field);
        QFETCH(QString, next);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        TFormWRG window;
        QVERIFY(ShowActive(window));
        auto* edit = C<QLineEdit>(window, qPrintable(field));
        ShowPageOf(window, edit);
        TypeInto(edit, typed);
        const QStringList shown = message.isEmpty() ? QStringList{} : QStringList{message};
        for (int leave = 1; leave <= 2; ++leave) {
            messages_.clear();
            C<QLineEdit>(window, qPrintable(next))->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            QCOMPARE(messages_, shown);
            QCOMPARE(edit->text(), typed);
            QCOMPARE(edit->hasFocus(), !shown.isEmpty());
            QCOMPARE(edit->selectedText(), shown.isEmpty() ? QString() : typed);
        }
        if (shown.isEmpty())
            return;
        // Enter checks as well; the calculation does not run with the entry.
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(messages_.size(), 2);
        window.Button1->click();
        QCOMPARE(messages_.size(), 3);
        QCOMPARE(window.SimulationRuns(), 0);
    }

    // Choosing another page while a field holds a rejected entry shows the
    // message once and keeps the field's page and focus: by a click on the
    // tab (the focus leaves first) or by a page switch that hides the field.
    void rejectedFieldKeepsItsPage_data()
    {
        QTest::addColumn<bool>("click");
        QTest::newRow("click on the tab") << true;
        QTest::newRow("page switched") << false;
    }
    void rejectedFieldKeepsItsPage()
    {
        QFETCH(bool, click);
        TFormWRG window;
        QVERIFY(ShowActive(window));
        auto* humidity = C<QLineEdit>(window, "Edit_FeuchteSo");
        ShowPageOf(window, humidity);
        const int page = window.PageControl1->currentIndex();
        TypeInto(humidity, QStringLiteral("120"));
        const int other = page == 0 ? 2 : 0;
        QWidget* strip = window.PageControl1->tabStrip();
        if (click)
            QTest::mouseClick(strip, Qt::LeftButton, {}, window.PageControl1->tabRect(other).center());
        else
            window.PageControl1->setCurrentIndex(other);
        QApplication::processEvents();
        QVERIFY(window.PageControl1->currentPage()->isVisible());
        QVERIFY(window.PageControl1->currentPage()->isAncestorOf(humidity));
        QCOMPARE(messages_, QStringList{Q(ShownText(*CheckField("Edit_FeuchteSo", 120, true)))});
        QCOMPARE(window.PageControl1->currentIndex(), page);
        QVERIFY(humidity->hasFocus());
        QCOMPARE(humidity->text(), QStringLiteral("120"));
    }

    // Before either calculation runs, every field is checked against the
    // limits of the check on leaving, however its value came in: the first
    // bad field in page order is reported, its page shown and focused, and
    // nothing is calculated.
    void calculationChecksEveryField_data()
    {
        QTest::addColumn<QStringList>("fields");  // field=value set without leaving the field
        QTest::addColumn<QString>("reported");
        QTest::addColumn<bool>("uk");
        QTest::newRow("summer humidity") << QStringList{"Edit_FeuchteSo=120"} << "Edit_FeuchteSo" << false;
        QTest::newRow("wheel below") << QStringList{"Edit_Rad=499"} << "Edit_Rad" << false;
        QTest::newRow("days above") << QStringList{"Edit_TageWoche=7.5"} << "Edit_TageWoche" << false;
        QTest::newRow("negative price") << QStringList{"Edit_Wasser=-1"} << "Edit_Wasser" << false;
        QTest::newRow("first page first")
            << QStringList{"Edit_Zins=-1", "Edit_Antrieb=4001", "Edit_TempWi=81"} << "Edit_Antrieb" << false;
        QTest::newRow("fahrenheit above") << QStringList{"Edit_TempSo=177"} << "Edit_TempSo" << true;
        QTest::newRow("fahrenheit on the limit") << QStringList{"Edit_TempSo=176"} << QString() << true;
    }
    void calculationChecksEveryField()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, reported);
        QFETCH(bool, uk);
        // Button1 runs everything; Button3 after a finished run only the economy.
        for (const bool economyOnly : {false, true}) {
            TFormWRG window;
            QVERIFY(ShowActive(window));
            window.SetUnitSystem(!uk);
            if (economyOnly) {
                window.Button1->click();
                QCOMPARE(window.SimulationRuns(), 1);
            }
            messages_.clear();
            for (const QString& field : fields)
                Put(window, field);
            C<QLineEdit>(window, "Edit_VolZuWi")->setFocus(Qt::TabFocusReason);
            economyOnly ? window.Button3Click() : window.Button1->click();
            if (reported.isEmpty()) {
                QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('|')));
                QCOMPARE(window.SimulationRuns(), 1);
                continue;
            }
            auto* edit = C<QLineEdit>(window, qPrintable(reported));
            const double value = ValueOf(fields, reported);
            QCOMPARE(messages_, QStringList{Q(ShownText(*CheckField(reported.toStdString(), value, !uk)))});
            QCOMPARE(window.SimulationRuns(), economyOnly ? 1 : 0);
            QVERIFY(window.PageControl1->currentPage()->isAncestorOf(edit));
            QVERIFY(edit->hasFocus());
        }
    }

    // A field shows the value that is calculated with, decimals included,
    // whether loaded or typed, and the datasheet prints the same text.
    void shownValueIsCalculated()
    {
        TFormWRG window;
        QVERIFY(ShowActive(window));
        CalcInputs stored;
        stored.DaysPerWeek = 5.5;
        stored.ExtractHumWinter = 45.5;
        stored.PriceWater = 1.255;
        window.SetInputs(stored);
        auto* summer = C<QLineEdit>(window, "Edit_FeuchteSo");
        ShowPageOf(window, summer);
        TypeInto(summer, QStringLiteral("45.25"));
        C<QLineEdit>(window, "Edit_VolZuWi")->setFocus(Qt::TabFocusReason);
        const std::pair<const char*, const char*> shown[] = {{"Edit_TageWoche", "5.5"},   {"Edit_FeuchteWi", "45.5"},
                                                             {"Edit_FeuchteSo", "45.25"}, {"Edit_Wasser", "1.255"},
                                                             {"Edit_VolZuWi", "10000"},   {"Edit_TempWi", "22.0"}};
        for (const auto& [field, text] : shown)
            QCOMPARE(C<QLineEdit>(window, field)->text(), QLatin1String(text));
        const CalcInputs read = window.ReadInputs();
        QCOMPARE(read.DaysPerWeek, 5.5);
        QCOMPARE(read.ExtractHumSummer, 45.25);
        window.Button1->click();
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join('|')));
        const std::optional<SheetData> sheet = window.CurrentSheetData();
        QVERIFY(sheet);
        QCOMPARE(Q(sheet->design.operatingDays), QStringLiteral("at 5.5 days per week"));
        QCOMPARE(Q(sheet->design.extractHumWinter + "|" + sheet->design.extractHumSummer),
                 QStringLiteral("45.5|45.25"));
        QCOMPARE(Q(sheet->economyInputs.priceWater), QStringLiteral("1.255"));
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
                           window.Label118->text() == Q(CatalogueText(TextId::PressEscToCancel)) &&
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
