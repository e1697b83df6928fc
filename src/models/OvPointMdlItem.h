#pragma once
// The rows of the point tables: each names a point (or channel) of the plant, which it never
// owns.
#include "models/TreeItem.h"

class OvGenericPoint;

class OvPointMdlItem : public TreeItem {
public:
    OvPointMdlItem(const QList<QVariant>& data, TreeItem* parent, const OvGenericPoint* point = nullptr)
        : TreeItem(data, parent)
        , m_point(point)
    {
    }
    ~OvPointMdlItem() override { m_point = nullptr; }
    virtual int itemType() const { return 0; }
    virtual const OvGenericPoint* getPoint() const { return m_point; }
    // The mixed table lets a row switch between an address's sensor and module.
    void setPoint(const OvGenericPoint* point) { m_point = point; }

private:
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
