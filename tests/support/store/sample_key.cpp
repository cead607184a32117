#include "sample_key.h"

namespace {

std::string repeated_hex(int count, const char *byte) {
  std::string out;
  for (int i = 0; i < count; ++i) out += std::string(i ? "," : "") + byte;
  return out;
}

}  // namespace

const char sample_key_path[] = "Software\\TorvaneTest\\Sample";

const std::vector<sample_value> &sample_values() {
  static const std::vector<sample_value> values = {
      {"say \"hi\"", REG_SZ, {'C', ':', '\\', 'd', 'i', 'r', ' ', '"', 'x', '"', 0}},
      {"", REG_DWORD, {0xEF, 0xBE, 0xAD, 0xDE}},
      {"short", REG_DWORD, {0x34, 0x12}},
      {"qword", REG_QWORD, {1, 2, 3, 4, 5, 6, 7, 0xAB}},
      {"unterminated", REG_SZ, {'a', 'b'}},
      {"two lines", REG_SZ, {'a', '\n', 'b', 0}},
      {"expand", REG_EXPAND_SZ, {'%', 'X', '%', 0}},
      {"multi", REG_MULTI_SZ, {'x', 0, 'y', 0, 0}},
      {"none", REG_NONE, {9, 8, 7}},
      {"odd type", 0x1234, {1}},
      {"empty", REG_BINARY, {}},
      {"back\\slash", REG_BINARY, {0x00, 0x0D, 0x0A}},
      {"blob", REG_BINARY, std::vector<BYTE>(50, 0x7F)},
  };
  return values;
}

std::string sample_key_text() {
  return "REGEDIT4\r\n\r\n"
         "[HKEY_CURRENT_USER\\Software\\TorvaneTest\\Sample]\r\n"
         "\"say \\\"hi\\\"\"=\"C:\\\\dir \\\"x\\\"\"\r\n"
         "@=dword:deadbeef\r\n"
         "\"short\"=hex(4):34,12\r\n"
         "\"qword\"=hex(b):01,02,03,04,05,06,07,ab\r\n"
         "\"unterminated\"=hex(1):61,62\r\n"
         "\"two lines\"=hex(1):61,0a,62,00\r\n"
         "\"expand\"=hex(2):25,58,25,00\r\n"
         "\"multi\"=hex(7):78,00,79,00,00\r\n"
         "\"none\"=hex(0):09,08,07\r\n"
         "\"odd type\"=hex(1234):01\r\n"
         "\"empty\"=hex:\r\n"
         "\"back\\\\slash\"=hex:00,0d,0a\r\n"
         "\"blob\"=hex:" + repeated_hex(22, "7f") + ",\\\r\n  " + repeated_hex(25, "7f") +
         ",\\\r\n  " + repeated_hex(3, "7f") + "\r\n\r\n";
}
