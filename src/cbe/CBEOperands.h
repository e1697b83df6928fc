#pragma once
// Operands of a CBE expression: the point, output, group and area references with their
// indexes, and the numbers of TONE and TIM.
#include "cbe/CBEOperator.h"

namespace Ov4800 {

// A leading token ("C", "L", "M", ".") followed by digits.
class CBECPUIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("C..."); }
    int getKind() const override { return KIND_CPU; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

class CBELoopIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("L..."); }
    int getKind() const override { return KIND_LOOP; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

class CBEModuleIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("M..."); }
    int getKind() const override { return KIND_MODULE; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

class CBESubIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("SubIdx..."); }
    int getKind() const override { return KIND_SUB; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

// A leading token ("S", "G", "Z") and one CBEIndex.
class CBESensorIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("S..."); }
    int getKind() const override { return KIND_SENSOR; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

class CBEGroupIndex : public CBEOperator {
public:
    CBEGroupIndex();
    QString getName() const override { return QStringLiteral("G..."); }
    int getKind() const override { return KIND_GROUP; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

class CBEAreaIndex : public CBEOperator {
public:
    CBEAreaIndex();
    QString getName() const override { return QStringLiteral("Z..."); }
    int getKind() const override { return KIND_AREA; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getValue() const;
};

// One CBEIndex.
class ToneIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("ToneIndex"); }
    int getKind() const override { return KIND_TONE_INDEX; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const;
};

class VolumeIndex : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("VolumeIndex"); }
    int getKind() const override { return KIND_VOLUME_INDEX; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const;
};

class Day : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("Day"); }
    int getKind() const override { return KIND_DAY; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const;
};

class Month : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("Month"); }
    int getKind() const override { return KIND_MONTH; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const;
};

class Year : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("Year"); }
    int getKind() const override { return KIND_YEAR; }
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    int getValue() const;
};

// Two two-digit parts around ".": minutes.seconds in DEL and SDEL, hours.minutes in TIM.
class CBETimeSlice : public CBEOperator {
public:
    explicit CBETimeSlice(int maxValue_)
        : maxValue(maxValue_)
    {
    }
    QString getName() const override { return QStringLiteral("MM.SS"); }
    int getKind() const override { return KIND_TIME_SLICE; }
    bool canMoveBack() const override;
    bool isComplete() const override;
    int getErrorCount() const override;
    uint getFirstError() const override;
    bool isKeyEnabled(uint key) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    // First part x 60 + second part.
    int getValue() const;

    int maxValue;

private:
    int part(int position) const;
};

// C, L, S or M, and an optional sub-address: a point a condition reads.
class CBEPoint : public CBEOperator {
public:
    explicit CBEPoint(bool moduleAllowed_ = true);
    QString getName() const override { return QStringLiteral("Point"); }
    int getKind() const override { return KIND_POINT; }
    bool isComplete() const override;
    bool isKeyEnabled(uint key) const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    // Which types of module a program may name where the point stands: those of its owner, also
    // outputs under FLT, any under DIS.
    enum class TypeRule { Group, Fault, Any };
    uint checkPlantReferences(bool direct, const CBEOwner& owner, TypeRule rule) const;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getCpu() const;
    int getLoop() const;
    int getAddress() const;
    int getSub() const;
    // 2 module, 1 sensor, 0 neither yet.
    int getPointFamily() const;

    bool moduleAllowed;
};

// The same reference as an output of a direct expression.
class CBEActivateOutput : public CBEOperator {
public:
    QString getName() const override { return QStringLiteral("OutputModule"); }
    int getKind() const override { return KIND_OUTPUT; }
    bool isComplete() const override;
    bool isKeyEnabled(uint key) const override;
    uint checkPlantReferences(bool direct, const CBEOwner& owner) const override;
    bool addKey(uint key) override;
    bool removeCurrent() override;
    int getCpu() const;
    int getLoop() const;
    int getAddress() const;
    int getSub() const;
    bool hasModuleIndex() const;
};

} // namespace Ov4800
