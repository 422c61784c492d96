#include "app/ProcessSetup.h"

#include <csignal>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

void ProcessSetup::Prepare() {
    IgnoreBrokenPipes();
    OpenMissingStandardDescriptors();
}

// A log reader that goes away (`travolk | head -n 1`) must not end the game: the write
// fails, the log stream stops writing, and the game plays on.
void ProcessSetup::IgnoreBrokenPipes() {
#ifdef SIGPIPE
    signal(SIGPIPE, SIG_IGN);
#endif
}

// Started with standard output closed, the X connection that SDL opens would take its
// number, and every log line would go into the X socket. The first free number is taken,
// so filling 0, 1, 2 in order with /dev/null keeps them where they belong.
void ProcessSetup::OpenMissingStandardDescriptors() {
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        }
    }
#endif
}
