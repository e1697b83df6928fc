#pragma once
// The rows of the point tables: each names a point (or channel) of the plant, which it never
// owns.
#include "models/TreeItem.h"

#include <QSet>

class OvGenericPoint;

class OvPointMdlItem : public TreeItem {
public:
    OvPointMdlItem(const QList<QVariant>& data, TreeItem* parent, const OvGenericPoint* point = nullptr)
        : TreeItem(data, parent)
        , m_point(point)
    {
        live().insert(this);
    }
    ~OvPointMdlItem() override
    {
        live().remove(this);
        m_point = nullptr;
    }
    // Whether item is a row that still exists. A view may keep the index of a removed row for a
    // while; its pointer names freed memory, which must not be read.
    static bool isLive(const void* item) { return live().contains(item); }
    virtual int itemType() const { return 0; }
    virtual const OvGenericPoint* getPoint() const { return m_point; }
    // The mixed table lets a row switch between an address's sensor and module.
    void setPoint(const OvGenericPoint* point) { m_point = point; }

private:
    static QSet<const void*>& live()
    {
        static QSet<const void*> items;
        return items;
    }

    const OvGenericPoint* m_point;
};

class OvPtItem : public OvPointMdlItem {
public:
    using OvPointMdlItem::OvPointMdlItem;
    int itemType() const override { return 1; }
};

// The point designates an OvGenericSubPoint.
class OvSubItem : public OvPointMdlItem {
public:
    using OvPointMdlItem::OvPointMdlItem;
    int itemType() const override { return 2; }
};
