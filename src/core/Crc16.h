#pragma once
// The panel library's CRC-16/MODBUS for the application side; results are the library's own.
#include <QtGlobal>

quint16 calcCrc16(const void* data, quint32 length);
// The same register run continued from start.
quint16 calcCrc16From(const void* data, quint32 length, quint16 start);
