#pragma once
// Root of a CBE expression tree, with the tokenizer and the conversions between the storage
// form ("SUB1") and the display form ("SUB").
#include "cbe/CBEOperator.h"

namespace Ov4800 {

// Code of the longest token text the text begins with; TK_NONE when none.
uint findStorageToken(const QString& text);
uint findDisplayToken(const QString& text);
// Both stop at the first character that starts no token and drop the rest.
QString toDisplayString(const QString& storageText);
QString toStorageString(const QString& displayText);
// 1 direct expression, 2 operator expression, 0xFFFF neither.
uint checkCBEString(const QString& text);
// The CBECompileError the compiler gives the form of a storage-form text, whatever the panel
// holds of what it names; -1 when it takes it.
int cbeFormError(bool direct, const QString& storageText);

class CBEExpression {
public:
    enum Kind : uint { KIND_DIRECT = 1, KIND_OPERATOR = 2, KIND_UNKNOWN = 0xFFFF };

    explicit CBEExpression(bool direct);
    explicit CBEExpression(const QString& text);
    // The editor's: the text when it is of the wanted kind, else the empty expression of it.
    CBEExpression(bool direct, const QString& text);
    ~CBEExpression();
    CBEExpression(const CBEExpression&) = delete;
    CBEExpression& operator=(const CBEExpression&) = delete;

    // reinsertOpen: a direct expression becomes "()" again.
    void clear(bool reinsertOpen);
    bool addToken(uint code);
    bool isKeyEnabled(uint code) const;
    bool removeCurrent();
    bool canMoveBack() const;
    bool moveLeft();
    bool moveRight();
    bool canMoveLeft() const;
    bool canMoveRight() const;
    // Rebuilds the tree from a decoded text in either form. False when the tree could not hold
    // the whole text: its text, blanks aside, differs from the input by more than the "OR" put in
    // front of a reverse "(...)" and the "--" placeholder of a TIM without date.
    bool parse(bool direct, QString text);
    // False when a token of the text was refused: the tree holds only the text before it.
    bool buildFromText(const QString& storageText);
    QString getString() const;
    QString getGhostString() const;
    QString getStringFromCursor() const;
    bool isComplete() const;
    // The user error of a program nested deeper than the compiler takes or with more byte code
    // than a program holds, and, once every operator is complete, of any form the compiler
    // refuses, whatever the panel holds of what it names; else 0. Enter is offered only without.
    uint limitError() const;
    bool isEmpty() const;
    // Cached per (logicalCtrl, owner) until the tree changes.
    int getErrorCount(bool logicalCtrl, const CBEOwner& owner);
    uint getFirstError(const CBEOwner& owner) const;
    uint checkPlantReferences(const CBEOwner& owner) const;
    uint getKindAtCursor() const;
    // Recomputes the cached error count and completeness with the stored arguments when the
    // tree changed since.
    void refresh();

    uint getKind() const { return kind; }
    int getCursor() const { return cursor; }
    bool isModified() const { return modified; }
    bool getCachedComplete() const { return complete; }
    // Whether the editor's constructor kept the whole text it was given.
    bool tookWholeText() const { return wholeText; }
    const QList<CBEOperator*>& getNodes() const { return nodes; }

private:
    bool cursorValid() const { return cursor >= 0 && cursor < nodes.size(); }
    // Every operator complete, the compiler's limits aside.
    bool nodesComplete() const;
    void deleteNodeAtCursor();

    QList<CBEOperator*> nodes;
    uint kind = KIND_UNKNOWN;
    int cursor = -1;
    int errorCount = -1;
    bool complete = false;
    bool modified = true;
    bool logicalCtrl = false;
    CBEOwner owner;
    bool wholeText = true;
};

} // namespace Ov4800
