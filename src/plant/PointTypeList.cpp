#include "plant/PointTypeList.h"

#include "plant/PointType.h"

#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"
#include "core/Configuration.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

PointTypeList::PointTypeList(int protocol, int family)
    : m_protocol(protocol)
    , m_family(family)
{
    if (family == 1)
        buildSensorList();
    else if (family == 2)
        buildModuleList();
}

void PointTypeList::buildSensorList()
{
    const int before = m_entries.size();
    const u8 loopType = u8(PointType::loopTypeOf(m_protocol));
    // Second-series codes go after all others, in their order.
    QList<PointTypeHw> setAside;
    for (u16 code : get_hw_type_list(PointType::panelFamily(), loopType, DEVICE_KIND_SENSOR)) {
        if (is_module_code(code))
            continue;
        if (get_code_class(code) == 1)
            setAside.append(PointTypeHw(2, m_protocol, 1, code));
        else
            m_entries.append(PointTypeHw(PointType::seriesOf(code), m_protocol, 1, code));
    }
    m_entries.append(setAside);
    qDebug() << "LINE PROTOCOL = " << m_protocol << "\tSENSOR COUNT = " << m_entries.size() - before;
}

void PointTypeList::buildModuleList()
{
    const int before = m_entries.size();
    const u32 loopType = PointType::loopTypeOf(m_protocol);
    QList<PointTypeHw> setAside;
    if (Configuration::instance()->isLoopProtocolAllowed(true)) {
        for (u16 code : get_hw_type_list(PointType::panelFamily(), u8(loopType), DEVICE_KIND_MODULE)) {
            if (!is_module_code(code))
                continue;
            if (get_code_class(code) == 1)
                setAside.append(PointTypeHw(2, m_protocol, 2, code));
            else
                m_entries.append(PointTypeHw(PointType::seriesOf(code), m_protocol, 2, code));
        }
    } else {
        const std::vector<u8> swTypes = get_sw_type_list(0, loopType, 0, PointType::panelFamily());
        if (swTypes.empty())
            qInfo() << "swList = NULL";
        for (u8 swType : swTypes) {
            const u16 code = get_default_code(swType);
            if (get_code_class(code) == 1)
                setAside.append(PointTypeHw(2, m_protocol, 2, code, swType));
            else
                m_entries.append(PointTypeHw(PointType::seriesOf(code), m_protocol, 2, code, swType));
        }
    }
    m_entries.append(setAside);
    qDebug() << "LINE PROTOCOL = " << m_protocol << "\tMODULE COUNT = " << m_entries.size() - before;
}

void PointTypeList::sortByModelName()
{
    std::stable_sort(m_entries.begin(), m_entries.end(), [](const PointTypeHw& a, const PointTypeHw& b) {
        return lessByModelName(a.hwType(), b.hwType());
    });
}

bool lessByModelName(ushort a, ushort b)
{
    return std::strcmp(get_device_model_name(a), get_device_model_name(b)) < 0;
}
