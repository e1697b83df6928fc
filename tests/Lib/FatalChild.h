#pragma once
// Runs the test executable again as a child that takes a fatal path, so the parent can see how
// it ended. Each test's main() hands kFatalChildArg and the case name to its own child code.
#include <QCoreApplication>
#include <QProcess>

namespace libtest {

constexpr char kFatalChildArg[] = "--fatal-child";

// How the child ended; output holds its standard output and error, merged.
struct ChildRun {
    bool finished;
    QProcess::ExitStatus status;
    int code;
    QByteArray output;
};

inline ChildRun run_fatal_child(const QString& which)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Under the sanitizers the abort must stay a plain SIGABRT, without a report or leak scan.
    env.insert("ASAN_OPTIONS", "handle_abort=0:detect_leaks=0");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString(kFatalChildArg), which});
    return ChildRun{child.waitForFinished(60000), child.exitStatus(), child.exitCode(), child.readAll()};
}

} // namespace libtest
