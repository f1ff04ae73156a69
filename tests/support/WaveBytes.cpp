#include "WaveBytes.h"

#include <algorithm>
#include <cstdlib>

#include <QFile>
#include <QtEndian>

namespace testing_support {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray joined(const SampleChunks &chunks)
{
    QByteArray all;
    for (const QByteArray &chunk : chunks)
        all += chunk;
    return all;
}

std::vector<std::int16_t> samples(const QByteArray &bytes, qsizetype offset)
{
    std::vector<std::int16_t> out;
    for (qsizetype at = offset; at + 1 < bytes.size(); at += 2)
        out.push_back(qFromLittleEndian<std::int16_t>(bytes.constData() + at));
    return out;
}

std::uint32_t u32At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

int peak(const std::vector<std::int16_t> &values)
{
    int largest = 0;
    for (std::int16_t s : values)
        largest = std::max(largest, std::abs(int(s)));
    return largest;
}

std::vector<std::int16_t> channelOf(const QByteArray &bytes, int which, qsizetype offset)
{
    const std::vector<std::int16_t> all = samples(bytes, offset);
    std::vector<std::int16_t> one;
    for (std::size_t frame = 0; 2 * frame + 1 < all.size(); ++frame)
        one.push_back(all[2 * frame + std::size_t(which)]);
    return one;
}

} // namespace testing_support
