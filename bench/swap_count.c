/* Counts the frames a program presents (glXSwapBuffers, eglSwapBuffers)
   into the file $SWAP_COUNT_DIR/PID, rewritten at every frame, for
   monitors_cpu_bench.sh; loaded with LD_PRELOAD, it is inherited by every
   process the program starts. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

static long frames;
static int count_file = -1;

static void count_frame(void) {
  char text[32];
  int length;
  frames++;
  if (count_file < 0) {
    const char *folder = getenv("SWAP_COUNT_DIR");
    char path[4096];
    if (!folder) return;
    snprintf(path, sizeof path, "%s/%d", folder, (int)getpid());
    count_file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (count_file < 0) return;
  }
  length = snprintf(text, sizeof text, "%20ld\n", frames);
  if (pwrite(count_file, text, (size_t)length, 0) != length) count_file = -1;
}

int glXSwapBuffers(void *display, unsigned long drawable) {
  static int (*real)(void *, unsigned long);
  if (!real) *(void **)&real = dlsym(RTLD_NEXT, "glXSwapBuffers");
  count_frame();
  return real(display, drawable);
}

unsigned eglSwapBuffers(void *display, void *surface) {
  static unsigned (*real)(void *, void *);
  if (!real) *(void **)&real = dlsym(RTLD_NEXT, "eglSwapBuffers");
  count_frame();
  return real(display, surface);
}
