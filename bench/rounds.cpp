#include "rounds.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string written(const char *format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

std::string spread(const std::vector<double> &values, const char *format) {
  auto [low, high] = std::minmax_element(values.begin(), values.end());
  return written(format, median(values)) + " (" + written(format, *low) + "-" + written(format, *high) + ")";
}
