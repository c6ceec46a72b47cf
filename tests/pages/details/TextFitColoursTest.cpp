#include "pages/details/TextFitColours.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

const QColor Red(255, 0, 0);
const QColor Orange(255, 90, 0);
const QColor Black(0, 0, 0);

QString LinesOf(int count, int length)
{
    QStringList lines;
    for (int i = 0; i < count; ++i) {
        lines << QString(length, QLatin1Char('a' + i % 26));
    }
    return lines.join(QStringLiteral("\r\n"));
}

QString Japanese(int characters)
{
    const QString sentence = QStringLiteral("配電盤の端子台で接続部が過熱しています。");
    QString text;
    while (text.size() < characters) {
        text += sentence;
    }
    return text.left(characters);
}

struct FitCase
{
    const char* name;
    TypedField field;
    QString text;
    QColor colour;
    ReportTemplate reportTemplate = ReportTemplate::Maintenance;
};

class FieldColours : public testing::TestWithParam<FitCase>
{
};

TEST_P(FieldColours, WarnAtTheReportBoxLimits)
{
    const FitCase& c = GetParam();
    EXPECT_EQ(TextFitColour(c.field, c.text, {c.reportTemplate, 0}), c.colour);
}

// Red: the inspection page cuts the text; orange: the page prints it whole, the summary
// shortens it.
INSTANTIATE_TEST_SUITE_P(
    Limits,
    FieldColours,
    testing::Values(
        FitCase {"name36", TypedField::Name, QString(36, QLatin1Char('n')), Black},
        FitCase {"nameOf60Wide", TypedField::Name, QString(60, QLatin1Char('W')), Red},
        FitCase {"faultThreeLines", TypedField::FaultAction, LinesOf(3, 17), Black},
        FitCase {"faultFourLinesOf17", TypedField::FaultAction, LinesOf(4, 17), Orange},
        FitCase {"faultFourLinesOf18", TypedField::FaultAction, LinesOf(4, 18), Orange},
        FitCase {"faultFifthLine", TypedField::FaultAction, LinesOf(5, 3), Orange},
        FitCase {"faultSixthLine", TypedField::FaultAction, LinesOf(6, 3), Red},
        FitCase {"faultWordOf25", TypedField::FaultAction, QString(25, QLatin1Char('w')), Black},
        FitCase {"faultJapaneseShortened", TypedField::FaultAction, Japanese(80), Orange},
        FitCase {"faultJapaneseBuildings", TypedField::FaultAction, Japanese(80), Black, ReportTemplate::Buildings},
        FitCase {"faultJapaneseTooLong", TypedField::FaultAction, Japanese(121), Red},
        FitCase {"comment5Lines", TypedField::Comment, LinesOf(5, 50), Black},
        FitCase {"comment6Lines", TypedField::Comment, LinesOf(6, 2), Red},
        FitCase {"operator17", TypedField::Operator, QString(17, QLatin1Char('o')), Black},
        FitCase {"location18", TypedField::Location, QString(18, QLatin1Char('l')), Black},
        FitCase {"locationOf40Wide", TypedField::Location, QString(40, QLatin1Char('W')), Red},
        FitCase {"equipmentTwoLines", TypedField::Equipment, QStringLiteral("breaker 12a panel"), Black},
        FitCase {"equipmentWordOf12", TypedField::Equipment, QString(12, QLatin1Char('e')), Black},
        FitCase {"equipmentJapaneseTooLong", TypedField::Equipment, Japanese(33), Red},
        FitCase {"companyOf40Wide", TypedField::Company, QString(40, QLatin1Char('W')), Red},
        FitCase {"generalComments36Lines", TypedField::GeneralComments, LinesOf(36, 2), Red}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldColours, FaultTextOfFourLinesCountsItsBreaksAsTwoCharacters)
{
    EXPECT_EQ(LinesOf(4, 17).size(), 74);
    EXPECT_EQ(LinesOf(4, 18).size(), 78);
}

} // namespace
