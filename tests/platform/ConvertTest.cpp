#include "platform/Convert.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Convert = platform::Convert;

TEST(Convert, NumbersToTextInTheUsersLocale)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Row {
        QString text;
        const char *expected;
    };
    const Row rows[] = {
        {Convert::doubleToText(std::sqrt(10.0), german), "3,16227766016838"},
        {Convert::singleToText(float(std::sqrt(10.0)), german), "3,162278"},
        {Convert::singleToText(0.1f, german), "0,1"},
        {Convert::singleToText(0.1f, english), "0.1"},
        {Convert::doubleToText(double(0.1f), german), "0,100000001490116"},
        {Convert::singleToText(500, german), "500"},
        {Convert::singleToText(-15.5f, german), "-15,5"},
        {Convert::singleToText(1234567, german), "1234567"},
        {Convert::singleToText(12345678, german), "1,234568E+07"},
        {Convert::doubleToText(20000, german), "20000"},
        {Convert::singleToText(0, german), "0"},
        // no round trip within 7 or 15 digits, and the rounded digits end in zeros
        {Convert::singleToText(1.0999999f, german), "1,1"},
        {Convert::singleToText(0.79999995f, german), "0,8"},
        {Convert::singleToText(-0.79999995f, german), "-0,8"},
        {Convert::doubleToText(0.1 + 0.2, german), "0,3"},
        {Convert::doubleToText(0.9 - 1.0, german), "-0,1"},
        {Convert::singleToText(0.9f - 1.0f, german), "-0,1"},
        // the default locale of the tests is German
        {Convert::doubleToText(2.5), "2,5"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(row.text.toStdString(), row.expected);
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
