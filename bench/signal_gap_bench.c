/* How long a starting program is open to SIGTERM and SIGINT, which end a
 * process that has not yet taken them: runs "PROGRAM /a" ROUNDS times and,
 * reading its /proc status as fast as it can, times from the end of exec to
 * the first moment the program holds both signals back (SigBlk: the
 * launcher's block) and to the first moment it has handlers for both
 * (SigCgt: the program proper, once its libraries are loaded). Between two
 * readings it sleeps 50 microseconds, leaving the processor to the program.
 *
 *   signal_gap_bench PROGRAM [ROUNDS]
 *
 * Prints the median and the largest time of each, in milliseconds; "never"
 * when no round saw it. The sleep and a reading of /proc bound the
 * resolution to a tenth of a millisecond or so. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* Reads the SigBlk and SigCgt lines of process `pid`: whether each holds
 * SIGINT and SIGTERM. False when the process is gone. */
static int read_masks(pid_t pid, int *blocked, int *caught)
{
    char path[64], text[4096];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    int fd = open(path, O_RDONLY);
    if (fd < 0)
        return 0;
    ssize_t length = read(fd, text, sizeof text - 1);
    close(fd);
    if (length <= 0)
        return 0;
    text[length] = '\0';
    const char *blk = strstr(text, "SigBlk:"), *cgt = strstr(text, "SigCgt:");
    if (!blk || !cgt)
        return 0;
    *blocked = (strtoull(blk + 7, NULL, 16) & 0x4002) == 0x4002;
    *caught = (strtoull(cgt + 7, NULL, 16) & 0x4002) == 0x4002;
    return 1;
}

static int by_time(const void *a, const void *b)
{
    double x = *(const double *)a, y = *(const double *)b;
    return (x > y) - (x < y);
}

static void report(const char *what, double *times, int count, int rounds)
{
    if (count == 0) {
        printf("%-32s never\n", what);
        return;
    }
    qsort(times, (size_t)count, sizeof *times, by_time);
    printf("%-32s median %.3f ms, largest %.3f ms (%d of %d rounds)\n", what,
           times[count / 2], times[count - 1], count, rounds);
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: %s PROGRAM [ROUNDS]\n", argv[0]);
        return 2;
    }
    int rounds = argc > 2 ? atoi(argv[2]) : 50;
    double *held = calloc((size_t)rounds, sizeof *held);
    double *handled = calloc((size_t)rounds, sizeof *handled);
    int held_count = 0, handled_count = 0;
    for (int round = 0; round < rounds; round++) {
        int exec_done[2];
        if (pipe2(exec_done, O_CLOEXEC) != 0)
            return 1;
        pid_t pid = fork();
        if (pid == 0) {
            int null = open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execl(argv[1], argv[1], "/a", (char *)NULL);
            _exit(127);
        }
        close(exec_done[1]);
        char byte;
        while (read(exec_done[0], &byte, 1) > 0) {
        }
        close(exec_done[0]);
        double start = now_ms();
        int blocked = 0, caught = 0, seen_held = 0;
        const struct timespec pause = {0, 50000};
        while (read_masks(pid, &blocked, &caught) && !caught) {
            if (blocked && !seen_held) {
                held[held_count++] = now_ms() - start;
                seen_held = 1;
            }
            nanosleep(&pause, NULL);
        }
        if (caught)
            handled[handled_count++] = now_ms() - start;
        waitpid(pid, NULL, 0);
    }
    report("exec to the signals held back", held, held_count, rounds);
    report("exec to the handlers in place", handled, handled_count, rounds);
    return 0;
}
