#pragma once
// Which grammar a point's CBE text is compiled with: the kind the CBE text model gives the text
// (1 a direct operand list, 2 an operator expression, 0xFFFF undetermined). The text model
// installs its classifier here; until it does, the kind is read from the text's first token.
#include <QString>

using CBEKindFn = uint (*)(const QString& text);

constexpr uint kCBEKindDirect = 1;
constexpr uint kCBEKindOperator = 2;
constexpr uint kCBEKindUndefined = 0xFFFF;

// nullptr restores the first-token rule.
void setCBEKindClassifier(CBEKindFn classifier);
uint cbeTextKind(const QString& text);
