#pragma once
// Ends the test program with SIGALRM ("Alarm clock") when the code under test blocks longer than
// `seconds`, while an object lives: a read that waits for a pipe's writer would otherwise hang
// the whole run until its time-out, with no word of where.
#include <csignal>

#include <unistd.h>

class BlockGuard {
public:
    explicit BlockGuard(unsigned seconds = 10)
    {
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        ::sigaction(SIGALRM, &byDefault, &saved_);
        ::alarm(seconds);
    }
    ~BlockGuard()
    {
        ::alarm(0);
        ::sigaction(SIGALRM, &saved_, nullptr);
    }
    BlockGuard(const BlockGuard&) = delete;
    BlockGuard& operator=(const BlockGuard&) = delete;

private:
    struct sigaction saved_ {};
};
