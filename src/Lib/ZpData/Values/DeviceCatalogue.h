#pragma once
// Loop-device catalogue. A point on a loop is described by its 16-bit device code (the hardware
// type it reports) and by its type index (row 0 to 63 of the type attribute table: what the panel
// does with it). Fixed tables and pure functions only.
//
// Device code series: 0 to 255 the maker's first series (low byte below 128 sensors, 128 and up
// modules); 0x4000 + n the second series (n up to 9 sensors, above 9 modules); bit 15 set the
// outside maker's series.
#include <string>
#include <vector>

#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

enum : u32 {
    SENSOR_BRAND_KALDOREN = 0,
    SENSOR_BRAND_FERNHOLDT = 1,
    SENSOR_BRAND_TAVREL = 2,
    SENSOR_BRAND_ZELDET = 3,
    SENSOR_BRAND_APOLLO = 4,
    SENSOR_BRAND_ZDKALD = 5,
};

// Classes of the type attribute table.
enum : u32 {
    TYPE_CLASS_NONE = 0,
    TYPE_CLASS_SENSOR = 1,
    TYPE_CLASS_INPUT = 2,
    TYPE_CLASS_OUTPUT = 3,
};

enum {
    TYPE_ROW_NUM = 64,
    ADDRESS_TEXT_SIZE = 100,
};

// --- device codes ---

// Model name of a catalogue code; "---" for code 0, "" for a code outside the catalogue.
const char* get_device_model_name(u16 code);
// 2 for the bit-15 series, 1 for the 0x4000 series, 0 for the first series.
u32 get_code_class(u16 code);
bool is_module_code(u16 code);
// Number of sub-addresses (channels) of a code, at least 1.
u32 get_sub_num(u16 code);
// Type row a device of this code and 0-based sub-address gets by default; 0 = none.
u8 get_default_type(u16 code, u32 sub);
// Type rows a device of this code and sub-address may be programmed as, ordered by type name,
// keeping only rows whose protocol mask allows the line protocol (protocol 3 and above: all).
// panelFamily is the family of the configuration's panel type; only the sounder group asked
// with protocol 1 depends on it.
std::vector<u8> get_sw_type_list(u16 code, u32 protocol, u32 sub, u32 panelFamily);

// --- type attribute table ---

// "" for rows above 63.
const char* get_type_name(u32 type);
// TYPE_CLASS_*; TYPE_CLASS_NONE for rows above 63.
u32 get_type_class(u32 type);
// The row's feature word; 0 for rows above 63.
u16 get_type_features(u32 type);
// The row's 16-bit attribute word: the feature byte, then the list-flag byte (bit 8 a program is
// allowed, bit 9 the device needs a zone); 0 for rows above 63.
u16 get_type_attributes(u32 type);
// True when devices of this type go into the zone list and the Modbus lists.
bool type_is_listed(u32 type);
// 0 for a sensor type, 1 for an input or output module type, -1 for class 0 or rows above 63.
int type_is_module(u32 type);
// Sensor rows 1 and 2: 11, row 3: 10, other sensor rows: 12; input modules: 1; otherwise 0.
u32 get_type_category(u32 type);
// Whether the row's protocol mask allows line protocol 0, 1 or 2; false for anything else.
bool type_has_protocol(u32 type, u32 protocol);
// The second-series code a device of this type is offered as by default; 0 when none.
u16 get_default_code(u32 type);

// --- sensitivity and alarm level of (code, type) ---

u32 get_sens_max(u16 code, u32 type);
bool has_sens(u16 code, u32 type);
u32 get_sens_default(u16 code, u32 type);
u32 get_alarm_level_max(u16 code, u32 type);
bool has_alarm_level(u16 code, u32 type);
u32 get_alarm_level_default(u16 code, u32 type);

// --- brands ---

// Low byte: number of sounder tone types; high byte: number of volume steps.
u16 get_siren_limits(u32 brand);
// "---" above 5.
const char* get_brand_label(u32 brand);

// --- address text ---

// Writes "C%dL%d%c%d" (CPU, line, S or M, loop address; all 1-based), ".%d" with the 1-based
// sub-address for a module of several channels, and " (%s)" with the model name (sensors) or
// the type name (modules). buffer holds ADDRESS_TEXT_SIZE bytes; the text is cut to fit.
// deviceClass is the device's class (DeviceRef::get_device_class); ZpConf::make_address_text
// passes the class of the programmed slot. The text's length.
size_t make_address_text(const DeviceRef& ref, u32 deviceClass, char* buffer);
// The same with the class the reference carries.
size_t make_address_text(const DeviceRef& ref, char* buffer);
std::string new_address_text(const DeviceRef& ref);

// --- table functions kept for the panel software; nothing here calls them ---

// The low byte of the code, plus 159 for the bit-15 series when the detector brand is not APOLLO.
u32 get_code_address_offset(u16 code, u32 sensorBrand);
// Category 0 to 8 of a number by fixed ranges; 9 for a number outside every range.
u32 get_number_category(int number);
// True when the number falls in one of the ranges (category other than 9).
bool number_has_category(int number);
// Always 1.
int get_catalogue_revision();
