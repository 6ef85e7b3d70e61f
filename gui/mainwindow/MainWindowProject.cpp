// The main window's project files: New, Open, Save, Save as and the recent
// projects of the File menu, the question about unsaved changes, and the
// caption that names the design and marks its changes.
//
// The unchanged state is the design as the window showed it right after it
// was opened, saved or started (ShownProject), so a value that the unit
// conversion of the screen cannot give back to the last bit is no change.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>

#include <utility>

#include "core/climate/CalcInputsFields.h"
#include "core/project/ProjectFile.h"
#include "core/settings/IniFile.h"
#include "core/settings/RecentProjects.h"
#include "core/text/Catalogue.h"
#include "gui/controls/FileNames.h"
#include "gui/controls/MessageBox.h"
#include "gui/controls/NumericEdit.h"
#include "gui/controls/WindowText.h"
#include "gui/mainwindow/MainWindow.h"
#include "gui/mainwindow/ProjectDataWindow.h"
#include "print/MakerData.h"

using ui::FileName;
using ui::PathOf;
using ui::Text;

namespace {

TFormWRG::TProjectDialogHook& ProjectDialogHook()
{
    static TFormWRG::TProjectDialogHook hook;
    return hook;
}

QString Shown(const CoreMessage& message)
{
    return QString::fromStdString(ShownText(message));
}

// The text of a recent project's menu item: its number as the accelerator
// and the path, shortened in the middle when it is long.
QString RecentItemText(int position, const QString& path, const QFont& font)
{
    constexpr int WidestPathInAverageCharacters = 60;
    const QFontMetrics metrics(font);
    QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                       WidestPathInAverageCharacters * metrics.averageCharWidth());
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(position + 1).arg(shown);
}

}  // namespace

// ---- State ----------------------------------------------------------------

int TFormWRG::ProjectClimateZone() const
{
    if (!projectClimate_)
        return 0;
    return static_cast<int>(ClimateZoneItems(climateFiles_, CurrentLanguage()).size()) + 1;
}

bool TFormWRG::ProjectClimateSelected(const CalcInputs& inputs) const
{
    return projectClimate_ && inputs.ClimateZone == ProjectClimateZone();
}

Project TFormWRG::ShownProject() const
{
    const CalcInputs inputs = ReadInputs();
    Project project = ProjectOf(inputs, siUnits, ProjectClimateSelected(inputs) ? projectClimate_ : std::nullopt);
    project.Title = title_;
    project.Note = note_;
    return project;
}

bool TFormWRG::ProjectModified() const
{
    for (const CalcInputField& field : CalcInputFields) {
        const InputControl& control = field.control;
        if (control.kind != ControlKind::NumberEdit && control.kind != ControlKind::WholeEdit)
            continue;
        const auto* edit = findChild<TCustomNumEdit*>(
            QLatin1String(control.name.data(), static_cast<qsizetype>(control.name.size())));
        if (edit && !edit->HoldsNumber())
            return true;
    }
    return !SameDesign(savedProject_, ShownProject());
}

void TFormWRG::MarkProjectSaved(const QString& path)
{
    projectPath_ = path;
    savedProject_ = ShownProject();
    UpdateCaption();
}

void TFormWRG::UpdateCaption()
{
    // An untitled design without changes shows the program's caption alone.
    QString name = QString::fromStdString(title_).trimmed();
    if (name.isEmpty() && !projectPath_.isEmpty())
        name = QFileInfo(projectPath_).fileName();
    const bool modified = ProjectModified();
    if (name.isEmpty() && modified)
        name = Text(TextId::Untitled);
    QString caption = QString::fromStdString(ProgramCaption());
    if (!name.isEmpty())
        caption = name + (modified ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + caption;
    setWindowTitle(caption);
}

// ---- The question ---------------------------------------------------------

bool TFormWRG::MayReplaceProject()
{
    return MayReplaceChanges(ProjectModified(), Text(TextId::SaveProjectChanges), Text(TextId::ProjectCaption),
                             [this] { return SaveProject(); });
}

void TFormWRG::CloseWithoutQuestions()
{
    withoutQuestions_ = true;
    // A close that is asking goes on by itself once its question is gone; a
    // second close inside it would take the window off the screen without
    // ending the dialog, and so without ending the program.
    if (!askingToClose_)
        close();
}

// ---- Commands -------------------------------------------------------------

void TFormWRG::Neu1Click()
{
    if (calculating_ || !MayReplaceProject())
        return;
    unknownKeys_ = {};
    projectClimate_.reset();
    Project first;
    first.SIUnits = siUnits;  // the unit system is the user's choice, not the design's
    ShowProject(first);
    MarkProjectSaved(QString());
}

void TFormWRG::Oeffnen1Click()
{
    if (calculating_ || !MayReplaceProject())
        return;
    const QString path = AskProjectFile(TProjectFileChoice::Open);
    if (!path.isEmpty())
        LoadProject(path);
}

bool TFormWRG::OpenProject(const QString& path)
{
    if (calculating_ || !MayReplaceProject())
        return false;
    return LoadProject(path);
}

void TFormWRG::RecentProjectClick(int position)
{
    if (position >= 0 && position < static_cast<int>(recentProjects_.size()))
        OpenProject(PathOf(recentProjects_[static_cast<std::size_t>(position)]));
}

void TFormWRG::Projektdaten1Click()
{
    if (calculating_)
        return;
    TFormProjektdaten dialog(this);
    if (dialog.Edit(title_, note_))
        UpdateCaption();
}

void TFormWRG::Speichern1Click()
{
    if (!calculating_)
        SaveProject();
}

void TFormWRG::SpeichernUnter1Click()
{
    if (!calculating_)
        SaveProjectAs();
}

// ---- Opening --------------------------------------------------------------

bool TFormWRG::LoadProject(const QString& path)
{
    Outcome<ProjectRead> read = ReadProjectFile(FileName(path));
    if (!read.ok()) {
        ShowError(Text(TextId::Error), Shown(read.message()));
        // A file that is gone leaves the list; one that is damaged stays,
        // so that it can be opened again once repaired.
        if (!QFileInfo::exists(path))
            SetRecentProjects(WithoutRecentProject(recentProjects_, FileName(path)));
        return false;
    }
    ProjectRead& opened = read.value();
    unknownKeys_ = std::move(opened.project.UnknownKeys);
    ShowProject(opened.project);
    MarkProjectSaved(QFileInfo(path).absoluteFilePath());
    RememberProject(projectPath_);
    for (const CoreMessage& warning : opened.warnings)
        ShowMessageBox(Shown(warning), TMessageType::Warning, Text(TextId::ProjectCaption));
    return true;
}

void TFormWRG::ShowProject(const Project& project)
{
    CalcInputs inputs = project.Inputs;
    // An embedded climate that is one of the listed files selects its zone;
    // any other becomes the zone of this project only.
    projectClimate_.reset();
    if (project.EmbeddedClimate) {
        if (const int zone = ListedZoneOfClimate(climateFiles_, *project.EmbeddedClimate)) {
            inputs.ClimateZone = zone;
        } else {
            projectClimate_ = project.EmbeddedClimate;
            inputs.ClimateZone = ProjectClimateZone();
        }
    }
    // The unit switch first, so that the controls show the inputs in the
    // project's units as they were stored, not converted twice.
    SetUnitSystem(project.SIUnits);
    SetInputs(inputs);
    title_ = project.Title;
    note_ = project.Note;
    // As at start: the device page rules, the plate distances of the edge,
    // the results emptied.
    Combo_KantenmassChange(this);
}

// ---- Saving ---------------------------------------------------------------

std::optional<Project> TFormWRG::ProjectToSave()
{
    if (!AllFieldsValid())
        return std::nullopt;
    Project shown = ShownProject();
    if (shown.EmbeddedClimate) {
        shown.UnknownKeys = unknownKeys_;
        return shown;
    }
    Outcome<Project> zoned = ProjectOfZone(shown.Inputs, siUnits, climateFiles_);
    if (!zoned.ok()) {
        ShowError(Text(TextId::Error), Shown(zoned.message()));
        return std::nullopt;
    }
    Project project = std::move(zoned).value();
    project.Title = std::move(shown.Title);
    project.Note = std::move(shown.Note);
    project.UnknownKeys = unknownKeys_;
    return project;
}

bool TFormWRG::SaveProject()
{
    if (projectPath_.isEmpty())
        return SaveProjectAs();
    return WriteProject(projectPath_);
}

bool TFormWRG::SaveProjectAs()
{
    // The fields are checked before the dialog: a design that cannot be
    // saved asks for no file.
    if (!ProjectToSave())
        return false;
    const QString path = AskProjectFile(TProjectFileChoice::Save);
    return !path.isEmpty() && WriteProject(path);
}

bool TFormWRG::WriteProject(const QString& path)
{
    const std::optional<Project> project = ProjectToSave();
    if (!project)
        return false;
    if (const std::optional<CoreMessage> failed = WriteProjectFile(FileName(path), *project)) {
        ShowError(Text(TextId::Error), Shown(*failed));
        return false;
    }
    MarkProjectSaved(QFileInfo(path).absoluteFilePath());
    RememberProject(projectPath_);
    return true;
}

// ---- Recent projects and file dialogs --------------------------------------

void TFormWRG::RememberProject(const QString& path)
{
    SetRecentProjects(WithRecentProject(recentProjects_, FileName(path)));
}

void TFormWRG::SetRecentProjects(std::vector<std::string> recent)
{
    recentProjects_ = std::move(recent);
    FillRecentMenu();
    if (!settingsFile_)
        return;
    if (const std::optional<CoreMessage> failed = WriteRecentProjects(*settingsFile_, recentProjects_))
        ShowError(Text(TextId::Error), Shown(*failed));
}

void TFormWRG::FillRecentMenu()
{
    for (std::size_t position = 0; position < recentItems_.size(); ++position) {
        QAction* item = recentItems_[position];
        const bool listed = position < recentProjects_.size();
        item->setVisible(listed);
        if (!listed)
            continue;
        const QString path = PathOf(recentProjects_[position]);
        item->setText(RecentItemText(static_cast<int>(position), path, font()));
        item->setToolTip(path);
    }
    if (recentSeparator_)
        recentSeparator_->setVisible(!recentProjects_.empty());
}

void TFormWRG::SetProjectDialogHook(TProjectDialogHook hook)
{
    ProjectDialogHook() = std::move(hook);
}

QString TFormWRG::AskProjectFile(TProjectFileChoice choice)
{
    // The folder of the project on screen, else of the last one used.
    QString folder = QDir::homePath();
    const QString last = !projectPath_.isEmpty()    ? projectPath_
                         : !recentProjects_.empty() ? PathOf(recentProjects_.front())
                                                    : QString();
    if (!last.isEmpty() && QFileInfo(last).absoluteDir().exists())
        folder = QFileInfo(last).absolutePath();
    if (ProjectDialogHook())
        return ProjectDialogHook()(choice, folder);
    const bool saving = choice == TProjectFileChoice::Save;
    QFileDialog dialog(this, Text(saving ? TextId::SaveProjectAs : TextId::OpenProject), folder);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString extension = QString::fromLatin1(ProjectFileExtension.data(), ProjectFileExtension.size());
    dialog.setDefaultSuffix(extension.mid(1));
    dialog.setNameFilters({Text(TextId::ProjectFiles) + QStringLiteral(" (*") + extension + QStringLiteral(")"),
                           Text(TextId::AllFiles) + QStringLiteral(" (*)")});
    if (saving && !projectPath_.isEmpty())
        dialog.selectFile(QFileInfo(projectPath_).fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}
