#pragma once

// A second local user, played by a child process that drops to a uid no
// account has, and a guard that turns a hang into a failure.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <functional>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zindra::test {

// No account on a Debian system has it: files chowned to it are nobody's the
// test knows.
inline constexpr uid_t OtherUid = 4242;

// Playing another user needs the super-user. Outside CI a developer without
// it skips; in CI, where the tests run as root, a missing root is a failure.
#define ZINDRA_REQUIRE_ROOT()                                                                      \
    do {                                                                                           \
        if (::geteuid() != 0) {                                                                    \
            if (std::getenv("CI")) FAIL() << "this test plays a second user and needs root";       \
            GTEST_SKIP() << "needs root to play a second user";                                    \
        }                                                                                          \
    } while (0)

// Ends the test process with a message when the code under test waits past
// `seconds`: a freeze becomes a failure instead of a test run that never ends.
class HangGuard {
  public:
    explicit HangGuard(unsigned seconds) {
        struct sigaction action {};
        action.sa_handler = [](int) {
            constexpr char message[] = "FAILED: the program froze waiting on the settings file\n";
            [[maybe_unused]] auto ignored = ::write(2, message, sizeof message - 1);
            ::_exit(1);
        };
        ::sigaction(SIGALRM, &action, &old_);
        ::alarm(seconds);
    }
    ~HangGuard() {
        ::alarm(0);
        ::sigaction(SIGALRM, &old_, nullptr);
    }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

  private:
    struct sigaction old_ {};
};

// A child process that runs `setUp` (as root, then drops to `uid`), reports
// through a pipe that it is ready, and waits until it is ended.
class Holder {
  public:
    Holder(uid_t uid, const std::function<void()>& setUp) {
        int ready[2];
        if (::pipe(ready) != 0) std::abort();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            setUp();
            if (uid != ::geteuid() && (::setgid(uid) != 0 || ::setuid(uid) != 0)) ::_exit(2);
            // A test that ends early, by a failure or its hang guard, takes the
            // holder with it. Set after setuid, which clears it.
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            [[maybe_unused]] auto ignored = ::write(ready[1], "r", 1);
            for (;;)
                ::pause();
        }
        ::close(ready[1]);
        char byte = 0;
        [[maybe_unused]] auto ignored = ::read(ready[0], &byte, 1);
        ::close(ready[0]);
    }
    ~Holder() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    Holder(const Holder&) = delete;
    Holder& operator=(const Holder&) = delete;

  private:
    pid_t pid_ = -1;
};

// Runs `action` in a child process as `uid`; its exit status.
inline int ExitStatusAs(uid_t uid, const std::function<int()>& action) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(uid) != 0 || ::setuid(uid) != 0) ::_exit(99);
        ::_exit(action());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

} // namespace zindra::test
