// The main window's calculation: the calculate commands of the energy and the
// cost page, the progress display with cancellation by Escape, the display
// of the energy and cost results, and the check of a numeric field when it
// is left.
//
// The year runs on the UI thread. Its progress reports move the bar and let
// the window process pending events, so that Escape (Abbrechen1) reaches the
// cancel flag the simulation polls. While it runs, the pages and the menu are
// disabled and both calculate commands ignore a second call, so that nothing
// but Escape can take effect before the run ends.

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cmath>
#include <cstdint>
#include <utility>
#include <variant>

#include "core/climate/AnnualSimulation.h"
#include "core/climate/UserClimate.h"
#include "core/economy/Economy.h"
#include "core/forms/InputChecks.h"
#include "core/forms/ResultsDisplay.h"
#include "core/text/Catalogue.h"
#include "core/text/NumberFormat.h"
#include "gui/controls/Controls.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/WindowText.h"
#include "gui/mainwindow/MainWindow.h"

using ui::Text;

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

void ShowCheckError(const CoreMessage& message)
{
    ShowError(Text(TextId::Error), Q(ShownText(message)));
}

// The value of a numeric edit; empty when its text is no number.
std::optional<double> EditValue(TCustomNumEdit* edit)
{
    if (auto* number = qobject_cast<TNumEdit*>(edit))
        return number->TryValue();
    if (auto* whole = qobject_cast<TIntEdit*>(edit)) {
        if (const std::optional<std::int32_t> value = whole->TryValue())
            return static_cast<double>(*value);
    }
    return std::nullopt;
}

// What is wrong with a checked field: its text is no number, or its value is
// outside the field's limits. Empty when it passes or is no checked field.
std::optional<CoreMessage> FieldProblem(TCustomNumEdit* edit, bool siUnits)
{
    const std::optional<double> value = EditValue(edit);
    const std::string name = edit->objectName().toStdString();
    if (!value) {
        if (!FieldRangeOf(name, siUnits))
            return std::nullopt;
        return NotANumberMessage(edit->text().toStdString(), qobject_cast<TIntEdit*>(edit) != nullptr,
                                 ProgramSeparators());
    }
    return CheckField(name, *value, siUnits);
}

void SetLabel(const QObject* owner, const char* name, const std::string& text)
{
    if (auto* label = owner->findChild<QLabel*>(QLatin1String(name)))
        label->setText(Q(text));
}

// Sets the busy state of the window for the time of a run and takes it back
// on every way out, an exception included.
class RunScope {
public:
    RunScope(TFormWRG& window, bool& calculating) : window_(window), calculating_(calculating)
    {
        calculating_ = true;
        focus_ = QApplication::focusWidget();
        window_.PageControl1->setEnabled(false);
        window_.MainMenu1->setEnabled(false);
        // The window keeps the keyboard, so Escape reaches Abbrechen1.
        window_.setFocus(Qt::OtherFocusReason);
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        window_.ProgressBar1->setValue(0);
        window_.Panel10->show();
        window_.Label118->setText(Text(TextId::PressEscToCancel));
    }
    ~RunScope()
    {
        window_.Label118->clear();
        window_.ProgressBar1->setValue(0);
        window_.Panel10->hide();
        QApplication::restoreOverrideCursor();
        window_.MainMenu1->setEnabled(true);
        window_.PageControl1->setEnabled(true);
        if (focus_ && focus_->isEnabled() && focus_->isVisible())
            focus_->setFocus(Qt::OtherFocusReason);
        calculating_ = false;
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    TFormWRG& window_;
    bool& calculating_;
    QPointer<QWidget> focus_;
};

}  // namespace

// ---- Field check ------------------------------------------------------------

void TFormWRG::EingabePruefen(QObject* sender)
{
    auto* edit = qobject_cast<TCustomNumEdit*>(sender);
    if (!edit || applying_ || calculating_ || checkingField_)
        return;
    const std::optional<CoreMessage> message = FieldProblem(edit, siUnits);
    if (!message)
        return;
    // The box takes the focus from the edit: no second check meanwhile.
    checkingField_ = true;
    QPointer<TCustomNumEdit> field(edit);
    ShowCheckError(*message);
    // The field may have been left because another page was chosen, which
    // is still being switched to; its page and focus come back once that is
    // done. Until then, the focus moves of the switch check nothing.
    QTimer::singleShot(0, this, [this, field] {
        if (field)
            ReturnToField(field);
        checkingField_ = false;
    });
}

void TFormWRG::ReturnToField(QWidget* field)
{
    for (int at = 0; at < PageControl1->count(); ++at) {
        if (PageControl1->page(at)->isAncestorOf(field))
            PageControl1->setCurrentIndex(at);
    }
    field->setFocus(Qt::OtherFocusReason);
    // Selected, so that the correction replaces the rejected text.
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool TFormWRG::AllFieldsValid()
{
    for (int page = 0; page < PageControl1->count(); ++page) {
        for (const std::string_view name : CheckedFieldNames()) {
            auto* edit = PageControl1->page(page)->findChild<TCustomNumEdit*>(
                QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
            if (!edit)
                continue;
            const std::optional<CoreMessage> message = FieldProblem(edit, siUnits);
            if (!message)
                continue;
            // Neither the box nor the way back into the field checks the
            // field that had the focus before.
            QPointer<TCustomNumEdit> field(edit);
            const bool wasChecking = checkingField_;
            checkingField_ = true;
            ShowCheckError(*message);
            if (field)
                ReturnToField(field);
            checkingField_ = wasChecking;
            return false;
        }
    }
    return true;
}

// ---- Commands -------------------------------------------------------------

void TFormWRG::Button1Click()
{
    if (calculating_)
        return;
    Calculate();
}

void TFormWRG::Button3Click()
{
    if (calculating_)
        return;
    if (energyDirty_ || !lastResults_) {
        Calculate();
        return;
    }
    const std::optional<CalcInputs> inputs = CaptureInputs();
    if (inputs && ShowEconomy(*inputs, *lastResults_))
        CalculationCompleted();
}

std::optional<CalcInputs> TFormWRG::CaptureInputs()
{
    // Every edit of an input is a checked field (InputChecks.cpp asserts it
    // at compile time), so the inputs read next are all numbers.
    if (!AllFieldsValid())
        return std::nullopt;
    inputs_ = ReadInputs();
    return inputs_;
}

void TFormWRG::Calculate()
{
    const std::optional<CalcInputs> captured = CaptureInputs();
    if (!captured)
        return;
    const CalcInputs inputs = *captured;
    // The results kept so far belong to the previous inputs and go.
    lastResults_.reset();
    lastEconomy_.reset();
    if (const std::optional<CoreMessage> message = CheckPlausibility(inputs, siUnits)) {
        ShowCheckError(*message);
        return;
    }

    std::optional<AnnualResults> annual;
    std::optional<QString> failure;
    {
        RunScope scope(*this, calculating_);
        cancelRequested_ = false;
        SimulationHooks hooks;
        hooks.progress = [this](int percent) {
            ProgressBar1->setValue(percent);
            QCoreApplication::processEvents();
        };
        hooks.cancelled = [this] { return cancelRequested_; };
        ++simulationRuns_;
        SimulationOutcome outcome = SimulateShownClimate(inputs, hooks);
        if (auto* results = std::get_if<AnnualResults>(&outcome))
            annual = std::move(*results);
        else if (const auto* message = std::get_if<CoreMessage>(&outcome))
            failure = Q(ShownText(*message));
    }
    // The message only after the busy state is gone, so the box gets the
    // normal cursor.
    if (failure) {
        ShowError(Text(TextId::Error), *failure);
        return;
    }
    if (!annual)
        return;  // cancelled: the pages stay empty, EnergyDirty stays set

    lastResults_ = *annual;
    ShowEnergyResults(*annual, inputs);
    if (ShowEconomy(inputs, *annual))
        CalculationCompleted();
    else
        EnergyOnlyCompleted();
}

SimulationOutcome TFormWRG::SimulateShownClimate(const CalcInputs& inputs, const SimulationHooks& hooks) const
{
    if (!ProjectClimateSelected(inputs))
        return RunAnnualSimulation(inputs, climateFiles_, hooks);
    // The project's own climate, run as the command line runs a project
    // file's embedded climate, so both give the same numbers.
    CalcInputs run = inputs;
    run.ClimateZone = EmbeddedClimateZone;
    return SimulateYear(run, ClimateYearOfRecord(*projectClimate_), hooks);
}

void TFormWRG::EnergyOnlyCompleted()
{
    CalculationCompleted();
    Button3->setEnabled(true);
    Button4->setEnabled(false);
    Button5->setEnabled(false);
}

void TFormWRG::closeEvent(QCloseEvent* event)
{
    if (calculating_) {
        cancelRequested_ = true;
        event->ignore();
        return;
    }
    // Unsaved changes are asked for, unless the end comes from outside; one
    // that comes while the question is on screen dismisses it (Cancel) and
    // lets this close go on.
    if (!withoutQuestions_) {
        askingToClose_ = true;
        const bool mayClose = MayReplaceProject();
        askingToClose_ = false;
        if (!mayClose && !withoutQuestions_) {
            event->ignore();
            return;
        }
    }
    // Closing goes on even when the settings could not be written.
    SaveSettingsOfWindow();
    TVxForm::closeEvent(event);
}

// ---- Results ------------------------------------------------------------------

void TFormWRG::ShowEnergyResults(const AnnualResults& annual, const CalcInputs& inputs)
{
    const EnergyResultsView view = EnergyResultsViewOf(annual, inputs, siUnits, ProgramSeparators());
    for (int row = 0; row < ResultsDisplay::GridRows; ++row) {
        for (int column = 0; column < ResultsDisplay::GridColumns; ++column)
            StringGrid1->item(row, column)->setText(Q(view.Grid[row][column]));
    }
    SetLabel(this, "Label65", view.WinterRecovery);
    SetLabel(this, "Label120", view.Humidification);
    SetLabel(this, "Label123", view.WinterHours);
    SetLabel(this, "Label67", view.SummerRecovery);
    SetLabel(this, "Label119", view.Dehumidification);
    SetLabel(this, "Label124", view.SummerHours);
    for (const char* name : {"Label61", "Label62", "Label127", "Label128"})
        SetLabel(this, name, view.GridUnit);
    for (const char* name : {"Label66", "Label68"})
        SetLabel(this, name, view.EnergyUnit);
    for (const char* name : {"Label121", "Label122"})
        SetLabel(this, name, view.WaterUnit);
    for (const char* name : {"Label125", "Label126"})
        SetLabel(this, name, view.HoursUnit);
}

bool TFormWRG::ShowEconomy(const CalcInputs& inputs, const AnnualResults& annual)
{
    lastEconomy_.reset();
    const Outcome<EconomyResults> outcome = CalculateEconomy(inputs, annual, siUnits);
    if (!outcome.ok()) {
        ShowCheckError(outcome.message());
        return false;
    }
    lastEconomy_ = outcome.value();
    const CostResultsView view = CostResultsViewOf(*lastEconomy_, inputs.DeviceType, currency.toStdString(),
                                                   ProgramSeparators());
    SetLabel(this, "Label102", view.Investment);
    SetLabel(this, "Label103", view.CapitalCost);
    SetLabel(this, "Label104", view.MaintenanceCost);
    SetLabel(this, "Label105", view.ServiceCost);
    SetLabel(this, "Label107", view.FanEnergyCost);
    SetLabel(this, "Label108", view.DriveEnergyCost);
    SetLabel(this, "Label109", view.TotalAnnualCosts);
    SetLabel(this, "Label110", view.HeatSavings);
    SetLabel(this, "Label111", view.WaterSavings);
    SetLabel(this, "Label112", view.CoolingSavings);
    SetLabel(this, "Label113", view.OperatingSavings);
    SetLabel(this, "Label114", view.InterestGain);
    SetLabel(this, "Label115", view.AnnualSavings);
    SetLabel(this, "Label116", view.BenefitCostFactor);
    SetLabel(this, "Label59", view.PaybackTime);
    SetLabel(this, "Label80", view.InvestmentUnit);
    SetLabel(this, "Label60", view.PaybackUnit);
    // Label92 is a caption of the energy page.
    for (const char* name : {"Label89", "Label90", "Label91", "Label93", "Label94", "Label95", "Label96", "Label97",
                             "Label98", "Label99", "Label100", "Label101"})
        SetLabel(this, name, view.AmountUnit);
    return true;
}
