#pragma once
// What the plant page reads and checks: the panel's description limit, and the panel type,
// enabled CPUs and loops in use of the active plant. A refused value gets a translated reason;
// an accepted one an empty text.
#include <QObject>
#include <QString>
#include <QVariantList>

class OvPlantInfo : public QObject {
    Q_OBJECT

public:
    // The panel stores a description in 32 Latin-1 bytes.
    static constexpr int kDescriptionMax = 32;

    explicit OvPlantInfo(QObject* parent = nullptr);

    // Empty when the panel can keep text as a description; otherwise why not, translated.
    Q_INVOKABLE static QString checkDescription(const QString& text);
    // The panel can keep text as a name: at most 32 characters, all Latin-1.
    static bool fitsName(const QString& text);
    // Stores the plant's description when the check passes; returns the check's text.
    Q_INVOKABLE QString setPlantDescription(const QString& text);

    Q_INVOKABLE QString panelTypeName() const;
    // 1-based numbers of the enabled CPUs, comma separated.
    Q_INVOKABLE QString enabledCpus() const;
    Q_INVOKABLE int activeLoopCount() const;
    Q_INVOKABLE int loopMaxCount() const;
    Q_INVOKABLE int plantType() const;

    // Dotted IPv4 text as the panel stores it (first number in the high byte); 0 when the text
    // is not four numbers of 0 to 255.
    Q_INVOKABLE static uint addressValue(const QString& text);
    // Empty when the plant accepts text as a host address, resp. a netmask; else why not.
    Q_INVOKABLE QString checkAddress(const QString& text) const;
    Q_INVOKABLE QString checkNetmask(const QString& text) const;
    // Empty for no gateway (empty text or 0.0.0.0) or one inside the address's subnet.
    Q_INVOKABLE QString checkGateway(const QString& address, const QString& netmask, const QString& gateway) const;
    // The panel model's CPU has an interface board.
    Q_INVOKABLE bool hasSIB() const;
    // The loop type codes the panel keeps for the panel model's CPU under the plant's detector
    // brand, in code order: APOLLO alone under the APOLLO brand, never APOLLO under another.
    Q_INVOKABLE QVariantList loopTypes() const;
    // The translated name of a loop type code.
    Q_INVOKABLE static QString loopTypeName(int type);
    // Bounds of a numeric general parameter, by its property name in the plant; 0 and -1 for
    // a name that is none.
    Q_INVOKABLE int parameterMinimum(const QString& member) const;
    Q_INVOKABLE int parameterMaximum(const QString& member) const;
    // Empty when value lies within the member's bounds; otherwise why not, translated.
    Q_INVOKABLE QString checkParameter(const QString& member, int value) const;
    // Stores the value in the plant when the check passes; returns the check's text.
    Q_INVOKABLE QString setParameter(const QString& member, int value);

    // An access code as typed: empty for the panel's own code, else digits up to 99999.
    Q_INVOKABLE static QString checkPassword(const QString& text);
    // Stores the code of user level index 0..2 (levels 2 to 4) when the check passes; an empty
    // text stores the panel's own code of the level and says so.
    Q_INVOKABLE QString setPassword(int level, const QString& text);
    // The code as it is compiled: an undefined one as the panel's own code of the level.
    Q_INVOKABLE QString passwordText(int level) const;
};
