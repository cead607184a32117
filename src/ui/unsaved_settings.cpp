// The box that tells the user OK did not save the settings: where they are
// kept and the system's words for why.
#include "ui/config_dialog.h"

#include "settings/settings_location.h"

#include <string>

void tell_settings_not_saved(HWND hWnd, long status) {
  char words[512];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                static_cast<DWORD>(status), 0, words, sizeof words, nullptr);
  std::string why = length ? std::string(words, length) : "Error " + std::to_string(status) + ".";
  while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == ' '))
    why.pop_back();
  const std::string text =
      "The settings could not be saved in " + settings_location() + ".\n\n" + why;
  MessageBoxA(hWnd, text.c_str(), "Torvane Screensaver", MB_OK | MB_ICONERROR);
}
