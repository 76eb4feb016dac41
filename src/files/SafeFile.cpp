#include "SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "FileError.h"

FileError FileErrorFromErrno(const std::string& action, const std::string& path, int err) {
    return FileError("Cannot " + action + " \"" + path + "\": " + std::strerror(err));
}

namespace {

std::string TempNameBeside(const std::string& path) {
    static std::mt19937_64 random{std::random_device{}()};
    return path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(random() % 1000000);
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t n = ::write(fd, content.data(), content.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

void WriteFileSafely(const std::string& path, std::string_view content) {
    struct stat existing {};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) throw FileErrorFromErrno("write", path, EISDIR);

    const std::string temp = TempNameBeside(path);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) throw FileErrorFromErrno("create", path, errno);
    if (exists) ::fchmod(fd, existing.st_mode & 07777);

    int err = 0;
    if (!WriteAll(fd, content) || ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        throw FileErrorFromErrno("write", path, err);
    }
}

std::string ReadFileBytes(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileErrorFromErrno("open", path, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        throw FileErrorFromErrno("open", path, EISDIR);
    }
    std::string data;
    char buf[8192];
    while (data.size() < limit) {
        const ssize_t n = ::read(fd, buf, std::min(sizeof buf, limit - data.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            throw FileErrorFromErrno("read", path, err);
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return data;
}
