#pragma once

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace platform {

// Text that is no number, or a number too large for its type.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Numbers as the forms runtime turns them into text and back, in the user's locale.
namespace Convert {

// Shortest text that reads back to the same single, at most 7 significant digits ("0,1").
QString singleToText(float value, const QLocale &locale = QLocale());
// The same for a double, at most 15 significant digits ("3,16227766016838").
QString doubleToText(double value, const QLocale &locale = QLocale());
// A pattern of zeros with an optional decimal point, such as "0.00"; halves round away from zero.
QString format(double value, const QString &pattern, const QLocale &locale = QLocale());

double textToDouble(const QString &text, const QLocale &locale = QLocale());
float textToSingle(const QString &text, const QLocale &locale = QLocale());
// Rounded to the nearest integer, ties to even ("2,5" gives 2); out of 16 bits is an error.
std::int16_t textToInteger(const QString &text, const QLocale &locale = QLocale());

// What the user reads about a box whose text is no number, the box named as in "Die
// Grundfrequenz": "Die Grundfrequenz „1a“ ist keine Zahl.", characters that cannot be seen as "?".
QString notANumber(const QString &box, QString text);

// Rounding to the nearest integer with ties to even, as every conversion to an integer and
// every stored sample does: the machine's default rounding mode, which nothing here changes.
inline double roundHalfEven(double value)
{
    return std::nearbyint(value);
}

} // namespace Convert
} // namespace platform
