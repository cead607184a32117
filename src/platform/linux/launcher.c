/* The program's first stage, /usr/bin/torvane: it holds SIGTERM and SIGINT
 * back, then runs the program proper, ../libexec/torvane/torvane from its own
 * folder, in its place. Loading that program's libraries (GTK's, GL's, the
 * window systems') takes a while before any of its code runs; a signal that
 * comes meanwhile waits, since the block and the pending signal outlive
 * exec, until the program has its handlers (posix/termination.h), instead
 * of ending it on the spot. This stage needs nothing but the C library, so
 * it holds the signals back about a millisecond after it is started, where
 * the program proper takes tens of milliseconds to load. */
#include <errno.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static const char program_from_here[] = "/../libexec/torvane/torvane";

int main(int argc, char **argv)
{
    sigset_t ending;
    sigemptyset(&ending);
    sigaddset(&ending, SIGTERM);
    sigaddset(&ending, SIGINT);
    sigprocmask(SIG_BLOCK, &ending, NULL);

    /* The link is an absolute path; room is left for the way on. */
    char program[PATH_MAX];
    const size_t room = sizeof program - sizeof program_from_here;
    ssize_t length = readlink("/proc/self/exe", program, room);
    if (length <= 0 || (size_t)length >= room) {
        fprintf(stderr, "torvane: cannot tell where the program is: %s\n",
                length < 0 ? strerror(errno) : "its path is too long");
        return 1;
    }
    program[length] = '\0';
    strcpy(strrchr(program, '/'), program_from_here);
    execv(program, argv);
    fprintf(stderr, "torvane: cannot run %s: %s\n", program, strerror(errno));
    return 1;
}
