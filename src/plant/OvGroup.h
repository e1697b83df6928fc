#pragma once
// One group of the plant: a numbered control-by-event program with a name and two options.
// Direct groups (the first ones of the list) hold an operand list, reverse groups a condition.
#include "OS/types.h"

#include <QString>

class OvGroup {
public:
    static constexpr int kRecordSize = 33;
    // The error code of a text changed and not checked since.
    static constexpr int kUnchecked = 0xFFFF;

    OvGroup() = default;
    explicit OvGroup(int index)
        : m_index(index)
    {
    }
    OvGroup(const OvGroup&) = default;
    OvGroup& operator=(const OvGroup&) = default;
    virtual ~OvGroup();

    // The error code is not compared.
    bool operator==(const OvGroup& other) const;
    bool operator!=(const OvGroup& other) const { return !(*this == other); }

    QString description() const { return m_description; }
    bool isDirect() const { return m_direct; }
    // The program text, in display form.
    QString cbe() const { return m_cbe; }
    bool doubleConsent() const { return m_doubleConsent; }
    // The group number, 1-based.
    int index() const { return m_index; }
    // 0: the text compiles or is empty; kUnchecked; else the user error code of the failure.
    int cbeErrorCode() const { return m_cbeErrorCode; }

    // Texts and options cleared, the error code unchecked; the number stays.
    void clear();
    // A change of kind clears the group first. These setters return true.
    bool setDirect(bool direct);
    bool setDoubleConsent(bool on);
    bool setDescription(const QString& description);
    // A changed text is unchecked until the next checkCBE().
    bool setCBE(const QString& text);
    // A result of a check made elsewhere (the plant's, against the whole plant).
    void setCBEErrorCode(int code) { m_cbeErrorCode = code; }

    // Compiles the text against the panel configuration (which holds the direct-group count)
    // and keeps the result in the error code; a failure logs a critical "CBE ERROR: " line.
    void checkCBE();
    // Compiles the text into the group's 33-byte record: the program on success, the record's
    // own program (the empty one of the defaults) otherwise; byte 32 bit 0 takes the double
    // consent. The error code is not changed. False when a text did not compile.
    bool writeToPanelData(u8 record[kRecordSize]) const;

private:
    // The program length (1 to 32) with the program in code, or 0 for an empty text, or -1
    // with errorCode set after logging the failure.
    int compile(u8 code[32], int* errorCode) const;

    QString m_description;
    bool m_direct = false;
    QString m_cbe;
    bool m_doubleConsent = false;
    int m_index = 0;
    int m_cbeErrorCode = kUnchecked;
};
