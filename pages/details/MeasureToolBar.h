#pragma once

#include "pages/details/MeasurementEditor.h"

#include <QWidget>

class QButtonGroup;

// The choice of tool over the Inspection Data page's thermal picture: Arrow (strokes), Spot and
// Box. Each is a button in the tab order and has a shortcut (Ctrl+1, Ctrl+2, Ctrl+3) while the
// page is shown.
class MeasureToolBar : public QWidget
{
    Q_OBJECT

public:
    explicit MeasureToolBar(QWidget* parent = nullptr);

    MeasureTool Tool() const;
    void SetTool(MeasureTool tool);

signals:
    void ToolChosen(MeasureTool tool);

private:
    QButtonGroup* tools = nullptr;
};
