#include "ui/headless_dialogs.h"

#include "platform/posix/dialog_templates.h"
#include "support/must_run.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

namespace {

struct HeadlessDialog;

struct Control {
  HeadlessDialog *dialog;
  const DialogItemTemplate *tmpl;
  int index;
  DialogItemKind kind;
  int check;
  int min, max, pos;  // a new trackbar: 0 to 100, at 0
};

struct HeadlessDialog {
  const DialogTemplate *tmpl;
  DLGPROC proc;
  std::vector<Control> controls;
  INT_PTR result;
  bool ended;
};

std::vector<HeadlessDialog *> open_dialogs;
std::map<std::string, std::function<void(HWND)>> users;
bool no_display = false;

std::string folded(const char *name) {
  std::string text(name);
  for (char &c : text) c = (char)std::tolower((unsigned char)c);
  return text;
}

HeadlessDialog *find_dialog(HWND hDlg) {
  for (HeadlessDialog *dialog : open_dialogs)
    if ((HWND)dialog == hDlg) return dialog;
  return nullptr;
}

Control *find_control(HWND hWnd) {
  for (HeadlessDialog *dialog : open_dialogs)
    for (Control &control : dialog->controls)
      if ((HWND)&control == hWnd) return &control;
  return nullptr;
}

Control *find_control(HWND hDlg, int id) { return find_control(GetDlgItem(hDlg, id)); }

// An automatic radio button checked by a click or a message clears the rest
// of its group.
void check_radio_button(Control &checked) {
  for (Control &other : checked.dialog->controls)
    if (other.kind == ITEM_RADIO_BUTTON &&
        in_same_group(*checked.dialog->tmpl, other.index, checked.index))
      other.check = BST_UNCHECKED;
  checked.check = BST_CHECKED;
}

void command(HeadlessDialog &dialog, int id, Control *from) {
  dialog.proc((HWND)&dialog, WM_COMMAND, MAKEWPARAM(id, 0), (LPARAM)from);
}

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
  Control *control = find_control(hDlg, id);
  if (!control) return;
  if (control->kind == ITEM_CHECK_BOX) control->check = !control->check;
  if (control->kind == ITEM_RADIO_BUTTON) check_radio_button(*control);
  command(*control->dialog, id, control);
}

void headless_escape(HWND hDlg) {
  if (HeadlessDialog *dialog = find_dialog(hDlg)) command(*dialog, IDCANCEL, nullptr);
}

void headless_drag(HWND hDlg, int id, int pos) {
  Control *control = find_control(hDlg, id);
  if (control && control->kind == ITEM_TRACKBAR)
    control->pos = std::clamp(pos, control->min, control->max);
}

bool headless_is_open(HWND hDlg) {
  HeadlessDialog *dialog = find_dialog(hDlg);
  return dialog && !dialog->ended;
}

HWND headless_top_dialog() {
  return open_dialogs.empty() ? nullptr : (HWND)open_dialogs.back();
}

void WINAPI InitCommonControls() {}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  if (hWndParent && !find_dialog(hWndParent)) return 0;
  const DialogTemplate *tmpl = find_dialog_template(lpTemplateName);
  if (!tmpl || !lpDialogFunc || no_display) return -1;

  HeadlessDialog dialog{tmpl, lpDialogFunc, {}, -1, false};
  for (int i = 0; i < tmpl->item_count; i++)
    dialog.controls.push_back(
        {&dialog, &tmpl->items[i], i, dialog_item_kind(tmpl->items[i]), 0, 0, 100, 0});
  open_dialogs.push_back(&dialog);
  HWND hDlg = (HWND)&dialog;
  lpDialogFunc(hDlg, WM_INITDIALOG, 0, dwInitParam);
  auto user = users.find(folded(tmpl->name));
  if (!dialog.ended && user != users.end()) user->second(hDlg);
  open_dialogs.pop_back();
  return dialog.ended ? dialog.result : -1;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  HeadlessDialog *dialog = find_dialog(hDlg);
  if (!dialog) return FALSE;
  dialog->result = nResult;
  dialog->ended = true;
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  HeadlessDialog *dialog = find_dialog(hDlg);
  if (!dialog) return nullptr;
  for (Control &control : dialog->controls)
    if (control.tmpl->id == nIDDlgItem) return (HWND)&control;
  return nullptr;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Control *control = find_control(hWnd);
  if (!control) return 0;
  bool button = control->kind == ITEM_CHECK_BOX || control->kind == ITEM_RADIO_BUTTON;
  bool trackbar = control->kind == ITEM_TRACKBAR;
  switch (Msg) {
    case BM_GETCHECK:
      return button ? control->check : 0;
    case BM_SETCHECK:
      if (control->kind == ITEM_RADIO_BUTTON && wParam == BST_CHECKED)
        check_radio_button(*control);
      else if (button)
        control->check = wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
      return 0;
    case TBM_GETPOS:
      return trackbar ? control->pos : 0;
    case TBM_SETPOS:
      if (trackbar) control->pos = std::clamp((int)lParam, control->min, control->max);
      return 0;
    case TBM_SETRANGE:
      if (trackbar) {
        control->min = LOWORD(lParam);
        control->max = std::max(control->min, (int)HIWORD(lParam));
        control->pos = std::clamp(control->pos, control->min, control->max);
      }
      return 0;
    default:
      return 0;
  }
}
