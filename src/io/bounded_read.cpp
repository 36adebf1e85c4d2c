#include "io/bounded_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace n3 {

namespace {

std::string TooLarge(std::size_t maxBytes) {
    return "ファイルが大きすぎます（" + std::to_string(maxBytes >> 20) + " MB まで読み込めます）";
}

}  // namespace

FileReadResult ReadBoundedFile(const std::string& path, std::size_t maxBytes) {
    FileReadResult result;
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it is
    // refused below like every other file that is not a regular one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ENOENT)
            result.missing = true;
        else
            result.error = ReasonText(errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        result.error = ReasonText(errno);
    } else if (S_ISDIR(st.st_mode)) {
        result.error = ReasonText(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        result.error = "通常のファイルではありません（装置やパイプは読み込めません）";
    } else if (std::size_t(st.st_size) > maxBytes) {
        result.error = TooLarge(maxBytes);
    } else {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        result.bytes.reserve(std::size_t(st.st_size));
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                result.error = ReasonText(errno);
                break;
            }
            // The file may grow while it is read.
            if (result.bytes.size() + std::size_t(n) > maxBytes) {
                result.error = TooLarge(maxBytes);
                break;
            }
            result.bytes.append(buffer, std::size_t(n));
        }
    }
    ::close(fd);
    if (!result.error.empty()) std::string().swap(result.bytes);
    return result;
}

}  // namespace n3
