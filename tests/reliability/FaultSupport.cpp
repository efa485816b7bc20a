#include "reliability/FaultSupport.h"

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

namespace fs = std::filesystem;

namespace tw_test {

namespace {

void SetFileSizeLimit(rlim_t bytes) {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

rlim_t FileSizeLimit() {
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    return limit.rlim_cur;
}

}  // namespace

CFileSizeLimit::CFileSizeLimit(long bytes)
    : m_previous(static_cast<long>(FileSizeLimit())),
      m_previousHandler(::signal(SIGXFSZ, SIG_IGN)) {
    SetFileSizeLimit(static_cast<rlim_t>(bytes));
}

CFileSizeLimit::~CFileSizeLimit() {
    SetFileSizeLimit(static_cast<rlim_t>(m_previous));
    ::signal(SIGXFSZ, m_previousHandler);
}

std::string InChildAsOtherUser(const std::function<std::string()>& body) {
    int fds[2];
    if (::pipe(fds) != 0) {
        return "no pipe";
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::string failures;
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(kOtherUser) != 0 ||
                                 ::setuid(kOtherUser) != 0)) {
            failures = "cannot become the other user";
        } else {
            failures = body();
        }
        [[maybe_unused]] const ssize_t written = ::write(fds[1], failures.data(), failures.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string failures;
    char buffer[512];
    ssize_t count = 0;
    while ((count = ::read(fds[0], buffer, sizeof buffer)) > 0) {
        failures.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status)) {
        failures += "the child died";
    }
    return failures;
}

void MakeClosedFolder(const fs::path& folder, const fs::path& file, const std::string& contents) {
    fs::create_directories(folder);
    std::ofstream(file, std::ios::binary) << contents;
    if (::geteuid() == 0) {
        ::chown(folder.c_str(), kOtherUser, kOtherUser);
        ::chown(file.c_str(), kOtherUser, kOtherUser);
    }
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
}

int CountTemporaries(const fs::path& folder) {
    int count = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        count += entry.path().filename().string().find(".tmp") != std::string::npos;
    }
    return count;
}

}  // namespace tw_test
