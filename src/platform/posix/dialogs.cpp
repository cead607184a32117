// Modal dialogs on GTK: DialogBoxParamA runs a template's dialog in a nested
// main loop and reports to its dialog procedure as Windows does
// (WM_INITDIALOG, WM_COMMAND); GetDlgItem and SendMessageA give the
// procedure the controls' state. Handles point at the records of
// dialog_window.h and are checked before use.
#include "platform/win32.h"

#include "platform/posix/dialog_window.h"
#include "platform/posix/gtk_session.h"

#include <gdk/gdkkeysyms.h>

#include <algorithm>
#include <cmath>

namespace {

const WORD BN_CLICKED = 0;

std::vector<OpenDialog *> open_dialogs;  // the innermost modal dialog last

// Set while a message changes a control, which notifies nobody.
bool setting_state = false;

OpenDialog *find_dialog(HWND hDlg) {
  for (OpenDialog *dialog : open_dialogs)
    if ((HWND)dialog == hDlg) return dialog;
  return nullptr;
}

DialogItem *find_item(HWND hWnd) {
  for (OpenDialog *dialog : open_dialogs)
    for (DialogItem &item : dialog->items)
      if ((HWND)&item == hWnd) return &item;
  return nullptr;
}

void send_command(OpenDialog &dialog, int id, DialogItem *from) {
  dialog.proc((HWND)&dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), (LPARAM)from);
}

void set_check(DialogItem &item, bool checked) {
  setting_state = true;
  if (item.kind == ITEM_RADIO_BUTTON && !checked)
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(item.radio_off), TRUE);
  else
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(item.widget), checked);
  setting_state = false;
}

// An automatic radio button checked by a click or by BM_SETCHECK clears the
// others of its group.
void clear_radio_group(DialogItem &clicked) {
  for (DialogItem &item : clicked.dialog->items)
    if (&item != &clicked && item.kind == ITEM_RADIO_BUTTON &&
        in_same_group(*clicked.dialog->tmpl, item.index, clicked.index))
      set_check(item, false);
}

void on_clicked(GtkButton *, gpointer data) {
  if (setting_state) return;
  DialogItem &item = *(DialogItem *)data;
  if (item.kind == ITEM_RADIO_BUTTON) clear_radio_group(item);
  send_command(*item.dialog, item.tmpl->id, &item);
}

DialogItem *focused_item(OpenDialog &dialog) {
  GtkWidget *focus = gtk_window_get_focus(GTK_WINDOW(dialog.window));
  for (DialogItem &item : dialog.items)
    if (item.widget == focus) return &item;
  return nullptr;
}

// Tab and Shift+Tab follow the template order through the WS_TABSTOP controls.
void move_focus(OpenDialog &dialog, int step) {
  int count = (int)dialog.items.size();
  DialogItem *current = focused_item(dialog);
  int index = current ? current->index : (step > 0 ? -1 : 0);
  for (int i = 0; i < count; i++) {
    index = (index + step + count) % count;
    if (dialog.items[index].tmpl->style & WS_TABSTOP) {
      gtk_widget_grab_focus(dialog.items[index].widget);
      return;
    }
  }
}

// An owner is disabled while the dialog it owns runs, as on Windows: only
// the innermost dialog takes keys and close requests.
bool is_innermost(OpenDialog &dialog) { return open_dialogs.back() == &dialog; }

// The dialog keys: Escape is IDCANCEL; Enter is the focused push button, or
// else IDOK.
gboolean on_key_press(GtkWidget *, GdkEventKey *event, gpointer data) {
  OpenDialog &dialog = *(OpenDialog *)data;
  if (!is_innermost(dialog)) return TRUE;
  switch (event->keyval) {
    case GDK_KEY_Escape:
      send_command(dialog, IDCANCEL, nullptr);
      return TRUE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: {
      DialogItem *focus = focused_item(dialog);
      if (focus && focus->kind == ITEM_PUSH_BUTTON) return FALSE;
      send_command(dialog, IDOK, nullptr);
      return TRUE;
    }
    case GDK_KEY_Tab:
      move_focus(dialog, 1);
      return TRUE;
    case GDK_KEY_ISO_Left_Tab:
      move_focus(dialog, -1);
      return TRUE;
    default:
      return FALSE;
  }
}

// The close box is IDCANCEL; the dialog procedure decides whether to close.
gboolean on_delete(GtkWidget *, GdkEvent *, gpointer data) {
  OpenDialog &dialog = *(OpenDialog *)data;
  if (is_innermost(dialog)) send_command(dialog, IDCANCEL, nullptr);
  return TRUE;
}

void connect_signals(OpenDialog &dialog) {
  g_signal_connect(dialog.window, "key-press-event", G_CALLBACK(on_key_press), &dialog);
  g_signal_connect(dialog.window, "delete-event", G_CALLBACK(on_delete), &dialog);
  for (DialogItem &item : dialog.items)
    if (item.kind == ITEM_PUSH_BUTTON || item.kind == ITEM_CHECK_BOX ||
        item.kind == ITEM_RADIO_BUTTON)
      g_signal_connect_after(item.widget, "clicked", G_CALLBACK(on_clicked), &item);
}

DialogItem *first_tab_stop(OpenDialog &dialog) {
  for (DialogItem &item : dialog.items)
    if (item.tmpl->style & WS_TABSTOP) return &item;
  return nullptr;
}

// IDOK is the default button, as the Windows dialog manager makes it.
void set_default_button(OpenDialog &dialog) {
  for (DialogItem &item : dialog.items)
    if (item.kind == ITEM_PUSH_BUTTON && item.tmpl->id == IDOK) {
      gtk_widget_set_can_default(item.widget, TRUE);
      gtk_window_set_default(GTK_WINDOW(dialog.window), item.widget);
    }
}

LRESULT trackbar_message(DialogItem &item, UINT Msg, LPARAM lParam) {
  GtkRange *range = GTK_RANGE(item.widget);
  switch (Msg) {
    case TBM_GETPOS:
      return (LRESULT)std::lround(gtk_range_get_value(range));
    case TBM_SETPOS:
      gtk_range_set_value(range, (double)lParam);  // kept inside the range
      return 0;
    default: {  // TBM_SETRANGE; the position is moved into the new range
      int min = LOWORD(lParam), max = std::max(min, (int)HIWORD(lParam));
      gtk_range_set_range(range, min, max);
      gtk_range_set_increments(range, 1, std::max(1, (max - min) / 5));
      return 0;
    }
  }
}

}  // namespace

void WINAPI InitCommonControls() { gtk_session_open(); }

INT_PTR WINAPI DialogBoxParamA(HINSTANCE, LPCSTR lpTemplateName, HWND hWndParent,
                               DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  OpenDialog *owner = find_dialog(hWndParent);
  if (hWndParent && !owner) return 0;
  const DialogTemplate *tmpl = find_dialog_template(lpTemplateName);
  if (!tmpl || !lpDialogFunc || !gtk_session_open()) return -1;

  OpenDialog dialog{tmpl, lpDialogFunc, nullptr, nullptr,
                    std::vector<DialogItem>(tmpl->item_count), nullptr, 0, false};
  for (int i = 0; i < tmpl->item_count; i++)
    dialog.items[i] = {&dialog, &tmpl->items[i], i, dialog_item_kind(tmpl->items[i]), nullptr,
                       nullptr};
  build_dialog_window(dialog, owner);
  connect_signals(dialog);
  set_default_button(dialog);
  open_dialogs.push_back(&dialog);

  DialogItem *focus = first_tab_stop(dialog);
  if (lpDialogFunc((HWND)&dialog, WM_INITDIALOG, (WPARAM)focus, dwInitParam) && focus)
    gtk_widget_grab_focus(focus->widget);
  if (!dialog.ended) {
    focus_when_shown(dialog.window);
    gtk_widget_show_all(dialog.window);
    dialog.loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(dialog.loop);
    g_main_loop_unref(dialog.loop);
  }

  open_dialogs.pop_back();
  destroy_dialog_window(dialog);
  return dialog.result;
}

BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  OpenDialog *dialog = find_dialog(hDlg);
  if (!dialog) return FALSE;
  dialog->result = nResult;
  dialog->ended = true;
  if (dialog->loop) g_main_loop_quit(dialog->loop);
  return TRUE;
}

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  OpenDialog *dialog = find_dialog(hDlg);
  if (!dialog) return nullptr;
  for (DialogItem &item : dialog->items)
    if (item.tmpl->id == nIDDlgItem) return (HWND)&item;
  return nullptr;
}

LRESULT WINAPI SendMessageA(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  DialogItem *item = find_item(hWnd);
  if (!item) return 0;
  bool button = item->kind == ITEM_CHECK_BOX || item->kind == ITEM_RADIO_BUTTON;
  bool trackbar = item->kind == ITEM_TRACKBAR;
  switch (Msg) {
    case BM_GETCHECK:
      if (!button) return 0;
      return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(item->widget)) ? BST_CHECKED
                                                                            : BST_UNCHECKED;
    case BM_SETCHECK:
      if (button) set_check(*item, wParam == BST_CHECKED);
      if (item->kind == ITEM_RADIO_BUTTON && wParam == BST_CHECKED) clear_radio_group(*item);
      return 0;
    case TBM_GETPOS:
    case TBM_SETPOS:
    case TBM_SETRANGE:
      return trackbar ? trackbar_message(*item, Msg, lParam) : 0;
    default:
      return 0;
  }
}
