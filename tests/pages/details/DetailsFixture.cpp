#include "DetailsFixture.h"

#include "pages/colour/cColourEdit.h"
#include "pages/details/ImageArea.h"

#include <QAbstractSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <cmath>

DetailsFixture::DetailsFixture()
    : folder(temporary.path())
{
    QSettings(QStringLiteral("VORNEX"), QStringLiteral("Brenmor Report Writer")).clear();
    QSettings(QStringLiteral("Vornex"), QStringLiteral("Brenmor Report Writer")).clear();
    // The document was made before the settings were cleared: its new project takes them now.
    document.New();
}

DetailsFixture::~DetailsFixture() = default;

QString DetailsFixture::AddInspection(int markers, const QString& imagePath)
{
    std::vector<SnapshotMarker> spots;
    for (int i = 0; i < markers; ++i) {
        spots.push_back({quint16(20 + 30 * i), quint16(30 + 20 * i), 100});
    }
    const int index = document.Project().InspectionCount();
    const QString path = WriteSnapshot(folder, QStringLiteral("s%1.qvx").arg(index), spots);
    document.Project().AppendInspection({path, imagePath, {}});
    return path;
}

void DetailsFixture::Open()
{
    page = std::make_unique<DetailsDlg>(&document);
    // Wide enough to show the image strip at least at its stored size.
    page->resize(1000, 720);
    page->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(page.get()));
}

QPoint DetailsFixture::InsideToPage(QPointF inside) const
{
    auto* area = Child<ImageArea>("imageArea");
    const QPointF shown = area->InsideTransform().map(inside);
    return area->mapTo(page.get(), QPoint(int(std::ceil(shown.x())), int(std::ceil(shown.y()))));
}

QPoint DetailsFixture::StripToPage(QPoint strip) const
{
    return InsideToPage(strip - QPoint(ImageArea::FrameWidth, ImageArea::FrameWidth));
}

QString DetailsFixture::PositionText() const
{
    return Child<QLabel>("positionText")->text();
}

QString DetailsFixture::EditText(const char* name) const
{
    if (auto* edit = Child<QLineEdit>(name)) {
        return edit->text();
    }
    if (auto* field = Child<QAbstractSpinBox>(name)) {
        return field->text();
    }
    return Child<cColourEdit>(name)->Text();
}

void DetailsFixture::Type(const char* name, const QString& text)
{
    QWidget* edit = page->findChild<QWidget*>(QLatin1String(name));
    edit->setFocus();
    QTest::keyClicks(edit, text);
}
