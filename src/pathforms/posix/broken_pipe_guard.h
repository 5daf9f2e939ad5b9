#pragma once
#include <signal.h>

namespace pathnab {

// Samba writes to its sockets without MSG_NOSIGNAL, so a server that drops the connection
// raises SIGPIPE in the calling thread, which would end this program. While a guard lives,
// SIGPIPE is held back in this thread; one raised meanwhile is taken off again at the end,
// and the thread's signal mask is restored.
class BrokenPipeGuard {
public:
    BrokenPipeGuard();
    ~BrokenPipeGuard();
    BrokenPipeGuard(const BrokenPipeGuard&) = delete;
    BrokenPipeGuard& operator=(const BrokenPipeGuard&) = delete;

private:
    sigset_t pipe_{};
    sigset_t previous_{};
    bool blocked_ = false;
    bool pendingBefore_ = false;
};

}  // namespace pathnab
