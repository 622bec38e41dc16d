#pragma once

#include <functional>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zovi::test {

// Runs `check` in a child process whose files cannot grow beyond `bytes` (a disk that fills up while a
// file is written) and tells whether it returned true there.
inline bool trueWithFileSizeLimit(rlim_t bytes, const std::function<bool()>& check) {
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const rlimit limit{bytes, bytes};
        signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace zovi::test
