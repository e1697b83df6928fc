#include "models/PointTypeItem.h"

static int bitOrZero(const QVariant& v)
{
    const int n = v.toInt();
    return n == 1 || n == 2 || n == 4 ? n : 0;
}

PointTypeItem::PointTypeItem()
    : TreeItem({"protocol", "series", "family", "hwType", "swType", "name", "subCount"}, nullptr)
{
}

PointTypeItem::PointTypeItem(int protocol, int series, int family, int hwType, int swType, const QString& name,
                             int subCount, TreeItem* parent)
    : TreeItem({protocol, series, family, hwType, swType, name, subCount}, parent)
{
}

int PointTypeItem::getProtocol() const
{
    return bitOrZero(data(0));
}

int PointTypeItem::getSeries() const
{
    return bitOrZero(data(1));
}

int PointTypeItem::getFamily() const
{
    const int family = data(2).toInt();
    return family == 1 || family == 2 ? family : 0;
}
