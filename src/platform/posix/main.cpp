// The Linux entry point: the arguments, joined with single blanks, are the
// Windows-style command line the saver scans.
#include <string>

#include "host/ssaver.h"

int main(int argc, char **argv) {
  std::string line;
  for (int i = 1; i < argc; i++) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return WinMain(nullptr, nullptr, &line[0], SW_SHOWDEFAULT);
}
