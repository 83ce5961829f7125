#!/usr/bin/env bash
# The system-wide hotkeys of the real reader under Xvfb while another window has the focus:
# Alt+Down turns the page (also with NumLock on), Pause hides and shows the viewer; a
# "/DEBUG" run grabs nothing; a combination another client holds is reported (X11 backend
# test binary, on this display).
source "$(dirname "$0")/common.bash"
program_folder
mkdir "$DIR/Save"
for i in $(seq 1 400); do printf 'line %d of a text long enough for many pages\r\n' "$i"; done >"$DIR/Save/clip.txt"
INI="$DIR/Save/Setting.ini"

xclock -geometry 200x200+900+700 & CLOCK=$!; HELPERS="$CLOCK"
CLOCKWID=$(timeout 10 xdotool search --sync --onlyvisible --name '^xclock$' | head -1)

viewer_visible() { xdotool search --onlyvisible --name '^テキストリーダ$' >/dev/null 2>&1; }
start_reader() {
  "$DIR/textreader" "$@" >>"$DIR/out.log" 2>&1 &
  PID=$!
  WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
    || fail "the viewer window did not appear"
  sleep 1
  xdotool windowfocus --sync "$CLOCKWID"
}
quit_reader() {
  xdotool windowfocus --sync "$WID" 2>/dev/null || true
  xdotool key Escape
  for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$PID" 2>/dev/null && fail "Esc did not end the reader"
  wait "$PID" || fail "the reader ended with status $?"
  PID=
}
pages() { grep -E '^Rireki=' "$INI" | tr -d '\r' | cut -d= -f2 | tr ',' '\n' | wc -l; }

# --- a normal run: two page turns from the hotkey, the second with NumLock on
start_reader
xdotool key alt+Down
sleep 2.5
xdotool key Num_Lock
xdotool key alt+Down
sleep 2.5
xdotool key Num_Lock
xdotool key Pause
sleep 1
viewer_visible && fail "Pause did not hide the viewer"
xdotool key Pause
sleep 1
viewer_visible || fail "Pause did not show the viewer again"
quit_reader
[ "$(pages)" -eq 3 ] || fail "two hotkey page turns expected: $(grep Rireki= "$INI")"

# --- a debug run grabs nothing: the same keys leave the page and the window alone
start_reader /DEBUG
xdotool key alt+Down
sleep 2
xdotool key Pause
sleep 1
viewer_visible || fail "Pause hid the viewer in a debug run"
quit_reader
[ "$(pages)" -eq 3 ] || fail "a debug run turned the page: $(grep Rireki= "$INI")"

# --- a combination held by another client is refused and reported
QT_QPA_PLATFORM=xcb "$BIN/test_shell" --gtest_filter='X11GlobalHotkeys.*' >"$DIR/x11.log" 2>&1 \
  || { cat "$DIR/x11.log"; fail "X11 backend test"; }
grep -q '\[  PASSED  \] 1 test' "$DIR/x11.log" || { cat "$DIR/x11.log"; fail "X11 backend test did not run"; }
echo "ok"
