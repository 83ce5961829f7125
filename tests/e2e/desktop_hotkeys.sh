#!/usr/bin/env bash
# The system-wide hotkeys of the real reader under Xvfb while another window has the focus:
# Alt+Down turns the page (also with NumLock on), Pause hides and shows the viewer; a
# "/DEBUG" run grabs nothing; a combination another client holds is reported (X11 backend
# test binary, on this display).
set -euo pipefail
BIN=${1:?bin folder}

# A display of its own: global key grabs and window searches must not meet other tests'.
if [ -z "${TR_E2E_OWN_DISPLAY:-}" ]; then
  TR_E2E_OWN_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

DIR=$(mktemp -d)
trap 'kill ${PID:-} ${CLOCK:-} 2>/dev/null || true; [ -n "${KEEP:-}" ] || rm -rf "$DIR"' EXIT
cp "$BIN/textreader" "$BIN/Howto.txt" "$BIN/KeyMap.tbl" "$DIR/"
mkdir "$DIR/Save"
for i in $(seq 1 400); do printf 'line %d of a text long enough for many pages\r\n' "$i"; done >"$DIR/Save/clip.txt"
INI="$DIR/Save/Setting.ini"
fail() { echo "FAIL: $*" >&2; exit 1; }

xclock -geometry 200x200+900+700 & CLOCK=$!
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
