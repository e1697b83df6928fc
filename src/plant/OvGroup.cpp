#include "plant/OvGroup.h"

#include "cbe/CBECompiler.h"

#include <QByteArray>
#include <QDebug>

#include <cstring>

OvGroup::~OvGroup() = default;

bool OvGroup::operator==(const OvGroup& other) const
{
    return m_index == other.m_index && m_description == other.m_description && m_direct == other.m_direct
        && m_cbe == other.m_cbe && m_doubleConsent == other.m_doubleConsent;
}

void OvGroup::clear()
{
    m_description.clear();
    m_cbe.clear();
    m_direct = false;
    m_doubleConsent = false;
    m_cbeErrorCode = kUnchecked;
}

bool OvGroup::setDirect(bool direct)
{
    if (direct != m_direct) {
        clear();
        m_direct = direct;
    }
    return true;
}

bool OvGroup::setDoubleConsent(bool on)
{
    m_doubleConsent = on;
    return true;
}

bool OvGroup::setDescription(const QString& description)
{
    m_description = description;
    return true;
}

bool OvGroup::setCBE(const QString& text)
{
    if (text != m_cbe) {
        m_cbe = text;
        m_cbeErrorCode = kUnchecked;
    }
    return true;
}

int OvGroup::compile(u8 code[32], int* errorCode) const
{
    if (m_cbe.isEmpty())
        return 0;
    const QByteArray text = m_cbe.toLatin1();
    // The compiler writes its program over the text: at least 32 bytes, zero-filled.
    QByteArray buffer(qMax(text.size(), 16) * 2 + 1, '\0');
    std::memcpy(buffer.data(), text.constData(), size_t(text.size()));
    CBECompileRequest request;
    request.text = buffer.data();
    const u16 position = u16(m_index - 1);
    request.owner[0] = u8(position);
    request.owner[1] = u8(position >> 8);
    request.ownerKind = CBE_OWNER_GROUP;
    request.listMode = m_direct ? 1 : 0;
    const int length = CBEExpr_Parse(&request);
    if (length <= 0) {
        qCritical().noquote().nospace() << "CBE ERROR: " << m_cbe << '\t' << cbeCompileErrorText(request.errorCode)
                                        << "\t(" << int(request.errorCode) << ")\tat pos: " << int(request.errorPos);
        *errorCode = int(cbeCompileErrorToUserError(request.errorCode));
        return -1;
    }
    std::memcpy(code, buffer.constData(), size_t(qMin(length, 32)));
    return qMin(length, 32);
}

void OvGroup::checkCBE()
{
    u8 code[32];
    int errorCode = 0;
    m_cbeErrorCode = compile(code, &errorCode) < 0 ? errorCode : 0;
}

bool OvGroup::writeToPanelData(u8 record[kRecordSize]) const
{
    u8 code[32];
    int errorCode = 0;
    const int length = compile(code, &errorCode);
    if (length > 0)
        std::memcpy(record, code, size_t(length));
    record[32] = u8((record[32] & 0xFE) | (m_doubleConsent ? 1 : 0));
    return length >= 0;
}
