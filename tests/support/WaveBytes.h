#pragma once

#include "common/SampleChunks.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace testing_support {

QByteArray readFile(const QString &path);
// All chunks back to back.
QByteArray joined(const SampleChunks &chunks);
// Little-endian 16-bit samples of a byte string, from `offset` on.
std::vector<std::int16_t> samples(const QByteArray &bytes, qsizetype offset = 0);
// One channel (0 left, 1 right) of the whole stereo frames of a byte string from `offset` on.
std::vector<std::int16_t> channelOf(const QByteArray &bytes, int which, qsizetype offset = 0);
// The largest magnitude among the values.
int peak(const std::vector<std::int16_t> &values);
std::uint32_t u32At(const QByteArray &bytes, qsizetype offset);
QByteArray hex(const char *spaced);  // "01 00 02" → bytes

} // namespace testing_support
