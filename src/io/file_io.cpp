#include "io/file_io.h"

#include "io/bounded_read.h"
#include "io/replace_target.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace n3 {

std::string ReasonText(int errorNumber) {
    switch (errorNumber) {
    case EACCES:
    case EPERM: return "アクセスが拒否されました";
    case ENOENT: return "ファイルまたはフォルダがありません";
    case ENOTDIR: return "フォルダ名が正しくありません";
    case EISDIR: return "フォルダです";
    case ENOSPC: return "ディスクに空きがありません";
    case EDQUOT: return "ディスクの割り当てを超えました";
    case EROFS: return "読み取り専用の場所です";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case EIO: return "入出力エラーです";
    case ELOOP: return "シンボリックリンクが循環しています";
    default: return std::strerror(errorNumber);
    }
}

FileReadResult ReadWholeFile(const std::string& path) { return ReadBoundedFile(path); }

namespace {

// The permissions of the file being replaced, or those a new file gets.
mode_t ModeFor(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

}  // namespace

std::string ReplaceFile(const std::string& path, const std::string& bytes) {
    const ReplaceTarget target = ResolveReplaceTarget(path);
    if (!target.error.empty()) return target.error;
    RemoveStaleTemporaries(target.path);
    std::string temp;
    const int fd = CreateLockedTemporary(target.path, temp);
    if (fd < 0) return ReasonText(errno);
    // The lock stays with this second descriptor until the rename is done,
    // so that the close of the first one can be checked before it.
    const int lock = ::dup(fd);

    int error = lock < 0 ? errno : 0;
    if (error == 0 && (::fchmod(fd, ModeFor(target.path)) != 0 || !WriteAll(fd, bytes) || ::fsync(fd) != 0))
        error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), target.path.c_str()) != 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    if (lock >= 0) ::close(lock);
    if (error != 0) return ReasonText(error);
    SyncFolderOf(target.path);
    return {};
}

}  // namespace n3
