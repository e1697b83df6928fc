#pragma once
// What the plant page reads and checks: the panel's description limit, and the panel type,
// enabled CPUs and loops in use of the active plant. A refused value gets a translated reason;
// an accepted one an empty text.
#include <QObject>
#include <QString>

class OvPlantInfo : public QObject {
    Q_OBJECT

public:
    // The panel stores a description in 32 Latin-1 bytes.
    static constexpr int kDescriptionMax = 32;

    explicit OvPlantInfo(QObject* parent = nullptr);

    // Empty when the panel can keep text as a description; otherwise why not, translated.
    Q_INVOKABLE static QString checkDescription(const QString& text);
    // Stores the plant's description when the check passes; returns the check's text.
    Q_INVOKABLE QString setPlantDescription(const QString& text);

    Q_INVOKABLE QString panelTypeName() const;
    // 1-based numbers of the enabled CPUs, comma separated.
    Q_INVOKABLE QString enabledCpus() const;
    Q_INVOKABLE int activeLoopCount() const;
    Q_INVOKABLE int loopMaxCount() const;
    Q_INVOKABLE int plantType() const;
};
