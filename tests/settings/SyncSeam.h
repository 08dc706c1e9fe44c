#pragma once

// The test program links with -Wl,--wrap=fsync: every fsync the code under
// test makes comes here first, is recorded, and then goes to the real one.
// This is how a test sees that a save reached the disk before its rename.

#include <sys/types.h>
#include <vector>

namespace zindra::test {

struct SyncedFile {
    dev_t device;
    ino_t inode;
    off_t size;
    bool folder;
};

// Every file and folder flushed since the last call, in order.
std::vector<SyncedFile> TakeSyncedFiles();

} // namespace zindra::test
