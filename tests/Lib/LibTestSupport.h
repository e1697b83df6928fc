#pragma once
// Helpers the library tests share. Helpers that only look alike but behave differently stay in
// their test files (the recording blocks of tst_datablock and tst_smallblocks, for one).
#include "DataBlock/DataBlock.h"
#include "OS/TraceLog.h"
#include "OS/types.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpxProg.h"

#include <QByteArray>
#include <QFile>
#include <QMetaType>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace libtest {

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
    const u8 rec[43] = {r.address, u8((r.lineBit ? 0x40 : 0) | (r.module ? 0x80 : 0)), u8(r.code), u8(r.code >> 8),
                        u8(r.type | r.cls << 6), u8(r.zone), u8(r.zone >> 8), 0, r.b8, r.b9, r.b10};
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

inline u8* slot_ptr(DataBlock::IFace* layout, u32 slot) { return layout->data() + 2 + 43 * slot; }
inline u8* slot_ptr(DataBlock::IFace& layout, u32 slot) { return slot_ptr(&layout, slot); }

} // namespace device

// The general programming block (dataType 2, layout 0x2602).
namespace zpx {

// Panel types (PanelType codes).
constexpr u32 kZp4800 = 0;
constexpr u32 kZp1300cl = 2;
constexpr u32 kZp1600cl = 3;
constexpr u32 kZp3600cl = 4;
constexpr u32 kKv1300 = 5;
constexpr u32 kKv1600 = 6;
constexpr u32 kKv1600_01 = 8;
constexpr u32 kZp4800nFernholdt = 12;
constexpr u32 kZp4800g = 15;

constexpr u32 kSize = 5310;

struct ByteRow {
    u32 offset;
    u8 value;
};
using Rows = QVector<ByteRow>;

using Op = std::function<int(ZpData_v2602::ZpxProg&)>;

// Copies the trace log into a temporary file while it lives, and turns file output off after.
// Unlike TraceCapture::errors, a message ends at its first "]" and a line may go on past it.
class LogCapture {
public:
    LogCapture()
    {
        m_path = m_dir.path() + "/trace.log";
        g_logger().open_file(m_path.toStdString(), true);
    }
    ~LogCapture()
    {
        g_logger().close_file();
        g_logger().set_file_output(false);
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QString text()
    {
        g_logger().flush();
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLatin1(file.readAll());
    }
    // Error lines of the general block's unit logged by function, message texts only.
    QStringList errors(const QString& function)
    {
        QStringList found;
        const QRegularExpression re("src/Lib/ZpData/ZpData_2602/" + QRegularExpression::escape(function)
                                    + ":\\d+ E\\[([^\\]]*)\\]");
        auto it = re.globalMatch(text());
        while (it.hasNext())
            found << it.next().captured(1);
        return found;
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// Differences between the block and the expected bytes, empty when there are none.
inline QString differences(const u8* data, const std::vector<u8>& expected)
{
    QStringList parts;
    for (u32 i = 0; i < kSize; ++i) {
        if (data[i] != expected[i])
            parts << QString("%1: %2 (expected %3)").arg(i).arg(data[i]).arg(expected[i]);
    }
    return parts.join(", ");
}

// The container and block maker of the general block's test classes; the container is built in
// their initTestCase.
class Fixture {
protected:
    // A detached block with the defaults of panelType.
    std::unique_ptr<ZpData_v2602::ZpxProg> make(u32 panelType, u8 networked = 0)
    {
        m_conf->set_panel_type(panelType);
        std::unique_ptr<ZpData_v2602::ZpxProg> zpx(new ZpData_v2602::ZpxProg(m_conf.get(), nullptr, 2));
        zpx->set_default();
        zpx->data()[5245] = networked;
        return zpx;
    }

    std::unique_ptr<ZpConf> m_conf;
};

} // namespace zpx

} // namespace libtest

Q_DECLARE_METATYPE(libtest::zpx::Rows)
Q_DECLARE_METATYPE(libtest::zpx::Op)
