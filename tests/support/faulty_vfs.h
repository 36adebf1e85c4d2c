#pragma once
// A SQLite file system in front of the ordinary one that fails on request,
// for the tests of what the program says when the disk fails: the next
// write, the next sync (with the errno a full disk gives), the next read,
// or the next read cut short (SQLite fills the rest with zeros). Installed
// as the default while a FaultyDisk lives; each fault fires once.
#include <sqlite3.h>

#include <cerrno>
#include <cstring>

namespace n3::testing {

class FaultyDisk {
public:
    enum class Fault { None, Write, SyncDiskFull, Read, ShortRead };

    FaultyDisk() {
        real_ = sqlite3_vfs_find(nullptr);
        vfs_ = *real_;
        vfs_.zName = "n3-faulty";
        vfs_.szOsFile = int(sizeof(File)) + real_->szOsFile;
        vfs_.pAppData = this;
        vfs_.xOpen = &Open;
        vfs_.xGetLastError = &LastError;
        Self() = this;
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~FaultyDisk() {
        sqlite3_vfs_register(real_, 1);
        sqlite3_vfs_unregister(&vfs_);
        Self() = nullptr;
    }
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    // Only the database file itself fails (not its journal).
    void arm(Fault fault) { armed_ = fault; }
    bool fired() const { return fired_; }

private:
    struct File {
        sqlite3_file base;
        sqlite3_file* real;
        bool database;
    };

    static FaultyDisk*& Self() {
        static FaultyDisk* self = nullptr;
        return self;
    }
    static sqlite3_file* Real(sqlite3_file* f) { return reinterpret_cast<File*>(f)->real; }
    // True when `fault` is armed for this file: it fires now, once.
    static bool Fire(sqlite3_file* f, Fault fault) {
        FaultyDisk* self = Self();
        if (!self || !reinterpret_cast<File*>(f)->database || self->armed_ != fault) return false;
        self->armed_ = Fault::None;
        self->fired_ = true;
        self->lastErrno_ = fault == Fault::SyncDiskFull ? ENOSPC : EIO;
        return true;
    }

    static int Close(sqlite3_file* f) {
        const int rc = Real(f)->pMethods ? Real(f)->pMethods->xClose(Real(f)) : SQLITE_OK;
        return rc;
    }
    static int Read(sqlite3_file* f, void* buf, int n, sqlite3_int64 at) {
        if (Fire(f, Fault::Read)) return SQLITE_IOERR_READ;
        // A page of a table's tree (not the header of page 1) read short.
        if (n >= 512 && at >= n && Fire(f, Fault::ShortRead)) {
            std::memset(buf, 0, std::size_t(n));
            return SQLITE_IOERR_SHORT_READ;
        }
        return Real(f)->pMethods->xRead(Real(f), buf, n, at);
    }
    static int Write(sqlite3_file* f, const void* buf, int n, sqlite3_int64 at) {
        if (Fire(f, Fault::Write)) return SQLITE_IOERR_WRITE;
        return Real(f)->pMethods->xWrite(Real(f), buf, n, at);
    }
    static int Sync(sqlite3_file* f, int flags) {
        if (Fire(f, Fault::SyncDiskFull)) return SQLITE_IOERR_FSYNC;
        return Real(f)->pMethods->xSync(Real(f), flags);
    }
    static int Truncate(sqlite3_file* f, sqlite3_int64 size) { return Real(f)->pMethods->xTruncate(Real(f), size); }
    static int FileSize(sqlite3_file* f, sqlite3_int64* size) { return Real(f)->pMethods->xFileSize(Real(f), size); }
    static int Lock(sqlite3_file* f, int level) { return Real(f)->pMethods->xLock(Real(f), level); }
    static int Unlock(sqlite3_file* f, int level) { return Real(f)->pMethods->xUnlock(Real(f), level); }
    static int CheckReservedLock(sqlite3_file* f, int* out) {
        return Real(f)->pMethods->xCheckReservedLock(Real(f), out);
    }
    static int FileControl(sqlite3_file* f, int op, void* arg) {
        // The errno of the fault, as the ordinary file system keeps its own.
        if (op == SQLITE_FCNTL_LAST_ERRNO && Self() && Self()->lastErrno_ != 0) {
            *static_cast<int*>(arg) = Self()->lastErrno_;
            return SQLITE_OK;
        }
        return Real(f)->pMethods->xFileControl(Real(f), op, arg);
    }
    static int SectorSize(sqlite3_file* f) { return Real(f)->pMethods->xSectorSize(Real(f)); }
    static int DeviceCharacteristics(sqlite3_file* f) { return Real(f)->pMethods->xDeviceCharacteristics(Real(f)); }
    static int ShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** out) {
        return Real(f)->pMethods->xShmMap(Real(f), page, size, extend, out);
    }
    static int ShmLock(sqlite3_file* f, int offset, int n, int flags) {
        return Real(f)->pMethods->xShmLock(Real(f), offset, n, flags);
    }
    static void ShmBarrier(sqlite3_file* f) { Real(f)->pMethods->xShmBarrier(Real(f)); }
    static int ShmUnmap(sqlite3_file* f, int remove) { return Real(f)->pMethods->xShmUnmap(Real(f), remove); }
    static int Fetch(sqlite3_file* f, sqlite3_int64 at, int n, void** out) {
        return Real(f)->pMethods->xFetch(Real(f), at, n, out);
    }
    static int Unfetch(sqlite3_file* f, sqlite3_int64 at, void* p) {
        return Real(f)->pMethods->xUnfetch(Real(f), at, p);
    }

    static const sqlite3_io_methods* Methods() {
        static const sqlite3_io_methods methods = {3,
                                                   &Close,
                                                   &Read,
                                                   &Write,
                                                   &Truncate,
                                                   &Sync,
                                                   &FileSize,
                                                   &Lock,
                                                   &Unlock,
                                                   &CheckReservedLock,
                                                   &FileControl,
                                                   &SectorSize,
                                                   &DeviceCharacteristics,
                                                   &ShmMap,
                                                   &ShmLock,
                                                   &ShmBarrier,
                                                   &ShmUnmap,
                                                   &Fetch,
                                                   &Unfetch};
        return &methods;
    }

    static int Open(sqlite3_vfs* vfs, const char* name, sqlite3_file* f, int flags, int* outFlags) {
        auto* self = static_cast<FaultyDisk*>(vfs->pAppData);
        auto* file = reinterpret_cast<File*>(f);
        file->real = reinterpret_cast<sqlite3_file*>(file + 1);
        file->database = (flags & SQLITE_OPEN_MAIN_DB) != 0;
        file->base.pMethods = nullptr;
        const int rc = self->real_->xOpen(self->real_, name, file->real, flags, outFlags);
        if (file->real->pMethods) file->base.pMethods = Methods();
        return rc;
    }
    static int LastError(sqlite3_vfs* vfs, int n, char* text) {
        auto* self = static_cast<FaultyDisk*>(vfs->pAppData);
        if (self->lastErrno_ != 0) return self->lastErrno_;
        return self->real_->xGetLastError ? self->real_->xGetLastError(self->real_, n, text) : 0;
    }

    sqlite3_vfs* real_ = nullptr;
    sqlite3_vfs vfs_{};
    Fault armed_ = Fault::None;
    bool fired_ = false;
    int lastErrno_ = 0;
};

}  // namespace n3::testing
