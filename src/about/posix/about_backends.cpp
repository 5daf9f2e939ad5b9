#include "about/posix/about_backends.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>
#include <thread>

extern char** environ;

namespace pathnab {

namespace {

// Spawn attributes for a program that lives on its own: default signal handling, nothing
// blocked, and its own session, so that it outlasts Pathnab and its terminal.
class DetachedSpawnAttributes {
public:
    DetachedSpawnAttributes() {
        ready_ = posix_spawnattr_init(&attr_) == 0;
        if (!ready_) return;
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
        flags |= POSIX_SPAWN_SETSID;
#endif
        ready_ = posix_spawnattr_setsigmask(&attr_, &none) == 0 &&
                 posix_spawnattr_setsigdefault(&attr_, &all) == 0 &&
                 posix_spawnattr_setflags(&attr_, flags) == 0;
    }
    ~DetachedSpawnAttributes() { posix_spawnattr_destroy(&attr_); }
    DetachedSpawnAttributes(const DetachedSpawnAttributes&) = delete;
    DetachedSpawnAttributes& operator=(const DetachedSpawnAttributes&) = delete;

    const posix_spawnattr_t* Get() const { return ready_ ? &attr_ : nullptr; }

private:
    posix_spawnattr_t attr_{};
    bool ready_ = false;
};

// Waits for the one child in a thread of its own: no SIGCHLD handler and no wait for other
// children, so Qt's own child processes are not disturbed. The program has started either way;
// without a thread to spare it is merely left unreaped until this program ends.
void ReapInBackground(pid_t pid) {
    try {
        std::thread([pid] {
            while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
    }
}

// File actions that close every descriptor above standard error in the started program: what
// Pathnab inherited from the file manager that started it (a lock, a pipe) is not the
// program's, and a program that outlives Pathnab would hold it for ever.
class OnlyStandardDescriptors {
public:
    OnlyStandardDescriptors() {
        ready_ = posix_spawn_file_actions_init(&actions_) == 0;
        if (ready_ && posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1) != 0) {
            posix_spawn_file_actions_destroy(&actions_);
            ready_ = false;
        }
    }
    ~OnlyStandardDescriptors() {
        if (ready_) posix_spawn_file_actions_destroy(&actions_);
    }
    OnlyStandardDescriptors(const OnlyStandardDescriptors&) = delete;
    OnlyStandardDescriptors& operator=(const OnlyStandardDescriptors&) = delete;

    const posix_spawn_file_actions_t* Get() const { return ready_ ? &actions_ : nullptr; }

private:
    posix_spawn_file_actions_t actions_{};
    bool ready_ = false;
};

class PosixProgramStarter : public ProgramStarter {
public:
    bool Start(const std::string& path) override {
        DetachedSpawnAttributes attributes;
        OnlyStandardDescriptors descriptors;
        if (attributes.Get() == nullptr || descriptors.Get() == nullptr) return false;
        char* const argv[] = {const_cast<char*>(path.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), descriptors.Get(), attributes.Get(), argv, environ) != 0) {
            return false;
        }
        ReapInBackground(pid);
        return true;
    }
};

std::string OwnName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class PosixFileProbe : public FileProbe {
public:
    bool IsOrdinaryFile(const std::string& path) override {
        const std::string name = OwnName(path);
        if (name.empty() || name.front() == '.') return false;
        struct stat status {};
        return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
    }
};

}  // namespace

std::unique_ptr<ProgramStarter> MakePosixProgramStarter() {
    return std::make_unique<PosixProgramStarter>();
}

std::unique_ptr<FileProbe> MakePosixFileProbe() { return std::make_unique<PosixFileProbe>(); }

}  // namespace pathnab
