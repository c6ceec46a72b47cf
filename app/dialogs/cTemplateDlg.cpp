#include "app/dialogs/cTemplateDlg.h"

#include "app/gui/CQvxReportWriterDoc.h"
#include "app/settings/Settings.h"
#include "app/settings/SettingsMessages.h"
#include "app/strings/StringIds.h"
#include "app/strings/StringSource.h"

cTemplateDlg::cTemplateDlg(CQvxReportWriterDoc& document, QWidget* parent)
    : SettingChoiceDlg(
          LoadAppString(StringId::Template),
          {LoadAppString(StringId::Maintenance), LoadAppString(StringId::Buildings)},
          int(document.Template()),
          [&document](int chosen) {
              // A failed write of the default is told; the open project changes all the same.
              if (chosen != GetTemplate()) {
                  SetTemplate(chosen);
              }
              document.ChangeTemplate(ReportTemplateFromSetting(chosen));
          },
          parent)
{
    setObjectName(QStringLiteral("cTemplateDlg"));
}
