#pragma once
// One addressable point of a loop: a sensor or a module, with its channels (sub-addresses) when
// its device has several. Holds what the installer programs for one loop address, writes it into
// the panel's 43-byte device record and reads it back.
//
// A "position" is 0-based: position 0 of a point without channels is the point itself,
// otherwise position k is the channel with sub index k + 1.
#include <QList>
#include <QString>

#include "OS/types.h"

class OvGenericSubPoint;
class PointType;

// A point's channels. A copy holds channels of its own from the start, so that no channel
// reached through one point is shared with a copy of it; an empty list holds none and stays
// shared, as detaching it would allocate for nearly every point.
class OvChannelList : public QList<OvGenericSubPoint> {
public:
    OvChannelList() = default;
    OvChannelList(const OvChannelList& other);
    OvChannelList& operator=(const OvChannelList& other);
    ~OvChannelList() = default;

    // A writable walk over an empty list would give it storage of its own first: it walks
    // nothing instead.
    using QList<OvGenericSubPoint>::begin;
    using QList<OvGenericSubPoint>::end;
    iterator begin();
    iterator end();
};

class OvGenericPoint {
    // The legacy reader sets the device code as stored and grows the channels from the point.
    friend class OvFileMng;

public:
    // Feature bits of a type row.
    enum Feature : uint {
        FEATURE_AUDIT = 1,
        FEATURE_ALERT_LEVEL = 2,
        FEATURE_THREE_LEVELS = 4,
        FEATURE_TRACKING = 8,
        FEATURE_FLASHING = 16,
        FEATURE_RAVI_RADIO = 32,
        FEATURE_SILENCE = 64,
        FEATURE_AUTO_SILENCE = 128,
        FEATURE_CBE = 256,
        FEATURE_AREA = 512,
    };
    // inputType of a point whose channels each have their own.
    static constexpr int kInputTypeChannels = 3;
    // The alarm levels a detector with one alarm level can be given.
    static constexpr int kAlertLevels = 5;
    static constexpr int kCBEUnchecked = 0xFFFF;
    static constexpr u32 kLoopTypeUndefined = 0xFFFF;
    static constexpr u16 kLinkedModuleCode = 0x400D;
    // The linked module (code 16397 of the second series) stands at a multiple of ten and takes
    // the module address after it for its second channel: next is the module there, which must
    // exist and be free.
    static bool isLinkedModule(int series, u16 hwType) { return series == 2 && hwType == kLinkedModuleCode; }
    static bool linkedModuleFits(unsigned int address, const OvGenericPoint* next);
    // The channels a module of this code has in a plant: two for the linked module, else the
    // catalogue's count.
    static int channelsOfCode(int series, u16 hwType);
    // Gives a linked module's first two channels the one type their catalogue allows each.
    void typeLinkedChannels();

    OvGenericPoint();
    OvGenericPoint(int family, int cpuIndex, int loopIndex, unsigned int address);
    // Reads a point from a device record of a loop of the given loop type (0 ADV, 1 VARN,
    // 2 APOLLO; kLoopTypeUndefined when unknown), then dumps it to the log.
    OvGenericPoint(int cpuIndex, int loopIndex, const u8* rec, u32 loopType = kLoopTypeUndefined);
    OvGenericPoint(const OvGenericPoint& other);
    OvGenericPoint& operator=(const OvGenericPoint& other);
    virtual ~OvGenericPoint();

    virtual int getSubIndex() const { return 0; }
    // The device class its panel record carries (byte 4 bits 6-7).
    u32 recordClass() const;
    // Consecutive loop addresses the device takes from its own: one per channel when its channel
    // records go out as consecutive (the panel reaches channel k at address + k - 1) or it is of
    // the second series; 1 for a sensor or a module without channels.
    int addressSpan() const;
    // Whether a loop address alone reaches its channels, each at address + sub index - 1: a
    // program names channel 2 of a module at 10 "M11" rather than "M10.2". The one rule of the
    // channel rows, the keypad, the report and the walk test; the loop type plays no part (a
    // first-protocol module on a VARN loop still has its channels share its address).
    bool channelsAtOwnAddresses() const;
    // Whether the point is a channel reached at a loop address of its own, by the rule above.
    bool atOwnAddress() const;
    virtual void dump() const;
    virtual bool isComplete() const;
    virtual void reset();
    // Writes the point into a record whose byte 0 and byte 1 bit 6 the loop writer has set.
    // Bytes 11-42 are parseCBE's.
    virtual void packRecord(u8* rec) const;
    virtual bool hasFeature(unsigned int mask) const;
    // Whether the point has the setting of a feature, as its row offers it: a valid point of the
    // family (0 for any), without channels when noChannels, whose type has the feature.
    bool hasSetting(int family, bool noChannels, unsigned int feature) const;
    // Compiles the CBE text into out (byte 11 of the record); out is untouched when the text is
    // empty or does not compile.
    virtual void parseCBE(u8* out) const;
    virtual bool isAreaAssigned() const;

    // Every field except the channel list, the sub index and the CBE error code.
    void assignData(const OvGenericPoint& other);
    // A copy that stays at this point's location, channels included.
    void pasteFrom(const OvGenericPoint& other);

    // --- queries ---
    // Asked of every slot of every loop by each count and conversion, so kept inline.
    bool isValid() const
    {
        const bool hasChannels = !m_subPoints.isEmpty();
        return m_protocol != 0 && m_family != 0 && m_series != 0 && m_hwType != 0 && (m_inputType != 0 || hasChannels)
            && (m_swType != 0 || hasChannels);
    }
    bool isValid(int position) const;
    bool isComplete(int position) const;
    int getAreaIndex(int position) const;
    bool setAreaIndex(int position, int area);
    int getInputType(int position) const;
    int getValidCount() const;
    int getInputCount() const;
    int getCBEErrorCode() const;
    // Every programmed field and channel alike; the CBE error code and the sub index are not
    // compared.
    bool isEqual(const OvGenericPoint& other) const;
    bool isSameType(const PointType* type) const;
    QString getSubTypeName(int position) const;
    bool isUsableFor(int kind) const;

    // --- changes ---
    // Empties the point; keeps family, location and sub index.
    void resetData();
    bool setProtocol(int protocol);
    bool setSeries(int series);
    bool setSWType(unsigned char swType, bool recompute);
    bool setCheckAudit(bool value);
    // Marks the CBE error code unchecked when the text changes.
    bool setCBE(const QString& text);
    void checkCBE();
    // The user error code of the text compiled with this point as owner; 0 for an empty text.
    // Nothing is stored.
    u32 cbeTextError() const;
    // This point as the owner of its CBE program: its PackedAddress as the compiler is given it,
    // read as byte 0 + 256 x byte 1 + 65536 x byte 2.
    uint cbeOwner() const;
    void applyTypeDefaults();
    void setPointType(const PointType& type);
    void copyType(const OvGenericPoint& other);
    // Stores a channel at its sub index, creating the channels of the device first when the
    // point has none: the device then takes the channel's place and code, not its settings. True
    // only when an existing channel was replaced.
    bool updateSubPoint(const OvGenericSubPoint& channel);
    // Drops untyped channels from the end while more than count remain.
    void dropUntypedChannelsAfter(int count);
    // Legacy plant files: 1 or 2 kept, anything else 0.
    void importFamily(char value) { m_family = importCode(value); }
    void importProtocol(char value) { m_protocol = importCode(value); }
    void importInputType(char value) { m_inputType = importCode(value); }
    void importSeries(char value) { m_series = importCode(value); }

    // --- fields ---
    const QList<OvGenericSubPoint>& subPoints() const;
    int cpuIndex() const { return m_cpuIndex; }
    int loopIndex() const { return m_loopIndex; }
    unsigned int address() const { return m_address; }
    u16 hwType() const { return m_hwType; }
    u8 swType() const { return m_swType; }
    int inputType() const { return m_inputType; }
    int family() const { return m_family; }
    int protocol() const { return m_protocol; }
    int series() const { return m_series; }
    const QString& description() const { return m_description; }
    int areaIndex() const { return m_areaIndex; }
    bool checkAudit() const { return m_checkAudit; }
    bool checkFlashing() const { return m_checkFlashing; }
    bool checkTracking() const { return m_checkTracking; }
    bool checkRaviSCtrlDisa() const { return m_checkRaviSCtrlDisa; }
    bool checkTrackingMod() const { return m_checkTrackingMod; }
    bool checkFlashingMod() const { return m_checkFlashingMod; }
    bool checkAutoSilenceMod() const { return m_checkAutoSilenceMod; }
    bool checkSilenceMod() const { return m_checkSilenceMod; }
    int sensNormal() const { return m_sensNormal; }
    int sensLow() const { return m_sensLow; }
    int sensHigh() const { return m_sensHigh; }
    const QString& cbe() const { return m_cbe; }
    int alertLevelRAVI() const { return m_alertLevelRAVI; }
    // The level the loop page names, 1 to kAlertLevels; 0 where it names none: a point whose type
    // has no alarm level or that has channels, or a stored value outside the levels.
    int alertLevel() const;
    int fastInputDev1() const { return m_fastInputDev1; }
    int fastInputDev2() const { return m_fastInputDev2; }
    bool fastInputLogic() const { return m_fastInputLogic; }
    int cbeErrorCode() const { return m_cbeErrorCode; }

    void setLocation(int cpuIndex, int loopIndex, unsigned int address);
    void setDescription(const QString& text) { m_description = text; }
    void setAreaIndex(int area) { m_areaIndex = area; }
    void setCheckFlashing(bool value) { m_checkFlashing = value; }
    void setCheckTracking(bool value) { m_checkTracking = value; }
    void setRaviRadioFlag(bool value) { m_checkRaviSCtrlDisa = value; }
    void setCheckTrackingMod(bool value) { m_checkTrackingMod = value; }
    void setCheckFlashingMod(bool value) { m_checkFlashingMod = value; }
    void setCheckAutoSilenceMod(bool value) { m_checkAutoSilenceMod = value; }
    void setCheckSilenceMod(bool value) { m_checkSilenceMod = value; }
    void setSensitivities(int normal, int low, int high);
    void setAlertLevelRAVI(int level) { m_alertLevelRAVI = level; }
    void setFastInput(int dev1, int dev2, bool logic);
    // A code the plant checked the text with.
    void setCBEErrorCode(int code) { m_cbeErrorCode = code; }

protected:
    // The text of the log dump without its last item.
    QString dumpHead() const;
    // Byte 4 bits 6-7 of the record.
    virtual void packClass(u8* rec) const;
    // Byte 8 of a module record.
    virtual u8 moduleByte8() const { return 0; }
    // Compiles the CBE text for this point as owner into buffer; the program length, or -1
    // with the compiler's error code after the critical log line.
    int compileCBE(QByteArray& buffer, u8* errorCode = nullptr) const;
    // The channel at a position, the point itself without channels, null for a bad position.
    const OvGenericPoint* at(int position) const;
    OvGenericPoint* at(int position);

private:
    static int importCode(char value) { return value == 1 || value == 2 ? value : 0; }
    static bool isFastInputCode(int series, u16 hwType) { return series == 1 && hwType >= 180 && hwType <= 182; }
    // Appends a copy of this point, without channels, as channel subIndex.
    void appendChannelCopy(unsigned int subIndex);
    // Becomes the untyped device of a channel: the channel's place and code, no software type and
    // none of the channel's settings.
    void takeDeviceOf(const OvGenericPoint& channel);

protected:
    // Held by value; the type is complete where the point's members are defined.
    OvChannelList m_subPoints;
    int m_cpuIndex = -1;
    int m_loopIndex = -1;
    unsigned int m_address = 0;
    u16 m_hwType = 0;
    u8 m_swType = 0;
    int m_inputType = 0;
    int m_family = 0;
    int m_protocol = 0;
    int m_series = 0;
    QString m_description;
    int m_areaIndex = -1;
    bool m_checkAudit = true;
    bool m_checkFlashing = false;
    bool m_checkTracking = false;
    bool m_checkRaviSCtrlDisa = false;
    bool m_checkTrackingMod = false;
    bool m_checkFlashingMod = false;
    bool m_checkAutoSilenceMod = false;
    bool m_checkSilenceMod = false;
    int m_sensNormal = 1;
    int m_sensLow = 1;
    int m_sensHigh = 1;
    QString m_cbe;
    int m_alertLevelRAVI = 0;
    int m_fastInputDev1 = 0;
    int m_fastInputDev2 = 0;
    bool m_fastInputLogic = false;
    int m_cbeErrorCode = 0;
};
