#include "fakes/call_log.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

std::vector<std::string> call_log;

namespace {

// The shortest %g precision that reads back as the same value, so logged
// numbers compare exactly yet stay readable ("0.4" rather than "0.400000006").
template <typename T>
std::string shortest(T value, int min_digits, int max_digits) {
  char text[64];
  if (value < 1e15 && value > -1e15 && value == static_cast<T>(static_cast<long long>(value))) {
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    return text;
  }
  for (int digits = min_digits; digits <= max_digits; digits++) {
    std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
    if (static_cast<T>(std::strtod(text, nullptr)) == value) break;
  }
  return text;
}

}  // namespace

std::string log_float(float value) { return shortest(value, 1, 9); }

std::string log_double(double value) { return shortest(value, 1, 17); }

std::string log_number(unsigned long long value) {
  char text[32];
  std::snprintf(text, sizeof text, value > 9 ? "0x%llx" : "%llu", value);
  return text;
}

std::string log_pointer(const void *pointer) {
  return pointer ? log_number(reinterpret_cast<std::uintptr_t>(pointer)) : "null";
}

std::string log_line(const char *name, const std::vector<std::string> &args) {
  std::string line = name;
  line += '(';
  for (size_t i = 0; i < args.size(); i++) {
    if (i) line += ", ";
    line += args[i];
  }
  return line + ')';
}

void log_call(const char *name, const std::vector<std::string> &args) {
  call_log.push_back(log_line(name, args));
}

std::vector<std::string> call_log_of(const char *name) {
  std::vector<std::string> lines;
  std::string prefix = std::string(name) + "(";
  for (const std::string &line : call_log)
    if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
  return lines;
}
