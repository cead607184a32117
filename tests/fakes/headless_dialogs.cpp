// A dialog toolkit without widgets under the real dialog manager: running a
// dialog calls the user's actions registered for its template, which report
// clicks, drags and keys as a toolkit does.
#include "fakes/headless_dialogs.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/emul/dialog_toolkit.h"
#include "support/must_run.h"

namespace {

std::map<std::string, std::function<void(HWND)>> users;
bool no_display = false;
dialog_control *focus_control;
std::vector<open_dialog *> built;  // the innermost last

std::string folded(const char *name) {
  std::string text(name);
  for (char &c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

open_dialog *dialog_of(HWND hDlg) {
  auto it = std::find(built.begin(), built.end(), reinterpret_cast<open_dialog *>(hDlg));
  return it == built.end() ? nullptr : *it;
}

dialog_control *control_of(HWND hDlg, int id) {
  return reinterpret_cast<dialog_control *>(GetDlgItem(hDlg, id));
}

bool open() { return !no_display; }
void build(open_dialog &d) { built.push_back(&d); }

// The user acts while the dialog is open; without one, the dialog does not
// end and DialogBoxParamA reports -1.
void run(open_dialog &d) {
  auto user = users.find(folded(d.tmpl->name));
  if (user != users.end()) user->second(reinterpret_cast<HWND>(&d));
}

void stop(open_dialog &) {}
void destroy(open_dialog &d) {
  built.erase(std::find(built.begin(), built.end(), &d));
  if (focus_control && focus_control->dialog == &d) focus_control = nullptr;
}
void show_state(dialog_control &) {}
void focus(dialog_control &c) { focus_control = &c; }

dialog_control *focused(open_dialog &d) {
  return focus_control && focus_control->dialog == &d ? focus_control : nullptr;
}

void message_box(const char *, const char *) {}
void end_message_box() {}

const dialog_toolkit headless = {open,  build,   run,         stop,           destroy, show_state,
                                 focus, focused, message_box, end_message_box};

// The toolkit is in place before any test runs.
const bool installed = (use_dialog_toolkit(&headless), true);

}  // namespace

void headless_on_open(const char *name, std::function<void(HWND)> user) {
  users[folded(name)] = must_run(std::string("the user of dialog ") + name, std::move(user));
}

void headless_reset() {
  users.clear();
  no_display = false;
}

void headless_set_no_display(bool value) { no_display = value; }

void headless_click(HWND hDlg, int id) {
  if (dialog_control *c = control_of(hDlg, id)) dialog_clicked(*c);
}

void headless_escape(HWND hDlg) {
  if (open_dialog *d = dialog_of(hDlg)) dialog_key_pressed(*d, KEY_ESCAPE);
}

void headless_drag(HWND hDlg, int id, int pos) {
  if (dialog_control *c = control_of(hDlg, id)) dialog_slid(*c, pos);
}

bool headless_is_open(HWND hDlg) {
  open_dialog *d = dialog_of(hDlg);
  return d && !d->ended;
}

HWND headless_top_dialog() { return built.empty() ? nullptr : reinterpret_cast<HWND>(built.back()); }
