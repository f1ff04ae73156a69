#include "platform/Convert.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Convert = platform::Convert;

TEST(Convert, NumbersToTextInTheUsersLocale)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Convert::doubleToText(std::sqrt(10.0), german), QStringLiteral("3,16227766016838"));
    EXPECT_EQ(Convert::singleToText(float(std::sqrt(10.0)), german), QStringLiteral("3,162278"));
    EXPECT_EQ(Convert::singleToText(0.1f, german), QStringLiteral("0,1"));
    EXPECT_EQ(Convert::singleToText(0.1f, english), QStringLiteral("0.1"));
    EXPECT_EQ(Convert::doubleToText(double(0.1f), german), QStringLiteral("0,100000001490116"));
    EXPECT_EQ(Convert::singleToText(500, german), QStringLiteral("500"));
    EXPECT_EQ(Convert::singleToText(-15.5f, german), QStringLiteral("-15,5"));
    EXPECT_EQ(Convert::singleToText(1234567, german), QStringLiteral("1234567"));
    EXPECT_EQ(Convert::singleToText(12345678, german), QStringLiteral("1,234568E+07"));
    EXPECT_EQ(Convert::doubleToText(20000, german), QStringLiteral("20000"));
    EXPECT_EQ(Convert::doubleToText(0.1 + 0.2, german), QStringLiteral("0,3"));
    EXPECT_EQ(Convert::doubleToText(0.9 - 1.0, german), QStringLiteral("-0,1"));
    EXPECT_EQ(Convert::singleToText(0.9f - 1.0f, german), QStringLiteral("-0,1"));
    EXPECT_EQ(Convert::singleToText(0, german), QStringLiteral("0"));
    // the default locale of the tests is German
    EXPECT_EQ(Convert::doubleToText(2.5), QStringLiteral("2,5"));
}

TEST(Convert, PatternWithTwoDecimals)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Row {
        double value;
        const char *text;
    };
    const Row rows[] = {{3.14159, "3,14"}, {2.675, "2,68"}, {-0.005, "-0,01"}, {0, "0,00"}, {12345.5, "12345,50"}};
    for (const Row &row : rows)
        EXPECT_EQ(Convert::format(row.value, QStringLiteral("0.00"), german), QString::fromUtf8(row.text)) << row.value;
    EXPECT_EQ(Convert::format(2.5, QStringLiteral("0"), german), QStringLiteral("3"));
}

TEST(Convert, TextToIntegerRoundsHalvesToEven)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    struct Row {
        const char *text;
        int value;
    };
    const Row rows[] = {{"1500", 1500}, {"2,5", 2}, {"3,5", 4}, {"-2,5", -2}, {" 42 ", 42}, {"32767", 32767}, {"-32768", -32768}};
    for (const Row &row : rows)
        EXPECT_EQ(Convert::textToInteger(QString::fromUtf8(row.text), german), row.value) << row.text;
}

TEST(Convert, TextThatIsNoNumberIsAnError)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    for (const char *bad : {"", "-", "abc", "12a", "1.5.0", "1.500", "nan", "NaN", "inf", "-inf"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(Convert::textToInteger(QString::fromUtf8(bad), german), platform::ConversionError);
    }
    EXPECT_THROW(Convert::textToInteger(QStringLiteral("32768"), german), platform::ConversionError);
    EXPECT_THROW(Convert::textToInteger(QStringLiteral("-32768,6"), german), platform::ConversionError);
    // a point is no decimal separator under German settings
    EXPECT_THROW(Convert::textToDouble(QStringLiteral("2.5"), german), platform::ConversionError);
    EXPECT_THROW(Convert::textToDouble(QStringLiteral("nan"), german), platform::ConversionError);
    EXPECT_THROW(Convert::textToSingle(QStringLiteral("inf"), german), platform::ConversionError);
    EXPECT_DOUBLE_EQ(Convert::textToDouble(QStringLiteral("2,5"), german), 2.5);
    EXPECT_FLOAT_EQ(Convert::textToSingle(QStringLiteral("0,1"), german), 0.1f);
}
