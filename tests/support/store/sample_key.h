// A key holding a value of every kind the REGEDIT4 text tells apart, and the
// exact text the Linux store writes for it. The Linux store must write this
// text; Windows' own import of the text must give these values.
#pragma once

#include "platform/win32.h"

#include <string>
#include <vector>

struct sample_value {
  const char *name;  // "" is the key's default value
  DWORD type;
  std::vector<BYTE> data;
};

extern const char sample_key_path[];

const std::vector<sample_value> &sample_values();

// The whole store file holding just the sample key, CRLF line ends.
std::string sample_key_text();
