#pragma once
// A row of the point-type chooser; its seven columns are its identity: protocol, series,
// family, hardware type, software type, name and channel count.
#include "models/TreeItem.h"

#include <QString>

class PointTypeItem : public TreeItem {
public:
    // The root: the column names.
    PointTypeItem();
    PointTypeItem(int protocol, int series, int family, int hwType, int swType, const QString& name, int subCount,
                  TreeItem* parent);

    // 1, 2 or 4; 0 otherwise.
    int getProtocol() const;
    int getSeries() const;
    // 1 or 2; 0 otherwise.
    int getFamily() const;
};
