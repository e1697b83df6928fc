#pragma once
// Mutes the library's trace for a fuzz target, whose inputs fail by design thousands of times a
// second. Included by the one source of each target that drives the panel-data library.
#include "OS/TraceLog.h"

namespace {
struct MutedTrace {
    MutedTrace() { g_logger().set_muted(true); }
};
// Ahead of the library's own static objects (the global configuration among them), which log as
// they are built.
__attribute__((init_priority(101))) const MutedTrace s_mutedTrace;
} // namespace
