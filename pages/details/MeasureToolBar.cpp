#include "pages/details/MeasureToolBar.h"

#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QShortcut>
#include <QToolButton>

MeasureToolBar::MeasureToolBar(QWidget* parent)
    : QWidget(parent)
    , tools(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("measureToolBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    struct ToolButton
    {
        MeasureTool tool;
        unsigned textId;
        unsigned tipId;
        const char* objectName;
        Qt::Key key;
    };
    const ToolButton buttons[] = {
        {MeasureTool::Arrow, StringId::ArrowTool, StringId::ArrowToolTip, "arrowTool", Qt::Key_1},
        {MeasureTool::Spot, StringId::SpotTool, StringId::SpotToolTip, "spotTool", Qt::Key_2},
        {MeasureTool::Box, StringId::BoxTool, StringId::BoxToolTip, "boxTool", Qt::Key_3},
    };
    for (const ToolButton& entry : buttons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(entry.objectName));
        button->setText(LoadAppString(entry.textId));
        button->setCheckable(true);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const QKeySequence keys(Qt::CTRL | entry.key);
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(LoadAppString(entry.tipId), keys.toString(QKeySequence::NativeText)));
        tools->addButton(button, int(entry.tool));
        row->addWidget(button);
        // Only while the page is shown: the shortcut belongs to this bar's window and needs the bar visible.
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, tool = entry.tool] {
            if (isEnabled()) {
                SetTool(tool);
                emit ToolChosen(tool);
            }
        });
    }
    tools->button(int(MeasureTool::Arrow))->setChecked(true);
    connect(tools, &QButtonGroup::idClicked, this, [this](int id) { emit ToolChosen(MeasureTool(id)); });
}

MeasureTool MeasureToolBar::Tool() const
{
    return MeasureTool(tools->checkedId());
}

void MeasureToolBar::SetTool(MeasureTool tool)
{
    tools->button(int(tool))->setChecked(true);
}
