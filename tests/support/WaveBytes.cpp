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

} // namespace testing_support
