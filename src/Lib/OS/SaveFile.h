#pragma once
// A file written under a name of its own in its target's folder and put in the target's place
// whole by commit(): a reader of the target, or another writer of it, never meets part of a
// file, and a failed write leaves the target as it was. Where the file system allows, the file
// has no name until the commit, so a writer that is killed leaves nothing behind.
#include "OS/types.h"

#include <cstdio>
#include <string>

class SaveFile {
public:
    explicit SaveFile(const char* path);
    // Discards what was not committed.
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // The stream that commit() puts in place; null when it cannot be created (error() says
    // why), the target being a folder included. An existing target keeps its permissions; one
    // that is not a regular file (a device) is written directly.
    FILE* open();
    // Flushes and closes the stream and renames it onto the target. 0, or ZP_ERR_GENERIC with
    // the target untouched; the stream is gone either way.
    int commit();
    // Closes and removes the stream; the target is untouched.
    void discard();
    // errno of the first failure, 0 when there was none.
    int error() const { return m_error; }

private:
    bool fail(int error);
    bool link_unnamed();

    std::string m_target;
    std::string m_temp;
    FILE* m_file = nullptr;
    bool m_unnamed = false;
    bool m_direct = false;
    int m_error = 0;
};
