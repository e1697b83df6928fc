#pragma once
// The enums of the brand configuration as the QML scene sees them ("Config" in "com.config").
#include <QObject>

class ConfigurationCommon : public QObject {
    Q_OBJECT
public:
    // The same numbers as the detector brand byte of the panel data.
    enum sensorBrand {
        Kaldoren = 0,
        Fernholdt = 1,
        Tavrel = 2,
        ZelmarDetect = 3,
        Apollo = 4,
    };
    Q_ENUM(sensorBrand)

    enum centralBrand {
        Central_Kaldoren = 0,
        Central_Fernholdt = 1,
        Central_Tavrel = 2,
    };
    Q_ENUM(centralBrand)

    enum Configuration {
        ZP4800_IT_OLD = 1,
        ZP4800_FERNHOLDT_IT_OLD = 2,
        ZP4800N = 3,
        ZP4800N_FERNHOLDT = 4,
        ZP4700_ES = 5,
        ZP4700_IT = 6,
        KV1300_01 = 7,
        KV1600_01 = 8,
        KV1300_02 = 9,
        KV1600_02 = 10,
        KV1300_03 = 11,
        KV1600_03 = 12,
        KV1300_04 = 13,
        KV1600_04 = 14,
        KV1300_01A = 15,
        KV1600_01A = 16,
        KV1300_02A = 17,
        KV1600_02A = 18,
        KV1300_03A = 19,
        KV1600_03A = 20,
        KV1300_04A = 21,
        KV1600_04A = 22,
        ZP1300CL_IT = 23,
        ZP1300CL_ES = 24,
        ZP1600CL_IT = 25,
        ZP1600CL_ES = 26,
        ZP3600CL_IT = 27,
        ZP3600CL_ES = 28,
    };
    Q_ENUM(Configuration)

    explicit ConfigurationCommon(QObject* parent = nullptr);

    // Registers this class as the QML type "Config" 0.1 of module "com.config"; the scene only
    // reads its enums.
    static void registerQmlType();
};
