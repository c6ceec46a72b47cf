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

namespace {

// Below "Reflected Temp.", beside the other temperature measurements: the class, then its action
// with the button that applies its priority.
constexpr int SeverityTop = 440;
constexpr int ActionTop = 470;
constexpr int ActionHeight = 44;
// The building fields make room for the class and its action while criteria are chosen.
constexpr int BuildingFieldsDrop = 70;

} // namespace

void DetailsDlg::BuildSeverityPanel()
{
    severityLabel = new QLabel(LoadAppString(StringId::Severity), this);
    severityLabel->setObjectName(QStringLiteral("severityLabel"));
    severityLabel->setGeometry(650, SeverityTop, 130, 24);
    severityField = new cColourEdit(cColourEdit::Lines::Single, this);
    severityField->setObjectName(QStringLiteral("severityField"));
    severityField->setGeometry(790, SeverityTop, 176, 24);
    severityField->setReadOnly(true);
    useButton = new QPushButton(LoadAppString(StringId::UseSuggestion), this);
    useButton->setObjectName(QStringLiteral("useButton"));
    useButton->setGeometry(906, ActionTop, 60, 26);
    severityAction = new QLabel(this);
    severityAction->setObjectName(QStringLiteral("severityAction"));
    severityAction->setGeometry(650, ActionTop, 250, ActionHeight);
    severityAction->setWordWrap(true);
    severityAction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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
    if (grading != buildingFieldsLowered) {
        const int drop = grading ? BuildingFieldsDrop : -BuildingFieldsDrop;
        for (QWidget* control : buildingControls) {
            control->move(control->x(), control->y() + drop);
        }
        buildingFieldsLowered = grading;
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
