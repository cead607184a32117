// The configuration dialog: shows the settings on its controls and saves
// them on OK. The process ends from inside the dialog on OK and Cancel.
#include "ui/config_dialog.h"

#include "resource.h"
#include "settings/settings.h"

#include <cstdlib>

namespace {

struct SliderSetting {
  int id;
  int *value;
  const setting_range &range;
};

const SliderSetting sliders[] = {
    {IDC_ROTATION_SPEED, &animation_speed, animation_speed_range},
    {IDC_CURVE_RESOLUTION, &curve_segments, curve_segments_range},
    {IDC_REVOLUTION_RESOLUTION, &shape_points, shape_points_range},
    {IDC_BUMP_SPEED, &bump_speed, bump_speed_range},
};

struct OptionBox {
  int id;
  int bit;
};

const OptionBox option_boxes[] = {
    {IDC_BILINEAR, OPT_BILINEAR},           {IDC_ANIMATED_BUMPS, OPT_ANIMATED_BUMPS},
    {IDC_SMOOTH_BUMPS, OPT_SMOOTH_BUMPS},   {IDC_MOVE_TEXTURE, OPT_MOVE_TEXTURE},
    {IDC_MULTITEXTURE, OPT_MULTITEXTURE},   {IDC_ENV_LIGHTING, OPT_ENV_LIGHTING},
};

// A group of radio buttons choosing a setting: button i selects i + 1.
struct Choice {
  int *value;
  int ids[4];
  int count;
};

const Choice choices[] = {
    {&skin_id, {IDC_SKIN1, IDC_SKIN2, IDC_SKIN3, IDC_SKIN4}, skin_count},
    {&func_id, {IDC_CURVE_ORIGINAL, IDC_CURVE_SPHERE1, IDC_CURVE_SPHERE2}, curve_count},
};

const UINT dialog_result = 42;

void show_settings(HWND hWnd) {
  load_config();
  for (const SliderSetting &slider : sliders) {
    set_slider_range(hWnd, slider.id, slider.range.low, slider.range.high);
    set_slider_pos(hWnd, slider.id, *slider.value);
  }
  for (const OptionBox &box : option_boxes)
    set_checked_state(hWnd, box.id, user_options & box.bit);
  for (const Choice &choice : choices)
    for (int i = 0; i < choice.count; i++)
      set_checked_state(hWnd, choice.ids[i], *choice.value == i + 1);
}

// OK: the option word starts again from OPT_DOUBLE_BUFFER alone, so bits
// without a control (OPT_SHOW_AXES, unknown ones) are dropped. A choice with
// no button checked keeps its value. A save that fails is told in a box
// before the dialog ends as after any OK.
void take_settings(HWND hWnd) {
  user_options = OPT_DOUBLE_BUFFER;
  for (const OptionBox &box : option_boxes)
    if (is_checked(hWnd, box.id)) user_options |= box.bit;
  for (const SliderSetting &slider : sliders) *slider.value = get_slider_pos(hWnd, slider.id);
  for (const Choice &choice : choices)
    for (int i = 0; i < choice.count; i++)
      if (is_checked(hWnd, choice.ids[i])) *choice.value = i + 1;
  long status = save_config();
  if (status != ERROR_SUCCESS) tell_settings_not_saved(hWnd, status);
}

[[noreturn]] void close_and_exit(HWND hWnd) {
  EndDialog(hWnd, dialog_result);
  std::exit(0);
}

}  // namespace

int ss_config() {
  InitCommonControls();
  DialogBoxParamA(nullptr, "configdlg", nullptr, ConfigDlgProc, 0);
  std::exit(0);
}

INT_PTR CALLBACK ConfigDlgProc(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  switch (Msg) {
    case WM_INITDIALOG:
      show_settings(hWnd);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          take_settings(hWnd);
          close_and_exit(hWnd);
        case IDCANCEL:
          close_and_exit(hWnd);
        case IDC_ABOUT:
          DialogBoxParamA(nullptr, "AboutDlg", hWnd, AboutDlgProc, 0);
          return TRUE;
        default:
          return TRUE;
      }
    default:
      return FALSE;
  }
}
