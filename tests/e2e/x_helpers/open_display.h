/* The start the X helpers with arguments share: they are counted, then the
   display is opened; the program ends with 2 when either fails. */
#pragma once

#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

/* USAGE is the program's name with its arguments, ARGUMENTS their count. */
static Display *open_display(int argc, int arguments, const char *usage) {
  if (argc != arguments + 1) {
    fprintf(stderr, "usage: %s\n", usage);
    exit(2);
  }
  Display *display = XOpenDisplay(NULL);
  if (!display) exit(2);
  return display;
}
