#include "DetailsFixture.h"

#include "app/settings/Settings.h"
#include "pages/colour/cColourEdit.h"
#include "pages/details/ImageArea.h"
#include "pages/details/SeverityColours.h"
#include "snapshot/cQVX.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <limits>

namespace {

constexpr float OpenEnded = std::numeric_limits<float>::infinity();

class DetailsSeverity : public DetailsFixture
{
protected:
    // The first inspection's difference between its cursors 1 and 2, in °C as the page prints it.
    double PrintedDifference(const QString& snapshotPath)
    {
        cQVX snapshot;
        EXPECT_TRUE(snapshot.Load(snapshotPath));
        EXPECT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
        snapshot.unitCode = snapshot.celsiusCode;
        return QString::number(std::fabs(double(snapshot.MarkerDifference(0, 1))), 'f', 1).toDouble();
    }

    // The first class ends at `bound` kelvin and suggests priority 2; the one above suggests 5.
    static SeverityCriteria TwoClasses(double bound)
    {
        return {SeverityKind::Custom,
                {{float(bound), QStringLiteral("Within"), QStringLiteral("Watch it"), 2},
                 {OpenEnded, QStringLiteral("Beyond"), QStringLiteral("Repair now"), 5}}};
    }

    QString ClassText() const { return Child<cColourEdit>("severityField")->Text(); }
    QComboBox* Priority() const { return Child<QComboBox>("priorityList"); }
    QPushButton* Use() const { return Child<QPushButton>("useButton"); }
};

TEST_F(DetailsSeverity, WithoutCriteriaThePageIsAsBefore)
{
    AddInspection(2);
    Open();
    for (const char* name : {"severityLabel", "severityField", "useButton", "severityAction"}) {
        EXPECT_FALSE(page->findChild<QWidget*>(QLatin1String(name))->isVisible()) << name;
    }
}

TEST_F(DetailsSeverity, ShowsTheClassAndOnlyUseSetsItsPriority)
{
    const double printed = PrintedDifference(AddInspection(2));
    document.Project().severityCriteria = TwoClasses(printed);
    Open();
    EXPECT_EQ(ClassText(), QStringLiteral("Within"));
    EXPECT_EQ(Child<QLabel>("severityAction")->text(), QStringLiteral("Watch it"));
    EXPECT_EQ(Child<cColourEdit>("severityField")->BkColour(), SeverityColour(0, 2));
    EXPECT_TRUE(Use()->isEnabled());
    // Showing a graded finding suggests; it never sets the priority.
    EXPECT_EQ(Priority()->currentIndex(), 0);
    EXPECT_FALSE(document.IsModified());

    Use()->click();
    EXPECT_EQ(Priority()->currentIndex(), 2);
    EXPECT_TRUE(document.IsModified());
    page->StoreInspection();
    EXPECT_EQ(Record(0).repairPriority, 2);

    // Other criteria grade the finding afresh; the user's priority stays until Use is pressed again.
    document.ChangeCriteria(TwoClasses(printed - 0.1));
    EXPECT_EQ(ClassText(), QStringLiteral("Beyond"));
    EXPECT_EQ(Child<QLabel>("severityAction")->text(), QStringLiteral("Repair now"));
    EXPECT_EQ(Child<cColourEdit>("severityField")->BkColour(), SeverityColour(1, 2));
    EXPECT_EQ(Priority()->currentIndex(), 2);
    Use()->click();
    EXPECT_EQ(Priority()->currentIndex(), 5);
    page->StoreInspection();
    EXPECT_EQ(Record(0).repairPriority, 5);

    document.ChangeCriteria({});
    EXPECT_FALSE(Use()->isVisible());
    EXPECT_EQ(Record(0).repairPriority, 5);
}

TEST_F(DetailsSeverity, FewerThanTwoCursorsGiveNoClass)
{
    AddInspection(1);
    document.Project().severityCriteria = TwoClasses(1.0);
    Open();
    EXPECT_TRUE(Child<cColourEdit>("severityField")->isVisible());
    EXPECT_TRUE(ClassText().isEmpty());
    EXPECT_TRUE(Child<QLabel>("severityAction")->text().isEmpty());
    EXPECT_FALSE(Use()->isEnabled());
    Use()->click();
    EXPECT_EQ(Priority()->currentIndex(), 0);
}

TEST_F(DetailsSeverity, AnotherUnitGradesTheDifferenceItPrints)
{
    const QString snapshotPath = AddInspection(2);
    const double printed = PrintedDifference(snapshotPath);
    cQVX snapshot;
    ASSERT_TRUE(snapshot.Load(snapshotPath));
    ASSERT_TRUE(snapshot.LoadPixels(cQVX::Width, cQVX::Height));
    snapshot.unitCode = snapshot.fahrenheitCode;
    const double printedFahrenheit =
        QString::number(std::fabs(double(snapshot.MarkerDifference(0, 1))), 'f', 1).toDouble();
    // The bound of `printed` kelvin is 1.8 times as many °F, against which the page's °F value counts.
    const bool withinInFahrenheit = std::llround(printedFahrenheit * 10) <= std::floor(printed * 18 + 1e-6);

    document.Project().severityCriteria = TwoClasses(printed);
    Open();
    EXPECT_EQ(ClassText(), QStringLiteral("Within"));
    page->SetUnit(TemperatureUnit::Fahrenheit);
    EXPECT_EQ(ClassText(), withinInFahrenheit ? QStringLiteral("Within") : QStringLiteral("Beyond"));
    page->SetUnit(TemperatureUnit::Kelvin);
    EXPECT_EQ(ClassText(), QStringLiteral("Within"));
}

class DetailsLayout : public DetailsSeverity, public testing::WithParamInterface<int>
{
};

// From the smallest page the window shows to a large screen, in either template and with the
// severity class shown: no control covers another, leaves the page or is too narrow for its text,
// and the pictures and the comment take the room a larger window gives.
TEST_P(DetailsLayout, NothingOverlapsOrIsCutAndThePicturesGrow)
{
    document.Project().reportTemplate = ReportTemplate(GetParam());
    AddInspection(2);
    document.Project().severityCriteria = TwoClasses(1.0);
    Open();
    ASSERT_TRUE(Child<QWidget>("severityAction")->isVisible());
    QSize strip;
    QSize comment;
    for (const QSize size : {QSize(980, 700), QSize(1900, 1000)}) {
        page->resize(size);
        QCoreApplication::processEvents();
        QList<QWidget*> controls;
        for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisible()) {
                controls << control;
            }
        }
        for (QWidget* control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(page->rect().contains(control->geometry())) << name;
            if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
                EXPECT_GE(control->width(), control->minimumSizeHint().width()) << name;
            }
            for (QWidget* other : controls) {
                EXPECT_TRUE(control == other || !control->geometry().intersects(other->geometry()))
                    << name << " covers " << other->objectName().toStdString();
            }
        }
        const QRect shown = Child<ImageArea>("imageArea")->InsideTransform().mapRect(QRect(0, 0, 522, 200));
        EXPECT_TRUE(strip.isEmpty() || shown.width() > strip.width() * 3 / 2) << shown.width();
        EXPECT_TRUE(comment.isEmpty() || Child<QWidget>("commentEdit")->height() > comment.height())
            << Child<QWidget>("commentEdit")->height() << " " << comment.height() << " " << shown.height();
        strip = shown.size();
        comment = Child<QWidget>("commentEdit")->size();
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, DetailsLayout, testing::Values(0, 1));

} // namespace
