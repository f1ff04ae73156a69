#include "Convert.h"

#include <cmath>
#include <limits>

namespace platform::Convert {

namespace {

// Digits of the shortest round-trip form, then laid out as the runtime does: plain decimals
// while the exponent is small, otherwise "1,5E+20".
template <typename T>
QString shortestText(T value, int maxDigits, const QLocale &locale)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0)
        return QStringLiteral("0");

    int digits = 1;
    for (; digits < maxDigits; ++digits) {
        // QByteArray reads the C locale whatever the process's locale is
        const T back = T(QByteArray::number(double(value), 'e', digits - 1).toDouble());
        if (back == value)
            break;
    }
    QByteArray scientific = QByteArray::number(double(value), 'e', digits - 1);
    // the full 7 or 15 digits may end in zeros, which the runtime drops ("1,1")
    while (digits > 1 && scientific[scientific.indexOf('e') - 1] == '0')
        scientific = QByteArray::number(double(value), 'e', --digits - 1);
    const int exponent = scientific.mid(scientific.indexOf('e') + 1).toInt();

    QString text;
    if (exponent >= maxDigits || exponent < -4) {
        const QString mantissa = locale.toString(scientific.left(scientific.indexOf('e')).toDouble(), 'f', digits - 1);
        text = mantissa + QStringLiteral("E") + (exponent < 0 ? QStringLiteral("-") : QStringLiteral("+"))
            + QString::number(std::abs(exponent)).rightJustified(2, QLatin1Char('0'));
    } else {
        const int decimals = std::max(0, digits - 1 - exponent);
        text = locale.toString(double(value), 'f', decimals);
    }
    return text.remove(locale.groupSeparator());
}

} // namespace

QString singleToText(float value, const QLocale &locale)
{
    return shortestText(value, 7, locale);
}

QString doubleToText(double value, const QLocale &locale)
{
    return shortestText(value, 15, locale);
}

QString format(double value, const QString &pattern, const QLocale &locale)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const int decimals = point < 0 ? 0 : int(pattern.size() - point - 1);
    const double scale = std::pow(10.0, decimals);
    // away from zero on halves; the small nudge keeps 2.675 (stored as 2.67499...) at "2,68"
    const double scaled = value * scale;
    const double rounded = std::copysign(std::floor(std::abs(scaled) + 0.5 + 1e-9), scaled);
    QString text = locale.toString(rounded / scale, 'f', decimals);
    return text.remove(locale.groupSeparator());
}

double textToDouble(const QString &text, const QLocale &locale)
{
    bool ok = false;
    QLocale reader(locale);
    reader.setNumberOptions(QLocale::RejectGroupSeparator);
    const double value = reader.toDouble(text.trimmed(), &ok);
    // Qt reads "nan" and "inf" as numbers; to the user they are letters
    if (!ok || !std::isfinite(value))
        throw ConversionError("Typen unverträglich");
    return value;
}

float textToSingle(const QString &text, const QLocale &locale)
{
    const double value = textToDouble(text, locale);
    if (std::abs(value) > double(std::numeric_limits<float>::max()))
        throw ConversionError("Überlauf");
    return float(value);
}

std::int16_t textToInteger(const QString &text, const QLocale &locale)
{
    const double rounded = roundHalfEven(textToDouble(text, locale));
    if (rounded < -32768.0 || rounded > 32767.0)
        throw ConversionError("Überlauf");
    return std::int16_t(rounded);
}

QString notANumber(const QString &box, QString text)
{
    for (QChar &c : text)
        if (!c.isPrint())
            c = QLatin1Char('?');
    return QStringLiteral("%1 „%2“ ist keine Zahl.").arg(box, text);
}

} // namespace platform::Convert
