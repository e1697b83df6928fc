#pragma once
// One loop interface board (LIB) of a CPU: owns the loops it drives, answers the CPU's per-loop
// questions, builds itself and its points from the panel configuration and writes itself back.
#include "plant/OvLoop.h"
#include "plant/OwningPtrList.h"

#include <QString>
#include <QStringList>

#include <array>

class OvGenericPoint;

class OvLib {
public:
    OvLib();
    // 1-based CPU and board; only board 1 starts installed (with its loops). A zero number is
    // fatal.
    OvLib(int cpuIndex, int idx);
    // 0-based CPU and board, and the DeviceProg block the panel configuration binds to them.
    OvLib(int cpu, int board, int deviceProgIndex);
    OvLib(const OvLib& other);
    OvLib& operator=(const OvLib& other);
    // Takes other's loops without copying them.
    OvLib& operator=(OvLib&& other) noexcept;
    ~OvLib();

    // Bytes 1 to 4 of the board's record in the panel configuration.
    using RecordTail = std::array<u8, 4>;

    bool isInstalled() const { return m_installed; }
    int idx() const { return m_idx; }
    int cpuIndex() const { return m_cpuIndex; }
    const QList<OvLoop*>& loops() const { return m_loops; }
    // The board defaults from creation and from each change of the installed bit on; those of
    // the panel configuration for a board read from it.
    const RecordTail& recordTail() const { return m_recordTail; }

    void clear();
    // Switching on creates the loops when there are none; otherwise, with reload, every loop
    // reloads its settings from the panel configuration. Loops and points are always kept; the
    // record's other bytes go back to the board defaults.
    void setInstalled(bool on, bool reload);
    void uninstall();
    void reloadLoops();
    // Writes the board record and, when installed, the points of its loops into the first free
    // DeviceProg block. Returns the number of device records left out (no free block, or a
    // block too small); each loop that lost records says so in a critical log line.
    int storeToPanel() const;

    // line counted from 0 within the CPU.
    OvGenericPoint* getPoint(int line, int index, int family) const;
    int getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const;
    int getLoopActiveCount(unsigned position, int protocolMask, int familyMask, int inputTypeMask) const;
    bool isLoopEmpty(unsigned position) const;
    bool setLoopOpen(unsigned position, bool open);
    bool setLoopType(unsigned position, int type);
    bool isAreaAssigned() const;
    bool hasCBEError() const;
    bool hasInvalidFastInput() const;
    void checkCBE();
    // Loops and points that belong to another CPU or board, or past the loop list, are ignored.
    void updateLoop(const OvLoop& loop);
    void updateLoop(OvLoop&& loop);
    void updatePoint(const OvGenericPoint* point);
    void loadPoint(const OvGenericPoint* point);
    // The loop files of an installed board; their paths are appended to written. False when a
    // file could not be written completely.
    bool exportCSV(const QString& folder, QStringList* written = nullptr) const;
    void dump() const;

private:
    void createLoops();
    // Position in the loop list of a loop of this CPU, or -1 when it is not on this board.
    int positionOf(int cpuIndex, int loopIndex) const;
    // The same with the lines per board given, for a caller that asks them once.
    int positionOf(int cpuIndex, int loopIndex, int lines) const;
    void loadFromPanel(int cpu, int board, int deviceProgIndex);

    bool m_installed = false;
    int m_idx = 0;
    int m_cpuIndex = 0;
    RecordTail m_recordTail = {};
    OwningPtrList<OvLoop> m_loops;
};
