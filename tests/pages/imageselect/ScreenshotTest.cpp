#include "PageFixture.h"

#include <QDir>
#include <QListWidget>
#include <QTreeView>

namespace {

// Not a check of pixels: renders the page over the bundled examples for a person to look at,
// under build/screenshots/.
TEST_F(PageFixture, ScreenshotWithFilledFolders)
{
    const QString examples = QStringLiteral(THERMREPORT_SOURCE_DIR "/examples");
    RefreshSnapshots(examples);
    RefreshImages(examples);
    ASSERT_GT(page->SnapshotNames().size(), 3);
    page->AddAll();
    page->PairAll();
    auto* rows = Child<QTreeView>("inspectionsList");
    rows->scrollToTop();
    ClickItem(rows, 1);
    ClickItem(Child<QListWidget>("snapshotFolderList"), 2);

    const QString folder = QStringLiteral(THERMREPORT_BINARY_DIR "/screenshots");
    QDir().mkpath(folder);
    EXPECT_TRUE(page->grab().save(folder + "/image_select.png"));
}

} // namespace
