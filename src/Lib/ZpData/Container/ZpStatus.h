#pragma once
// Run-time status image of the zones: four flag bits per zone, one flag byte for zone 0 and a
// summary byte of the flags set anywhere. A CRC-16 of the image and a previous copy let a change
// be reported to a callback by range.
//
//   0          flags of zone 0
//   1          summary: union of the flags of zone 0 and of every zone
//   2 - 1001   one nibble per zone 1 to 2000: zone z in byte 2 + (z - 1) / 2, low nibble for
//              odd z, high nibble for even z
#include "OS/os.h"
#include "OS/types.h"

class ZpConf;

class ZpStatus {
public:
    static constexpr u32 kSize = 1002;
    static constexpr u32 kZoneArea = 2;
    static constexpr u16 kLastZone = 2000;

    // (first, last): indexes (zone - 1) of the first zone of the first and last changed bytes.
    typedef void (*ChangeFn)(u16 first, u16 last);

    explicit ZpStatus(ZpConf* conf);
    ~ZpStatus();
    ZpStatus(const ZpStatus&) = delete;
    ZpStatus& operator=(const ZpStatus&) = delete;

    // Zone 0: its byte; zones 1 to 2000: the nibble; above: 0.
    u8 get_zone(u16 zone) const;
    // Zone 0 takes value as its byte, another zone its low 4 bits. The summary and the CRC are
    // left alone. 1003 for a zone the panel model does not have.
    int set_status(u16 zone, u8 value);
    // Sets or clears the flag bits of mask for one zone and keeps the summary and the CRC
    // current. -1 when the zone's flags already agree (any bit of mask set when on, none when
    // off), 1003 for a zone the panel model does not have.
    int set_status(u16 zone, u8 mask, bool on);
    // Bytes of the status image. 1003 for a null buffer, 1013 past the image (nothing copied).
    int get(u16 offset, u16 length, u8* dst);
    // Writes bytes of the status image and reports the changed zones to the callback. 1003 for
    // a null buffer, 1013 past the image (nothing copied).
    int set(u16 offset, u16 length, const u8* src);
    void set_callback(ChangeFn fn) { m_callback = fn; }

    u8 get_summary() const { return m_status[1]; }
    u16 get_crc() const { return m_crc; }
    // One past the highest zone of the container's panel model and networked flag.
    u32 get_zone_limit() const;

private:
    bool check_zone(u16 zone) const;
    u8 read_flags(u16 zone) const;
    void write_flags(u16 zone, u8 flags);
    void update_crc();

    ZpConf* m_conf;
    u8 m_status[kSize] = {};
    u8 m_previous[kSize] = {};
    u16 m_crc = 0xFFFF;
    os_Lock m_lock;
    ChangeFn m_callback = nullptr;
};
