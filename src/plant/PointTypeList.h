#pragma once
// The hardware types offered for one loop protocol and family on the panel of the panel
// configuration, built once by the constructor and never refreshed.
#include <QList>

#include "plant/PointTypeHw.h"

class PointTypeList {
public:
    // Family 1 lists sensors, 2 modules; any other family gives an empty list.
    PointTypeList(int protocol, int family);
    virtual ~PointTypeList() = default;

    int protocol() const { return m_protocol; }
    int family() const { return m_family; }
    const QList<PointTypeHw>& entries() const { return m_entries; }

    void sortByModelName();

private:
    void buildSensorList();
    void buildModuleList();

    int m_protocol;
    int m_family;
    QList<PointTypeHw> m_entries;
};

// Model name of a before model name of b.
bool lessByModelName(ushort a, ushort b);
