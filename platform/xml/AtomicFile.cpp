#include "platform/xml/AtomicFile.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace TDWXML::detail {

namespace {

// Links followed before a chain counts as a loop, as the system counts.
constexpr int kMaxLinks = 40;

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

// The file a chain of symbolic links leads to (which need not exist yet),
// with what the system says of it; the path itself when it is no link.
struct STarget {
    std::string path;
    bool exists = false;
    struct stat info {};
};

STarget FollowLinks(std::string path) {
    STarget target;
    for (int i = 0; i < kMaxLinks; ++i) {
        target.exists = ::lstat(path.c_str(), &target.info) == 0;
        if (!target.exists || !S_ISLNK(target.info.st_mode)) {
            break;
        }
        std::vector<char> link(
            static_cast<std::size_t>(target.info.st_size > 0 ? target.info.st_size : 255) + 1);
        const ssize_t length = ::readlink(path.c_str(), link.data(), link.size() - 1);
        if (length <= 0) {
            break;
        }
        const std::string to(link.data(), static_cast<std::size_t>(length));
        path = to.front() == '/' ? to : FolderOf(path) + "/" + to;
    }
    // A link that leads nowhere (or round) names no file that exists.
    target.exists = target.exists && !S_ISLNK(target.info.st_mode);
    target.path = std::move(path);
    return target;
}

// This process's ID, asked of the system once (and again in a child after a
// fork): every save names its temporary file with it.
pid_t ProcessId() {
    static pid_t pid = [] {
        ::pthread_atfork(nullptr, nullptr, [] { pid = ::getpid(); });
        return ::getpid();
    }();
    return pid;
}

// The stem of the temporary files of a target: ".NAME.tmp" followed by the
// writing process's ID, a dot and a counter.
std::string TemporaryStem(const std::string& path) {
    return "." + NameOf(path) + ".tmp";
}

// Removes the temporary files of this target whose writer no longer runs,
// once in the life of this process: what this process leaves, it removes
// itself, and a folder read on every save would cost more than the save.
void SweepStaleTemporaries(const std::string& path) {
    static std::mutex sweptLock;
    static std::unordered_set<std::string> swept;
    {
        const std::lock_guard<std::mutex> lock(sweptLock);
        if (!swept.insert(path).second) {
            return;
        }
    }
    const std::string folder = FolderOf(path);
    const std::string stem = TemporaryStem(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, stem.size(), stem) != 0) {
            continue;
        }
        char* end = nullptr;
        const long pid = std::strtol(name.c_str() + stem.size(), &end, 10);
        if (pid <= 0 || *end != '.' || pid == ProcessId()) {
            continue;
        }
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        }
    }
    ::closedir(dir);
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

// Creates a new temporary file beside the target, with the permission bits
// given as the umask allows; -1 when none could be made.
int CreateTemporary(const std::string& path, mode_t mode, std::string* tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string stem = FolderOf(path) + "/" + TemporaryStem(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char pid[24];
        char count[16];
        *tempPath = stem;
        tempPath->append(pid, std::to_chars(pid, std::end(pid), ProcessId()).ptr);
        *tempPath += '.';
        tempPath->append(count, std::to_chars(count, std::end(count), counter.fetch_add(1)).ptr);
        const int fd = ::open(tempPath->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes, syncs and closes; on failure errno says why.
bool FinishFile(int fd, std::string_view contents) {
    int error = 0;
    if (!WriteAll(fd, contents) || ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    errno = error;
    return error == 0;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool FolderWritable(const std::string& path) {
    return ::access(FolderOf(path).c_str(), W_OK | X_OK) == 0;
}

bool FileWritable(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

SIOResult SystemFailure(int error) {
    return SIOResult::Failure(std::strerror(error), error);
}

thread_local bool t_inPlaceAllowed = false;

bool InPlaceOnly(const std::string& target) {
    struct stat info {};
    return !FolderWritable(target) && ::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           FileWritable(target);
}

// The whole of a file from its start; false when it cannot be read.
bool ReadAll(int fd, std::string* contents) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    contents->resize(static_cast<std::size_t>(info.st_size));
    std::size_t done = 0;
    while (done < contents->size()) {
        const ssize_t count =
            ::pread(fd, contents->data() + done, contents->size() - done, static_cast<off_t>(done));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Puts contents at the start of the file and cuts it to their length, then
// syncs; on failure errno says why.
bool OverwriteFrom(int fd, std::string_view contents) {
    return ::lseek(fd, 0, SEEK_SET) == 0 && WriteAll(fd, contents) &&
           ::ftruncate(fd, static_cast<off_t>(contents.size())) == 0 && ::fsync(fd) == 0;
}

// Replaces the contents of an existing file where it is. The room is made
// first, so that the disk cannot fill up halfway; a write that fails all the
// same puts the old contents back.
SIOResult OverwriteInPlace(const std::string& path, std::string_view contents) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return SystemFailure(errno);
    }
    std::string old;
    int error = ReadAll(fd, &old) ? 0 : errno;
    if (error == 0 && !contents.empty()) {
        error = ::posix_fallocate(fd, 0, static_cast<off_t>(contents.size()));
    }
    if (error == 0 && !OverwriteFrom(fd, contents)) {
        error = errno;
        OverwriteFrom(fd, old);
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? SIOResult() : SystemFailure(error);
}

// Gives the new file the old one's owner and group (where this process may)
// and permission bits, in that order: a change of owner clears some bits.
// The new file was made with the old bits, so they usually hold already.
bool TakeOver(int fd, const struct stat& old) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        return false;
    }
    const bool sameOwner = info.st_uid == old.st_uid && info.st_gid == old.st_gid;
    if (!sameOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0 && errno != EPERM) {
        return false;
    }
    if (sameOwner && (info.st_mode & 07777) == (old.st_mode & 07777)) {
        return true;
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

}  // namespace

CInPlaceSaveScope::CInPlaceSaveScope() : m_previous(t_inPlaceAllowed) {
    t_inPlaceAllowed = true;
}

CInPlaceSaveScope::~CInPlaceSaveScope() {
    t_inPlaceAllowed = m_previous;
}

bool SavesInPlace(const std::string& path) {
    return InPlaceOnly(FollowLinks(path).path);
}

namespace {

// Whether the file a path leads to can be written: its folder exists and may
// be written (or, in a CInPlaceSaveScope, the file itself may), and it is not
// a folder or another kind of special file.
SIOResult CheckTarget(const STarget& target) {
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        return S_ISDIR(target.info.st_mode) ? SIOResult::Failure("is a folder", EISDIR)
                                            : SIOResult::Failure("is not a regular file", EINVAL);
    }
    if (FolderWritable(target.path)) {
        return SIOResult();
    }
    const int error = errno;
    const std::string folder = FolderOf(target.path);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return SIOResult::Failure("its folder does not exist", ENOENT);
    }
    if (InPlaceOnly(target.path)) {
        return t_inPlaceAllowed
                   ? SIOResult()
                   : SIOResult::Failure("its folder " + folder +
                                            " cannot be written, so the file could only be "
                                            "written in place, not replaced in one step",
                                        error);
    }
    return SIOResult::Failure("its folder cannot be written: " + std::string(std::strerror(error)),
                              error);
}

bool IsFileName(const std::string& path) {
    return !path.empty() && path.back() != '/';
}

}  // namespace

CFileReplacement::~CFileReplacement() {
    Abandon();
}

void CFileReplacement::Abandon() {
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_temporary.c_str());
        m_fd = -1;
    }
    m_inPlace = false;
}

SIOResult CFileReplacement::Begin(const std::string& path) {
    Abandon();
    if (!IsFileName(path)) {
        return SIOResult::Failure("not a file name", EINVAL);
    }
    STarget target = FollowLinks(path);
    if (target.exists && !S_ISREG(target.info.st_mode)) {
        return CheckTarget(target);
    }
    SweepStaleTemporaries(target.path);
    const mode_t mode = target.exists ? target.info.st_mode & 0777 : 0666;
    m_fd = CreateTemporary(target.path, mode, &m_temporary);
    if (m_fd < 0) {
        // No file can be made beside it: the folder is missing or closed,
        // and the file may be one to write in place.
        const int error = errno;
        if (SIOResult usable = CheckTarget(target); !usable) {
            return usable;
        }
        if (!InPlaceOnly(target.path)) {
            return SystemFailure(error);
        }
        m_inPlace = true;
    }
    m_target = std::move(target.path);
    m_targetExists = target.exists;
    m_targetInfo = target.info;
    return SIOResult();
}

SIOResult CFileReplacement::Commit(std::string_view contents) {
    if (m_inPlace) {
        m_inPlace = false;
        return OverwriteInPlace(m_target, contents);
    }
    if (m_fd < 0) {
        return SIOResult::Failure("no replacement was begun", EINVAL);
    }
    const int fd = m_fd;
    m_fd = -1;
    int error = 0;
    if (m_targetExists && !TakeOver(fd, m_targetInfo)) {
        error = errno;
        ::close(fd);
    } else if (!FinishFile(fd, contents) || ::rename(m_temporary.c_str(), m_target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(m_temporary.c_str());
        return SystemFailure(error);
    }
    SyncFolder(FolderOf(m_target));
    return SIOResult();
}

SIOResult ReplaceFile(const std::string& path, std::string_view contents) {
    CFileReplacement replacement;
    if (SIOResult begun = replacement.Begin(path); !begun) {
        return begun;
    }
    return replacement.Commit(contents);
}

}  // namespace TDWXML::detail
