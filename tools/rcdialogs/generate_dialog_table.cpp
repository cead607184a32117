// Writes the dialog templates of a resource script as the C++ table the
// Linux dialog manager builds its dialogs from, so that the script is the
// one description of the dialogs on both platforms.
//
//   rcdialogs SCRIPT.rc RESOURCE.h OUTPUT.cpp
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "platform/win32.h"
#include "rc_reader.h"

namespace {

std::string read_file(const std::string &path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The Windows names a dialog script uses, with their values.
std::map<std::string, long> windows_symbols() {
  return {
      {"WS_POPUP", WS_POPUP},
      {"WS_CHILD", WS_CHILD},
      {"WS_VISIBLE", WS_VISIBLE},
      {"WS_CAPTION", WS_CAPTION},
      {"WS_SYSMENU", WS_SYSMENU},
      {"WS_GROUP", WS_GROUP},
      {"WS_TABSTOP", WS_TABSTOP},
      {"WS_EX_DLGMODALFRAME", WS_EX_DLGMODALFRAME},
      {"WS_EX_CONTEXTHELP", WS_EX_CONTEXTHELP},
      {"DS_3DLOOK", DS_3DLOOK},
      {"DS_SETFONT", DS_SETFONT},
      {"DS_MODALFRAME", DS_MODALFRAME},
      {"DS_CONTEXTHELP", DS_CONTEXTHELP},
      {"BS_PUSHBUTTON", BS_PUSHBUTTON},
      {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX},
      {"BS_GROUPBOX", BS_GROUPBOX},
      {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON},
      {"BS_CENTER", BS_CENTER},
      {"SS_LEFT", SS_LEFT},
      {"IDOK", IDOK},
      {"IDCANCEL", IDCANCEL},
  };
}

// A C++ string literal; anything but printable ASCII as an octal escape.
std::string literal(const std::string &text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", c);
      out += escape;
    }
  }
  return out + "\"";
}

std::string hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

std::string table_source(const std::vector<RcDialog> &dialogs) {
  std::ostringstream out;
  out << "// Generated from res/torvane.rc at build time; do not edit.\n"
         "#include \"platform/emul/dialog_templates.h\"\n\nnamespace {\n\n";
  for (size_t d = 0; d < dialogs.size(); d++) {
    out << "const DialogItemTemplate items_" << d << "[] = {\n";
    for (const RcControl &c : dialogs[d].controls)
      out << "    {" << literal(c.text) << ", " << (c.id & 0xFFFF) << ", " << literal(c.cls) << ", "
          << hex(c.style) << ", " << c.x << ", " << c.y << ", " << c.cx << ", " << c.cy << "},\n";
    out << "};\n\n";
  }
  out << "}  // namespace\n\nconst DialogTemplate dialog_templates[] = {\n";
  for (size_t d = 0; d < dialogs.size(); d++) {
    const RcDialog &dialog = dialogs[d];
    out << "    {" << literal(dialog.name) << ", " << hex(dialog.style) << ", "
        << hex(dialog.ex_style) << ", " << dialog.x << ", " << dialog.y << ", " << dialog.cx << ", "
        << dialog.cy << ", " << literal(dialog.caption) << ", " << dialog.point_size << ", "
        << literal(dialog.font) << ", items_" << d << ", " << dialog.controls.size() << "},\n";
  }
  out << "};\nconst int dialog_template_count = " << dialogs.size() << ";\n";
  return out.str();
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: rcdialogs SCRIPT.rc RESOURCE.h OUTPUT.cpp\n");
    return 2;
  }
  try {
    std::map<std::string, long> symbols = read_defines(read_file(argv[2]));
    for (const auto &symbol : windows_symbols()) symbols.insert(symbol);
    std::vector<RcDialog> dialogs = read_dialogs(read_file(argv[1]), symbols);
    if (dialogs.empty()) throw std::runtime_error("no dialogs");
    std::ofstream out(argv[3]);
    out << table_source(dialogs);
    if (!out.flush()) throw std::runtime_error(std::string("cannot write ") + argv[3]);
  } catch (const std::exception &error) {
    std::fprintf(stderr, "rcdialogs: %s: %s\n", argv[1], error.what());
    std::remove(argv[3]);
    return 1;
  }
  return 0;
}
