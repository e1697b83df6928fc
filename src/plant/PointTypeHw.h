#pragma once
// One hardware type (device code) of the point-type catalogue with its channels: one per
// channel of a module, one for a sensor.
#include <QList>
#include <QString>

#include "plant/PointTypeChannel.h"

class PointTypeHw {
public:
    PointTypeHw() = default;
    // Every channel of the code with the rows the catalogue offers on it.
    PointTypeHw(int series, int protocol, int family, ushort hwType);
    // A software-type entry: a module gets one channel that offers swType alone.
    PointTypeHw(int series, int protocol, int family, ushort hwType, int swType);

    // Takes every field and channel; nothing when source is null.
    void copy(const PointTypeHw* source);

    ushort hwType() const { return m_hwType; }
    int series() const { return m_series; }
    int protocol() const { return m_protocol; }
    int family() const { return m_family; }
    const QList<PointTypeChannel>& channels() const { return m_channels; }
    QString getModelName() const;

private:
    ushort m_hwType = 0xFFFF;
    int m_series = 0;
    int m_protocol = 0;
    int m_family = 0;
    QList<PointTypeChannel> m_channels;
};
