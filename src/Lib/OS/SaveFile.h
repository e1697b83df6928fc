#pragma once
// A file written under a name of its own in its target's folder and put in the target's place
// whole by commit(): a reader of the target, or another writer of it, never meets part of a
// file, and a failed write leaves the target as it was. Where the file system allows, the file
// has no name until just before its rename, so a writer that is killed leaves nothing behind;
// a name it did leave carries a mark (kTempMark), and the next writer of the target removes it.
#include "OS/types.h"

#include <cstdio>
#include <memory>
#include <string>

// What a whole write of a path replaces, and whether it may. A link is followed to the file it
// names, which gets the new bytes while the link stays. Refused with the errno that says why: a
// folder (EISDIR), an existing file the user may not write or that is marked read-only (EACCES,
// EROFS), a missing folder (ENOENT). Every writer checks each of its targets here before it
// replaces any.
struct SaveTarget {
    std::string path; // the file the bytes go to
    bool exists = false;
    bool regular = true; // false for a device, which is written in place
    unsigned mode = 0;   // the permissions an existing file keeps
};
int check_save_target(const char* path, SaveTarget* target);

// An exclusive lock on a folder, held by a writer that replaces several of its files together
// from the check of the first target through the last rename: two writers' sets never mix. The
// lock is the folder's own, so no file is made, and the system drops it when a process dies.
class FolderLock {
public:
    // Waits until the folder is locked; a folder that cannot be opened is not locked, and the
    // writer's own checks then say why.
    explicit FolderLock(const std::string& folder);
    // Both folders of a set, taken in the order of their identity on the disk, which every writer
    // follows, so two writers of the same two folders never wait for each other; a folder named
    // twice is locked once. Held when both are.
    FolderLock(const std::string& folder, const std::string& other);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return m_held; }

private:
    int m_fds[2] = {-1, -1};
    bool m_held = false;
};

// The folder that holds path ("." for a bare name).
std::string folder_of(const std::string& path);

class SaveFile {
public:
    // Between the target's name and six letters in the name of a file that is not yet in place.
    static constexpr char kTempMark[] = ".~ov4800.";
    // The stream's buffer: a large file goes out in a few large writes, which the file system
    // stores in large pieces.
    static constexpr size_t kBufferSize = size_t(1) << 18;

    explicit SaveFile(const char* path);
    // Discards what was not committed.
    ~SaveFile();
    SaveFile(const SaveFile&) = delete;
    SaveFile& operator=(const SaveFile&) = delete;

    // The stream that commit() puts in place; null when it cannot be created (error() says
    // why), the target being a folder included. An existing target keeps its permissions; one
    // that is not a regular file (a device) is written directly.
    FILE* open();
    // Puts every byte written on the disk and closes the stream. false with error() set, the
    // file then dropped; the target is untouched either way.
    bool finish();
    // Finishes the file and gives it its marked name beside the target, leaving commit() only
    // the rename: a writer that replaces several files together stages each before it commits
    // any. Earlier marked files of the target that no running writer holds are removed here.
    bool stage();
    // Stages the file and renames it onto the target. 0, or ZP_ERR_GENERIC with the target
    // untouched; the stream is gone either way.
    int commit();
    // Closes and removes the stream; the target is untouched.
    void discard();
    // Writes all of data, retrying a short write until the system gives its reason; false,
    // with error() set, when not every byte was taken. A short write is never a success.
    bool write(const void* data, size_t size);
    // errno of the first failure, 0 when there was none.
    int error() const { return m_error; }
    // The file the commit replaces: the target, or the file a link names.
    const std::string& target() const { return m_target; }

private:
    bool fail(int error);
    bool link_unnamed();

    std::string m_target;
    std::string m_temp;
    FILE* m_file = nullptr;
    // The file after its stream is closed: holds the lock that tells a running writer's file
    // from a killed one's, and names an unnamed file when it is staged.
    int m_fd = -1;
    // Outlives the stream, which keeps using it until it is closed.
    std::unique_ptr<char[]> m_buffer;
    bool m_unnamed = false;
    bool m_direct = false;
    bool m_finished = false;
    bool m_staged = false;
    int m_error = 0;
};
