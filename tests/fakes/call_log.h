// One log shared by the recording fakes: every faked GL, GDI, WGL and kernel
// call appends a line such as "glVertex3f(1, 0.5, -2)", so a test can compare
// the whole sequence a routine produced, across the platform areas, in order.
#pragma once

#include <string>
#include <vector>

extern std::vector<std::string> call_log;

// Number formatting shared by the fakes and by tests that render expected
// lines: the shortest text that reads back as the same value.
std::string log_float(float value);
std::string log_double(double value);
std::string log_hex(unsigned long value);
std::string log_pointer(const void *pointer);

// "name(a, b, c)"
std::string log_line(const char *name, const std::vector<std::string> &args);
