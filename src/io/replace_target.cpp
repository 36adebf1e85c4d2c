#include "io/replace_target.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "io/file_io.h"

namespace n3 {

namespace {

constexpr std::size_t kNameMax = NAME_MAX;
// "n3tmp" marks the file as one of ours, so that the clean-up never takes a
// user's own "<name>.backup" or "<name>.202401" for a leftover.
constexpr std::string_view kMark = ".n3tmp-";
constexpr std::string_view kSuffixMark = ".n3tmp-XXXXXX";
constexpr std::string_view kJournal = "-journal";

struct Split {
    std::string folder;  // "" when the path names no folder
    std::string name;
};

Split SplitPath(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return {"", path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string FolderForListing(const Split& s) { return s.folder.empty() ? "." : s.folder; }

// The start of a temporary's name: the file's name, or its first bytes
// (cut between characters) and "~" when the whole name does not fit.
std::string TemporaryPrefix(const std::string& name) {
    const std::size_t room = kNameMax - kSuffixMark.size() - kJournal.size();
    if (name.size() <= room) return name;
    std::size_t cut = room - 1;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    return name.substr(0, cut) + "~";
}

bool IsTemporaryTail(std::string_view tail) {
    if (tail.size() != kSuffixMark.size() || !tail.starts_with(kMark)) return false;
    for (std::size_t i = kMark.size(); i < tail.size(); ++i) {
        const char c = tail[i];
        const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!alnum) return false;
    }
    return true;
}

}  // namespace

ReplaceTarget ResolveReplaceTarget(const std::string& path) {
    ReplaceTarget target{path, {}};
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(target.path.c_str(), &st) != 0) return target;  // a new file
        if (!S_ISLNK(st.st_mode)) break;
        if (hops == 40) {
            target.error = ReasonText(ELOOP);
            return target;
        }
        std::vector<char> buffer(PATH_MAX);
        const ssize_t n = ::readlink(target.path.c_str(), buffer.data(), buffer.size());
        if (n < 0 || std::size_t(n) >= buffer.size()) {
            target.error = ReasonText(n < 0 ? errno : ENAMETOOLONG);
            return target;
        }
        std::string link(buffer.data(), std::size_t(n));
        target.path = link.starts_with('/') ? link : SplitPath(target.path).folder + link;
    }
    struct stat st {};
    if (::stat(target.path.c_str(), &st) != 0) return target;
    if (S_ISDIR(st.st_mode)) {
        target.error = ReasonText(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        target.error = "通常のファイルではありません";
    } else if ((st.st_mode & 0222) == 0 || ::access(target.path.c_str(), W_OK) != 0) {
        // The permission bits count even for a user whom the system would
        // let write anyway.
        target.error = "書き込みが禁止されたファイルです（読み取り専用）";
    }
    return target;
}

std::string TemporaryPattern(const std::string& target) {
    const Split s = SplitPath(target);
    return s.folder + TemporaryPrefix(s.name) + std::string(kSuffixMark);
}

int CreateLockedTemporary(const std::string& target, std::string& name) {
    const std::string pattern = TemporaryPattern(target);
    // Another program's clean-up may take the new file between its creation
    // and the lock: then it is gone from the folder, and a new one is made.
    for (int attempt = 0; attempt < 8; ++attempt) {
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const int fd = ::mkostemp(buffer.data(), O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) {
            name.assign(buffer.data());
            return fd;
        }
        ::close(fd);
    }
    errno = EAGAIN;
    return -1;
}

namespace {

// True when the file is a regular file nobody holds locked; the caller then
// removes it while the lock taken here keeps a new writer from starting on it.
bool RemoveIfStale(const std::string& full) {
    const int fd = ::open(full.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool stale = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    if (stale) stale = ::unlink(full.c_str()) == 0;
    ::close(fd);
    return stale;
}

bool IsAlnumTail(std::string_view text, std::size_t length) {
    if (text.size() != length) return false;
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& target) {
    const Split s = SplitPath(target);
    const std::string prefix = TemporaryPrefix(s.name);
    DIR* dir = ::opendir(FolderForListing(s).c_str());
    if (!dir) return;
    std::vector<std::string> journals;
    while (const dirent* entry = ::readdir(dir)) {
        std::string_view name = entry->d_name;
        if (name == s.name || !name.starts_with(prefix)) continue;
        std::string_view tail = name.substr(prefix.size());
        const bool journal = tail.ends_with(kJournal);
        if (journal) tail.remove_suffix(kJournal.size());
        if (!IsTemporaryTail(tail)) continue;
        const std::string full = s.folder + std::string(name);
        if (journal) {
            journals.push_back(full);
            continue;
        }
        if (RemoveIfStale(full)) ::unlink((full + std::string(kJournal)).c_str());
    }
    ::closedir(dir);
    // A journal whose temporary is gone belongs to nobody.
    for (const std::string& journal : journals) {
        const std::string owner = journal.substr(0, journal.size() - kJournal.size());
        struct stat st {};
        if (!Exists(owner) && ::lstat(journal.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(journal.c_str());
    }
}

void RemoveStaleFiles(const std::string& folder, const std::string& prefix, const std::string& suffix) {
    const std::string listing = folder.empty() ? "." : folder;
    const std::string base = folder.empty() || folder.ends_with('/') ? folder : folder + "/";
    DIR* dir = ::opendir(listing.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) || !name.ends_with(suffix))
            continue;
        const std::string_view middle = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (IsAlnumTail(middle, 6)) RemoveIfStale(base + std::string(name));
    }
    ::closedir(dir);
}

void SyncFolderOf(const std::string& target) {
    const int fd = ::open(FolderForListing(SplitPath(target)).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace n3
