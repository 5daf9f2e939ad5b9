#include "pathforms/posix/broken_pipe_guard.h"

#include <gtest/gtest.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace pathnab {
namespace {

// Writes to a pipe nobody reads any more: the kernel answers with SIGPIPE and EPIPE.
int WriteToBrokenPipe() {
    int ends[2];
    if (pipe(ends) != 0) return 0;
    close(ends[0]);
    errno = 0;
    const ssize_t written = write(ends[1], "x", 1);
    const int error = written < 0 ? errno : 0;
    close(ends[1]);
    return error;
}

bool PipeSignalPending() {
    sigset_t pending;
    sigpending(&pending);
    return sigismember(&pending, SIGPIPE) == 1;
}

bool PipeSignalBlocked() {
    sigset_t mask;
    pthread_sigmask(SIG_SETMASK, nullptr, &mask);
    return sigismember(&mask, SIGPIPE) == 1;
}

TEST(BrokenPipeGuardTest, ABrokenPipeInsideDoesNotEndTheProgramAndLeavesNothingBehind) {
    ASSERT_FALSE(PipeSignalBlocked());
    {
        const BrokenPipeGuard guard;
        EXPECT_EQ(WriteToBrokenPipe(), EPIPE);
    }
    EXPECT_FALSE(PipeSignalPending());
    EXPECT_FALSE(PipeSignalBlocked());
}

TEST(BrokenPipeGuardTest, ASignalPendingBeforeIsLeftToItsOwner) {
    sigset_t pipeSet;
    sigemptyset(&pipeSet);
    sigaddset(&pipeSet, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSet, nullptr);
    WriteToBrokenPipe();
    ASSERT_TRUE(PipeSignalPending());
    {
        const BrokenPipeGuard guard;
        WriteToBrokenPipe();
    }
    EXPECT_TRUE(PipeSignalPending());
    EXPECT_TRUE(PipeSignalBlocked());
    const timespec now{0, 0};
    sigtimedwait(&pipeSet, nullptr, &now);
    pthread_sigmask(SIG_UNBLOCK, &pipeSet, nullptr);
}

}  // namespace
}  // namespace pathnab
