#include "core/BrandTable.h"

namespace {

constexpr const char* kDomainKaldoren = "kaldoren.com";
constexpr const char* kDomainFernholdt = "fernholdt.com";
constexpr const char* kDomainTavrel = "tavrel-fsx.com";

constexpr const char* kIconKaldoren = ":/Resources/logoKaldoren.ico";
constexpr const char* kIconFernholdt = ":/Resources/logoFernholdt.ico";
constexpr const char* kIconTavrel = ":/Resources/logoTavrel.ico";

enum PlantTypeList { OV4800_OV4700, OV4800N_OV4700, KV, ZPCL };

const char* const kPlantTypeLists[][4] = {
    {"OV4800", "OV4700", nullptr, nullptr},
    {"OV4800N", "OV4700", nullptr, nullptr},
    {"KV1300", "KV1600-4600", nullptr, nullptr},
    {"ZP1300", "ZP1600", "ZP3600", nullptr},
};

const BrandRow kRows[] = {
    {1, "Kaldoren Italia", kDomainKaldoren, "OV4800", kIconKaldoren, OV4800_OV4700, 0, 0},
    {2, "Fernholdt", kDomainFernholdt, "OV4800", kIconFernholdt, OV4800_OV4700, 0, 13},
    {3, "Kaldoren Italia", kDomainKaldoren, "OV4800N", kIconKaldoren, OV4800N_OV4700, 0, 11},
    {4, "Fernholdt", kDomainFernholdt, "OV4800N", kIconFernholdt, OV4800N_OV4700, 0, 12},
    {5, "Fernholdt ES", kDomainFernholdt, "ZP4700", kIconFernholdt, OV4800N_OV4700, 0, 14},
    {6, "Kaldoren Italia", kDomainKaldoren, "OV4700", kIconKaldoren, OV4800N_OV4700, 1, 1},
    {7, "Tavrel-FSX", kDomainTavrel, "KV1300-01", kIconTavrel, KV, 0, 7},
    {8, "Tavrel-FSX UK", kDomainTavrel, "KV1600-01", kIconTavrel, KV, 1, 8},
    {9, "Tavrel-FSX", kDomainTavrel, "KV1300-02", kIconTavrel, KV, 0, 9},
    {10, "Tavrel-FSX", kDomainTavrel, "KV1600-02", kIconTavrel, KV, 1, 10},
    {11, "Tavrel-FSX", kDomainTavrel, "KV1300-03", kIconTavrel, KV, 0, 5},
    {12, "Tavrel-FSX", kDomainTavrel, "KV1600-03", kIconTavrel, KV, 1, 6},
    {13, "Tavrel-FSX", kDomainTavrel, "KV1300-04", kIconTavrel, KV, 0, 16},
    {14, "Tavrel-FSX", kDomainTavrel, "KV1600-04", kIconTavrel, KV, 1, 17},
    {15, "Tavrel-FSX", kDomainTavrel, "KV1300-01", kIconTavrel, KV, 0, 7},
    {16, "Tavrel-FSX UK", kDomainTavrel, "KV1600-01", kIconTavrel, KV, 1, 8},
    {17, "Tavrel-FSX", kDomainTavrel, "KV1300-02", kIconTavrel, KV, 0, 9},
    {18, "Tavrel-FSX", kDomainTavrel, "KV1600-02", kIconTavrel, KV, 1, 10},
    {19, "Tavrel-FSX", kDomainTavrel, "KV1300-03", kIconTavrel, KV, 0, 5},
    {20, "Tavrel-FSX", kDomainTavrel, "KV1600-03", kIconTavrel, KV, 1, 6},
    {21, "Tavrel-FSX", kDomainTavrel, "KV1300-04", kIconTavrel, KV, 0, 16},
    {22, "Tavrel-FSX", kDomainTavrel, "KV1600-04", kIconTavrel, KV, 1, 17},
    {23, "Kaldoren IT", kDomainKaldoren, "ZP1300CL", kIconKaldoren, ZPCL, 0, 2},
    {24, "Kaldoren ES", kDomainKaldoren, "ZP1300CL", kIconKaldoren, ZPCL, 0, 2},
    {25, "Kaldoren IT", kDomainKaldoren, "ZP1600CL", kIconKaldoren, ZPCL, 1, 3},
    {26, "Kaldoren ES", kDomainKaldoren, "ZP1600CL", kIconKaldoren, ZPCL, 1, 3},
    {27, "Kaldoren IT", kDomainKaldoren, "ZP3600CL", kIconKaldoren, ZPCL, 2, 4},
    {28, "Kaldoren ES", kDomainKaldoren, "ZP3600CL", kIconKaldoren, ZPCL, 2, 4},
};

static_assert(sizeof kRows / sizeof kRows[0] == BrandTable::kLast, "one row per configuration");

} // namespace

const BrandRow* BrandTable::row(int number)
{
    if (number < kFirst || number > kLast)
        return nullptr;
    return &kRows[number - kFirst];
}

QStringList BrandTable::plantTypes(int number)
{
    QStringList names;
    if (const BrandRow* r = row(number)) {
        for (const char* name : kPlantTypeLists[r->plantTypes]) {
            if (!name)
                break;
            names << QString::fromLatin1(name);
        }
    }
    return names;
}

QVariantList BrandTable::allowedConfigs()
{
    return {QVariant(7), QVariant(8)};
}

QVariantList BrandTable::configsForPanelType(int panelType)
{
    switch (panelType) {
    case 1: return {QVariant(6)};
    case 2: return {QVariant(23), QVariant(24)};
    case 3: return {QVariant(25), QVariant(26)};
    case 4: return {QVariant(27), QVariant(28)};
    case 5: return {QVariant(11)};
    case 6: return {QVariant(12)};
    case 7: return {QVariant(7)};
    case 8: return {QVariant(8)};
    case 9: return {QVariant(9)};
    case 10: return {QVariant(10)};
    case 11: return {QVariant(3)};
    case 12: return {QVariant(4)};
    case 14: return {QVariant(5)};
    case 16: return {QVariant(13)};
    case 17: return {QVariant(14)};
    default: return {};
    }
}

QString BrandTable::plantFileExtension(int centralBrand)
{
    switch (centralBrand) {
    case 0: return QStringLiteral(".kov");
    case 1: return QStringLiteral(".fov");
    case 2: return QStringLiteral(".tov");
    default: return QStringLiteral(".ov");
    }
}

bool BrandTable::isPlantFileExtension(const QString& extension)
{
    for (int brand = 0; brand <= 3; ++brand) {
        if (extension.compare(plantFileExtension(brand), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

int BrandTable::plantTypeTarget(int configNumber, int index)
{
    switch (configNumber) {
    case 3:
    case 6: return index == 1 ? 6 : 3;
    case 4:
    case 5: return index == 1 ? 5 : 4;
    case 23: return index == 1 ? 25 : index == 2 ? 27 : 23;
    case 24: return index == 1 ? 26 : index == 2 ? 28 : 24;
    case 25: return index == 0 ? 23 : index == 2 ? 27 : 25;
    case 26: return index == 0 ? 24 : index == 2 ? 28 : 26;
    case 27: return index == 0 ? 23 : index == 1 ? 25 : 27;
    case 28: return index == 0 ? 24 : index == 1 ? 26 : 28;
    default: break;
    }
    // The KV configurations come in pairs: the odd one the KV1300, the even one the KV1600.
    if (configNumber >= 7 && configNumber <= 22) {
        if (configNumber % 2 == 1)
            return index == 1 ? configNumber + 1 : configNumber;
        return index == 0 ? configNumber - 1 : configNumber;
    }
    return 0;
}
