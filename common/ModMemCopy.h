#pragma once

#include <QByteArray>

#include <cstdint>

namespace ModMemCopy {

// The value's bytes, low byte first; negative values as two's complement.
QByteArray IntToBytes(std::int16_t value);
QByteArray LongToBytes(std::int32_t value);

} // namespace ModMemCopy
