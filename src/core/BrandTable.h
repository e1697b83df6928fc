#pragma once
// The built-in brand configurations, numbered 1 to 28: fixed rows and pure look-ups. What a
// row derives from the panel model is not here; Configuration reads that from the panel data.
#include <QStringList>
#include <QVariantList>

struct BrandRow {
    int number;
    const char* orgName;
    const char* orgDomain;
    const char* appName;
    const char* windowIcon;
    // Index into kPlantTypeLists.
    int plantTypes;
    int defaultPlantType;
    // PanelType of the empty panel configuration started with this configuration.
    unsigned panelType;
};

class BrandTable {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 28;
    // Configurations every brand shares.
    static constexpr const char* kTranslationFileName = "ov4800";
    static constexpr int kCentralBrand = 2;

    // Null outside 1..28.
    static const BrandRow* row(int number);
    // The plant-type names offered under a configuration; empty outside 1..28.
    static QStringList plantTypes(int number);
    // The configurations a build may apply, in order of preference; never empty.
    static QVariantList allowedConfigs();
    // The configurations that belong to a panel type; empty for a type without one.
    static QVariantList configsForPanelType(int panelType);
    // The plant file extension, with its dot, of a detector brand: 0 to 2, any other the
    // generic one.
    static QString plantFileExtension(int centralBrand);
    // Whether extension (with its dot, any case) ends the plant files of some brand.
    static bool isPlantFileExtension(const QString& extension);
    // The sibling configuration the plant type at index switches to; 0 when there is none.
    // The index is not checked against the plant-type list here.
    static int plantTypeTarget(int configNumber, int index);
};
