#pragma once

#include "app/gui/FileChooser.h"
#include "app/gui/MessageBox.h"
#include "app/shell/CQvxReportWriterApp.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <vector>

class DetailsDlg;
class ImageSelectDlg;
class TitleDlg;

// The program started as it starts for a user, from empty settings, with its message boxes and
// file dialogs answered from a script and everything they showed kept.
class EndToEndFixture : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    void Start();
    void Quit();
    void Trigger(unsigned commandId);
    void ShowTab(int index);

    TitleDlg* Title() const;
    ImageSelectDlg* ImageSelect() const;
    DetailsDlg* Details() const;

    // Typing into a control of a page, found by its object name.
    void Type(QWidget* page, const char* name, const QString& text);
    void Click(QWidget* page, const char* name);
    void Choose(QWidget* page, const char* comboName, int index);
    // A drag over the Inspection Data page between two points of its image strip's inside.
    void Drag(QWidget* page, QPoint from, QPoint to);

    // The text of a PDF, as pdftotext gives it.
    static QString PdfText(const QString& path);
    // A picture of the main window for people to look at, under the build folder.
    void Screenshot(const QString& name);
    // A copy of a generated report beside the screenshots.
    static void KeepReport(const QString& path);

    std::unique_ptr<CQvxReportWriterApp> app;
    QTemporaryDir temporary;
    QDir folder;
    std::vector<ShownMessage> shown;
    std::vector<ShownMessage> questions;
    std::deque<std::optional<QString>> chosenFiles;
};
