#include "DetailsFixture.h"

#include "pages/colour/ColourChooser.h"
#include "pages/colour/cColourEdit.h"
#include "pages/details/ImageArea.h"
#include "report/ReportProject.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

class DetailsStrokes : public DetailsFixture
{
protected:
    // A drag between two strip pixels, counted from the frame's outer corner as strokes are.
    void Drag(QPoint from, QPoint to)
    {
        QTest::mousePress(page.get(), Qt::LeftButton, {}, StripToPage(from));
        QTest::mouseMove(page.get(), StripToPage((from + to) / 2));
        QTest::mouseMove(page.get(), StripToPage(to));
        QTest::mouseRelease(page.get(), Qt::LeftButton, {}, StripToPage(to));
    }
    const std::vector<PenStroke>& Strokes() { return document.Project().SelectionAt(0)->strokes; }
};

TEST_F(DetailsStrokes, DraggingOverThePicturesAddsAStroke)
{
    AddInspection(2);
    Open();
    Drag({92, 80}, {292, 150});
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0], (PenStroke {92, 80, 292, 150, 2, 0x00FF00}));
}

TEST_F(DetailsStrokes, StrokeIsDrawnInThePenColourOverTheImageStrip)
{
    AddInspection(2);
    Open();
    Child<QSpinBox>("penSizeEdit")->setValue(5);
    SetColourChooserHandler([](quint32) { return std::optional<quint32>(0xFF0000); });
    Child<QPushButton>("changeButton")->click();
    SetColourChooserHandler({});
    EXPECT_EQ(page->PenColour(), 0xFF0000u);
    EXPECT_EQ(Child<cColourEdit>("penColourSwatch")->BkColour(), 0xFF0000u);
    Drag({42, 100}, {442, 100});
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0].penSize, 5);
    QImage inside(ImageArea::InsideWidth, ImageArea::InsideHeight, QImage::Format_RGB32);
    inside.fill(Qt::gray);
    QPainter painter(&inside);
    Child<ImageArea>("imageArea")->PaintInside(painter);
    painter.end();
    EXPECT_EQ(inside.pixelColor(300, 100), QColor(0, 0, 255));
    EXPECT_EQ(inside.pixelColor(450, 20), QColor(Qt::white));
}

// A larger window shows the strip larger; strokes are still kept in strip pixels and drawn where
// the mouse drew them.
TEST_F(DetailsStrokes, ALargerStripKeepsStrokesInStripPixelsUnderTheMouse)
{
    AddInspection(2);
    Open();
    page->resize(1900, 1000);
    QCoreApplication::processEvents();
    EXPECT_GT(Child<ImageArea>("imageArea")->InsideTransform().m11(), 1.5);
    Child<QSpinBox>("penSizeEdit")->setValue(5);
    Drag({92, 80}, {292, 150});
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0], (PenStroke {92, 80, 292, 150, 5, 0x00FF00}));
    // Drawn from the inside's corner, as the report draws it.
    const QImage shown = page->grab().toImage();
    EXPECT_EQ(shown.pixelColor(InsideToPage({192, 115})), QColor(0, 255, 0));
    EXPECT_NE(shown.pixelColor(InsideToPage({192, 135})), QColor(0, 255, 0));
}

TEST_F(DetailsStrokes, ClickingTheSwatchOpensTheChooserOnce)
{
    AddInspection(2);
    Open();
    int asked = 0;
    SetColourChooserHandler([&asked](quint32 initial) {
        ++asked;
        EXPECT_EQ(initial, 0x00FF00u);
        return std::optional<quint32>();
    });
    QTest::mouseClick(Child<cColourEdit>("penColourSwatch")->viewport(), Qt::LeftButton);
    SetColourChooserHandler({});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(page->PenColour(), 0x00FF00u);
}

TEST_F(DetailsStrokes, EmptiedPenSizeKeepsThePreviousSize)
{
    AddInspection(2);
    Open();
    auto* size = Child<QSpinBox>("penSizeEdit");
    size->setFocus();
    size->selectAll();
    QTest::keyClick(size, Qt::Key_Backspace);
    Drag({92, 80}, {192, 80});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter an integer.");
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0].penSize, 2);
}

TEST_F(DetailsStrokes, RubberBandInvertsThePicturesUntilTheRelease)
{
    AddInspection(2);
    Open();
    auto* area = Child<ImageArea>("imageArea");
    const auto paint = [area] {
        QImage inside(ImageArea::InsideWidth, ImageArea::InsideHeight, QImage::Format_RGB32);
        inside.fill(Qt::gray);
        QPainter painter(&inside);
        area->PaintInside(painter);
        return inside.pixelColor(200, 80);
    };
    const QColor plain = paint();
    QTest::mousePress(page.get(), Qt::LeftButton, {}, StripToPage({92, 80}));
    QTest::mouseMove(page.get(), StripToPage({292, 80}));
    const QColor banded = paint();
    EXPECT_EQ(banded, QColor(255 - plain.red(), 255 - plain.green(), 255 - plain.blue()));
    QTest::mouseMove(page.get(), StripToPage({292, 230}));
    EXPECT_EQ(paint(), plain) << "leaving downwards gives the stroke up";
    QTest::mouseRelease(page.get(), Qt::LeftButton, {}, StripToPage({292, 80}));
    EXPECT_TRUE(Strokes().empty());
}

TEST_F(DetailsStrokes, PressOutsideTheStripAddsNothing)
{
    AddInspection(2);
    Open();
    Drag({-58, 80}, {192, 80});
    Drag({92, 80}, {92, 215});
    EXPECT_TRUE(Strokes().empty());
}

TEST_F(DetailsStrokes, ThickPenNeedsTheWiderMargin)
{
    AddInspection(2);
    Open();
    Child<QSpinBox>("penSizeEdit")->setValue(7);
    // The size is taken from its box at the release, before the end point is judged.
    Drag({92, 80}, {92, 2});
    EXPECT_TRUE(Strokes().empty());
    Drag({92, 80}, {92, 3});
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0].penSize, 7);
    Drag({92, 80}, {518, 80});
    EXPECT_EQ(Strokes().size(), 1u);
    Drag({92, 80}, {517, 80});
    EXPECT_EQ(Strokes().size(), 2u);
}

TEST_F(DetailsStrokes, UndoAndClearRemoveTheShownInspectionsStrokes)
{
    AddInspection(2);
    Open();
    Drag({92, 80}, {192, 80});
    Drag({92, 90}, {192, 90});
    EXPECT_TRUE(document.IsModified());
    Child<QPushButton>("undoButton")->click();
    ASSERT_EQ(Strokes().size(), 1u);
    EXPECT_EQ(Strokes()[0].startY, 80);

    // Clear asks first; No keeps every stroke.
    dialogs.AnswerNextMessage(ResultNo);
    Child<QPushButton>("clearButton")->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Remove every arrow drawn on this inspection?");
    EXPECT_EQ(dialogs.messages[0].buttons, ButtonsYesNo);
    EXPECT_EQ(Strokes().size(), 1u);

    // Yes clears them, and Undo brings them all back.
    Drag({92, 100}, {192, 100});
    dialogs.AnswerNextMessage(ResultYes);
    Child<QPushButton>("clearButton")->click();
    EXPECT_TRUE(Strokes().empty());
    Child<QPushButton>("undoButton")->click();
    ASSERT_EQ(Strokes().size(), 2u);
    EXPECT_EQ(Strokes()[1].startY, 100);
    Child<QPushButton>("undoButton")->click();
    Child<QPushButton>("undoButton")->click();
    EXPECT_TRUE(Strokes().empty());
    Child<QPushButton>("undoButton")->click();
    EXPECT_TRUE(Strokes().empty());
    // Nothing to clear, nothing asked.
    Child<QPushButton>("clearButton")->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(DetailsStrokes, NoInspectionsNoStrokes)
{
    Open();
    Drag({92, 80}, {192, 80});
    EXPECT_EQ(document.Project().InspectionCount(), 0);
}

} // namespace
