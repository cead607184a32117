// The dialog manager: DialogBoxParamA runs a template's dialog modally and
// reports to its dialog procedure as Windows does (WM_INITDIALOG,
// WM_COMMAND); GetDlgItem and SendMessageA give the procedure its controls,
// whose state is kept here. Handles point at the records of
// dialog_toolkit.h and are checked before use.
#include <algorithm>

#include "platform/emul/dialog_toolkit.h"
#include "platform/emul/window_system.h"
#include "platform/emul/modal_loop.h"

namespace {

const WORD BN_CLICKED = 0;
const dialog_toolkit *toolkit;
std::vector<open_dialog *> open_dialogs;  // the innermost modal dialog last

open_dialog *find_dialog(HWND hDlg) {
  for (open_dialog *d : open_dialogs)
    if (reinterpret_cast<HWND>(d) == hDlg) return d;
  return nullptr;
}

dialog_control *find_control(HWND hWnd) {
  for (open_dialog *d : open_dialogs)
    for (dialog_control &c : d->controls)
      if (reinterpret_cast<HWND>(&c) == hWnd) return &c;
  return nullptr;
}

void send_command(open_dialog &d, int id, dialog_control *from) {
  d.proc(reinterpret_cast<HWND>(&d), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
         reinterpret_cast<LPARAM>(from));
}

bool is_button(const dialog_control &c) {
  return c.kind == ITEM_CHECK_BOX || c.kind == ITEM_RADIO_BUTTON;
}

void set_check(dialog_control &c, int check) {
  if (c.check == check) return;
  c.check = check;
  toolkit->show_state(c);
}

// An automatic radio button checked, by a click or by BM_SETCHECK, clears
// the others of its group.
void check_radio_button(dialog_control &c) {
  for (dialog_control &other : c.dialog->controls)
    if (&other != &c && other.kind == ITEM_RADIO_BUTTON &&
        in_same_group(*c.dialog->tmpl, other.index, c.index))
      set_check(other, BST_UNCHECKED);
  set_check(c, BST_CHECKED);
}

void set_position(dialog_control &c, int pos) {
  c.pos = std::clamp(pos, c.low, c.high);
  toolkit->show_state(c);
}

// An owner is disabled while the dialog it owns runs, as on Windows: only
// the innermost dialog takes keys and close requests.
bool is_innermost(const open_dialog &d) { return !open_dialogs.empty() && open_dialogs.back() == &d; }

// Tab and Shift+Tab follow the template order through the WS_TABSTOP controls.
void move_focus(open_dialog &d, int step) {
  int count = static_cast<int>(d.controls.size());
  dialog_control *current = toolkit->focused(d);
  int index = current ? current->index : (step > 0 ? -1 : 0);
  for (int i = 0; i < count; i++) {
    index = (index + step + count) % count;
    if (d.controls[index].tmpl->style & WS_TABSTOP) {
      toolkit->focus(d.controls[index]);
      return;
    }
  }
}

dialog_control *first_tab_stop(open_dialog &d) {
  for (dialog_control &c : d.controls)
    if (c.tmpl->style & WS_TABSTOP) return &c;
  return nullptr;
}

LRESULT trackbar_message(dialog_control &c, UINT Msg, LPARAM lParam) {
  switch (Msg) {
    case TBM_GETPOS:
      return c.pos;
    case TBM_SETPOS:
      set_position(c, static_cast<int>(lParam));
      return 0;
    default:  // TBM_SETRANGE; the position is moved into the new range
      c.low = LOWORD(lParam);
      c.high = std::max(c.low, static_cast<int>(HIWORD(lParam)));
      set_position(c, c.pos);
      return 0;
  }
}

}  // namespace

void use_dialog_toolkit(const dialog_toolkit *chosen) { toolkit = chosen; }

const dialog_toolkit *dialog_toolkit_in_use() { return toolkit; }

void dialog_clicked(dialog_control &c) {
  if (c.kind == ITEM_CHECK_BOX) set_check(c, c.check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  if (c.kind == ITEM_RADIO_BUTTON) check_radio_button(c);
  send_command(*c.dialog, c.tmpl->id, &c);
}

void dialog_slid(dialog_control &c, int pos) {
  if (c.kind == ITEM_TRACKBAR) set_position(c, pos);
}

void dialog_key_pressed(open_dialog &d, dialog_key key) {
  if (!is_innermost(d)) return;
  switch (key) {
    case KEY_ESCAPE:
      send_command(d, IDCANCEL, nullptr);
      return;
    case KEY_ENTER: {
      dialog_control *focus = toolkit->focused(d);
      if (focus && focus->kind == ITEM_PUSH_BUTTON)
        dialog_clicked(*focus);
      else
        send_command(d, IDOK, nullptr);
      return;
    }
    case KEY_TAB:
      move_focus(d, 1);
      return;
    case KEY_BACK_TAB:
      move_focus(d, -1);
      return;
  }
}

// The close box is IDCANCEL; the dialog procedure decides whether to close.
void dialog_close_box(open_dialog &d) {
  if (is_innermost(d)) send_command(d, IDCANCEL, nullptr);
}

void WINAPI InitCommonControls() {
  if (toolkit) toolkit->open();
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  open_dialog *owner = find_dialog(hWndParent);
  if (hWndParent && !owner) return 0;
  const DialogTemplate *tmpl = find_dialog_template(lpTemplateName);
  if (!tmpl || !lpDialogFunc || !toolkit) return -1;
  if (!toolkit->open()) {
    report_no_display();
    return -1;
  }

  open_dialog d{tmpl, lpDialogFunc, owner, std::vector<dialog_control>(tmpl->item_count), -1,
                false, nullptr};
  for (int i = 0; i < tmpl->item_count; i++)
    d.controls[i] = {&d, &tmpl->items[i], i, dialog_item_kind(tmpl->items[i]), BST_UNCHECKED, 0,
                     100, 0, nullptr};
  toolkit->build(d);
  open_dialogs.push_back(&d);

  HWND hDlg = reinterpret_cast<HWND>(&d);
  dialog_control *focus = first_tab_stop(d);
  if (lpDialogFunc(hDlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(focus), dwInitParam) && focus &&
      !d.ended)
    toolkit->focus(*focus);
  if (!d.ended) toolkit->run(d);

  open_dialogs.pop_back();
  toolkit->destroy(d);
  return d.ended ? d.result : -1;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  open_dialog *d = find_dialog(hDlg);
  if (!d) return FALSE;
  d->result = nResult;
  if (!d->ended) {
    d->ended = true;
    toolkit->stop(*d);
  }
  return TRUE;
}

void quit_innermost_dialog() {
  if (!open_dialogs.empty()) EndDialog(reinterpret_cast<HWND>(open_dialogs.back()), 0);
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  open_dialog *d = find_dialog(hDlg);
  if (!d) return nullptr;
  for (dialog_control &c : d->controls)
    if (c.tmpl->id == nIDDlgItem) return reinterpret_cast<HWND>(&c);
  return nullptr;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  dialog_control *c = find_control(hWnd);
  if (!c) return 0;
  switch (Msg) {
    case BM_GETCHECK:
      return is_button(*c) ? c->check : 0;
    case BM_SETCHECK:
      if (c->kind == ITEM_RADIO_BUTTON && wParam == BST_CHECKED)
        check_radio_button(*c);
      else if (is_button(*c))
        set_check(*c, wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED);
      return 0;
    case TBM_GETPOS:
    case TBM_SETPOS:
    case TBM_SETRANGE:
      return c->kind == ITEM_TRACKBAR ? trackbar_message(*c, Msg, lParam) : 0;
    default:
      return 0;
  }
}
