#include "PageFixture.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

PageFixture::PageFixture()
{
    QDir root(temporary.path());
    root.mkdir("snapshots");
    root.mkdir("images");
    snapshotDir = QDir(root.filePath("snapshots"));
    imageDir = QDir(root.filePath("images"));
    page = std::make_unique<ImageSelectDlg>(&document);
    page->resize(980, 700);
    page->show();
}

PageFixture::~PageFixture() = default;

void PageFixture::WriteSnapshots(int count)
{
    for (int i = 0; i < count; ++i) {
        WriteSnapshot(snapshotDir, QString("s%1.qvx").arg(i), {{quint16(20 + 10 * i), 60, 100}});
    }
}

void PageFixture::WritePhotos(int count)
{
    for (int i = 0; i < count; ++i) {
        WritePhoto(imageDir, QString("p%1.jpg").arg(i), TwoColourPhoto({64, 48}, QColor(40 * i, 0, 0), Qt::white));
    }
}

void PageFixture::RefreshSnapshots(const QString& folder)
{
    StartSnapshotRefresh(folder);
    WaitForFill();
}

void PageFixture::RefreshImages(const QString& folder)
{
    StartImageRefresh(folder);
    WaitForFill();
}

void PageFixture::StartSnapshotRefresh(const QString& folder)
{
    Child<QLineEdit>("snapshotFolderEdit")->setText(folder);
    Child<QPushButton>("snapshotRefreshButton")->click();
}

void PageFixture::StartImageRefresh(const QString& folder)
{
    Child<QLineEdit>("imageFolderEdit")->setText(folder);
    Child<QPushButton>("imageRefreshButton")->click();
}

void PageFixture::WaitForFill()
{
    QTRY_VERIFY_WITH_TIMEOUT(!page->Filling(), 20000);
}

void PageFixture::ClickItem(QAbstractItemView* view, int row)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void PageFixture::DoubleClickItem(QAbstractItemView* view, int row)
{
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
}

void PageFixture::PressKey(QWidget* widget, Qt::Key key)
{
    QTest::keyClick(widget, key);
}

void PageFixture::AddRows(int count)
{
    for (int i = 0; i < count; ++i) {
        page->Add();
    }
}

void PageFixture::PairRows(const std::vector<bool>& paired)
{
    auto* rows = Child<QTreeView>("inspectionsList");
    for (int row = 0; row < int(paired.size()); ++row) {
        if (paired[size_t(row)]) {
            ClickItem(rows, row);
            page->Pair();
        }
    }
    rows->clearSelection();
}

QString PageFixture::LabelText() const
{
    return Child<QLabel>("inspectionCountLabel")->text();
}

QString PageFixture::EditText(const char* name) const
{
    return Child<QLineEdit>(name)->text();
}
