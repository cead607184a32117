#include "platform/linux/hack_options.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "settings/settings.h"

// XScreenSaver's usual delay for its GL hacks: about 33 frames a second.
const long default_frame_delay = 30000;

namespace {

struct number_option {
  const char *name;
  int *setting;
  setting_range range;
  const char *what;  // what the usage and the messages call it
  // XScreenSaver's settings pane shows it as a slider, which always shows
  // a number and passes none at its default: without the option the
  // setting is its default, not the stored one.
  bool slider;
};

// The dialog's sliders and their ranges, and the skin's buttons.
const number_option number_options[] = {
    {"speed", &animation_speed, animation_speed_range, "rotation speed", true},
    {"segments", &curve_segments, curve_segments_range, "curve resolution", true},
    {"points", &shape_points, shape_points_range, "revolution resolution", true},
    {"bump-speed", &bump_speed, bump_speed_range, "bump speed", true},
    {"skin", &skin_id, {default_skin_id, 1, skin_count}, "skin", false},
};

struct switch_option {
  const char *name;  // on; "no-" and the name is off
  int bit;
  const char *what;
};

const switch_option switch_options[] = {
    {"bilinear", OPT_BILINEAR, "bilinear filtering"},
    {"bumps", OPT_ANIMATED_BUMPS, "animated bumps"},
    {"smooth-bumps", OPT_SMOOTH_BUMPS, "smooth bumps"},
    {"move-texture", OPT_MOVE_TEXTURE, "move the texture with the bumps"},
    {"env-lighting", OPT_ENV_LIGHTING, "environmental lighting (reflections)"},
    {"multitexture", OPT_MULTITEXTURE, "reflections in one multitexture pass, if available"},
};

// The curve's names in the order of func_id, from 1.
const char *const curve_names[] = {"original", "sphere1", "sphere2"};
static_assert(sizeof curve_names / sizeof curve_names[0] == curve_count, "a name per curve");

const long max_delay = 1000000;

// One option as written: its name without the dashes, and its value when
// written after '='.
struct written_option {
  std::string as_written;  // before any '=', dashes included
  std::string name;
  bool has_value;
  std::string value;
};

written_option split(const char *argument) {
  written_option o;
  const char *eq = std::strchr(argument, '=');
  o.as_written = eq ? std::string(argument, eq) : std::string(argument);
  o.has_value = eq != nullptr;
  if (eq) o.value = eq + 1;
  size_t dashes = o.as_written.compare(0, 2, "--") == 0 ? 2 : 1;
  o.name = o.as_written.substr(dashes);
  return o;
}

// A whole decimal number, optionally signed; false for anything else.
bool parse_number(const std::string &text, long *number) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char *end = nullptr;
  errno = 0;
  long value = std::strtol(text.c_str(), &end, 10);
  if (*end || errno == ERANGE) return false;
  *number = value;
  return true;
}

// The arguments being read, and where their meaning goes.
struct line_reader {
  int argc;
  const char *const *argv;
  int i;  // the argument being read
  hack_options *out;
};

void fail(line_reader &r, const std::string &message) { r.out->error = message; }

// The option's value: after '=', or the next argument.
bool take_value(line_reader &r, const written_option &o, std::string *value) {
  if (o.has_value) {
    *value = o.value;
    return true;
  }
  if (r.i + 1 >= r.argc) {
    fail(r, o.as_written + " needs a value");
    return false;
  }
  *value = r.argv[++r.i];
  return true;
}

bool no_value(line_reader &r, const written_option &o) {
  if (o.has_value) fail(r, o.as_written + " takes no value");
  return !o.has_value;
}

// A number from low to high; `what` names it in the message.
bool take_number(line_reader &r, const written_option &o, long low, long high, const char *what,
                 long *number) {
  std::string value;
  if (!take_value(r, o, &value)) return false;
  if (!parse_number(value, number)) {
    fail(r, o.as_written + " " + value + ": not a whole number");
    return false;
  }
  if (*number < low || *number > high) {
    fail(r, o.as_written + " " + value + ": out of range, the " + what + " is " +
                std::to_string(low) + " to " + std::to_string(high));
    return false;
  }
  return true;
}

void read_curve(line_reader &r, const written_option &o) {
  std::string value;
  if (!take_value(r, o, &value)) return;
  for (int id = 1; id <= curve_count; id++)
    if (value == curve_names[id - 1]) {
      r.out->settings.push_back({&func_id, id});
      return;
    }
  fail(r, o.as_written + " " + value + ": the curve is original, sphere1 or sphere2");
}

// False when the name is no setting's.
bool read_setting(line_reader &r, const written_option &o) {
  for (const number_option &n : number_options) {
    if (o.name != n.name) continue;
    long number;
    if (take_number(r, o, n.range.low, n.range.high, n.what, &number))
      r.out->settings.push_back({n.setting, static_cast<int>(number)});
    return true;
  }
  if (o.name == "curve") {
    read_curve(r, o);
    return true;
  }
  for (const switch_option &s : switch_options) {
    bool on = o.name == s.name;
    if (!on && o.name != std::string("no-") + s.name) continue;
    if (no_value(r, o)) r.out->options.push_back({s.bit, on});
    return true;
  }
  return false;
}

void read_window_id(line_reader &r, const written_option &o) {
  std::string value;
  if (!take_value(r, o, &value)) return;
  r.out->target = HACK_WINDOW_ID;
  r.out->window = parse_window_id(value.c_str());
  if (!r.out->window) fail(r, o.as_written + " " + value + ": not a window id");
}

void read_option(line_reader &r) {
  const char *argument = r.argv[r.i];
  if (argument[0] != '-' || !argument[1]) {
    fail(r, std::string("unknown option \"") + argument + "\"");
    return;
  }
  written_option o = split(argument);
  hack_options &out = *r.out;
  if (o.name == "root") {
    if (no_value(r, o)) out.target = HACK_ROOT;
  } else if (o.name == "window") {
    if (no_value(r, o)) out.target = HACK_OWN_WINDOW;
  } else if (o.name == "window-id") {
    read_window_id(r, o);
  } else if (o.name == "delay") {
    long delay;
    if (take_number(r, o, 0, max_delay, "delay in microseconds", &delay)) out.delay = delay;
  } else if (o.name == "fps" || o.name == "no-fps") {
    if (no_value(r, o)) out.fps = o.name == "fps";
  } else if (o.name == "help" || o.name == "h") {
    if (no_value(r, o)) out.help = true;
  } else if (!read_setting(r, o)) {
    fail(r, "unknown option \"" + o.as_written + "\"");
  }
}

}  // namespace

std::vector<setting_value> slider_defaults() {
  std::vector<setting_value> defaults;
  for (const number_option &n : number_options)
    if (n.slider) defaults.push_back({n.setting, n.range.initial});
  return defaults;
}

unsigned long parse_window_id(const char *text) {
  if (!text || !*text) return 0;
  bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const char *digits = hex ? text + 2 : text;
  if (!*digits || *digits == '-' || *digits == '+' || *digits == ' ') return 0;
  char *end = nullptr;
  unsigned long window = std::strtoul(digits, &end, hex ? 16 : 10);
  return *end ? 0 : window;
}

bool is_hack_option(const char *argument) {
  if (argument[0] != '-') return false;
  if (argument[1] == '-') return argument[2] != '\0';
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  return letter(argument[1]) && letter(argument[2]);
}

hack_options read_hack_options(int argc, const char *const *argv, const char *xscreensaver_window) {
  hack_options out = {HACK_OWN_WINDOW, 0, default_frame_delay, false, {}, {}, false, ""};
  line_reader r = {argc, argv, 1, &out};
  for (; r.i < argc && out.error.empty(); r.i++) read_option(r);
  if (out.error.empty() && out.target == HACK_ROOT && xscreensaver_window && *xscreensaver_window) {
    out.target = HACK_WINDOW_ID;
    out.window = parse_window_id(xscreensaver_window);
    if (!out.window)
      out.error = std::string("XSCREENSAVER_WINDOW=") + xscreensaver_window + ": not a window id";
  }
  return out;
}

namespace {

void usage_line(std::string *text, const std::string &option, const std::string &meaning) {
  *text += "  " + option + std::string(option.size() < 22 ? 22 - option.size() : 1, ' ') + meaning + "\n";
}

}  // namespace

std::string hack_options_usage() {
  std::string text =
      "XScreenSaver forms (one dash or two; a value may also follow '='):\n";
  usage_line(&text, "-root", "draw into $XSCREENSAVER_WINDOW (hex 0x... or decimal),");
  usage_line(&text, "", "or on the root window itself when it is not set");
  usage_line(&text, "-window-id ID", "draw into the X window ID (hex 0x... or decimal)");
  usage_line(&text, "-window", "draw in a window of its own (without -root or -window-id)");
  usage_line(&text, "-delay N", "a frame every N microseconds, or as fast as they");
  usage_line(&text, "", "are drawn when they take longer (0 to " + std::to_string(max_delay) + ";");
  usage_line(&text, "", "by default " + std::to_string(default_frame_delay) + "); 0: as fast as possible");
  usage_line(&text, "-fps", "show frames per second, load and polygons in a corner");
  for (const number_option &n : number_options)
    usage_line(&text, std::string("-") + n.name + " N",
               std::string(n.what) + ", " + std::to_string(n.range.low) + " to " +
                   std::to_string(n.range.high));
  usage_line(&text, "-curve NAME", "original, sphere1 or sphere2");
  for (const switch_option &s : switch_options)
    usage_line(&text, std::string("-[no-]") + s.name, s.what);
  text += "  These replace the stored settings for this run only. Without them, the\n"
          "  numbers are their defaults, as XScreenSaver's sliders show them; skin,\n"
          "  curve and switches are those stored with 'torvane /c'.\n";
  return text;
}
