#pragma once
// One choice of point type, carried between the point models, the point-type tree and the
// points: loop protocol, sensor or module, series, device code (hardware type), type row
// (software type) and channel count. The statics turn a type into its caption, its icon and its
// input/output kind.
//
// Codes: protocol 1 ADV, 2 VARN, 4 APOLLO (loop types 0, 1, 2); family 1 sensor, 2 module;
// series 1, 2, 4 by the class of the device code.
#include <QMetaType>
#include <QObject>
#include <QString>

#include "OS/types.h"

class PointType : public QObject {
    Q_OBJECT

public:
    // Input/output kind as a bit set; masks of it select points when counting.
    enum PT_INPUT_TYPE {
        PT_INPUT_NONE = 0,
        PT_INPUT = 1,
        PT_OUTPUT = 2,
    };
    Q_ENUM(PT_INPUT_TYPE)

    static constexpr u32 kNoLoopType = 255;

    PointType();
    PointType(int protocol, int family, int series, ushort hwType, uchar swType, int subCount);
    // A meta-type travels by value; the QObject part is never shared.
    PointType(const PointType& other);
    PointType& operator=(const PointType& other);

    // Takes every field of source; nothing when source is null.
    void copy(const PointType* source);

    ushort hwType() const { return m_hwType; }
    uchar swType() const { return m_swType; }
    int subCount() const { return int(m_subCount); }

    Q_INVOKABLE virtual int getFamily() const { return int(m_family); }
    Q_INVOKABLE virtual int getProtocol() const { return int(m_protocol); }
    Q_INVOKABLE virtual int getSeries() const { return int(m_series); }
    // Protocol, family and series all set.
    Q_INVOKABLE virtual bool isValid() const;

    // "adv.png", "varn.png" or "apl.png" for a sensor or module of protocol 1, 2 or 4;
    // "null.png" otherwise.
    static QString getIconName(int family, int protocol);
    // Point caption: model name and type name, one of them when both are the same. Every type
    // a point can be given reads so, wherever it was chosen from.
    static QString getTypeName(int family, int, int, ushort hwType, uchar swType);
    // Caption of a channel: the type name alone under a module whose own row names the model
    // (protocol 1, series 1); as getTypeName for a channel at an address of its own.
    static QString getChannelTypeName(int family, int protocol, int series, ushort hwType, uchar swType);
    // PT_INPUT_TYPE of a type row for a sensor (family 1) or a module.
    static int computeInputType(int family, int, int, int swType);
    // Whether the feature word of the type row shares a bit with mask; false above row 63.
    static bool swTypeHasAttribute(uchar swType, uint mask);

    // Catalogue loop protocol of a point protocol: 1 -> 0, 2 -> 1, 4 -> 2; kNoLoopType for any
    // other value.
    static u32 loopTypeOf(int protocol);
    // Series of a device code: 1 plain, 2 bit 14, 4 bit 15.
    static int seriesOf(ushort hwType);
    // Panel family of the panel configuration's panel type.
    static u32 panelFamily();

private:
    ushort m_hwType = 0xFFFF;
    uchar m_swType = 0xFF;
    u32 m_protocol = 0;
    u32 m_family = 0;
    u32 m_series = 0;
    u32 m_subCount = 0;
};

Q_DECLARE_METATYPE(PointType)
