#pragma once
// One detection loop of a loop interface board: its wiring (open line or closed ring), its
// protocol type and its two address spaces of points. Once the loop has a type and an owner CPU
// every address slot holds a point; a slot whose point is not valid is a free address.
#include "plant/OvGenericPoint.h"
#include "plant/PointSlots.h"

#include <QString>

class OvGenericSubPoint;

class OvLoop {
public:
    enum LoopType : int {
        LOOP_ZAV200 = 0,
        LOOP_VARN500 = 1,
        LOOP_APOLLO = 2,
        LOOP_UNDEFINED = 0xFFFF,
    };
    // Last record of a device block.
    static constexpr int kLastRecord = 699;

    // The module that takes a loop address and which of its channels sits there.
    struct ModuleAtAddress {
        const OvGenericPoint* point = nullptr;
        // 1-based; 0 for a module without channels.
        int subIndex = 0;
        // Whether the address alone reaches it (not a covered address of a module whose
        // channels go out at its own address).
        bool byAddress = false;
    };

    OvLoop();
    // Reads the line's wiring and type from the panel configuration, then fills the slots.
    OvLoop(int ownerCpu, int loopIndex);
    OvLoop(int ownerCpu, int loopIndex, bool open, int type);
    OvLoop(const OvLoop& other);
    OvLoop& operator=(const OvLoop& other);
    // Takes other's points without copying them; other is left without points.
    OvLoop& operator=(OvLoop&& other) noexcept;
    virtual ~OvLoop();

    // Slots and default point protocols of a loop type; 0 for an undefined type.
    static int sensorSlots(int type);
    static int moduleSlots(int type);
    static int sensorProtocol(int type);
    static int moduleProtocol(int type);
    static QString typeName(int type);
    // folder + "/Loop_" + CPU and loop, each right-aligned in two characters, + ".csv".
    static QString csvFileName(const QString& folder, int cpu, int loop);

    bool isOpen() const { return m_open; }
    int type() const { return m_type; }
    int ownerCpu() const { return m_ownerCpu; }
    int loopIndex() const { return m_loopIndex; }
    const QList<OvGenericPoint*>& sensors() const { return m_sensors; }
    const QList<OvGenericPoint*>& modules() const { return m_modules; }

    void clearSensors() { m_sensors.deleteAll(); }
    void clearModules() { m_modules.deleteAll(); }

    // False, nothing changed, for a loop without type or owner.
    bool setOpen(bool open);
    // Any value but 0, 1 and 2 makes the type undefined; rebuild refills both lists.
    void setType(int type, bool rebuild);
    // False, nothing changed, for a loop without type or owner or for the current type; else
    // every point is discarded and the slots are refilled for the new type.
    bool changeType(int type);
    // Re-reads wiring and type, then refills the slots as a new loop of that type has them.
    void reloadSettings();
    QString getTypeName() const { return typeName(m_type); }
    void dump() const;

    // family 1 sensors, anything else modules; null outside the list.
    OvGenericPoint* getPoint(int index, int family) const;
    bool isEmpty() const;
    bool updateSensor(const OvGenericPoint& point);
    bool updateModule(const OvGenericPoint& point);
    bool updatePoint(const OvGenericPoint& point);
    // True with nothing stored for an address past the list.
    bool updateSubPoint(const OvGenericSubPoint& channel);
    // A point or channel read from the panel configuration.
    void loadPoint(const OvGenericPoint* point);
    // After the panel loader: each module with channels has those of its type, the ones no record
    // gave untyped as an erased channel is, and keeps no description of a channel as its own.
    void completeLoadedModules();
    // The addresses a module takes on this loop: its addressSpan, and on a VARN loop one per
    // channel whatever its records say.
    int spanOf(const OvGenericPoint& module) const;
    // Which module answers at a loop address (1-based): a module takes the addresses of its
    // spanOf; where two take one, the lower one answers, as the panel takes the first
    // record in loop order. No point for a free address.
    ModuleAtAddress moduleAtAddress(int address) const;
    // The modules whose addresses meet another module's, in address order: files of older
    // versions may hold them.
    QList<const OvGenericPoint*> conflictingModules() const;
    // Whether a module of this loop takes an address another module takes too.
    bool sharesAddress(const OvGenericPoint& module) const;
    const OvGenericPoint* nextValidSensor(const OvGenericPoint* after) const;
    const OvGenericPoint* nextValidModule(const OvGenericPoint* after) const;
    bool findNextSensor(int* pos, OvGenericPoint* out) const;
    bool findNextModule(int inputTypeMask, int* pos, OvGenericPoint* out) const;

    int getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const;
    int getActivePointCount(int protocolMask, int seriesMask, int familyMask, int inputTypeMask) const;
    bool isAreaAssigned() const;
    bool hasCBEError() const;
    // A KORVA input module whose inputs do not name a valid sensor of the input device's code.
    bool hasInvalidFastInput() const;
    void checkCBE();

    // Device records the valid points and channels take.
    int recordCount() const;
    // Writes the valid points into DeviceProg block deviceProgIndex from its first free record
    // on, their names into the NameProg block of the same index. Never writes past the block:
    // what does not fit is left out with a critical log line. Returns the number of records
    // left out (0 when every point was stored).
    int storeToPanel(int deviceProgIndex) const;
    // The loop's CSV file in folder; false when it could not be written completely.
    bool exportCSV(const QString& folder) const;

private:
    void readLineSettings();
    void fillSensors();
    void fillModules();
    void copyLists(const OvLoop& other);
    int activeCount(int protocolMask, int seriesMask, int familyMask, int inputTypeMask) const;
    bool isKorvaInput(int address) const;

    bool m_open = false;
    int m_type = LOOP_UNDEFINED;
    int m_ownerCpu = 0;
    int m_loopIndex = 0;
    PointSlots m_sensors;
    PointSlots m_modules;
};
