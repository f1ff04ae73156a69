#include "ControlDescription.h"

#include <QtEndian>

#include <cstring>

namespace com {

static_assert(sizeof(Guid) == 16, "a GUID's memory image is 16 bytes");

QString toText(const Guid &g)
{
    auto hex = [](std::uint32_t value, int digits) {
        return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
    };
    QString text = QLatin1Char('{') + hex(g.data1, 8) + QLatin1Char('-') + hex(g.data2, 4) + QLatin1Char('-')
        + hex(g.data3, 4) + QLatin1Char('-') + hex(g.data4[0], 2) + hex(g.data4[1], 2) + QLatin1Char('-');
    for (std::size_t i = 2; i < 8; ++i)
        text += hex(g.data4[i], 2);
    return text + QLatin1Char('}');
}

bool fromText(const QString &text, Guid &guid)
{
    const QByteArray latin = text.toLatin1();
    if (text.size() != 38 || latin.size() != 38)
        return false;
    try {
        guid = Guid::parse(std::string_view(latin.constData(), std::size_t(latin.size())));
        return true;
    } catch (const char *) {
        return false;
    }
}

QByteArray resourceImage(const Guid &g)
{
    QByteArray bytes(20, '\0');
    char *out = bytes.data();
    qToLittleEndian<std::uint32_t>(16, out);
    qToLittleEndian<std::uint32_t>(g.data1, out + 4);
    qToLittleEndian<std::uint16_t>(g.data2, out + 8);
    qToLittleEndian<std::uint16_t>(g.data3, out + 10);
    std::memcpy(out + 12, g.data4.data(), 8);
    return bytes;
}

QString versionText(const ControlDescription &d)
{
    return QStringLiteral("%1.%2").arg(d.versionMajor).arg(d.versionMinor);
}

QImage toolboxBitmap(const ControlDescription &d)
{
    // the standard 16-colour palette
    static const QRgb palette[16] = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                     0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                     0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    QImage image(16, 15, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(std::begin(palette), std::end(palette)));
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 16; ++x) {
            const char c = d.toolboxRows ? d.toolboxRows[y][x] : 'F';
            image.setPixel(x, y, uint(c >= 'A' ? c - 'A' + 10 : c - '0'));
        }
    return image;
}

} // namespace com
