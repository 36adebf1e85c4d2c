#pragma once
// Runs a check while a folder cannot be written by this process, for root
// as for a user. A user loses the right by the folder's mode. Root writes
// through any mode, so for root the check runs in a child process with a
// mount namespace of its own, in which the folder is a read-only bind
// mount; where namespaces are not allowed, the folder is made immutable
// for the time of the check instead.
#include <fcntl.h>
#include <linux/fs.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <optional>
#include <string>

namespace n3::testing {

// What `check` returned (0 to 127), or nullopt when this process has no
// way to make the folder read-only.
inline std::optional<int> WithReadOnlyFolder(const std::string& folder, const std::function<int()>& check) {
    if (::geteuid() != 0) {
        struct stat before {};
        if (::stat(folder.c_str(), &before) != 0 || ::chmod(folder.c_str(), 0555) != 0) return std::nullopt;
        const int result = check();
        ::chmod(folder.c_str(), before.st_mode & 07777);
        return result;
    }

    constexpr int kNoNamespace = 200;
    const pid_t child = ::fork();
    if (child < 0) return std::nullopt;
    if (child == 0) {
        const bool readOnly = ::unshare(CLONE_NEWNS) == 0 &&
                              ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                              ::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
                              ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
        ::_exit(readOnly ? check() & 0x7F : kNoNamespace);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return std::nullopt;
    if (WEXITSTATUS(status) != kNoNamespace) return WEXITSTATUS(status);

    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return std::nullopt;
    int flags = 0;
    std::optional<int> result;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        int immutable = flags | FS_IMMUTABLE_FL;
        if (::ioctl(fd, FS_IOC_SETFLAGS, &immutable) == 0) {
            result = check();
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
    }
    ::close(fd);
    return result;
}

}  // namespace n3::testing
