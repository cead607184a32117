// Dialog windows built from templates: a client area holding one
// widget per control at its rectangle. Dialog units are converted with the
// base units of the dialog font, measured as Windows measures them (average
// width of the 52 letters, line height).
#include "platform/gtk/dialog_window.h"

namespace {

// GTK's nearest match for the 8-point "MS Sans Serif" of the templates.
const char dialog_font[] = "Sans 8";  // also in dialog_css

// Compact, classic proportions, so that every control fits its rectangle.
// The caption paints its own background: the theme leaves the title bar of
// a window with client-side decorations (Wayland's) transparent.
const char dialog_css[] =
    ".win32-dialog, .win32-dialog * { font: 8pt Sans; }"
    ".win32-dialog .caption { min-height: 0; padding: 2px 2px 2px 6px;"
    " background-color: @theme_bg_color; }"
    ".win32-dialog .caption .title { font-weight: bold; }"
    ".win32-dialog .caption button { min-height: 14px; min-width: 14px; padding: 0 2px; }"
    ".win32-dialog .client button { min-height: 0; min-width: 0; padding: 0 4px; }"
    ".win32-dialog .client button.default { border-color: #2d2d2d; }"
    ".win32-dialog checkbutton, .win32-dialog radiobutton { min-height: 0; padding: 0; }"
    ".win32-dialog check, .win32-dialog radio { min-width: 12px; min-height: 12px; margin: 0 4px 0 0; padding: 0; }"
    ".win32-dialog scale { min-height: 0; padding: 0 6px; }"
    ".win32-dialog scale slider { min-width: 10px; min-height: 14px; margin: -6px; }";

struct BaseUnits {
  int x, y;
};

BaseUnits measure_base_units(GtkWidget *window) {
  PangoLayout *layout = gtk_widget_create_pango_layout(
      window, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  PangoFontDescription *font = pango_font_description_from_string(dialog_font);
  pango_layout_set_font_description(layout, font);
  int width, height;
  pango_layout_get_pixel_size(layout, &width, &height);
  pango_font_description_free(font);
  g_object_unref(layout);
  return {(width / 26 + 1) / 2, height};
}

void install_css() {
  static bool installed = false;
  if (installed) return;
  GtkCssProvider *css = gtk_css_provider_new();
  gtk_css_provider_load_from_data(css, dialog_css, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(css),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(css);
  installed = true;
}

GtkWidget *make_trackbar() {
  GtkWidget *scale = gtk_scale_new(GTK_ORIENTATION_HORIZONTAL,
                                   gtk_adjustment_new(0, 0, 100, 1, 20, 0));
  gtk_scale_set_draw_value(GTK_SCALE(scale), FALSE);
  gtk_scale_set_digits(GTK_SCALE(scale), 0);
  gtk_range_set_round_digits(GTK_RANGE(scale), 0);
  return scale;
}

GtkWidget *make_text(const char *text) {
  GtkWidget *label = gtk_label_new(text);
  gtk_label_set_line_wrap(GTK_LABEL(label), TRUE);
  gtk_label_set_max_width_chars(GTK_LABEL(label), 1);  // as wide as its rectangle, no wider
  gtk_label_set_xalign(GTK_LABEL(label), 0);
  gtk_label_set_yalign(GTK_LABEL(label), 0);
  return label;
}

GtkWidget *make_item_widget(dialog_control &item) {
  const char *text = item.tmpl->text;
  switch (item.kind) {
    case ITEM_PUSH_BUTTON: return gtk_button_new_with_label(text);
    case ITEM_CHECK_BOX: return gtk_check_button_new_with_label(text);
    case ITEM_RADIO_BUTTON:
      // Every radio button is alone in a GTK group with its hidden partner,
      // so that it can be cleared; the dialog's own groups decide which
      // buttons a click clears.
      item.widget->radio_off = GTK_WIDGET(g_object_ref_sink(gtk_radio_button_new(nullptr)));
      return gtk_radio_button_new_with_label_from_widget(GTK_RADIO_BUTTON(item.widget->radio_off),
                                                         text);
    case ITEM_GROUP_BOX: return gtk_frame_new(text);
    case ITEM_TEXT: return make_text(text);
    case ITEM_TRACKBAR: return make_trackbar();
  }
  return nullptr;
}

void on_close_box(GtkButton *, gpointer window) { gtk_window_close(GTK_WINDOW(window)); }

// The caption: title, the question mark of a context-help dialog (no control
// has help, so it does nothing) and the close box, which asks the window to
// close like a window manager's close button does. A long title is cut short
// rather than widening the dialog.
GtkWidget *make_caption(GtkWidget *window, const char *caption, bool context_help) {
  GtkWidget *bar = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 2);
  gtk_style_context_add_class(gtk_widget_get_style_context(bar), "caption");
  GtkWidget *title = gtk_label_new(caption);
  gtk_label_set_ellipsize(GTK_LABEL(title), PANGO_ELLIPSIZE_END);
  gtk_label_set_max_width_chars(GTK_LABEL(title), 1);
  gtk_label_set_xalign(GTK_LABEL(title), 0);
  gtk_widget_set_hexpand(title, TRUE);
  gtk_style_context_add_class(gtk_widget_get_style_context(title), "title");
  gtk_box_pack_start(GTK_BOX(bar), title, TRUE, TRUE, 0);
  GtkWidget *help = context_help ? gtk_button_new_with_label("?") : nullptr;
  GtkWidget *close = gtk_button_new_from_icon_name("window-close-symbolic", GTK_ICON_SIZE_MENU);
  for (GtkWidget *button : {help, close}) {
    if (!button) continue;
    gtk_widget_set_can_focus(button, FALSE);
    gtk_widget_set_valign(button, GTK_ALIGN_CENTER);
    gtk_box_pack_start(GTK_BOX(bar), button, FALSE, FALSE, 0);
  }
  g_signal_connect(close, "clicked", G_CALLBACK(on_close_box), window);
  gtk_widget_show_all(bar);
  return bar;
}

// The screen position of the owner's client area, where an owned dialog's
// position is counted from.
void client_origin(open_dialog *owner, int *x, int *y) {
  *x = *y = 0;
  if (!owner) return;
  toolkit_window &o = *owner->window;
  gtk_widget_realize(o.window);  // not yet done while the owner initialises
  int client_x, client_y;
  gtk_widget_translate_coordinates(o.client, o.window, 0, 0, &client_x, &client_y);
  gdk_window_get_origin(gtk_widget_get_window(o.window), x, y);
  *x += client_x;
  *y += client_y;
}

}  // namespace

void dress_as_dialog(GtkWidget *window, const char *caption, bool context_help) {
  install_css();
  gtk_style_context_add_class(gtk_widget_get_style_context(window), "win32-dialog");
  gtk_window_set_title(GTK_WINDOW(window), caption);
  gtk_window_set_titlebar(GTK_WINDOW(window), make_caption(window, caption, context_help));
}

void build_dialog_window(open_dialog &dialog) {
  const DialogTemplate &tmpl = *dialog.tmpl;
  GtkWidget *window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  dialog.window = new toolkit_window{window, nullptr, nullptr};
  dress_as_dialog(window, tmpl.caption, tmpl.style & DS_CONTEXTHELP);
  gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
  gtk_window_set_modal(GTK_WINDOW(window), TRUE);
  if (dialog.owner)
    gtk_window_set_transient_for(GTK_WINDOW(window), GTK_WINDOW(dialog.owner->window->window));

  BaseUnits units = measure_base_units(window);
  auto px_x = [&](int du) { return du * units.x / 4; };
  auto px_y = [&](int du) { return du * units.y / 8; };

  // A GtkLayout is exactly the size it is given, however tall its wrapped
  // texts would like to be.
  GtkWidget *client = gtk_layout_new(nullptr, nullptr);
  dialog.window->client = client;
  gtk_style_context_add_class(gtk_widget_get_style_context(client), "client");
  gtk_widget_set_size_request(client, px_x(tmpl.cx), px_y(tmpl.cy));
  gtk_container_add(GTK_CONTAINER(window), client);

  for (dialog_control &item : dialog.controls) {
    const DialogItemTemplate &t = *item.tmpl;
    item.widget = new toolkit_widget{nullptr, nullptr};
    GtkWidget *widget = make_item_widget(item);
    item.widget->widget = widget;
    gtk_widget_set_can_focus(widget, (t.style & WS_TABSTOP) != 0);
    gtk_widget_set_size_request(widget, px_x(t.cx), px_y(t.cy));
    gtk_layout_put(GTK_LAYOUT(client), widget, px_x(t.x), px_y(t.y));
  }

  int x, y;
  client_origin(dialog.owner, &x, &y);
  gtk_window_move(GTK_WINDOW(window), x + px_x(tmpl.x), y + px_y(tmpl.y));
}

void destroy_dialog_window(open_dialog &dialog) {
  for (dialog_control &item : dialog.controls) {
    if (GtkWidget *off = item.widget->radio_off) {
      gtk_widget_destroy(off);
      g_object_unref(off);
    }
    delete item.widget;
    item.widget = nullptr;
  }
  gtk_widget_destroy(dialog.window->window);
  delete dialog.window;
  dialog.window = nullptr;
}
