#include "ModMemCopy.h"

#include <QtEndian>

namespace ModMemCopy {

QByteArray IntToBytes(std::int16_t value)
{
    QByteArray bytes(2, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray LongToBytes(std::int32_t value)
{
    QByteArray bytes(4, Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

} // namespace ModMemCopy
