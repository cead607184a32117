/* An audit module for the dynamic loader: with LD_AUDIT naming it, the
 * process sends itself $EARLY_SIGNAL (TERM or INT) the moment the loader
 * maps the library whose name holds $EARLY_SIGNAL_AT, before any library is
 * relocated or any of its code runs, so a signal lands, every time, where
 * one arriving while a program starts could only land now and then. The
 * signal's action is reset to its default first: a shell's background job
 * starts with SIGINT ignored, and an interactive user's Ctrl-C is not. */
#define _GNU_SOURCE
#include <link.h>
#include <signal.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

unsigned int la_version(unsigned int version)
{
    return version < LAV_CURRENT ? version : LAV_CURRENT;
}

unsigned int la_objopen(struct link_map *map, Lmid_t lmid, uintptr_t *cookie)
{
    const char *at = getenv("EARLY_SIGNAL_AT");
    const char *name = getenv("EARLY_SIGNAL");
    if (at && *at && name && map->l_name && strstr(map->l_name, at)) {
        int number = strcmp(name, "INT") == 0 ? SIGINT : SIGTERM;
        signal(number, SIG_DFL);
        kill(getpid(), number);
    }
    return 0;
}
