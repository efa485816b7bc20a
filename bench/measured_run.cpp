// Runs a program and writes "STATUS PEAK_KIB" to file descriptor 3: its exit
// status (-1 when it did not exit) and its largest resident set.
//
// The benchmarks run the tool through this small program rather than
// themselves: a process's peak resident set counts the memory of the process
// it was started from, up to its exec, and a benchmark holds hundreds of
// megabytes by the time it runs the tool.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        return 1;
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child) {
        return 1;
    }
    std::FILE* out = fdopen(3, "w");
    if (out == nullptr) {
        return 1;
    }
    std::fprintf(out, "%d %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss);
    return std::fclose(out) == 0 ? 0 : 1;
}
