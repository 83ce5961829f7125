#!/usr/bin/env bash
# The main frame under a window manager: it starts behind the viewer without taking the
# keys, and when the user asks for one of its windows it comes forward with the keys in
# that window's field; the term typed there is remembered at exit.
source "$(dirname "$0")/common.bash"
program_folder
focused() { xdotool getwindowfocus getwindowname 2>/dev/null || true; }
wait_focus() { for _ in $(seq 1 25); do [ "$(focused)" = "$1" ] && return 0; sleep 0.2; done; return 1; }

openbox >/dev/null 2>&1 &
HELPERS="$!"
# The reader starts once the window manager manages the screen.
for _ in $(seq 1 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
"$DIR/textreader" >"$DIR/out.log" 2>&1 &
PID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
  || fail "the viewer window did not appear"
for _ in $(seq 1 50); do xdotool search --name '^設定$' >/dev/null 2>&1 && break; sleep 0.2; done
xdotool search --name '^設定$' >/dev/null 2>&1 || fail "the main frame did not appear"
sleep 1
wait_focus "テキストリーダ" || fail "the main frame took the keys at start: $(focused)"

xdotool key --clearmodifiers f
wait_focus "設定" || fail "F did not bring the main frame forward with the keys: $(focused)"
xdotool type --delay 30 "focustest"

xdotool windowactivate --sync "$WID" 2>/dev/null || true
wait_focus "テキストリーダ" || fail "the viewer did not take the keys back: $(focused)"
xdotool key --clearmodifiers Escape
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$PID" 2>/dev/null && fail "Esc did not end the reader"
wait "$PID" || fail "the reader ended with status $?"
PID=
grep -qE $'^FindKey=focustest\r?$' "$DIR/Save/Setting.ini" \
  || fail "the typed term did not reach the search field: $(grep FindKey= "$DIR/Save/Setting.ini" || true)"
echo "ok"
