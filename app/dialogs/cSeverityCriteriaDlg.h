#pragma once

#include "report/SeverityCriteria.h"

#include <QDialog>

class CQvxReportWriterDoc;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Severity Criteria": the table the open project grades its findings by. The built-in tables
// show their bounds, classes and actions and let the user change the priority each class
// suggests; "Custom" edits up to five classes, checked on OK (bounds rising, names not empty).
// Bounds are shown and typed in the page's unit and kept in kelvin.
class cSeverityCriteriaDlg : public QDialog
{
    Q_OBJECT

public:
    cSeverityCriteriaDlg(const SeverityCriteria& current, TemperatureUnit unit, QWidget* parent = nullptr);

    // The table as the dialog shows it; after OK, the user's choice.
    SeverityCriteria Chosen() const;

    void accept() override;

private:
    void ChooseKind(int index);
    void AddClass();
    void RemoveClass();
    // The table widget from `shown`, and back.
    void ShowTable();
    void TakeTable();
    QString BoundText(float kelvin) const;
    QString AboveText(float kelvin) const;

    const SeverityCriteria current;
    const TemperatureUnit unit;
    SeverityCriteria shown;

    QComboBox* kindList;
    QLabel* gradesNote;
    QTableWidget* table;
    QPushButton* addButton;
    QPushButton* removeButton;
    QLabel* boundaryNote;
};

// "Severity Criteria..." for the open project, its bounds in the project's unit: on OK the project
// grades by the choice, which also becomes the criteria of new projects.
void ChooseSeverityCriteria(CQvxReportWriterDoc& document, QWidget* parent);
