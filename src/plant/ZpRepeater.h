#pragma once
// One repeater (remote display unit) of the plant network: enable flag and description.
#include <QString>

class ZpRepeater {
public:
    ZpRepeater() = default;
    ZpRepeater(bool enabled, const QString& description, int index)
        : enabled(enabled)
        , description(description)
        , index(index)
    {
    }
    virtual ~ZpRepeater() = default;
    ZpRepeater(const ZpRepeater&) = default;
    ZpRepeater& operator=(const ZpRepeater&) = default;

    virtual QString className() const { return QStringLiteral("ZpRepeater"); }
    // Disabled and unnamed; the index stays.
    virtual void clear();
    void dump() const;

    bool enabled = false;
    QString description;
    int index = 0;
};
