#pragma once
// Faults a test cannot make in its own process, made in a forked child: a full disk without root
// (files may not grow beyond a few bytes, so writes beyond that fail with EFBIG, as writes on a
// full disk fail with ENOSPC; the signal that would end the child is ignored; reads are
// unaffected), and a time limit for an action that must not wait (a read of a named pipe).
#include <csignal>
#include <cstdlib>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESTKIT_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TESTKIT_ADDRESS_SANITIZER 1
#endif

namespace testkit {

// Runs body in a forked child and gives its result (an exit code 0-255), or -1 when the child did
// not end normally: killed after `seconds`, or crashed (an exception gives 255). The child ends
// without running anything of the parent's (no destructors, no test report), so it reports through
// its result only.
inline int inChild(const std::function<int()>& body, unsigned seconds = 10,
                   const std::function<void()>& setUp = {})
{
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) {
        ::alarm(seconds);
        // Nothing may leave the child but its result: an exception would run the parent's tests on.
        try {
            if (setUp) setUp();
            std::_Exit(body() & 0xff);
        } catch (...) {
            std::_Exit(255);
        }
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// For inChild()'s set-up: at most `bytes` of memory for the child, so that a read without end
// fails there instead of exhausting the machine (not under the address sanitizer, whose shadow
// memory needs far more address space).
inline void limitMemory(rlim_t bytes = rlim_t(1) << 30)
{
#ifndef TESTKIT_ADDRESS_SANITIZER
    const rlimit memory{bytes, bytes};
    ::setrlimit(RLIMIT_AS, &memory);
#else
    (void)bytes;
#endif
}

// inChild() under a file-size limit of `limitBytes`.
inline int onAFullDisk(const std::function<int()>& body, rlim_t limitBytes = 8)
{
    return inChild(body, 60, [limitBytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) std::_Exit(254);
    });
}

} // namespace testkit
