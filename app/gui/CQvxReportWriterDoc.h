#pragma once

#include "report/ReportProject.h"

#include <QObject>
#include <QString>

class QWidget;

// The document: owns the open report project and its file commands New, Open, Save and
// Save As. The pages show and edit `Project()`; the main window shows `documentName`.
// A load replaces the project only when the whole file was read and every file it names
// opens; a save replaces the file on disk only when every byte was written.
class CQvxReportWriterDoc : public QObject
{
    Q_OBJECT

public:
    explicit CQvxReportWriterDoc(QObject* parent = nullptr);

    ReportProject& Project() { return project; }
    const ReportProject& Project() const { return project; }

    // The file name (without folder) of the project last opened or saved, or "Untitled".
    const QString& documentName() const { return name; }
    // The full path of that file; empty for a new project.
    const QString& documentPath() const { return path; }
    void SetDocumentName(const QString& documentName);

    // Whether the user changed the project since it was made new, opened or saved. The pages
    // call SetModified() for every change the user makes; looking at a project never does.
    bool IsModified() const { return modified; }
    void SetModified(bool changed = true);

    // The template and temperature unit the open project is shown and printed in: the ones it
    // states, or for a file that states none, the user's settings when it was opened.
    ReportTemplate Template() const { return project.reportTemplate.value_or(fallbackTemplate); }
    TemperatureUnit Unit() const { return project.unit.value_or(fallbackUnit); }
    // The user's choice of template or unit for the open project: from now on the project states
    // it and is modified. A new unit converts the typed temperatures and wind speeds of every
    // inspection. Choosing what is already in use does nothing.
    void ChangeTemplate(ReportTemplate chosen);
    void ChangeUnit(TemperatureUnit chosen);
    // The severity criteria the open project grades its findings by: None when it states none.
    SeverityCriteria Criteria() const { return project.Criteria(); }
    // The user's choice of criteria: from now on the project states it and is modified. Choosing
    // what is in use does nothing.
    void ChangeCriteria(const SeverityCriteria& chosen);

    // The parent of the file dialogs; none by default.
    void SetDialogParent(QWidget* parent) { dialogParent = parent; }

    // File commands. Each returns whether it did its job; a cancelled dialog returns false.
    void New();
    bool Open();
    bool Save();
    bool SaveAs();

    // Reads the project file at `filePath` and makes it the open project. Files no longer where
    // the project says are looked for from where it is now (the user is told which were found,
    // and the project counts as modified); files still missing go to the Missing Files dialog,
    // whose Cancel abandons the open. A file that cannot
    // be opened is ignored without a message; any other failure shows its message. On
    // failure the open project, its name and its path stay exactly as they were, except when
    // a page cannot show the loaded project: it has told why and left a new, untitled project.
    bool OpenProjectPath(const QString& filePath);

signals:
    void DocumentNameChanged(const QString& documentName);
    void ModifiedChanged(bool modified);
    // The project was replaced as a whole (New or a successful load): the pages show it afresh.
    void ProjectReplaced();
    // A save is about to write the project: the pages take their control values into it now.
    void GatherForSaving();
    // The open project's template or unit is about to change: the pages store what they show.
    void ReportOptionsChanging();
    // The open project's template or unit changed: the pages show it in the new one.
    void ReportOptionsChanged();
    // The open project grades by other criteria: the pages show its findings graded afresh.
    void CriteriaChanged();

private:
    bool SaveTo(const QString& filePath);

    ReportProject project;
    ReportTemplate fallbackTemplate = ReportTemplate::Maintenance;
    TemperatureUnit fallbackUnit = TemperatureUnit::Celsius;
    QString name;
    QString path;
    QWidget* dialogParent = nullptr;
    bool modified = false;
};
