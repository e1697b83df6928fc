#pragma once
// A row of the annunciator and viewer tree: the invisible root, a device (annunciator or viewer
// address) or one event filter of a device. The model answers its roles through these virtual
// operations; the base gives the answers of a row that is neither.
#include "models/TreeItem.h"

#include <QString>

class OvAnnunciatorDev : public TreeItem {
public:
    enum Kind { kRoot = 0, kDevice = 2, kFilter = 3 };
    // User error codes of a row.
    enum ErrorCode { kNoError = 0, kDuplicatedFilter = 585, kIncludedFilter = 586 };

    explicit OvAnnunciatorDev(OvAnnunciatorDev* parent = nullptr)
        : TreeItem({}, parent)
    {
    }

    virtual int itemKind() const { return kRoot; }
    virtual QString addressText() const { return QString(); }
    virtual int number() const { return -1; }
    virtual QString description() const { return QString(); }
    virtual QString targetText() const { return QString(); }
    virtual QString iconName() const;
    virtual QString errorText() const;
    // A device: installed. A filter: its target is complete.
    virtual bool isValid() const { return false; }
    virtual int startingZone() const { return 1; }
    virtual int viewerType() const { return 0; }
    virtual void setDescription(const QString&) {}
    virtual void install(int, int) {}
    virtual void reset() {}

    OvAnnunciatorDev* parentDev() const { return static_cast<OvAnnunciatorDev*>(parent()); }
    OvAnnunciatorDev* childDev(int row) const { return static_cast<OvAnnunciatorDev*>(child(row)); }

    int errorCode = kNoError;
};
