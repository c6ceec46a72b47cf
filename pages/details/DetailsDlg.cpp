#include "pages/details/DetailsDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/gui/MessageBox.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"
#include "pages/colour/ColourChooser.h"
#include "pages/colour/cColourButton.h"
#include "pages/colour/cColourEdit.h"
#include "pages/controls/LimitedLineEdit.h"
#include "pages/details/ImageArea.h"
#include "snapshot/cQVX.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

DetailsDlg::DetailsDlg(CQvxReportWriterDoc* document, QWidget* parent)
    : QWidget(parent)
    , document(document)
    , caption(LoadAppString(StringId::InspectionData))
{
    setObjectName(QStringLiteral("DetailsDlg"));
    BuildControls();
    ConnectControls();
    connect(document, &CQvxReportWriterDoc::ProjectReplaced, this, &DetailsDlg::OnProjectReplaced);
    connect(document, &CQvxReportWriterDoc::GatherForSaving, this, &DetailsDlg::StoreInspection);
    connect(document, &CQvxReportWriterDoc::ReportOptionsChanging, this, &DetailsDlg::StoreInspection);
    connect(document, &CQvxReportWriterDoc::ReportOptionsChanged, this, &DetailsDlg::ShowReportOptions);
    connect(document, &CQvxReportWriterDoc::CriteriaChanged, this, &DetailsDlg::ShowSeverity);
    UpdatePositionText();
}

DetailsDlg::~DetailsDlg() = default;

bool DetailsDlg::Buildings() const
{
    return document->Template() == ReportTemplate::Buildings;
}

TemperatureUnit DetailsDlg::Unit() const
{
    return document->Unit();
}

void DetailsDlg::ConnectControls()
{
    connect(previousButton, &QPushButton::clicked, this, &DetailsDlg::Previous);
    connect(nextButton, &QPushButton::clicked, this, &DetailsDlg::Next);
    connect(generateButton, &QPushButton::clicked, this, &DetailsDlg::GenerateReport);
    connect(changeButton, &QPushButton::clicked, this, &DetailsDlg::ChangePenColour);
    connect(undoButton, &QPushButton::clicked, this, &DetailsDlg::UndoStroke);
    connect(clearButton, &QPushButton::clicked, this, &DetailsDlg::ClearStrokes);
    connect(unitList, &QComboBox::activated, this, [this](int index) {
        SetUnit(TemperatureUnitFromSetting(unsigned(index)));
    });
    connect(cursorListA, &QComboBox::activated, this, &DetailsDlg::OnCursorChanged);
    connect(cursorListB, &QComboBox::activated, this, &DetailsDlg::OnCursorChanged);
    for (DateRow& row : dateRows) {
        connect(row.given, &QRadioButton::clicked, this, [this, &row] { SetDateGiven(row, true); });
        connect(row.noDate, &QRadioButton::clicked, this, [this, &row] { SetDateGiven(row, false); });
    }
    for (LimitedLineEdit* edit : {nameEdit, operatorEdit, locationEdit, equipmentEdit}) {
        connect(edit, &QLineEdit::textChanged, this, &DetailsDlg::ColourCheckedFields);
    }
    connect(commentEdit, &cColourEdit::textChanged, this, &DetailsDlg::ColourCheckedFields);
    connect(faultEdit, &cColourEdit::textChanged, this, &DetailsDlg::ColourCheckedFields);
    // The swatch opens the chooser as the focus reaches it, as clicking it would.
    penColourSwatch->installEventFilter(this);
    WatchUserEdits();
}

void DetailsDlg::WatchUserEdits()
{
    // Any control may carry a field of the record: each change is checked against the record as
    // shown, so the project is marked the moment the user changes it.
    for (auto* edit : findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, &DetailsDlg::NoteUserEdit);
    }
    for (auto* edit : findChildren<cColourEdit*>()) {
        connect(edit, &cColourEdit::textChanged, this, &DetailsDlg::NoteUserEdit);
    }
    for (auto* list : findChildren<QComboBox*>()) {
        connect(list, &QComboBox::currentIndexChanged, this, &DetailsDlg::NoteUserEdit);
    }
    for (auto* picker : findChildren<QDateTimeEdit*>()) {
        connect(picker, &QDateTimeEdit::dateTimeChanged, this, &DetailsDlg::NoteUserEdit);
    }
    for (auto* choice : findChildren<QRadioButton*>()) {
        connect(choice, &QRadioButton::toggled, this, &DetailsDlg::NoteUserEdit);
    }
}

void DetailsDlg::NoteUserEdit()
{
    if (!controlsShowRecord || document->IsModified()) {
        return;
    }
    InspectionDetails edited = shownValues;
    TakeRecordTexts(edited);
    TakeRecordChoices(edited);
    if (edited != shownValues) {
        document->SetModified();
    }
}

void DetailsDlg::Previous()
{
    const int count = Project().InspectionCount();
    if (count < 2) {
        return;
    }
    StoreInspection();
    const int position = Project().CurrentPosition();
    Project().SetCurrentPosition(position <= 1 ? count : position - 1);
    ShowInspection();
}

void DetailsDlg::Next()
{
    const int count = Project().InspectionCount();
    if (count < 2) {
        return;
    }
    StoreInspection();
    const int position = Project().CurrentPosition();
    Project().SetCurrentPosition(position >= count ? 1 : position + 1);
    ShowInspection();
}

void DetailsDlg::ShowFirstAfterLoad()
{
    Project().SetCurrentPosition(Project().InspectionCount() > 0 ? 1 : 0);
    ShowInspection();
}

void DetailsDlg::OnProjectReplaced()
{
    controlsShowRecord = false;
    ShowReportOptions();
    // A project without a file is a new one.
    if (document->documentPath().isEmpty()) {
        ResetPage();
    } else {
        ShowFirstAfterLoad();
    }
}

void DetailsDlg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    if (Project().CurrentPosition() == 0 && Project().InspectionCount() > 0) {
        Project().SetCurrentPosition(1);
    }
    ShowInspection();
}

void DetailsDlg::hideEvent(QHideEvent* event)
{
    // Leaving the page keeps what was typed: the next visit shows the stored record again.
    if (!event->spontaneous()) {
        StoreInspection();
        controlsShowRecord = false;
    }
    QWidget::hideEvent(event);
}

void DetailsDlg::ChangePenColour()
{
    if (const auto chosen = ChooseColour(this, penColour)) {
        penColour = *chosen;
        penColourSwatch->SetBkColour(penColour);
    }
}

void DetailsDlg::SetUnit(TemperatureUnit chosen)
{
    if (int(chosen) != GetTempUnit()) {
        SetTempUnit(int(chosen));
    }
    // Shows the converted typed values and the new unit labels.
    document->ChangeUnit(chosen);
    if (!ShownRecord()) {
        return;
    }
    if (!LoadShownSnapshot()) {
        MessageBoxId(StringId::CouldNotOpenQvx, IconError, ButtonsOk);
        return;
    }
    ShowMeasurements();
}

bool DetailsDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == penColourSwatch && event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Only the user's own move: the focus coming back from the chooser must not reopen it.
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            ChangePenColour();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DetailsDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Delete && measurementEditor.Selected().kind != MeasureMark::Kind::None) {
        RemoveSelectedMark();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}
