#pragma once
// Helpers the library tests share. Helpers that only look alike but behave differently stay in
// their test files (the recording blocks of tst_datablock and tst_smallblocks, for one).
#include "DataBlock/DataBlock.h"
#include "OS/types.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"

#include <QByteArray>
#include <QStringList>
#include <QTest>

#include <cstring>
#include <vector>

namespace libtest {

// Rows written as "key words: expected", named by their key.
inline void add_text_rows(const QStringList& rows)
{
    QTest::addColumn<QString>("row");
    for (const QString& row : rows)
        QTest::newRow(qPrintable(row.section(':', 0, 0))) << row;
}

inline QByteArray bytes(const u8* p, u32 n)
{
    return QByteArray(reinterpret_cast<const char*>(p), int(n));
}

inline QByteArray bytes(const DataBlock::IFace& layout)
{
    return bytes(layout.data(), layout.size());
}

inline QByteArray bytes(const DataBlock::IFace* layout)
{
    return bytes(*layout);
}

// A block, in table's container or in none, that records the change notices of its layout and
// passes none on.
class NoticeBlock : public ZpConfBlock {
public:
    explicit NoticeBlock(u8 dataType, ZpConfBlocks* table = nullptr)
        : ZpConfBlock(table, dataType)
    {
    }
    void on_change(const Notice& n) override { notices.push_back(n); }
    std::vector<Notice> notices;
};

// Device programming records (blocks 70 to 133): a 2-byte header, then 700 records of 43 bytes.
namespace device {

// Fields of a record as the record table lays them out.
struct Rec {
    u8 address = 0, lineBit = 0;
    bool module = false;
    u16 code = 0;
    u8 type = 0, cls = 0;
    u16 zone = 0;
    u8 b8 = 0, b9 = 0, b10 = 0;
};

inline void put_rec(u8* p, const Rec& r)
{
    const u8 rec[43] = {r.address,
                        u8((r.lineBit ? 0x40 : 0) | (r.module ? 0x80 : 0)),
                        u8(r.code),
                        u8(r.code >> 8),
                        u8(r.type | r.cls << 6),
                        u8(r.zone),
                        u8(r.zone >> 8),
                        0,
                        r.b8,
                        r.b9,
                        r.b10};
    memcpy(p, rec, sizeof rec);
}

inline Rec sensor(u8 address, u8 lineBit, u8 type = 1, u8 b8 = 0)
{
    return Rec{address, lineBit, false, 16386, type, 0, 0, b8};
}

inline Rec module(u8 address, u8 lineBit, u8 cls, u8 sub, u8 type = 22, u16 code = 16395)
{
    return Rec{address, lineBit, true, code, type, cls, 0, sub};
}

inline u8* slot_ptr(DataBlock::IFace* layout, u32 slot)
{
    return layout->data() + 2 + 43 * slot;
}
inline u8* slot_ptr(DataBlock::IFace& layout, u32 slot)
{
    return slot_ptr(&layout, slot);
}

} // namespace device

} // namespace libtest
