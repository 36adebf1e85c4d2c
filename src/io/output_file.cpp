#include "io/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/file_io.h"

namespace n3 {

namespace {

// 0 when every byte went out, else the errno of the failed write.
int WriteEvery(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return EIO;
        done += std::size_t(n);
    }
    return 0;
}

std::string WriteIntoStream(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return ReasonText(errno);
    int error = WriteEvery(fd, bytes);
    if (::close(fd) != 0 && error == 0) error = errno;
    return error == 0 ? std::string() : ReasonText(error);
}

}  // namespace

std::string WriteOutputFile(const std::string& path, const std::string& bytes) {
    if (path == kStandardOutputName) {
        const int error = WriteEvery(STDOUT_FILENO, bytes);
        return error == 0 ? std::string() : ReasonText(error);
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode)))
        return WriteIntoStream(path, bytes);
    // Folders, block devices and sockets are refused by ReplaceFile.
    return ReplaceFile(path, bytes);
}

}  // namespace n3
