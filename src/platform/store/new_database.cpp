#include "platform/store/new_database.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "io/file_io.h"
#include "io/replace_target.h"
#include "platform/store/sql_statement.h"
#include "platform/store/store_error.h"

namespace n3 {

namespace {

std::string CannotCreate(const std::string& path, const std::string& reason) {
    return "データベースファイル「" + path + "」を作成できません。\n理由：" + reason;
}

// The temporary file and its journal go when the creation does not finish.
class Temporary {
public:
    Temporary(std::string name, int lock) : name_(std::move(name)), lock_(lock) {}
    ~Temporary() {
        if (!name_.empty()) {
            ::unlink(name_.c_str());
            ::unlink((name_ + "-journal").c_str());
        }
        ::close(lock_);
    }
    Temporary(const Temporary&) = delete;
    Temporary& operator=(const Temporary&) = delete;
    const std::string& name() const { return name_; }
    void release() { name_.clear(); }

private:
    std::string name_;
    int lock_;
};

class Connection {
public:
    ~Connection() { sqlite3_close(db); }
    sqlite3* db = nullptr;
};

}  // namespace

bool HoldsDatabaseFile(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // A dangling link or a path that cannot be examined is left to the
        // opener, which says what is wrong with it.
        struct stat link {};
        return ::lstat(path.c_str(), &link) == 0;
    }
    return !S_ISREG(st.st_mode) || st.st_size > 0;
}

void CreateDatabaseFile(const std::string& path, const std::function<void(sqlite3*)>& writeSchema) {
    const ReplaceTarget target = ResolveReplaceTarget(path);
    if (!target.error.empty()) throw StoreError(CannotCreate(path, target.error));
    RemoveStaleTemporaries(target.path);

    std::string name;
    const int fd = CreateLockedTemporary(target.path, name);
    if (fd < 0) throw StoreError(CannotCreate(path, ReasonText(errno)));
    // Locked while this start writes it: another start's clean-up leaves it.
    Temporary temp(name, fd);

    {
        Connection c;
        if (sqlite3_open_v2(temp.name().c_str(), &c.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK)
            throw StoreError(CannotCreate(path, c.db ? StoreReason(c.db) : "メモリが足りません"));
        sqlite3_extended_result_codes(c.db, 1);
        try {
            writeSchema(c.db);
        } catch (const StoreError& e) {
            throw StoreError(CannotCreate(path, e.what()));
        }
        if (sqlite3_close(c.db) != SQLITE_OK) throw StoreError(CannotCreate(path, StoreReason(c.db)));
        c.db = nullptr;
    }

    // The whole file on disk before it takes the target's name.
    const int sync = ::open(temp.name().c_str(), O_RDONLY | O_CLOEXEC);
    if (sync < 0) throw StoreError(CannotCreate(path, ReasonText(errno)));
    const bool synced = ::fsync(sync) == 0;
    const int syncError = errno;
    ::close(sync);
    if (!synced) throw StoreError(CannotCreate(path, ReasonText(syncError)));
    ::chmod(
        temp.name().c_str(), 0666 & ~[] {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            return mask;
        }());

    // Another program may have made the database meanwhile: that one stays.
    if (HoldsDatabaseFile(target.path)) return;
    if (::rename(temp.name().c_str(), target.path.c_str()) != 0)
        throw StoreError(CannotCreate(path, ReasonText(errno)));
    temp.release();
    SyncFolderOf(target.path);
}

}  // namespace n3
