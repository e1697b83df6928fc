#pragma once
// One annunciator or viewer address of the active CPU, installed or not, with a working copy of
// its annunciator. Filter row r and the annunciator's filter r stay in step: every change of the
// rows is stored into the annunciator at the same position before the annunciator is sent.
#include "models/OvAnnunciatorDev.h"
#include "plant/OvAnnunciator.h"

class OvAnnunciatorFilterItem;

class OvAnnunciatorDeviceItem : public OvAnnunciatorDev {
public:
    static constexpr int kMaxFilters = 64;

    OvAnnunciatorDeviceItem(const OvAnnunciator& annunciator, int address, OvAnnunciatorDev* parent);

    int itemKind() const override { return kDevice; }
    QString addressText() const override { return QString::number(address); }
    int number() const override { return address; }
    QString description() const override { return annunciator.description(); }
    bool isValid() const override { return annunciator.cpuIndex() >= 1 && annunciator.address() >= 1; }
    int startingZone() const override { return annunciator.startingZone(); }
    int viewerType() const override { return annunciator.viewerType(); }
    void setDescription(const QString& text) override { annunciator.setDescription(text); }
    void install(int cpu, int address) override;
    // Uninstalled without filters; the address, the viewer type and the description stay.
    void reset() override;
    void setStartingZone(int zone) { annunciator.setStartingZone(zone); }
    void setViewerType(int type) { annunciator.setViewerType(type); }

    OvAnnunciatorFilterItem* filterRow(int row) const;
    // Appends row as the last child and stores its filter at that position.
    void appendFilterRow(OvAnnunciatorFilterItem* row);
    // Stores the row's filter at the row's position.
    void storeFilterRow(OvAnnunciatorFilterItem* row);
    // Deletes count rows from first on, with the annunciator's filters at the same positions.
    void removeFilterRows(int first, int count);
    // Marks duplicated filters (585) and filters included in another one (586), on the rows and
    // on the device.
    void validateFilters();

    OvAnnunciator annunciator;
    // 1 to 32: the row + 1, the key under which the annunciator is sent.
    int address;

private:
    // The annunciator without its filters first to first + count - 1, revalidated.
    void dropFilters(int first, int count);
};
