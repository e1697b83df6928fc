#pragma once
// The rows of the point tables: each names a point (or channel) of the plant, which it never
// owns.
#include "models/TreeItem.h"

#include <QHash>

class OvGenericPoint;

class OvPointMdlItem : public TreeItem {
public:
    OvPointMdlItem(const QList<QVariant>& data, TreeItem* parent, const OvGenericPoint* point = nullptr)
        : TreeItem(data, parent)
        , m_point(point)
        , m_id(++lastId())
    {
        live().insert(m_id, this);
    }
    ~OvPointMdlItem() override
    {
        live().remove(m_id);
        m_point = nullptr;
    }
    // What an index holds of its row: a number no other row ever had. A view may keep the index
    // of a row that is gone; a row built later where it was, in the same memory, has another id.
    quintptr id() const { return m_id; }
    // The row of that id while it exists; null once it is gone.
    static OvPointMdlItem* byId(quintptr id) { return live().value(id, nullptr); }
    virtual int itemType() const { return 0; }
    virtual const OvGenericPoint* getPoint() const { return m_point; }
    // The mixed table lets a row switch between an address's sensor and module.
    void setPoint(const OvGenericPoint* point) { m_point = point; }

private:
    static QHash<quintptr, OvPointMdlItem*>& live()
    {
        static QHash<quintptr, OvPointMdlItem*> items;
        return items;
    }
    static quintptr& lastId()
    {
        static quintptr id = 0;
        return id;
    }

    const OvGenericPoint* m_point;
    const quintptr m_id;
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
