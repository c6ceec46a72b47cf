#include "CQvxReportWriterDoc.h"

#include "FileChooser.h"
#include "MessageBox.h"
#include "ProjectMessages.h"
#include "WaitCursor.h"
#include "app/settings/Settings.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "cMissingFilesDlg.h"
#include "report/MissingFileList.h"
#include "report/MovedFileSearch.h"
#include "report/ProjectCheck.h"
#include "report/ProjectFileIO.h"
#include "report/SeverityEntry.h"
#include "report/TypedUnits.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

const QString ProjectSuffix = QStringLiteral("QVR");
const QString ProjectFilter = QStringLiteral("QVX Report Files (*.QVR);;All Files (*.*)");

// A new project takes the user's template and unit, and the severity criteria last chosen.
ReportProject NewProject()
{
    ReportProject project = NewReportProject(QDateTime::currentDateTime());
    project.reportTemplate = TemplateSetting();
    project.unit = TempUnitSetting();
    // A project states criteria only once they grade, so that files stay as they were without.
    const auto criteria = ReadSeverityEntry(GetSeverityCriteriaSetting());
    if (criteria && criteria->kind != SeverityKind::None) {
        project.severityCriteria = criteria;
    }
    return project;
}

} // namespace

CQvxReportWriterDoc::CQvxReportWriterDoc(QObject* parent)
    : QObject(parent)
    , project(NewProject())
    , name(LoadAppString(StringId::Untitled))
{ }

void CQvxReportWriterDoc::SetDocumentName(const QString& documentName)
{
    name = documentName;
    emit DocumentNameChanged(name);
}

void CQvxReportWriterDoc::SetModified(bool changed)
{
    if (modified != changed) {
        modified = changed;
        emit ModifiedChanged(modified);
    }
}

void CQvxReportWriterDoc::ChangeTemplate(ReportTemplate chosen)
{
    if (Template() == chosen) {
        return;
    }
    // The pages store what they show while its fields are still those of the old template.
    emit ReportOptionsChanging();
    project.reportTemplate = chosen;
    SetModified();
    emit ReportOptionsChanged();
}

void CQvxReportWriterDoc::ChangeUnit(TemperatureUnit chosen)
{
    if (Unit() == chosen) {
        return;
    }
    emit ReportOptionsChanging();
    ConvertTypedValues(project, Unit(), chosen);
    project.unit = chosen;
    SetModified();
    emit ReportOptionsChanged();
}

void CQvxReportWriterDoc::ChangeCriteria(const SeverityCriteria& chosen)
{
    if (chosen == Criteria()) {
        return;
    }
    project.severityCriteria = chosen;
    SetModified();
    emit CriteriaChanged();
}

void CQvxReportWriterDoc::New()
{
    project = NewProject();
    path.clear();
    SetDocumentName(LoadAppString(StringId::Untitled));
    emit ProjectReplaced();
    SetModified(false);
}

bool CQvxReportWriterDoc::Open()
{
    const auto chosen = ChooseFile(dialogParent,
                                   {FileRequest::Open,
                                    LoadAppString(StringId::Open),
                                    LoadAppString(StringId::Untitled),
                                    ProjectSuffix,
                                    ProjectFilter});
    return chosen && OpenProjectPath(chosen->path);
}

bool CQvxReportWriterDoc::Save()
{
    // Only a project that came from a file or went to one has somewhere to go; its name says nothing,
    // since "Untitled" reads differently in every language.
    if (path.isEmpty()) {
        return SaveAs();
    }
    return SaveTo(path);
}

bool CQvxReportWriterDoc::SaveAs()
{
    const QString initialName = name.isEmpty() ? LoadAppString(StringId::Untitled) : name;
    const auto chosen = ChooseFile(
        dialogParent, {FileRequest::Save, LoadAppString(StringId::SaveAs), initialName, ProjectSuffix, ProjectFilter});
    if (!chosen || !SaveTo(chosen->path)) {
        return false;
    }
    path = QFileInfo(chosen->path).absoluteFilePath();
    SetDocumentName(QFileInfo(chosen->path).fileName());
    return true;
}

bool CQvxReportWriterDoc::OpenProjectPath(const QString& filePath)
{
    MovedFileSearch search;
    ProjectReadResult loaded = [&] {
        WaitCursor waiting;
        ProjectReadResult read = LoadProjectFile(filePath);
        if (read.Ok()) {
            search = FindMovedFiles(read.Value(), filePath);
        }
        return read;
    }();
    if (loaded.Error() == ProjectReadError::CannotOpen) {
        return false;
    }
    if (!loaded.Ok()) {
        MessageBox(ProjectReadMessage(*loaded.Error()), IconError, ButtonsOk);
        return false;
    }
    // Files found in new places, located by the user or removed with their inspection: the project
    // on disk no longer says where its files are, so it counts as modified.
    bool relocated = !search.found.empty();
    if (!search.missing.empty()) {
        MissingFileList missing(std::move(loaded.Value()), search.missing);
        if (!ResolveMissingFiles(missing, dialogParent)) {
            return false;
        }
        loaded.Value() = missing.Project();
        relocated = true;
    }
    std::optional<ProjectFileProblem> problem;
    {
        WaitCursor waiting;
        problem = CheckProjectFiles(loaded.Value(), search.FoundPaths());
    }
    if (problem) {
        MessageBox(ProjectFileProblemMessage(*problem), IconError, ButtonsOk);
        return false;
    }
    project = std::move(loaded).Value();
    project.SetCurrentPosition(project.InspectionCount() > 0 ? 1 : 0);
    fallbackTemplate = TemplateSetting();
    fallbackUnit = TempUnitSetting();
    const QString openedPath = QFileInfo(filePath).absoluteFilePath();
    path = openedPath;
    SetDocumentName(QFileInfo(filePath).fileName());
    emit ProjectReplaced();
    SetModified(false);
    // A page that cannot show the project (a file went away since the check) has put a new,
    // untitled one in its place.
    if (path != openedPath) {
        return false;
    }
    SetModified(relocated);
    if (!search.found.empty()) {
        MessageBox(FoundFilesMessage(search.found), IconInformation, ButtonsOk);
    }
    return true;
}

bool CQvxReportWriterDoc::SaveTo(const QString& filePath)
{
    emit GatherForSaving();
    // A file that stated no template or unit gets the ones the user changed it in; one merely
    // opened and saved stays as it was.
    if (modified) {
        project.reportTemplate = Template();
        project.unit = Unit();
    }
    const FileWriteResult saved = [&] {
        WaitCursor waiting;
        return SaveProjectFile(filePath, project);
    }();
    if (!saved.Ok()) {
        MessageBox(ProjectSaveMessage(filePath, saved.Message()), IconError, ButtonsOk);
        return false;
    }
    SetModified(false);
    return true;
}
