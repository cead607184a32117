// One log shared by all the fakes: every faked GL, GDI, WGL, kernel and
// window-system call appends a line such as "glVertex3f(1, 0.5, -2)" or
// "PostMessageA(0x1000, 0x10, 0, 0)", so a test can compare the whole
// sequence a routine produced, across the platform areas, in order.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> call_log;

// How every fake writes its arguments, and how tests write the lines they
// expect. Floats and doubles: the shortest text that reads back as the same
// value. Codes, flags and handles: decimal up to 9, else 0x hex (the two read
// the same below 10). Pointers and handles: null, or their number.
std::string log_float(float value);
std::string log_double(double value);
std::string log_number(unsigned long long value);
std::string log_pointer(const void *pointer);

// "name(a, b, c)"
std::string log_line(const char *name, const std::vector<std::string> &args);

// Appends log_line(name, args) to call_log.
void log_call(const char *name, const std::vector<std::string> &args);

// The lines of call_log whose call name is `name`, in order.
std::vector<std::string> call_log_of(const char *name);
