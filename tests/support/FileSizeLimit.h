#pragma once
// A full disk for this process, while an object lives: a write that would take a file past
// `bytes` fails with EFBIG, as on a disk with no space left. The signal such a write raises is
// ignored by the programs' own start-up call, which the test main runs too; without it the
// limit is not set and the test fails, since the signal would end the whole test program.
#include <csignal>
#include <functional>

#include <sys/resource.h>

#include <gtest/gtest.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        struct sigaction now {};
        ::sigaction(SIGXFSZ, nullptr, &now);
        if (now.sa_handler != SIG_IGN) {
            ADD_FAILURE() << "SIGXFSZ is not ignored: the test main must call "
                             "platform::KeepRunningPastFileSizeLimit()";
            return;
        }
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        set_ = ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~FileSizeLimit()
    {
        if (set_)
            ::setrlimit(RLIMIT_FSIZE, &saved_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_ {};
    bool set_ = false;
};

// Whether `startUp`, run with the signal of a write past the file-size limit at its default action
// (ending the process), leaves that signal ignored. The test program's setting is put back after.
inline bool LeavesFileSizeSignalIgnored(const std::function<void()>& startUp)
{
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    struct sigaction saved {};
    ::sigaction(SIGXFSZ, &byDefault, &saved);
    startUp();
    struct sigaction after {};
    ::sigaction(SIGXFSZ, &saved, &after);
    return after.sa_handler == SIG_IGN;
}
