#pragma once
// The general programming block (dataType 2): everything set once per installation. The
// interface is the same for every data version; ZpData_v2602::ZpxProg is the current layout.
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/CpuRec.h"

#include <memory>

namespace ZpData {

// The first 25 bytes of the supervisor block, decoded by its type.
struct ZpxSupervisor {
    u64 gwIpNetmask = 0;  // u64 at 0
    u32 gwGateway = 0;    // u32 at 8
    u8 supType = 0;       // 0 none, 1 Modbus RTU, 2 Modbus TCP, 3 BACnet
    u8 supMbAddr = 0;     // type 1
    u8 supMbBaud = 0;     // type 1
    u64 supIpNetmask = 0; // types 2 and 3: u64 at 13
    u32 supGateway = 0;   // types 2 and 3: u32 at 21
};

struct ZpxPrinter {
    u8 reserved = 0; // always 0
    u8 installed = 0;
    u8 mode = 0;
    u8 baudCode = 0; // 0 none, 1 to 8 = 1200 to 115200 baud
};

// Setters return -1 when the value is already so (nothing written, no notice), 0 after a write
// (with a change notice for the bytes written), 1003 for a bad level or value, 1010 when the
// plant's boards would be exceeded and 1013 for an index out of range. CPUs are 0 to 63, boards
// 0 to 3, lines of a CPU 0 to 7 (board x lines per board + line in board), repeaters 0 to 7.
// Name buffers hold 33 bytes. The caller holds the block lock.
class IF_ZpxProg : public IFace {
public:
    IF_ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType, u32 size, u16 version);
    ~IF_ZpxProg() override;

    int convert(const DataBlock::IFace& previous) override = 0;
    int set_default() override = 0;

    virtual u16 get_version() const = 0;
    virtual u8 get_panel_type() const = 0;
    virtual u32 get_cpu_model() const = 0;
    virtual u32 get_panel_family() const = 0;
    virtual int get_plant_name(char* dst) const = 0;
    virtual std::unique_ptr<char[]> get_plant_name() const = 0;
    virtual u8 get_sensor_brand() const = 0;
    virtual int set_sensor_brand(u8 brand) = 0;
    virtual u8 get_param_5220() const = 0;
    virtual int set_param_5220(u8 value) = 0;
    virtual bool has_sib() const = 0;
    // The u32 at 5226 in the low half, the u32 at 5234 in the high half.
    virtual u64 get_net_pair() const = 0;
    // index 0, 1, 2: the u32 at 5226, 5230, 5234; 0 for another index.
    virtual u32 get_net_value(u32 index) const = 0;
    virtual bool has_network() const = 0;
    virtual bool is_networked() const = 0;
    // 1003 when the model has no network and value is non-zero.
    virtual int set_canloop_enable(u8 value) = 0;
    virtual ZpxSupervisor get_supervisor() const = 0;
    virtual u32 get_max_cpu_num() const = 0;
    virtual u32 get_cpu_num_limit() const = 0;
    virtual u32 get_last_cpu_id() const = 0;
    virtual u32 get_installed_cpu_num() const = 0;
    // Always 0; kept so that every data version offers the same operations.
    virtual int get_reserved() const = 0;
    virtual u32 get_last_installed_cpu() const = 0;
    virtual bool is_cpu_installed(u32 cpu) const = 0;
    virtual int set_cpu_installed(u32 cpu, bool installed) = 0;
    // 255 for a CPU above 63.
    virtual u8 get_cpu_type(u32 cpu) const = 0;
    virtual int set_cpu_type(u32 cpu, u8 type) = 0;

    // Boards (ll) and lines of a CPU, of a CPU type and of the plant.
    virtual u32 get_ll_num() const = 0;
    virtual u32 get_cpu_min_ll_num(u32 cpu) const = 0;
    virtual u32 get_cpu_max_ll_num(u32 cpu) const = 0;
    virtual u32 get_cpu_type_min_ll_num(u8 type) const = 0;
    virtual u32 get_cpu_type_max_ll_num(u8 type) const = 0;
    virtual u32 get_cpu_last_ll(u32 cpu) const = 0;
    virtual u32 get_cpu_ll_installed_num(u32 cpu) const = 0;
    virtual int set_cpu_ll_num(u32 cpu, u8 n) = 0;
    virtual bool get_cpu_ll_installed(u32 cpu, u32 board) const = 0;
    virtual u32 get_line_num() const = 0;
    virtual u32 get_cpu_min_line_num(u32 cpu) const = 0;
    virtual u32 get_cpu_max_line_num(u32 cpu) const = 0;
    virtual u32 get_cpu_type_min_line_num(u8 type) const = 0;
    virtual u32 get_cpu_type_max_line_num(u8 type) const = 0;
    // -1 for a CPU above 63.
    virtual int get_cpu_last_line(u32 cpu) const = 0;
    virtual u32 get_cpu_line_installed_num(u32 cpu) const = 0;
    // lines / lines per board boards.
    virtual int set_cpu_line_num(u32 cpu, u8 lines) = 0;
    virtual bool get_cpu_line_installed(u32 cpu, u32 line) const = 0;

    // Line protocol 0 ADV, 1 VARN, 2 APOLLO; -1 when out of range or invalid. By CPU line, every
    // line of an APOLLO plant is 2.
    virtual int get_cpu_line_prot(u32 cpu, u32 line) const = 0;
    virtual int get_cpu_line_prot(u32 cpu, u32 board, u32 index) const = 0;
    virtual int set_cpu_line_prot(u32 cpu, u32 line, u8 prot) = 0;
    virtual int set_cpu_line_prot(u32 cpu, u32 board, u32 index, u8 prot) = 0;
    // 255 when out of range.
    virtual u8 get_cpu_line_style(u32 cpu, u32 line) const = 0;
    virtual u8 get_cpu_line_style(u32 cpu, u32 board, u32 index) const = 0;

    // 1013 and an empty text past the last CPU id.
    virtual int get_cpu_name(u32 cpu, char* dst) const = 0;
    virtual std::unique_ptr<char[]> get_cpu_name(u32 cpu) const = 0;

    virtual u32 get_max_line_num() const = 0;
    virtual u32 get_plant_line_limit() const = 0;
    virtual u32 get_last_plant_line() const = 0;
    virtual u32 get_installed_line_num() const = 0;
    virtual u32 get_max_ll_num() const = 0;
    virtual u32 get_plant_ll_limit() const = 0;
    virtual u32 get_last_plant_ll() const = 0;
    virtual u32 get_installed_ll_num() const = 0;
    virtual u32 get_lines_per_ll() const = 0;

    virtual bool is_repeater_installed(u32 repeater) const = 0;
    virtual int get_repeater_name(u32 repeater, char* dst) const = 0;
    virtual std::unique_ptr<char[]> get_repeater_name(u32 repeater) const = 0;

    virtual u32 get_max_zone_num() const = 0;
    virtual u32 get_zone_limit() const = 0;
    virtual u32 get_last_zone() const = 0;
    virtual u32 get_max_dev_per_zone() const = 0;
    virtual u16 get_direct_groups_count() const = 0;
    virtual u16 get_low_sens_group() const = 0;
    virtual u16 get_high_sens_group() const = 0;
    virtual u32 get_max_group_num() const = 0;
    virtual u32 get_group_limit() const = 0;
    virtual u32 get_last_group() const = 0;
    virtual bool has_varn_protocol() const = 0;
    virtual bool has_adv_protocol() const = 0;
    virtual bool has_apollo_protocol() const = 0;
    virtual bool is_arch_disabled() const = 0;
    // Access codes of user levels 2 to 4; 0 for another level.
    virtual u32 get_password(u32 level) const = 0;
    virtual int set_password(u32 level, u32 code) = 0;
    // (volume - 1) * 256 + (tone - 1) of the 1-based pairs.
    virtual int get_siren2() const = 0;
    virtual int get_siren1() const = 0;
    virtual u16 get_zone_in_test() const = 0;
    // 1013 for a zone past the last zone.
    virtual int set_zone_in_test(u16 zone) = 0;
    // Serial interface board of CPU 0.
    virtual bool is_sib_enabled() const = 0;
    virtual ZpxPrinter get_printer() const = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class ZpxProg : public ZpData::IF_ZpxProg {
public:
    static constexpr u8 kDataType = 2;
    // The access codes of user levels 2, 3 and 4 that the defaults hold.
    static constexpr u32 kDefaultPasswords[3] = {27591, 60427, 71935};

    ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);
    ~ZpxProg() override;

    // From a 0x2601 block: line protocols widened to two bits, CPU type 1 in every record.
    // -1 from a 0x2602 layout, 1003 from any other version or size.
    int convert(const DataBlock::IFace& previous) override;
    // Defaults for the panel type of the container (255 without one). Takes the write lock of
    // the block when the layout has one.
    int set_default() override;

    u16 get_version() const override;
    u8 get_panel_type() const override;
    u32 get_cpu_model() const override;
    u32 get_panel_family() const override;
    int get_plant_name(char* dst) const override;
    std::unique_ptr<char[]> get_plant_name() const override;
    u8 get_sensor_brand() const override;
    int set_sensor_brand(u8 brand) override;
    u8 get_param_5220() const override;
    int set_param_5220(u8 value) override;
    bool has_sib() const override;
    u64 get_net_pair() const override;
    u32 get_net_value(u32 index) const override;
    bool has_network() const override;
    bool is_networked() const override;
    int set_canloop_enable(u8 value) override;
    ZpData::ZpxSupervisor get_supervisor() const override;
    u32 get_max_cpu_num() const override;
    u32 get_cpu_num_limit() const override;
    u32 get_last_cpu_id() const override;
    u32 get_installed_cpu_num() const override;
    int get_reserved() const override;
    u32 get_last_installed_cpu() const override;
    bool is_cpu_installed(u32 cpu) const override;
    int set_cpu_installed(u32 cpu, bool installed) override;
    u8 get_cpu_type(u32 cpu) const override;
    int set_cpu_type(u32 cpu, u8 type) override;

    u32 get_ll_num() const override;
    u32 get_cpu_min_ll_num(u32 cpu) const override;
    u32 get_cpu_max_ll_num(u32 cpu) const override;
    u32 get_cpu_type_min_ll_num(u8 type) const override;
    u32 get_cpu_type_max_ll_num(u8 type) const override;
    u32 get_cpu_last_ll(u32 cpu) const override;
    u32 get_cpu_ll_installed_num(u32 cpu) const override;
    int set_cpu_ll_num(u32 cpu, u8 n) override;
    bool get_cpu_ll_installed(u32 cpu, u32 board) const override;
    u32 get_line_num() const override;
    u32 get_cpu_min_line_num(u32 cpu) const override;
    u32 get_cpu_max_line_num(u32 cpu) const override;
    u32 get_cpu_type_min_line_num(u8 type) const override;
    u32 get_cpu_type_max_line_num(u8 type) const override;
    int get_cpu_last_line(u32 cpu) const override;
    u32 get_cpu_line_installed_num(u32 cpu) const override;
    int set_cpu_line_num(u32 cpu, u8 lines) override;
    bool get_cpu_line_installed(u32 cpu, u32 line) const override;

    int get_cpu_line_prot(u32 cpu, u32 line) const override;
    int get_cpu_line_prot(u32 cpu, u32 board, u32 index) const override;
    int set_cpu_line_prot(u32 cpu, u32 line, u8 prot) override;
    int set_cpu_line_prot(u32 cpu, u32 board, u32 index, u8 prot) override;
    u8 get_cpu_line_style(u32 cpu, u32 line) const override;
    u8 get_cpu_line_style(u32 cpu, u32 board, u32 index) const override;

    int get_cpu_name(u32 cpu, char* dst) const override;
    std::unique_ptr<char[]> get_cpu_name(u32 cpu) const override;

    u32 get_max_line_num() const override;
    u32 get_plant_line_limit() const override;
    u32 get_last_plant_line() const override;
    u32 get_installed_line_num() const override;
    u32 get_max_ll_num() const override;
    u32 get_plant_ll_limit() const override;
    u32 get_last_plant_ll() const override;
    u32 get_installed_ll_num() const override;
    u32 get_lines_per_ll() const override;

    bool is_repeater_installed(u32 repeater) const override;
    int get_repeater_name(u32 repeater, char* dst) const override;
    std::unique_ptr<char[]> get_repeater_name(u32 repeater) const override;

    u32 get_max_zone_num() const override;
    u32 get_zone_limit() const override;
    u32 get_last_zone() const override;
    u32 get_max_dev_per_zone() const override;
    u16 get_direct_groups_count() const override;
    u16 get_low_sens_group() const override;
    u16 get_high_sens_group() const override;
    u32 get_max_group_num() const override;
    u32 get_group_limit() const override;
    u32 get_last_group() const override;
    bool has_varn_protocol() const override;
    bool has_adv_protocol() const override;
    bool has_apollo_protocol() const override;
    bool is_arch_disabled() const override;
    u32 get_password(u32 level) const override;
    int set_password(u32 level, u32 code) override;
    int get_siren2() const override;
    int get_siren1() const override;
    u16 get_zone_in_test() const override;
    int set_zone_in_test(u16 zone) override;
    bool is_sib_enabled() const override;
    ZpData::ZpxPrinter get_printer() const override;

    // Plain accessors for the repair of the block: they write without a change notice, and the
    // caller marks the block itself.
    CpuRec record(u32 cpu) const { return CpuRec(bytes(), cpu); }
    u8 get_networked() const;
    void put_networked(u8 value);
    void put_sensor_brand(u8 brand);
    void put_param_5220(u8 value);
    // Levels 2 to 4; another level is ignored.
    void put_password(u32 level, u32 code);

private:
    // Const getters read through the same views as the setters.
    u8* bytes() const { return m_data.get(); }
    u32 model() const;
};

} // namespace ZpData_v2602
