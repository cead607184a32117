#!/usr/bin/env bash
# The Windows installer under Wine: `cmake --install` strips torvane.scr;
# CPack's installer, run silently (/S), puts that stripped program into
# System32 (the 32-bit one into SysWOW64), registers its uninstaller in
# Add/Remove Programs and opens no screen saver settings; the installed saver
# runs "/s"; the silent uninstall found there removes the program, the
# uninstaller and the entry, clears the screen saver setting that names the
# saver, and leaves the saver's settings. Uninstalled while the saver runs
# (whose file Windows will not delete then), it has the file removed at the
# next restart and says so with its exit status, and leaves a setting that
# names another saver: the 64-bit installer alone, as both run the same
# uninstall script and the emulated 32-bit run is slow.
source "$TORVANE_E2E_LIB"
source "$TORVANE_SOURCE_DIR/tests/e2e/wine_lib.sh"
source "$TORVANE_SOURCE_DIR/tests/e2e/windows_file_lib.sh"
wine_begin

install_stripped
make_installer "$PE_KIND"

system_folder="$WINEPREFIX/drive_c/windows/${SYSTEM_FOLDER,,}"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane'

entry="$TORVANE_OUT/uninstall-entry.txt"

# expect_entry NAME TYPE DATA: a value of the Add/Remove Programs entry.
expect_entry() {
  local got
  got=$(value_of "$1" <"$entry") || fail "the entry has no $1"
  [ "$got" = "$2 $3" ] || fail "the entry's $1 is \"$got\", expected $2 $3"
}

# Traced, to see which programs the installer starts: a silent install must
# not open the screen saver settings (rundll32 desk.cpl,InstallScreenSaver).
processes="$TORVANE_OUT/install-processes.log"
status=0
WINEDEBUG=+process "$WINE_RUN" "$INSTALLER" /S 2>"$processes" || status=$?
[ "$status" -eq 0 ] || fail "the silent install ended with $status"
grep -q "trace:process:" "$processes" || fail "no process trace in $processes"
if grep -i "CreateProcess.*rundll32" "$processes"; then
  fail "the silent install opened the screen saver settings"
fi
cmp -s "$STRIPPED" "$system_folder/torvane.scr" || fail "$SYSTEM_FOLDER holds no copy of the stripped torvane.scr"
wine_tool reg query "$uninstall_key" $REGISTRY_VIEW | tr -d '\r' >"$entry"
cat "$entry"
expect_entry DisplayName REG_SZ "Torvane Screensaver"
expect_entry Publisher REG_SZ "Fenwright Productions"
expect_entry DisplayVersion REG_SZ "$(project_version)"
expect_entry DisplayIcon REG_SZ "C:\\windows\\$SYSTEM_FOLDER\\torvane.scr,0"
echo "installed: $SYSTEM_FOLDER\\torvane.scr, listed in Add/Remove Programs"

TORVANE="C:\\windows\\$SYSTEM_FOLDER\\torvane.scr"
start_wine_saver /s
wait_for_window screensaver >/dev/null
wait_for_drawing "$TORVANE_OUT/installed-saver.png" 0.15
xdotool key space
wait_for_end 10
expect_status 0
echo "the installed saver: $(lit_share "$TORVANE_OUT/installed-saver.png") of the screen lit, ended by a key with 0"

set_setting skin_id 2
desktop='HKCU\Control Panel\Desktop'
# screen_saver_setting: the saver the screen saver settings name, or "none".
screen_saver_setting() {
  local out
  for _ in 1 2 3; do
    out=$("$WINE_RUN" reg query "$desktop" /v SCRNSAVE.EXE 2>&1 | tr -d '\r') || true
    if grep -q "Unable to find" <<<"$out"; then echo none; return 0; fi
    value_of SCRNSAVE.EXE <<<"$out" && return 0
    sleep 0.5
  done
  fail "reg said nothing of the screen saver setting"
}
# What the screen saver settings store when the saver is chosen.
wine_reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d "$TORVANE" /f >/dev/null
# The quiet uninstall command as Add/Remove Programs holds it: "program" /S.
command=$(value_of QuietUninstallString <"$entry")
[[ "$command" =~ ^REG_SZ\ \"([^\"]+)\"\ /S$ ]] || fail "the quiet uninstall command is $command"
status=0
"$WINE_RUN" "${BASH_REMATCH[1]}" /S || status=$?
[ "$status" -eq 0 ] || fail "the silent uninstall ended with $status"
# The uninstaller runs from a copy of itself, so that it can delete itself:
# it is done when every Wine program has ended.
timeout 60 wineserver --wait || fail "Wine programs still running a minute after the uninstall"
[ ! -e "$system_folder/torvane.scr" ] || fail "the uninstall left $SYSTEM_FOLDER\\torvane.scr"
[ ! -e "$WINEPREFIX/drive_c/$PROGRAM_FILES/Torvane" ] || fail "the uninstall left its folder"
if wine_tool reg query "$uninstall_key" $REGISTRY_VIEW >/dev/null 2>&1; then
  fail "the uninstall left its Add/Remove Programs entry"
fi
[ "$(screen_saver_setting)" = none ] ||
  fail "the screen saver setting still names the saver: $(screen_saver_setting)"
expect_setting skin_id 0x2
echo "uninstalled: program, uninstaller, entry and the setting naming it gone, the settings kept"

[ "$TORVANE_WINE_ARCH" = x86_64 ] || exit 0

# Again, with another saver chosen and this one running; the uninstaller
# run in its place (_?=, a short path without blanks), as a caller that
# waits for its exit status does.
pending='HKLM\System\CurrentControlSet\Control\Session Manager'
"$WINE_RUN" "$INSTALLER" /S || fail "the second install failed"
other='C:\windows\system32\other.scr'
wine_reg add "$desktop" /v SCRNSAVE.EXE /t REG_SZ /d "$other" /f >/dev/null
start_wine_saver /s
wait_for_window screensaver >/dev/null
wait_for_drawing "$TORVANE_OUT/running-saver.png" 0.15
status=0
"$WINE_RUN" 'C:\Program Files\Torvane\Uninstall.exe' /S '_?=C:\PROGRA~1\Torvane' || status=$?
# 3010 (a restart is needed), of which Linux keeps the low eight bits.
[ "$status" -eq $((3010 & 255)) ] || fail "the uninstall while the saver runs ended with $status"
expect_running
if [ -e "$system_folder/torvane.scr" ]; then
  wine_reg query "$pending" /v PendingFileRenameOperations | tr -d '\r' | grep -qiF "$TORVANE" ||
    fail "System32\\torvane.scr is left with nothing to remove it"
  echo "while the saver runs: its file stays, to be removed at the next restart (status 3010)"
fi
[ "$(screen_saver_setting)" = "REG_SZ $other" ] ||
  fail "the setting naming another saver changed: $(screen_saver_setting)"
if wine_tool reg query "$uninstall_key" $REGISTRY_VIEW >/dev/null 2>&1; then
  fail "the uninstall left its Add/Remove Programs entry"
fi
xdotool key space
wait_for_end 10
expect_status 0
timeout 60 wineserver --wait || fail "Wine programs still running after the saver ended"
"$WINE_RUN" wineboot --restart || fail "the restart failed"
timeout 60 wineserver --wait || fail "Wine programs still running a minute after the restart"
[ ! -e "$system_folder/torvane.scr" ] || fail "System32\\torvane.scr outlived the restart"
# What only an uninstaller run in its place leaves: itself.
rm -rf "$WINEPREFIX/drive_c/Program Files/Torvane"
wine_reg delete "$desktop" /v SCRNSAVE.EXE /f >/dev/null
echo "after the restart: System32\\torvane.scr gone; the other saver still chosen"
