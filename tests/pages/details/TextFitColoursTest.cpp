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
        lines << QString(length, QLatin1Char('a' + i));
    }
    return lines.join(QStringLiteral("\r\n"));
}

struct FitCase
{
    const char* name;
    CheckedField field;
    QString text;
    QColor colour;
};

class FieldColours : public testing::TestWithParam<FitCase>
{
};

TEST_P(FieldColours, WarnAtTheReportBoxLimits)
{
    EXPECT_EQ(TextFitColour(GetParam().field, GetParam().text), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Limits,
    FieldColours,
    testing::Values(FitCase {"name36", CheckedField::Name, QString(36, QLatin1Char('n')), Black},
                    FitCase {"name37", CheckedField::Name, QString(37, QLatin1Char('n')), Red},
                    FitCase {"faultFourLinesOf17", CheckedField::FaultAction, LinesOf(4, 17), Black},
                    FitCase {"faultFourLinesOf18", CheckedField::FaultAction, LinesOf(4, 18), Orange},
                    FitCase {"faultFifthLine", CheckedField::FaultAction, LinesOf(5, 3), Orange},
                    FitCase {"faultSixthLine", CheckedField::FaultAction, LinesOf(6, 3), Red},
                    FitCase {"faultWordOf25", CheckedField::FaultAction, QString(25, QLatin1Char('w')), Red},
                    FitCase {"comment5Lines", CheckedField::Comment, LinesOf(5, 50), Black},
                    FitCase {"comment6Lines", CheckedField::Comment, LinesOf(6, 2), Red},
                    FitCase {"operator17", CheckedField::Operator, QString(17, QLatin1Char('o')), Black},
                    FitCase {"location18", CheckedField::Location, QString(18, QLatin1Char('l')), Red},
                    FitCase {"equipmentTwoLines", CheckedField::Equipment, QStringLiteral("breaker 12a panel"), Black},
                    FitCase {"equipmentWordOf12", CheckedField::Equipment, QString(12, QLatin1Char('e')), Red}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldColours, FaultTextOfFourLinesCountsItsBreaksAsTwoCharacters)
{
    EXPECT_EQ(LinesOf(4, 17).size(), 74);
    EXPECT_EQ(LinesOf(4, 18).size(), 78);
}

} // namespace
