// The dialog toolkit over GTK 3: widgets that show the dialog manager's
// control state, and the user's clicks, drags and keys reported back to it.
#include <gdk/gdkkeysyms.h>

#include <algorithm>
#include <cmath>

#include "platform/gtk/dialog_window.h"
#include "platform/gtk/dialogs.h"
#include "platform/gtk/message_box.h"
#include "platform/gtk/session.h"

namespace {

const guint tick_milliseconds = 50;

// Set while the manager's state is being shown, which reports nothing back.
bool showing_state = false;

GtkWidget *widget_of(const dialog_control &c) { return c.widget->widget; }

void on_clicked(GtkButton *, gpointer data) {
  if (!showing_state) dialog_clicked(*static_cast<dialog_control *>(data));
}

void on_value_changed(GtkRange *range, gpointer data) {
  if (!showing_state)
    dialog_slid(*static_cast<dialog_control *>(data),
                static_cast<int>(std::lround(gtk_range_get_value(range))));
}

gboolean on_key_press(GtkWidget *, GdkEventKey *event, gpointer data) {
  open_dialog &d = *static_cast<open_dialog *>(data);
  switch (event->keyval) {
    case GDK_KEY_Escape: dialog_key_pressed(d, KEY_ESCAPE); return TRUE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter: dialog_key_pressed(d, KEY_ENTER); return TRUE;
    case GDK_KEY_Tab: dialog_key_pressed(d, KEY_TAB); return TRUE;
    case GDK_KEY_ISO_Left_Tab: dialog_key_pressed(d, KEY_BACK_TAB); return TRUE;
    default: return FALSE;
  }
}

gboolean on_delete(GtkWidget *, GdkEvent *, gpointer data) {
  dialog_close_box(*static_cast<open_dialog *>(data));
  return TRUE;
}

gboolean on_tick(gpointer) {
  modal_loop_tick();
  return G_SOURCE_CONTINUE;
}

void connect_signals(open_dialog &d) {
  g_signal_connect(d.window->window, "key-press-event", G_CALLBACK(on_key_press), &d);
  g_signal_connect(d.window->window, "delete-event", G_CALLBACK(on_delete), &d);
  for (dialog_control &c : d.controls) {
    if (c.kind == ITEM_PUSH_BUTTON || c.kind == ITEM_CHECK_BOX || c.kind == ITEM_RADIO_BUTTON)
      g_signal_connect_after(widget_of(c), "clicked", G_CALLBACK(on_clicked), &c);
    if (c.kind == ITEM_TRACKBAR)
      g_signal_connect(widget_of(c), "value-changed", G_CALLBACK(on_value_changed), &c);
  }
}

// IDOK is the default button, as the Windows dialog manager makes it.
void set_default_button(open_dialog &d) {
  for (dialog_control &c : d.controls)
    if (c.kind == ITEM_PUSH_BUTTON && c.tmpl->id == IDOK) {
      gtk_widget_set_can_default(widget_of(c), TRUE);
      gtk_window_set_default(GTK_WINDOW(d.window->window), widget_of(c));
    }
}

void build(open_dialog &d) {
  build_dialog_window(d);
  connect_signals(d);
  set_default_button(d);
}

void run(open_dialog &d) {
  focus_when_shown(d.window->window);
  gtk_widget_show_all(d.window->window);
  d.window->loop = g_main_loop_new(nullptr, FALSE);
  guint tick = g_timeout_add(tick_milliseconds, on_tick, nullptr);
  g_main_loop_run(d.window->loop);
  g_source_remove(tick);
  g_main_loop_unref(d.window->loop);
  d.window->loop = nullptr;
}

void stop(open_dialog &d) {
  if (d.window->loop) g_main_loop_quit(d.window->loop);
}

// A clear radio button is its hidden partner's turn to be active.
void show_state(dialog_control &c) {
  showing_state = true;
  GtkWidget *widget = widget_of(c);
  if (c.kind == ITEM_TRACKBAR) {
    GtkRange *range = GTK_RANGE(widget);
    gtk_range_set_range(range, c.low, c.high);
    gtk_range_set_increments(range, 1, std::max(1, (c.high - c.low) / 5));
    gtk_range_set_value(range, c.pos);
  } else if (c.kind == ITEM_RADIO_BUTTON && c.check != BST_CHECKED) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(c.widget->radio_off), TRUE);
  } else {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(widget), c.check == BST_CHECKED);
  }
  showing_state = false;
}

void focus(dialog_control &c) { gtk_widget_grab_focus(widget_of(c)); }

dialog_control *focused(open_dialog &d) {
  GtkWidget *focus = gtk_window_get_focus(GTK_WINDOW(d.window->window));
  for (dialog_control &c : d.controls)
    if (widget_of(c) == focus) return &c;
  return nullptr;
}

void message_box(const char *text, const char *caption) {
  guint tick = g_timeout_add(tick_milliseconds, on_tick, nullptr);
  run_message_box(text, caption);
  g_source_remove(tick);
}

const dialog_toolkit gtk = {
    gtk_session_open, build, run, stop, destroy_dialog_window, show_state, focus, focused,
    message_box,      end_message_box,
};

}  // namespace

const dialog_toolkit *gtk_dialog_toolkit() { return &gtk; }
