#include "CQvxReportWriterDoc.h"

#include "FileChooser.h"
#include "MessageBox.h"
#include "ProjectMessages.h"
#include "WaitCursor.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "report/ProjectCheck.h"
#include "report/ProjectFileIO.h"

#include <QDateTime>
#include <QFileInfo>

namespace {

const QString ProjectSuffix = QStringLiteral("QVR");
const QString ProjectFilter = QStringLiteral("QVX Report Files (*.QVR);;All Files (*.*)");

} // namespace

CQvxReportWriterDoc::CQvxReportWriterDoc(QObject* parent)
    : QObject(parent)
    , project(NewReportProject(QDateTime::currentDateTime()))
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
    project = NewReportProject(QDateTime::currentDateTime());
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
    ProjectReadResult loaded;
    std::optional<ProjectFileProblem> problem;
    {
        WaitCursor waiting;
        loaded = LoadProjectFile(filePath);
        if (loaded.Ok()) {
            problem = CheckProjectFiles(loaded.project);
        }
    }
    if (loaded.error == ProjectReadError::CannotOpen) {
        return false;
    }
    if (!loaded.Ok()) {
        MessageBox(ProjectReadMessage(loaded.error), IconError, ButtonsOk);
        return false;
    }
    if (problem) {
        MessageBox(ProjectFileProblemMessage(*problem), IconError, ButtonsOk);
        return false;
    }
    project = std::move(loaded.project);
    project.SetCurrentPosition(project.InspectionCount() > 0 ? 1 : 0);
    const QString openedPath = QFileInfo(filePath).absoluteFilePath();
    path = openedPath;
    SetDocumentName(QFileInfo(filePath).fileName());
    emit ProjectReplaced();
    SetModified(false);
    // A page that cannot show the project (a file went away since the check) has put a new,
    // untitled one in its place.
    return path == openedPath;
}

bool CQvxReportWriterDoc::SaveTo(const QString& filePath)
{
    emit GatherForSaving();
    ProjectSaveResult saved;
    {
        WaitCursor waiting;
        saved = SaveProjectFile(filePath, project);
    }
    if (!saved.ok) {
        MessageBox(ProjectSaveMessage(filePath, saved.reason), IconError, ButtonsOk);
        return false;
    }
    SetModified(false);
    return true;
}
