#pragma once
// One channel of a hardware type in the point-type catalogue: the type rows it may be
// programmed as.
#include <QList>

#include "OS/types.h"

class PointTypeChannel {
public:
    PointTypeChannel() = default;
    // Asks the catalogue for the type rows of hwType on the loop of protocol at this channel;
    // protocol 0 leaves the list empty.
    PointTypeChannel(int series, int protocol, int family, ushort hwType, int channel);
    // A channel that offers the given rows only.
    PointTypeChannel(int series, int protocol, int family, ushort hwType, int channel, const QList<int>& swTypes);

    // Takes every field and the row list; nothing when source is null.
    void copy(const PointTypeChannel* source);

    ushort hwType() const { return m_hwType; }
    int channel() const { return m_channel; }
    int protocol() const { return m_protocol; }
    int family() const { return m_family; }
    int series() const { return m_series; }
    const QList<int>& swTypes() const { return m_swTypes; }

private:
    ushort m_hwType = 0xFFFF;
    int m_channel = -1;
    int m_protocol = 0;
    int m_family = 0;
    int m_series = 0;
    QList<int> m_swTypes;
};
