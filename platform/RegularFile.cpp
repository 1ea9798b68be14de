#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<QByteArray> ReadRegularFile(const QString& fileName, bool* missing)
{
    if (missing)
        *missing = false;
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (missing)
            *missing = errno == ENOENT;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxConfigFileSize) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray data;
    char buf[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || data.size() + n > kMaxConfigFileSize) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        data.append(buf, n);
    }
    ::close(fd);
    return data;
}

bool WritableInPlace(const QString& fileName)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(fileName).constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISREG(st.st_mode);
}

} // namespace platform
