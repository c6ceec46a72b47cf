#include "app/dialogs/cSeverityCriteriaDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "output/PrintfText.h"
#include "output/SeverityTables.h"
#include "output/TemperatureText.h"
#include "report/SeverityEntry.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

enum Column { BoundColumn, NameColumn, ActionColumn, PriorityColumn, ColumnCount };

constexpr double LargestBound = 9999.9;

// A bound as the dialog shows it: in the unit, to one decimal.
double ShownBound(float kelvin, TemperatureUnit unit)
{
    return std::round(DifferenceInUnit(kelvin, unit) * 10.0) / 10.0;
}

QString BoundObjectName(int row)
{
    return QStringLiteral("bound%1").arg(row);
}

QString PriorityObjectName(int row)
{
    return QStringLiteral("priority%1").arg(row);
}

} // namespace

cSeverityCriteriaDlg::cSeverityCriteriaDlg(const SeverityCriteria& current, TemperatureUnit unit, QWidget* parent)
    : QDialog(parent)
    , current(current)
    , unit(unit)
    , shown(current)
    , kindList(new QComboBox)
    , gradesNote(new QLabel)
    , table(new QTableWidget(0, ColumnCount))
    , addButton(new QPushButton(LoadAppString(StringId::AddClass)))
    , removeButton(new QPushButton(LoadAppString(StringId::RemoveClass)))
    , boundaryNote(new QLabel(LoadAppString(StringId::BoundaryRule)))
{
    setObjectName(QStringLiteral("cSeverityCriteriaDlg"));
    setWindowTitle(LoadAppString(StringId::SeverityCriteriaCaption));
    kindList->setObjectName(QStringLiteral("kindList"));
    for (const SeverityKind kind :
         {SeverityKind::None, SeverityKind::SimilarComponents, SeverityKind::OverAmbient, SeverityKind::Custom}) {
        kindList->addItem(CriteriaName(kind));
    }
    kindList->setCurrentIndex(int(current.kind));
    gradesNote->setObjectName(QStringLiteral("gradesNote"));
    gradesNote->setWordWrap(true);
    boundaryNote->setObjectName(QStringLiteral("boundaryNote"));
    boundaryNote->setWordWrap(true);

    table->setObjectName(QStringLiteral("criteriaTable"));
    table->setHorizontalHeaderLabels({LoadAppString(StringId::UpperBound),
                                      LoadAppString(StringId::SeverityClassHeading),
                                      LoadAppString(StringId::RecommendedAction),
                                      LoadAppString(StringId::SuggestedPriority)});
    table->verticalHeader()->setVisible(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setColumnWidth(BoundColumn, 120);
    table->setColumnWidth(NameColumn, 180);
    table->setColumnWidth(ActionColumn, 300);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumSize(740, 200);

    addButton->setObjectName(QStringLiteral("addClassButton"));
    removeButton->setObjectName(QStringLiteral("removeClassButton"));
    auto* ok = new QPushButton(LoadAppString(StringId::Ok));
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(LoadAppString(StringId::Cancel));
    cancel->setObjectName(QStringLiteral("cancelButton"));

    auto* editing = new QHBoxLayout;
    editing->addWidget(addButton);
    editing->addWidget(removeButton);
    editing->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(kindList);
    layout->addWidget(gradesNote);
    layout->addWidget(table);
    layout->addLayout(editing);
    layout->addWidget(boundaryNote);
    layout->addLayout(buttons);

    connect(kindList, &QComboBox::activated, this, &cSeverityCriteriaDlg::ChooseKind);
    connect(addButton, &QPushButton::clicked, this, &cSeverityCriteriaDlg::AddClass);
    connect(removeButton, &QPushButton::clicked, this, &cSeverityCriteriaDlg::RemoveClass);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowTable();
}

SeverityCriteria cSeverityCriteriaDlg::Chosen() const
{
    return shown;
}

void cSeverityCriteriaDlg::ChooseKind(int index)
{
    const SeverityKind kind = SeverityKind(index);
    if (kind == shown.kind) {
        return;
    }
    TakeTable();
    if (kind == current.kind) {
        shown = current;
    } else if (kind == SeverityKind::Custom && !shown.classes.empty()) {
        // A custom table starts from the one on show, to be adapted rather than typed anew.
        shown.kind = kind;
    } else {
        shown = BuiltInCriteria(kind);
    }
    ShowTable();
}

void cSeverityCriteriaDlg::AddClass()
{
    TakeTable();
    if (AddSeverityClass(shown)) {
        ShowTable();
        const int added = int(shown.classes.size()) - 2;
        table->setCurrentCell(added, NameColumn);
        table->editItem(table->item(added, NameColumn));
    }
}

void cSeverityCriteriaDlg::RemoveClass()
{
    TakeTable();
    const int row = table->currentRow() >= 0 ? table->currentRow() : int(shown.classes.size()) - 1;
    if (RemoveSeverityClass(shown, row)) {
        ShowTable();
    }
}

QString cSeverityCriteriaDlg::BoundText(float kelvin) const
{
    return TenthsWithUnit(float(ShownBound(kelvin, unit)), UnitTextsFor(unit).temperature);
}

QString cSeverityCriteriaDlg::AboveText(float kelvin) const
{
    return FillPlaceholders(LoadAppString(StringId::AboveBound), {BoundText(kelvin)});
}

void cSeverityCriteriaDlg::ShowTable()
{
    const bool none = shown.kind == SeverityKind::None;
    const bool custom = shown.kind == SeverityKind::Custom;
    const int count = int(shown.classes.size());
    QString grades = LoadAppString(StringId::CriteriaGrades);
    if (shown.kind == SeverityKind::OverAmbient) {
        grades += QLatin1Char(' ') + LoadAppString(StringId::AmbientReference);
    }
    gradesNote->setText(grades);
    for (QWidget* part : std::initializer_list<QWidget*> {gradesNote, table, boundaryNote}) {
        part->setVisible(!none);
    }
    addButton->setVisible(custom);
    removeButton->setVisible(custom);
    addButton->setEnabled(count < MaxSeverityClasses);
    removeButton->setEnabled(count > 1);

    // Dropping the rows drops their editors too, whatever the new rows hold.
    table->setRowCount(0);
    table->setRowCount(count);
    const QString suffix = QLatin1Char(' ') + UnitTextsFor(unit).temperature;
    for (int row = 0; row < count; ++row) {
        const SeverityClass& entry = shown.classes[size_t(row)];
        const bool last = row == count - 1;
        if (custom && !last) {
            auto* bound = new QDoubleSpinBox;
            bound->setObjectName(BoundObjectName(row));
            bound->setDecimals(1);
            bound->setRange(0.1, LargestBound);
            bound->setSuffix(suffix);
            bound->setValue(ShownBound(entry.upperBound, unit));
            table->setCellWidget(row, BoundColumn, bound);
            if (row == count - 2) {
                // The open class starts where this one ends.
                connect(bound, &QDoubleSpinBox::valueChanged, this, [this, count](double value) {
                    if (QTableWidgetItem* open = table->item(count - 1, BoundColumn)) {
                        open->setText(AboveText(float(KelvinFromUnit(value, unit))));
                    }
                });
            }
        } else {
            const QString text = !last ? BoundText(entry.upperBound)
                                       : AboveText(row > 0 ? shown.classes[size_t(row - 1)].upperBound : 0.0f);
            auto* bound = new QTableWidgetItem(text);
            bound->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            table->setItem(row, BoundColumn, bound);
        }
        for (const auto& [column, text] :
             {std::pair {NameColumn, entry.name}, std::pair {ActionColumn, entry.action}}) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text);
            if (!custom) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            table->setItem(row, column, item);
        }
        auto* priority = new QSpinBox;
        priority->setObjectName(PriorityObjectName(row));
        priority->setRange(int(LowestSuggestedPriority), int(HighestSuggestedPriority));
        priority->setValue(int(entry.priority));
        table->setCellWidget(row, PriorityColumn, priority);
    }
}

void cSeverityCriteriaDlg::TakeTable()
{
    const bool custom = shown.kind == SeverityKind::Custom;
    for (int row = 0; row < int(shown.classes.size()) && row < table->rowCount(); ++row) {
        SeverityClass& entry = shown.classes[size_t(row)];
        if (custom) {
            entry.name = table->item(row, NameColumn)->text();
            entry.action = table->item(row, ActionColumn)->text();
            // A bound the user left alone keeps every digit it had, even one finer than the
            // dialog shows.
            const auto* bound = qobject_cast<QDoubleSpinBox*>(table->cellWidget(row, BoundColumn));
            if (bound && bound->value() != ShownBound(entry.upperBound, unit)) {
                entry.upperBound = float(KelvinFromUnit(bound->value(), unit));
            }
        }
        if (const auto* priority = qobject_cast<QSpinBox*>(table->cellWidget(row, PriorityColumn))) {
            entry.priority = quint32(priority->value());
        }
    }
}

void cSeverityCriteriaDlg::accept()
{
    TakeTable();
    if (const auto problem = CheckCriteria(shown)) {
        const unsigned message =
            problem->kind == CriteriaProblem::NameEmpty ? StringId::ClassNeedsName : StringId::BoundsMustRise;
        MessageBox(FillPlaceholders(LoadAppString(message), {QString::number(problem->classIndex + 1)}),
                   IconExclamation,
                   ButtonsOk);
        const int column = problem->kind == CriteriaProblem::NameEmpty ? NameColumn : BoundColumn;
        table->setCurrentCell(problem->classIndex, column);
        if (QWidget* bound = table->cellWidget(problem->classIndex, column)) {
            bound->setFocus();
        }
        return;
    }
    QDialog::accept();
}

void ChooseSeverityCriteria(CQvxReportWriterDoc& document, QWidget* parent)
{
    cSeverityCriteriaDlg dialog(document.Criteria(), document.Unit(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // A failed write of the default is told; the open project changes all the same.
    SetSeverityCriteriaSetting(WriteSeverityEntry(dialog.Chosen()));
    document.ChangeCriteria(dialog.Chosen());
}
