#pragma once

#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/imageselect/ImageSelectDlg.h"
#include "pages/imageselect/PreviewAreas.h"
#include "tests/support/PageSamples.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StringSourceGuard.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

class QAbstractItemView;

// A shown Image Select page on its own document, with scripted dialogs and two sample folders.
class PageFixture : public testing::Test
{
protected:
    PageFixture();
    ~PageFixture() override;

    // Writes snapshots s0.qvx ... into the snapshot folder (or photos p0.jpg ... into the image folder).
    void WriteSnapshots(int count);
    void WritePhotos(int count);

    // Types the folder into its box, presses Refresh and waits until the list has filled in.
    void RefreshSnapshots(const QString& folder);
    void RefreshImages(const QString& folder);
    // The same without waiting, and without running any event: no thumbnail has arrived yet.
    void StartSnapshotRefresh(const QString& folder);
    void StartImageRefresh(const QString& folder);
    void WaitForFill();

    // Mouse and keys on a list item, as the user gives them.
    void ClickItem(QAbstractItemView* view, int row);
    void DoubleClickItem(QAbstractItemView* view, int row);
    void PressKey(QWidget* widget, Qt::Key key);

    // A chosen snapshot added `count` times; rows paired (true) or not, in order.
    void AddRows(int count);
    void PairRows(const std::vector<bool>& paired);

    QString LabelText() const;
    QString EditText(const char* name) const;
    template<typename T>
    T* Child(const char* name) const
    {
        return page->findChild<T*>(QLatin1String(name));
    }

    StringSourceGuard strings;
    ScriptedDialogs dialogs;
    QTemporaryDir temporary;
    QDir snapshotDir;
    QDir imageDir;
    CQvxReportWriterDoc document;
    std::unique_ptr<ImageSelectDlg> page;
};
