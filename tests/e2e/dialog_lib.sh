# Helpers for the dialog end-to-end scripts; source after lib.sh and
# host_lib.sh. Controls are clicked at their template rectangles (dialog
# units), scaled to the dialog's client area.

# The frame and caption bar the GTK dialogs draw around their client area.
DIALOG_FRAME=5
DIALOG_CAPTION=22

# start_dialog ARGS...: runs the program (ARGS: its switches) and waits for
# the configuration dialog; sets SAVER_PID and CONFIG_WIN.
start_dialog() {
  start_saver "$@"
  CONFIG_WIN=$(wait_for_window "Configure...")
  sleep 0.5
}

# point_du WINDOW WIDTH_DU HEIGHT_DU X_DU Y_DU: moves the pointer to
# (X_DU, Y_DU) in a dialog of WIDTH_DU x HEIGHT_DU dialog units.
point_du() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local client_w=$((WIDTH - 2 * DIALOG_FRAME)) client_h=$((HEIGHT - 2 * DIALOG_FRAME - DIALOG_CAPTION))
  xdotool mousemove $((X + DIALOG_FRAME + $4 * client_w / $2)) \
    $((Y + DIALOG_FRAME + DIALOG_CAPTION + $5 * client_h / $3))
}

# click_config X_DU Y_DU, click_about X_DU Y_DU
click_config() {
  point_du "$CONFIG_WIN" 272 243 "$@"
  xdotool click 1
  sleep 0.3
}
click_about() {
  point_du "$ABOUT_WIN" 117 118 "$@"
  xdotool click 1
  sleep 0.3
}

# slide_to_start Y_DU: drags the configuration dialog's slider at Y_DU from
# the left end of its trough out past the dialog's edge: its minimum.
slide_to_start() {
  point_du "$CONFIG_WIN" 272 243 13 "$1"
  xdotool mousedown 1
  sleep 0.1
  xdotool mousemove_relative -- -60 0
  sleep 0.1
  xdotool mouseup 1
  sleep 0.3
}

# click_close_box WINDOW: the close box at the right end of the caption.
click_close_box() {
  local X Y WIDTH HEIGHT WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH - DIALOG_FRAME - 12)) $((Y + DIALOG_FRAME + DIALOG_CAPTION / 2)) click 1
  sleep 0.3
}

# Centres of the configuration dialog's controls used here, in dialog units.
OK_BUTTON="221 19"
CANCEL_BUTTON="221 39"
ABOUT_BUTTON="221 59"
SURE_BUTTON="53 103"
SMOOTH_BUMPS_BOX="21 170"
ORIGINAL_BUTTON="194 165"
SPHERE_2_BUTTON="194 190"
SKIN_2_BUTTON="194 109"
SKIN_4_BUTTON="194 133"
# The heights of two sliders.
ROTATION_SLIDER=46
REVOLUTION_SLIDER=106

# expect_window_open NAME / expect_window_gone NAME
expect_window_open() {
  xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || fail "window $1 is not open"
}
expect_window_gone() {
  ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || fail "window $1 is still open"
}

# expect_stored NAME VALUE: the settings file holds NAME as the DWORD VALUE.
expect_stored() {
  local line
  line=$(printf '"%s"=dword:%08x' "$1" "$2")
  tr -d '\r' <"$TORVANE_REGISTRY" | grep -qxF "$line" || fail "settings lack $line: $(cat "$TORVANE_REGISTRY")"
}

# expect_quiet: the program wrote nothing to stderr.
expect_quiet() {
  [ ! -s "$TORVANE_OUT/saver.err" ] || fail "stderr: $(cat "$TORVANE_OUT/saver.err")"
}

# dialog_shot WINDOW FILE: a picture of the dialog alone.
dialog_shot() { import -window "$1" "$2"; }
