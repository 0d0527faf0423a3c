#include "shell/TerminationSignals.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// In a child process: the first request reaches the event loop and leaves
// errno as it was; a second one ends the program at once, as the signal does.
TEST(TerminationSignals, SecondRequestEndsTheProgramAtOnce) {
    const pid_t child = fork();
    if (child == 0) {
        int argc = 1;
        char* argv[] = {const_cast<char*>("child"), nullptr};
        QCoreApplication app(argc, argv);
        TerminationSignals termination;
        int received = 0;
        QObject::connect(&termination, &TerminationSignals::terminationRequested,
                         [&](int number) { received += number == SIGTERM; });
        errno = EDOM;
        raise(SIGTERM);
        const bool kept = errno == EDOM;
        QCoreApplication::processEvents();
        raise(SIGINT);
        _exit(received == 1 && kept ? 0 : 2);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
}
