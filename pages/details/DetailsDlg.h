#pragma once

#include "pages/details/MeasurementControls.h"
#include "pages/details/MeasurementEditor.h"
#include "pages/details/StrokeTracker.h"
#include "report/InspectionDetails.h"
#include "report/PenStroke.h"
#include "snapshot/TemperatureUnit.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

class CQvxReportWriterDoc;
class ImageArea;
class LimitedLineEdit;
class MeasureToolBar;
class QButtonGroup;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class ReportProject;
class TemperatureScaleView;
class cColourButton;
class cColourEdit;
class cQVX;

// The "Inspection Data" page: one inspection at a time, its snapshot and visual image with the
// strokes drawn over them, the temperatures at two chosen cursors, and the typed-in inspection
// data. The records are the open project's details; the page shows the one at the project's
// current position and stores the controls back into it.
class DetailsDlg : public QWidget
{
    Q_OBJECT

public:
    explicit DetailsDlg(CQvxReportWriterDoc* document, QWidget* parent = nullptr);
    ~DetailsDlg() override;

    // The tab caption, from the string table in the language in use.
    QString Caption() const { return caption; }
    CQvxReportWriterDoc* Document() const { return document; }

    // The controls into the record at the current position. Nothing happens when there is no such
    // record or the controls do not show it.
    void StoreInspection();
    // Shows the record at the current position; with none, the controls are emptied.
    void ShowInspection();
    // After a project was loaded: the first inspection, if any.
    void ShowFirstAfterLoad();
    // A new project: empty controls, no inspection.
    void ResetPage();

    // The page's commands, as its buttons run them.
    void Previous();
    void Next();
    void GenerateReport();
    void ChangePenColour();
    // Takes back the last stroke or measurement edit of the shown inspection.
    void UndoStroke();
    void ClearStrokes();
    // The user's choice in "Temperature Units": the project's unit from now on (its typed values
    // converted) and the unit of new projects.
    void SetUnit(TemperatureUnit unit);
    // "Use": the repair priority becomes the one the shown finding's severity class suggests.
    void UseSuggestedPriority();

    quint32 PenColour() const { return penColour; }
    // The open project's template.
    bool Buildings() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct DateRow
    {
        QLabel* label = nullptr;
        QRadioButton* given = nullptr;
        QDateTimeEdit* picker = nullptr;
        QRadioButton* noDate = nullptr;
        LimitedLineEdit* initials = nullptr;
    };
    enum DateRowIndex { InspectedRow, RepairedRow, ReinspectedRow };

    // Building the page (DetailsControls.cpp).
    void BuildControls();
    QLayout* InspectionColumn(QLayout* form, QLayout* dates);
    QLayout* MeasurementColumn(QLayout* measurements, QLayout* building);
    void BuildImageStrip();
    QLayout* BuildTextFields();
    QLayout* BuildDateRows();
    QLayout* BuildMeasurementPanel();
    QLayout* BuildBuildingFields();
    void ConnectControls();
    void WatchUserEdits();
    void NoteUserEdit();
    void ShowTemplate();
    void UpdateUnitLabels();
    void ShowReportOptions();

    // The project's records (DetailsRecord.cpp).
    ReportProject& Project() const;
    InspectionDetails* ShownRecord() const;
    void UpdatePositionText();
    void LoadShownPictures();
    void EmptyControls();
    void PutRecordTexts(const InspectionDetails& record);
    void PutRecordChoices(const InspectionDetails& record);
    void TakeRecordTexts(InspectionDetails& record) const;
    void TakeRecordChoices(InspectionDetails& record) const;
    void ColourCheckedFields();
    void SetDateGiven(DateRow& row, bool given);
    void OnProjectReplaced();

    // Measurements (DetailsMeasurements.cpp).
    bool LoadShownSnapshot();
    void FillCursorLists(const InspectionDetails& record);
    void ShowMeasurements();
    // The open project's unit.
    TemperatureUnit Unit() const;
    void OnCursorChanged();
    void ShowCursorTemperature(QComboBox* list, cColourEdit* field);

    // The thermographer's measurement settings and tools (DetailsMeasurementTools.cpp).
    void BuildMeasurementTools();
    const MeasurementSettings& ShownMeasurement() const;
    // The camera's markers the loaded snapshot offers as cursors, before the extra spots.
    int CameraMarkerCount() const;
    // The loaded snapshot measured with the shown inspection's settings over the camera's values.
    void CorrectShownSnapshot();
    void RenderShownSnapshot();
    // The settings of the shown inspection become `settings`, as one step of Undo (steps of the
    // same field in a row make one), and everything measured follows. `removedSpot` is the extra
    // spot the edit took away, if any, so that the cursors choosing later spots follow them.
    void EditMeasurement(const MeasurementSettings& settings,
                         std::optional<MeasurementField> field = std::nullopt,
                         int removedSpot = -1);
    void ShowEditedMeasurement(int removedSpot = -1);
    void ShowMeasurementSettings();
    void ShowMeasureMarks(const MeasurementSettings& settings);
    void RefillCursorLists(int removedSpot);
    // Temperature of a cursor list position (1.. the camera's markers, then the extra spots).
    std::optional<float> CursorTemperature(int position) const;
    std::optional<float> CursorDifference() const;
    bool PressMeasureTool(QMouseEvent* event);
    bool MoveMeasureTool(QMouseEvent* event);
    bool ReleaseMeasureTool(QMouseEvent* event);
    void RemoveSelectedMark();
    void OnToolChosen(MeasureTool tool);

    // After a report was written: its path, with the choice to open it.
    void OfferToOpen(const QString& path);
    // The severity class of the shown finding (DetailsSeverity.cpp).
    void BuildSeverityPanel();
    void ShowSeverity();

    // Strokes.
    void TakePenSize();
    void RefreshStrokes();
    // The shown inspection's strokes become `strokes`; Undo can bring back the ones replaced.
    void ReplaceStrokes(std::vector<PenStroke> strokes);

    CQvxReportWriterDoc* document;
    QString caption;
    int penSize = 2;
    quint32 penColour = 0x00FF00;
    StrokeTracker strokeTracker;
    // The controls hold the record shown at `shownPosition` of `shownCount` inspections; they are
    // stored only while the project still has that position and count, so that rows added or
    // removed meanwhile never receive another record's values.
    bool controlsShowRecord = false;
    int shownPosition = 0;
    int shownCount = 0;
    // The record as the controls gave it back when they were filled: only the fields that differ
    // from it at storing time are the user's changes.
    InspectionDetails shownValues;
    // What the shown inspection had before each edit of this visit, newest last, for Undo.
    struct EditStep
    {
        std::vector<PenStroke> strokes;
        MeasurementSettings measurement;
    };
    std::vector<EditStep> editHistory;
    // The field of the newest step while the user keeps changing it.
    std::optional<MeasurementField> lastMeasurementField;
    // The loaded snapshot's own values, which the settings may replace.
    struct CameraHeader
    {
        quint8 emissivity = 100;
        qint16 reflectedTemp = 0;
        quint8 paletteCode = 1;
    };
    CameraHeader cameraHeader;
    MeasurementEditor measurementEditor;
    std::unique_ptr<cQVX> snapshot;
    QImage snapshotPicture;
    QImage visualImage;

    QLabel* positionText = nullptr;
    QPushButton* previousButton = nullptr;
    QPushButton* nextButton = nullptr;
    cColourButton* generateButton = nullptr;
    ImageArea* imageArea = nullptr;
    TemperatureScaleView* scaleView = nullptr;

    LimitedLineEdit* nameEdit = nullptr;
    QLabel* operatorLabel = nullptr;
    LimitedLineEdit* operatorEdit = nullptr;
    LimitedLineEdit* locationEdit = nullptr;
    QLabel* equipmentLabel = nullptr;
    LimitedLineEdit* equipmentEdit = nullptr;
    cColourEdit* commentEdit = nullptr;
    QLabel* measuredLoadLabel = nullptr;
    LimitedLineEdit* measuredLoadEdit = nullptr;
    QLabel* ratedLoadLabel = nullptr;
    LimitedLineEdit* ratedLoadEdit = nullptr;
    QLabel* loadPercentLabel = nullptr;
    LimitedLineEdit* loadPercentEdit = nullptr;
    QComboBox* materialList = nullptr;
    QComboBox* priorityList = nullptr;
    cColourEdit* faultEdit = nullptr;
    std::array<DateRow, 3> dateRows;

    std::array<QWidget*, 15> buildingControls {};
    std::array<LimitedLineEdit*, 5> buildingEdits {};
    QLabel* indoorUnitLabel = nullptr;
    QLabel* outdoorUnitLabel = nullptr;
    QLabel* windUnitLabel = nullptr;

    QSpinBox* penSizeEdit = nullptr;
    cColourEdit* penColourSwatch = nullptr;
    QPushButton* changeButton = nullptr;
    QPushButton* undoButton = nullptr;
    QPushButton* clearButton = nullptr;
    QComboBox* unitList = nullptr;
    QComboBox* cursorListA = nullptr;
    QComboBox* cursorListB = nullptr;
    cColourEdit* cursorTempA = nullptr;
    cColourEdit* cursorTempB = nullptr;
    QLineEdit* differenceEdit = nullptr;
    MeasurementControls* measurementControls = nullptr;
    MeasureToolBar* measureToolBar = nullptr;
    QLabel* boxStatistics = nullptr;

    QLabel* severityLabel = nullptr;
    cColourEdit* severityField = nullptr;
    QPushButton* useButton = nullptr;
    QLabel* severityAction = nullptr;
    std::optional<int> suggestedPriority; // of the class shown, while one is
};
