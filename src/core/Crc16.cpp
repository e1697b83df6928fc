#include "core/Crc16.h"

#include "DataBlock/crc.h"

quint16 calcCrc16(const void* data, quint32 length)
{
    return crc16(data, length);
}

quint16 calcCrc16From(const void* data, quint32 length, quint16 start)
{
    return crc16_from(data, length, start);
}
