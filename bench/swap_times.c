/* For the frame benchmarks, loaded with LD_PRELOAD: writes the time of every
   buffer swap (CLOCK_MONOTONIC, in nanoseconds, once the swap has returned)
   as a line to the file $SWAP_TIMES names, or, for a program that starts
   others (the inherited preload times them all), to the file named by its
   process id in the folder $SWAP_TIMES_DIR names. EGL's swap and GLX's, so
   that it serves torvane and XScreenSaver's hacks alike. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

static void note_swap(void) {
  static int fd = -1;
  if (fd < 0) {
    char path[4096];
    const char *file = getenv("SWAP_TIMES"), *folder = getenv("SWAP_TIMES_DIR");
    if (folder)
      snprintf(path, sizeof path, "%s/%d", folder, (int)getpid());
    else if (file)
      snprintf(path, sizeof path, "%s", file);
    else
      return;
    fd = open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
  }
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[32];
  int length = snprintf(line, sizeof line, "%lld\n", now.tv_sec * 1000000000LL + now.tv_nsec);
  if (write(fd, line, (size_t)length) != length) return;
}

typedef unsigned (*egl_swap_function)(void *display, void *surface);
typedef void (*glx_swap_function)(void *display, unsigned long drawable);

unsigned eglSwapBuffers(void *display, void *surface) {
  static egl_swap_function real;
  if (!real) real = (egl_swap_function)dlsym(RTLD_NEXT, "eglSwapBuffers");
  unsigned swapped = real(display, surface);
  note_swap();
  return swapped;
}

void glXSwapBuffers(void *display, unsigned long drawable) {
  static glx_swap_function real;
  if (!real) real = (glx_swap_function)dlsym(RTLD_NEXT, "glXSwapBuffers");
  real(display, drawable);
  note_swap();
}
