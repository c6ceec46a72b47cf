#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/ColourValueOf.h"
#include "pages/colour/cColourEdit.h"
#include "pages/details/SeverityColours.h"
#include "report/ReportProject.h"
#include "snapshot/cQVX.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

void DetailsDlg::BuildSeverityPanel()
{
    severityLabel = new QLabel(LoadAppString(StringId::Severity), this);
    severityLabel->setObjectName(QStringLiteral("severityLabel"));
    severityField = new cColourEdit(cColourEdit::Lines::Single, this);
    severityField->setObjectName(QStringLiteral("severityField"));
    severityField->setFixedHeight(24);
    // A long class name or action is fitted rather than widening the measurement column.
    severityField->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    severityField->setReadOnly(true);
    useButton = new QPushButton(LoadAppString(StringId::UseSuggestion), this);
    useButton->setObjectName(QStringLiteral("useButton"));
    severityAction = new QLabel(this);
    severityAction->setObjectName(QStringLiteral("severityAction"));
    severityAction->setWordWrap(true);
    severityAction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    severityAction->setMinimumHeight(44);
    severityAction->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(useButton, &QPushButton::clicked, this, &DetailsDlg::UseSuggestedPriority);
    ShowSeverity();
}

void DetailsDlg::ShowSeverity()
{
    const SeverityCriteria criteria = document->Criteria();
    const bool grading = criteria.kind != SeverityKind::None;
    for (QWidget* part : std::initializer_list<QWidget*> {severityLabel, severityField, useButton, severityAction}) {
        part->setVisible(grading);
    }

    const auto difference = grading && ShownRecord() ? CursorDifference() : std::nullopt;
    const auto graded = difference ? GradeDifference(criteria, *difference, document->Unit()) : std::nullopt;
    if (!graded) {
        suggestedPriority.reset();
        severityField->clear();
        severityField->setToolTip(QString());
        severityField->SetBkColour(ColourValueOf(QApplication::palette().color(QPalette::Button)));
        severityAction->clear();
        useButton->setEnabled(false);
        return;
    }
    const SeverityClass& entry = criteria.classes[size_t(*graded)];
    suggestedPriority = int(entry.priority);
    severityField->SetText(entry.name);
    severityField->setToolTip(entry.name);
    severityField->SetBkColour(SeverityColour(*graded, int(criteria.classes.size())));
    severityAction->setText(entry.action);
    useButton->setEnabled(true);
}

void DetailsDlg::UseSuggestedPriority()
{
    // Only this button ever sets the priority from the criteria; the change is the user's edit.
    if (!suggestedPriority || !controlsShowRecord || *suggestedPriority >= priorityList->count()) {
        return;
    }
    priorityList->setCurrentIndex(*suggestedPriority);
}
