#include "platform/StartProgram.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/Diagnostics.h"

extern char** environ;

namespace {

// The programs started and not yet seen to end. Nothing waits for them;
// those that have ended are collected when the next one starts, so that a
// long-running host does not keep an exited process for every start.
std::vector<pid_t>& Running() {
    static std::vector<pid_t> running;
    return running;
}

void CollectEnded() {
    std::erase_if(Running(), [](pid_t child) { return ::waitpid(child, nullptr, WNOHANG) != 0; });
}

}  // namespace

bool TWStartProgram(const char* program, const CString& file) {
    std::string name(program);
    std::string argument = file.str();
    char* argv[] = {name.data(), argument.data(), nullptr};
    CollectEnded();
    pid_t child = 0;
    const int error = ::posix_spawnp(&child, name.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0) {
        CDiagnostics::LogError(CString("Failed to start '") + program + "' on " + file,
                               static_cast<unsigned long>(error), 0);
        errno = error;
        return false;
    }
    Running().push_back(child);
    return true;
}
