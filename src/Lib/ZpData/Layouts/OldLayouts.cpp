#include "ZpData/Layouts/OldLayouts.h"

#include "DataBlock/bytes.h"

#include <cstring>

namespace {

// Networked-plant flag of the general block.
constexpr u32 kNetworkedOffset = 5245;

// Copies a source layout of the same kind whole: -1 for a source of this version, 1003 for
// one of another size (a different kind of block).
int copy_whole(DataBlock::IFace& to, const DataBlock::IFace& from)
{
    if (from.version() == to.version())
        return ZP_UNCHANGED;
    if (from.size() != to.size() || !from.data())
        return ZP_ERR_PARAM;
    memcpy(to.data(), from.data(), to.size());
    return ZP_OK;
}

} // namespace

namespace ZpData {

template <>
int OldZpxProg<kDataVersion2600>::convert(const DataBlock::IFace& previous)
{
    const int result = copy_whole(*this, previous);
    if (result != ZP_OK)
        return result;
    put_le16(data(), version());
    return ZP_OK;
}

template <>
int OldZpxProg<kDataVersion2601>::convert(const DataBlock::IFace& previous)
{
    if (previous.version() == version())
        return ZP_UNCHANGED;
    if (previous.version() != kDataVersion2600)
        return ZP_ERR_PARAM;
    const int result = copy_whole(*this, previous);
    if (result != ZP_OK)
        return result;
    // From this version on the flag is 0 or 1.
    data()[kNetworkedOffset] = previous.data()[kNetworkedOffset] ? 1 : 0;
    put_le16(data(), version());
    return ZP_OK;
}

template <u16 Version>
int OldDeviceProg<Version>::convert(const DataBlock::IFace& previous)
{
    return copy_whole(*this, previous);
}

template class OldDeviceProg<kDataVersion2600>;
template class OldDeviceProg<kDataVersion2601>;

} // namespace ZpData
