#include "plant/OvCBEKind.h"

#include <QStringList>

namespace {

CBEKindFn s_classifier = nullptr;

// An opening parenthesis starts a direct expression, an operator keyword an operator one.
uint firstTokenKind(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('(')))
        return kCBEKindDirect;
    int end = 0;
    while (end < trimmed.size() && trimmed.at(end) >= QLatin1Char('A') && trimmed.at(end) <= QLatin1Char('Z'))
        ++end;
    static const QStringList operators = {"OR",  "AND", "NOT", "XGRP", "DEL", "TIM",
                                          "SDEL", "PRE", "FLT", "DIS",  "TAC", "TONE"};
    return operators.contains(trimmed.left(end)) ? kCBEKindOperator : kCBEKindUndefined;
}

} // namespace

void setCBEKindClassifier(CBEKindFn classifier)
{
    s_classifier = classifier;
}

uint cbeTextKind(const QString& text)
{
    return s_classifier != nullptr ? s_classifier(text) : firstTokenKind(text);
}
