// The summary of a benchmark's rounds: a median that a round spoiled by a
// burst of load on a shared machine does not move, with the spread.
#pragma once

#include <string>
#include <vector>

double median(std::vector<double> values);

// "median (lowest-highest)", each number written with `format` ("%.2f").
std::string spread(const std::vector<double> &values, const char *format);
