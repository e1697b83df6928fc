#pragma once
// Base of every test object. A test fails on a Qt warning or critical message, or on an error
// line of the library's trace, that it did not announce; an announced one that never came fails
// it too. A derived class with an initTestCase(), cleanupTestCase() or cleanup() of its own calls
// the base's from it.
#include <QByteArray>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class TestBase : public QObject {
    Q_OBJECT

public:
    // The current test must log a Qt warning or critical message whose text matches pattern.
    void expectWarning(const QString& pattern);
    // The current test must log a trace error line ("unit/function:line E[message]...") that
    // matches pattern.
    void expectTraceError(const QString& pattern);
    // The trace written since the current test began.
    QString trace();
    // The messages of the error lines written since the test began whose location contains
    // where, in order. They count as announced.
    QStringList traceErrors(const QString& where = QString());
    // The Qt messages of one level since the test began.
    QStringList messages(QtMsgType type) const;

protected:
    // Starts the current test's record afresh: what was logged until now was set-up, not the test.
    void reset();

protected slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

private:
    struct Expectation {
        QRegularExpression pattern;
        bool seen;
    };
    static void handler(QtMsgType type, const QMessageLogContext& context, const QString& text);
    bool announced(QList<Expectation>& expectations, const QString& text);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_tracePath;
    qint64 m_traceStart = 0;
    QList<Expectation> m_warnings;
    QList<Expectation> m_traceErrors;
    QList<QPair<QtMsgType, QString>> m_messages;
    QStringList m_unexpected;
    QStringList m_consumed;
};

// The bytes of a file; empty when it cannot be read.
QByteArray fileContents(const QString& path);
