#pragma once
// The brand configuration the program runs under: names, icon, offered protocols, CPU and plant
// types, and the limits derived from the panel model of the panel configuration in memory.
// One object per process (Configuration::instance()), published to QML as "config".
#include <QObject>
#include <QString>
#include <QVariantList>

class Configuration : public QObject {
    Q_OBJECT
    Q_PROPERTY(int configNumber READ configNumber WRITE set_configNumber NOTIFY configNumberChanged)
    Q_PROPERTY(QString orgName READ orgName WRITE set_orgName NOTIFY orgNameChanged)
    Q_PROPERTY(QString orgDomain READ orgDomain WRITE set_orgDomain NOTIFY orgDomainChanged)
    Q_PROPERTY(QString appName READ appName WRITE set_appName NOTIFY appNameChanged)
    Q_PROPERTY(QString translationFileName READ translationFileName WRITE set_translationFileName NOTIFY
                   translationFileNameChanged)
    Q_PROPERTY(QString windowIcon READ windowIcon WRITE set_windowIcon NOTIFY windowIconChanged)
    Q_PROPERTY(bool proto_adv READ proto_adv WRITE set_proto_adv NOTIFY proto_advChanged)
    Q_PROPERTY(bool proto_apollo READ proto_apollo WRITE set_proto_apollo NOTIFY proto_apolloChanged)
    Q_PROPERTY(bool proto_varn READ proto_varn WRITE set_proto_varn NOTIFY proto_varnChanged)
    Q_PROPERTY(int central_brand READ central_brand WRITE set_central_brand NOTIFY central_brandChanged)
    Q_PROPERTY(int current_brand READ current_brand WRITE set_current_brand NOTIFY current_brandChanged)
    Q_PROPERTY(QVariantList brandChoices READ brandChoices WRITE set_brandChoices NOTIFY brandChoicesChanged)
    Q_PROPERTY(QVariantList cpuTypeList READ cpuTypeList WRITE set_cpuTypeList NOTIFY cpuTypeListChanged)
    Q_PROPERTY(QVariantList allowedPlantTypes READ allowedPlantTypes WRITE set_allowedPlantTypes NOTIFY
                   allowedPlantTypesChanged)
    Q_PROPERTY(int defaultPlantType READ defaultPlantType WRITE set_defaultPlantType NOTIFY defaultPlantTypeChanged)
    Q_PROPERTY(bool has_sib READ has_sib WRITE set_has_sib NOTIFY has_sibChanged)
    Q_PROPERTY(bool has_network_type READ has_network_type WRITE set_has_network_type NOTIFY has_network_typeChanged)
    Q_PROPERTY(int maxDevPerZone READ maxDevPerZone WRITE set_maxDevPerZone NOTIFY maxDevPerZoneChanged)
    Q_PROPERTY(int sirenMaxType READ sirenMaxType WRITE set_sirenMaxType NOTIFY sirenMaxTypeChanged)
    Q_PROPERTY(int sirenMaxVolume READ sirenMaxVolume WRITE set_sirenMaxVolume NOTIFY sirenMaxVolumeChanged)
    Q_PROPERTY(QString notify READ notify WRITE set_notify NOTIFY notifyChanged)

public:
    static Configuration* instance();

    int configNumber() const { return m_configNumber; }
    QString orgName() const { return m_orgName; }
    QString orgDomain() const { return m_orgDomain; }
    QString appName() const { return m_appName; }
    QString translationFileName() const { return m_translationFileName; }
    QString windowIcon() const { return m_windowIcon; }
    bool proto_adv() const { return m_proto_adv; }
    bool proto_apollo() const { return m_proto_apollo; }
    bool proto_varn() const { return m_proto_varn; }
    int central_brand() const { return m_central_brand; }
    int current_brand() const { return m_current_brand; }
    QVariantList brandChoices() const { return m_brandChoices; }
    QVariantList cpuTypeList() const { return m_cpuTypeList; }
    QVariantList allowedPlantTypes() const { return m_allowedPlantTypes; }
    int defaultPlantType() const { return m_defaultPlantType; }
    bool has_sib() const { return m_has_sib; }
    bool has_network_type() const { return m_has_network_type; }
    int maxDevPerZone() const { return m_maxDevPerZone; }
    int sirenMaxType() const { return m_sirenMaxType; }
    int sirenMaxVolume() const { return m_sirenMaxVolume; }
    QString notify() const { return m_notify; }

    Q_INVOKABLE bool isKVVarn() const;
    Q_INVOKABLE bool isKVAdv() const;
    Q_INVOKABLE bool isKV() const;
    Q_INVOKABLE bool isZP4x() const;
    Q_INVOKABLE bool isZPCL() const;
    // The translated detector-brand name; empty for a value without one.
    Q_INVOKABLE QString getBrandString(int brand) const;
    // image holds one "%1"; the result is the name with the first branded suffix whose image is
    // among the resources (":/Resources/"), without that prefix, or empty when none is.
    // cpuType 255 (the one-argument form) adds no CPU-specific suffix.
    Q_INVOKABLE QString getBrandedIcon(const QString& image, int cpuType) const;
    Q_INVOKABLE QString getBrandedIcon(const QString& image) const;
    Q_INVOKABLE void newPlantTypeChosen(int index);
    Q_INVOKABLE QString getFileExtension() const;
    Q_INVOKABLE void printCfg() const;

    // Display name of a CPU type code; "UNKNOWN" for a code without one.
    static QString getCpuTypeName(int code);
    // Text of a fixed-length name field of the panel data: cut at the first zero byte, whose
    // position on is zeroed in the field. Never touches more than 32 bytes.
    static QString charBufferToString(char* buffer, int length);
    // Loop protocols other than VARN are always allowed; VARN device lists only on a ZP4x00
    // panel or under the Apollo detector brand.
    bool isLoopProtocolAllowed(bool forVarn) const;
    // The device codes a device type index may be placed as on the current panel; empty when
    // the panel configuration does not enable the type.
    QVariantList getAllowedDeviceTypes(quint8 deviceType) const;

    // Applies configuration number when the build allows it; newPanelConfig starts an empty
    // panel configuration of its panel type, otherwise the loaded panel data is kept.
    bool applyConfigNumber(int number, bool newPanelConfig);
    QVariantList getAllowedConfigs() const;
    QVariantList getConfigsForPanelType(int panelType) const;
    void loadDefaultConfig();
    // The allowed configuration of a loaded file's panel type; false when none fits.
    bool applyPanelTypeConfig(int panelType);

public slots:
    bool set_configNumber(int value);
    bool set_orgName(const QString& value);
    bool set_orgDomain(const QString& value);
    bool set_appName(const QString& value);
    bool set_translationFileName(const QString& value);
    bool set_windowIcon(const QString& value);
    bool set_proto_adv(bool value);
    bool set_proto_apollo(bool value);
    bool set_proto_varn(bool value);
    bool set_central_brand(int value);
    bool set_current_brand(int value);
    bool set_brandChoices(const QVariantList& value);
    bool set_cpuTypeList(const QVariantList& value);
    bool set_allowedPlantTypes(const QVariantList& value);
    bool set_defaultPlantType(int value);
    bool set_has_sib(bool value);
    bool set_has_network_type(bool value);
    bool set_maxDevPerZone(int value);
    bool set_sirenMaxType(int value);
    bool set_sirenMaxVolume(int value);
    bool set_notify(const QString& value);

signals:
    void configNumberChanged(int configNumber);
    void orgNameChanged(const QString& orgName);
    void orgDomainChanged(const QString& orgDomain);
    void appNameChanged(const QString& appName);
    void translationFileNameChanged(const QString& translationFileName);
    void windowIconChanged(const QString& windowIcon);
    void proto_advChanged(bool proto_adv);
    void proto_apolloChanged(bool proto_apollo);
    void proto_varnChanged(bool proto_varn);
    void central_brandChanged(int central_brand);
    void current_brandChanged(int current_brand);
    void brandChoicesChanged(const QVariantList& brandChoices);
    void cpuTypeListChanged(const QVariantList& cpuTypeList);
    void allowedPlantTypesChanged(const QVariantList& allowedPlantTypes);
    void defaultPlantTypeChanged(int defaultPlantType);
    void has_sibChanged(bool has_sib);
    void has_network_typeChanged(bool has_network_type);
    void maxDevPerZoneChanged(int maxDevPerZone);
    void sirenMaxTypeChanged(int sirenMaxType);
    void sirenMaxVolumeChanged(int sirenMaxVolume);
    void notifyChanged();

private slots:
    // Keeps the detector brand of the panel data in step with current_brand and refreshes
    // what depends on it.
    void onCurrentBrandChanged(int brand);

private:
    Configuration();

    // Compare, store, emit on change.
    template <class T>
    bool change(T& field, const T& value, void (Configuration::*signal)(const T&))
    {
        if (field == value)
            return false;
        field = value;
        emit(this->*signal)(field);
        return true;
    }
    template <class T>
    bool change(T& field, T value, void (Configuration::*signal)(T))
    {
        if (field == value)
            return false;
        field = value;
        emit(this->*signal)(field);
        return true;
    }
    // The panel-model properties, from the panel configuration in memory.
    void derivePanelModel();
    void applySirenLimits(int brand);

    int m_configNumber = 0;
    QString m_orgName;
    QString m_orgDomain;
    QString m_appName;
    QString m_translationFileName;
    QString m_windowIcon;
    bool m_proto_adv = false;
    bool m_proto_apollo = false;
    bool m_proto_varn = false;
    int m_central_brand = 0;
    int m_current_brand = 0;
    QVariantList m_brandChoices;
    QVariantList m_cpuTypeList;
    QVariantList m_allowedPlantTypes;
    int m_defaultPlantType = 0;
    bool m_has_sib = false;
    bool m_has_network_type = false;
    int m_maxDevPerZone = 0;
    int m_sirenMaxType = 0;
    int m_sirenMaxVolume = 0;
    QString m_notify;
};
