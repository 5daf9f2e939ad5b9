#include "pathforms/posix/broken_pipe_guard.h"

#include <pthread.h>
#include <time.h>

namespace pathnab {
namespace {

bool BrokenPipePending() {
    sigset_t pending;
    return sigpending(&pending) == 0 && sigismember(&pending, SIGPIPE) == 1;
}

}  // namespace

BrokenPipeGuard::BrokenPipeGuard() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    pendingBefore_ = BrokenPipePending();
    blocked_ = pthread_sigmask(SIG_BLOCK, &pipe_, &previous_) == 0;
}

BrokenPipeGuard::~BrokenPipeGuard() {
    if (!blocked_) return;
    if (!pendingBefore_ && BrokenPipePending()) {
        const timespec now{0, 0};
        sigtimedwait(&pipe_, nullptr, &now);
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

}  // namespace pathnab
