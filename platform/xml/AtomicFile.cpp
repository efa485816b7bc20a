#include "platform/xml/AtomicFile.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstring>

namespace TDWXML::detail {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        const ssize_t count = ::write(fd, contents.data(), contents.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Creates a new temporary file beside the target; -1 when none could be made.
int CreateTemporary(const std::string& path, std::string* tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = FolderOf(path) + "/." + NameOf(path) + ".tmp";
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[48];
        std::snprintf(suffix, sizeof suffix, "%ld.%u", static_cast<long>(::getpid()),
                      counter.fetch_add(1));
        *tempPath = stem + suffix;
        // The usual permissions of a new file, as the umask allows.
        const int fd = ::open(tempPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

bool CanReplaceFile(const std::string& path, std::string* why) {
    if (path.empty() || path.back() == '/') {
        *why = "not a file name";
        return false;
    }
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        *why = S_ISDIR(info.st_mode) ? "it is a folder" : "it is not a regular file";
        return false;
    }
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        *why = "its folder does not exist";
        return false;
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *why = "its folder cannot be written";
        return false;
    }
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view contents, std::string* why) {
    std::string tempPath;
    const int fd = CreateTemporary(path, &tempPath);
    if (fd < 0) {
        *why = std::string("cannot create a temporary file: ") + std::strerror(errno);
        return false;
    }
    // A file that is replaced keeps its permissions.
    struct stat old {};
    bool ok = true;
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    int error = 0;
    if (!ok || !WriteAll(fd, contents) || ::fsync(fd) != 0) {
        ok = false;
        error = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        if (::rename(tempPath.c_str(), path.c_str()) == 0) {
            return true;
        }
        error = errno;
    }
    *why = std::strerror(error);
    ::unlink(tempPath.c_str());
    return false;
}

}  // namespace TDWXML::detail
