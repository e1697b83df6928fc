// A point in the panel's 43-byte device record, and its CBE text compiled into the record.
#include "plant/OvGenericPoint.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/PointType.h"

#include "DataBlock/bytes.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/PanelModel.h"
#include "cbe/CBECompiler.h"
#include "cbe/CBEExpression.h"
#include "cbe/CBEProgramText.h"

#include <QDebug>

#include <algorithm>
#include <cstring>

namespace {

enum : u8 {
    kFlashingBit = 0x10,
    kTrackingBit = 0x20,
    kByte1Kept = DeviceRec::kLineBit,
};
enum : u32 {
    kProgramOffset = 11,
    kProgramSize = 32,
};

void setBit(u8& byte, u8 bit, bool value)
{
    byte = value ? u8(byte | bit) : u8(byte & ~bit);
}

// Protocol of a record's class bits, writes(p) telling whether a point of protocol p writes
// them. On a loop of known type the bits alone do not name it, so the loop's own protocol is
// taken when it writes these bits, else the one the bits name, else another that writes them: a
// point read back writes the record it was read from.
template <class Writes>
int protocolOf(u32 classBits, u32 loopType, const Writes& writes)
{
    static const int protocols[] = {1, 2, 4};
    if (classBits > 2)
        return 0;
    if (loopType > LINE_PROTOCOL_APOLLO)
        return protocols[classBits];
    for (int candidate : {protocols[loopType], protocols[classBits], 1, 2, 4}) {
        if (writes(candidate))
            return candidate;
    }
    return protocols[classBits];
}

} // namespace

OvGenericPoint::OvGenericPoint(int cpuIndex, int loopIndex, const u8* rec, u32 loopType)
    : m_cpuIndex(cpuIndex)
    , m_loopIndex(loopIndex)
{
    resetData();
    m_address = rec[0] + 1u;
    m_family = DeviceRec::is_module(rec) ? 2 : 1;
    m_hwType = DeviceRec::get_code(rec);
    m_series = PointType::seriesOf(m_hwType);
    const bool channel = DeviceRec::is_channel(rec);
    const u32 classBits = DeviceRec::get_class(rec);
    // The writer of the class bits, a channel's or a point's, answers for each candidate.
    m_protocol = protocolOf(classBits, loopType, [this, channel, classBits](int protocol) {
        m_protocol = protocol;
        return (channel ? OvGenericSubPoint(*this, 1).recordClass() : recordClass()) == classBits;
    });
    m_swType = u8(DeviceRec::get_type(rec));
    m_inputType = PointType::computeInputType(m_family, m_series, m_hwType, m_swType);
    const u16 zone = DeviceRec::get_zone(rec);
    m_areaIndex = zone == 0 ? -1 : int(zone);
    m_checkFlashing = (rec[1] & kFlashingBit) != 0;
    m_checkTracking = (rec[1] & kTrackingBit) != 0;

    const Ov4800::ProgramText program = Ov4800::programText(rec + kProgramOffset, m_inputType == PointType::PT_INPUT);
    if (program.decoded) {
        m_cbe = program.text;
        if (!program.faithful)
            qWarning().noquote() << "CBE text kept as decoded:" << m_cbe;
    }

    if (m_family == 1) {
        if (!hasFeature(FEATURE_ALERT_LEVEL)) {
            m_sensHigh = rec[9];
            m_sensLow = rec[10];
            m_sensNormal = rec[8];
        } else {
            m_alertLevelRAVI = rec[8];
        }
        m_checkRaviSCtrlDisa = (rec[7] & 0x02) != 0;
        m_checkAudit = (rec[7] & 0x01) != 0;
    } else if (isFastInputCode(m_series, m_hwType)) {
        m_fastInputLogic = (rec[7] & 0x04) != 0;
        m_fastInputDev1 = rec[9];
        m_fastInputDev2 = rec[10];
    } else {
        m_checkSilenceMod = (rec[7] & 0x01) != 0;
        m_checkAutoSilenceMod = (rec[7] & 0x02) != 0;
    }
    dump();
}

u32 OvGenericPoint::recordClass() const
{
    u8 rec[DeviceRec::kSize];
    DeviceRec::clear(rec);
    packClass(rec);
    return DeviceRec::get_class(rec);
}

void OvGenericPoint::packClass(u8* rec) const
{
    if (m_protocol == 2)
        DeviceRec::set_class(rec, 1);
    else if (m_protocol == 1)
        DeviceRec::set_class(rec, m_series != 1 ? 1 : 0);
}

void OvGenericPoint::packRecord(u8* rec) const
{
    u8 byte1 = rec[1] & kByte1Kept;
    setBit(byte1, kFlashingBit, m_checkFlashing);
    setBit(byte1, kTrackingBit, m_checkTracking);
    setBit(byte1, DeviceRec::kModuleBit, m_family != 1);
    rec[1] = byte1;
    DeviceRec::set_code(rec, m_hwType);
    DeviceRec::set_type(rec, m_swType);
    packClass(rec);
    put_le16(rec + 5, u16(std::max(m_areaIndex, 0)));

    if (m_family == 1) {
        if (!hasFeature(FEATURE_ALERT_LEVEL)) {
            rec[9] = u8(m_sensHigh);
            rec[10] = u8(m_sensLow);
            rec[8] = u8(m_sensNormal);
        } else {
            rec[8] = u8(m_alertLevelRAVI);
        }
        setBit(rec[7], 0x02, m_checkRaviSCtrlDisa);
        setBit(rec[7], 0x01, m_checkAudit);
    } else if (m_family == 2) {
        setBit(rec[7], 0x01, m_checkSilenceMod);
        setBit(rec[7], 0x02, m_checkAutoSilenceMod);
        if (isFastInputCode(m_series, m_hwType)) {
            setBit(rec[7], 0x04, m_fastInputLogic);
            rec[9] = m_fastInputDev1 < 0 ? 0 : u8(m_fastInputDev1);
            rec[10] = m_fastInputDev2 < 0 ? 0 : u8(m_fastInputDev2);
        } else {
            setBit(rec[7], 0x04, false);
        }
        rec[8] = moduleByte8();
    }
}

uint OvGenericPoint::cbeOwner() const
{
    const u32 sub = getSubIndex() > 0 ? u32(getSubIndex() - 1) : 0u;
    const PackedAddress a = PackedAddress::make(u32(m_cpuIndex - 1), u32(m_loopIndex - 1), m_family != 1, sub,
                                                u32(m_address - 1));
    return a.raw[0] | uint(a.raw[1]) << 8 | uint(a.raw[2]) << 16;
}

int OvGenericPoint::compileCBE(QByteArray& buffer, u8* errorCode) const
{
    const QByteArray text = m_cbe.toLatin1();
    buffer.fill('\0', 2 * std::max(text.size(), 16) + 1);
    std::memcpy(buffer.data(), text.constData(), size_t(text.size()));

    CBECompileRequest request;
    request.text = buffer.data();
    request.errorPos = 0;
    const uint owner = cbeOwner();
    request.owner[0] = u8(owner);
    request.owner[1] = u8(owner >> 8);
    request.owner[2] = u8(owner >> 16);
    request.ownerKind = m_family == 1 ? CBE_OWNER_SENSOR : CBE_OWNER_MODULE;
    request.listMode = Ov4800::checkCBEString(m_cbe) == Ov4800::CBEExpression::KIND_DIRECT ? 1 : 0;

    const int length = CBEExpr_Parse(&request);
    if (length < 1) {
        qCritical().noquote() << QStringLiteral("CBE ERROR: %1\t%2\t(%3)\tat pos: %4")
                                     .arg(m_cbe, QString::fromLatin1(cbeCompileErrorText(request.errorCode)))
                                     .arg(request.errorCode)
                                     .arg(request.errorPos);
        if (errorCode != nullptr)
            *errorCode = request.errorCode;
        return -1;
    }
    return length;
}

void OvGenericPoint::parseCBE(u8* out) const
{
    if (m_cbe.isEmpty())
        return;
    QByteArray buffer;
    const int length = compileCBE(buffer);
    if (length < 1)
        return;
    std::memcpy(out, buffer.constData(), size_t(std::min<int>(length, kProgramSize)));
    qInfo().noquote() << "CBEExpr_Parse: OK. LEN = " << length;
}

u32 OvGenericPoint::cbeTextError() const
{
    if (m_cbe.isEmpty())
        return 0;
    QByteArray buffer;
    u8 errorCode = 0;
    return compileCBE(buffer, &errorCode) < 1 ? cbeCompileErrorToUserError(errorCode) : 0u;
}

void OvGenericPoint::checkCBE()
{
    m_cbeErrorCode = 0;
    if (!isValid())
        return;
    if (!m_cbe.isEmpty()) {
        QByteArray buffer;
        u8 errorCode = 0;
        if (compileCBE(buffer, &errorCode) < 1)
            m_cbeErrorCode = int(cbeCompileErrorToUserError(errorCode));
        return;
    }
    for (OvGenericSubPoint& channel : m_subPoints)
        channel.checkCBE();
}
