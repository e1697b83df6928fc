#pragma once
// Annunciator and viewer block of one CPU (dataTypes 6 to 69, CPU = dataType - 6): 16
// annunciators with their filters and names, and 16 viewers.
#include "ZpData/Layouts/interface.h"

#include <memory>

namespace ZpData {

class IF_AnnuncProg : public IFace {
public:
    using IFace::IFace;

    // false for a viewer or annunciator above 15.
    virtual bool is_viewer_enabled(u32 viewer) const = 0;
    virtual bool is_annunc_defined(u32 annunc) const = 0;
    // dst holds 33 bytes and gets the name with a terminator; above 15 an empty text and 1013.
    virtual int get_viewer_name(u32 viewer, char* dst) const = 0;
    // A new terminated 33-byte copy; empty above 15.
    virtual std::unique_ptr<char[]> get_viewer_name(u32 viewer) const = 0;
    virtual int get_annunc_name(u32 annunc, char* dst) const = 0;
    virtual std::unique_ptr<char[]> get_annunc_name(u32 annunc) const = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class AnnuncProg : public ZpData::IF_AnnuncProg {
public:
    static constexpr u8 kFirstDataType = 6;
    static constexpr u32 kAnnuncCount = 16;
    // Annunciator a at kAnnuncSize * a: bytes 0 to 255 its filters, 256 to 287 its name, byte
    // 290 non-zero when defined.
    static constexpr u32 kAnnuncSize = 291;
    static constexpr u32 kAnnuncName = 256;
    static constexpr u32 kAnnuncDefined = 290;
    static constexpr u32 kViewerCount = 16;
    // Viewer v at kViewers + kViewerSize * v: byte 0 bit 0 enabled, bytes 1 to 32 its name.
    static constexpr u32 kViewers = 4672;
    static constexpr u32 kViewerSize = 33;
    static constexpr u32 kViewerName = 1;

    AnnuncProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    // The CPU the block belongs to.
    u8 get_index() const { return m_index; }

    bool is_viewer_enabled(u32 viewer) const override;
    bool is_annunc_defined(u32 annunc) const override;
    int get_viewer_name(u32 viewer, char* dst) const override;
    std::unique_ptr<char[]> get_viewer_name(u32 viewer) const override;
    int get_annunc_name(u32 annunc, char* dst) const override;
    std::unique_ptr<char[]> get_annunc_name(u32 annunc) const override;

private:
    // The name field, or null (with the error line) for an index above 15.
    const u8* viewer_name(u32 viewer, const char* function, int line) const;
    const u8* annunc_name(u32 annunc, const char* function, int line) const;

    u8 m_index;
};

} // namespace ZpData_v2602
