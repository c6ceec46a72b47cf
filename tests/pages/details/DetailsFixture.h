#pragma once

#include "app/gui/CQvxReportWriterDoc.h"
#include "pages/details/DetailsDlg.h"
#include "tests/support/PageSamples.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StringSourceGuard.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// An Inspection Data page on its own document, with scripted dialogs, empty settings and a
// folder for sample snapshots. The page is created by Open, after a test has set the settings.
class DetailsFixture : public testing::Test
{
protected:
    DetailsFixture();
    ~DetailsFixture() override;

    // Adds an inspection whose snapshot has `markers` cursors; returns the snapshot's path.
    QString AddInspection(int markers, const QString& imagePath = {});
    void Open();

    InspectionDetails& Record(int index) { return *document.Project().DetailsAt(index); }
    QString PositionText() const;
    QString EditText(const char* name) const;
    void Type(const char* name, const QString& text);
    // The first page pixel that shows a point of the image strip's inside, in strip pixels.
    QPoint InsideToPage(QPointF inside) const;
    // The page pixel over a strip pixel counted from the frame's outer corner, as strokes are.
    QPoint StripToPage(QPoint strip) const;

    template<typename T>
    T* Child(const char* name) const
    {
        return page->findChild<T*>(QLatin1String(name));
    }

    StringSourceGuard strings;
    ScriptedDialogs dialogs;
    QTemporaryDir temporary;
    QDir folder;
    CQvxReportWriterDoc document;
    std::unique_ptr<DetailsDlg> page;
};
