#include "app/posix/caller_link.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>
#include <csignal>

namespace pathnab {
namespace {

pid_t programPid = -1;

// A signal sent to the caller's side (a terminal's Ctrl+C, kill) ends the program too.
void PassOn(int signal) { kill(programPid, signal); }

void PassSignalsOn() {
    struct sigaction action{};
    action.sa_handler = PassOn;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaction(signal, &action, nullptr);
}

int ExitStatusOf(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return 1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : 1;
}

[[noreturn]] void WaitForProgram(int releaseFd) {
    PassSignalsOn();
    char released = 0;
    ssize_t got;
    do {
        got = read(releaseFd, &released, 1);
    } while (got < 0 && errno == EINTR);
    if (got == 1) _exit(0);
    _exit(ExitStatusOf(programPid));
}

void StdioToNull() {
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0) return;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) dup2(null, fd);
    if (null > STDERR_FILENO) close(null);
}

}  // namespace

CallerLink CallerLink::Fork() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) return CallerLink(-1);
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        return CallerLink(-1);
    }
    if (child > 0) {
        close(fds[1]);
        programPid = child;
        WaitForProgram(fds[0]);
    }
    close(fds[0]);
    return CallerLink(fds[1]);
}

void CallerLink::Release() {
    if (releaseFd_ < 0) return;
    // Out of the caller's session first: a terminal that closes as soon as the command has
    // returned hangs up its session, and this process must no longer be in it.
    setsid();
    StdioToNull();
    const char released = 0;
    while (write(releaseFd_, &released, 1) < 0 && errno == EINTR) {
    }
    close(releaseFd_);
    releaseFd_ = -1;
}

}  // namespace pathnab
