#include "SyncSeam.h"

#include <sys/stat.h>

namespace {

std::vector<zindra::test::SyncedFile>& Synced() {
    static std::vector<zindra::test::SyncedFile> synced;
    return synced;
}

} // namespace

extern "C" int __real_fsync(int fd);

extern "C" int __wrap_fsync(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) == 0)
        Synced().push_back({info.st_dev, info.st_ino, info.st_size, S_ISDIR(info.st_mode)});
    return __real_fsync(fd);
}

namespace zindra::test {

std::vector<SyncedFile> TakeSyncedFiles() {
    auto synced = std::move(Synced());
    Synced().clear();
    return synced;
}

} // namespace zindra::test
