#!/usr/bin/env bash
# The tray icon with a real tray host under Xvfb, and the way back to a hidden viewer:
# the icon enters a tray that starts after the reader, a click on it hides and shows the
# viewer, and a second start of the program shows the running viewer again.
source "$(dirname "$0")/common.bash"
program_folder
viewer_visible() { xdotool search --onlyvisible --name '^テキストリーダ$' >/dev/null 2>&1; }
wait_visible() { for _ in $(seq 1 25); do viewer_visible && return 0; sleep 0.2; done; return 1; }
wait_hidden() { for _ in $(seq 1 25); do viewer_visible || return 0; sleep 0.2; done; return 1; }

"$DIR/textreader" >"$DIR/out.log" 2>&1 &
PID=$!
wait_visible || fail "the viewer window did not appear"

# The tray comes after the program: the icon moves into it.
trayer --edge top --align right --widthtype pixel --width 200 --height 32 --SetDockType false >"$DIR/tray.log" 2>&1 &
TRAY=$!; HELPERS="$TRAY"
ICON=
for _ in $(seq 1 50); do
  for w in $(xdotool search --classname '^textreader$' 2>/dev/null); do
    # The icon is the one window of ours that the tray took in.
    [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "テキストリーダ" ] && continue
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
    if [ "${WIDTH:-0}" -le 64 ] && [ "${HEIGHT:-0}" -le 64 ] && xwininfo -id "$w" 2>/dev/null | grep -q 'IsViewable'; then
      ICON=$w; break 2
    fi
  done
  sleep 0.2
done
[ -n "$ICON" ] || { xwininfo -root -tree | head -40; fail "no tray icon appeared"; }

# Clicks further apart than a double click.
click_icon() { sleep 0.6; xdotool mousemove --window "$ICON" 5 5 click "$1"; }
click_icon 1
wait_hidden || fail "a click on the tray icon did not hide the viewer"
click_icon 1
wait_visible || fail "a second click on the tray icon did not show the viewer"

# Hidden, the viewer comes back when the program is started again; the second start ends.
click_icon 1
wait_hidden || fail "the viewer did not hide"
"$DIR/textreader" >"$DIR/second.log" 2>&1 &
SECOND=$!
wait_visible || fail "a second start did not bring the viewer back"
kill "$SECOND" 2>/dev/null || true # it waits on its "already running" message
wait "$SECOND" 2>/dev/null || true

# The right button ends the program the orderly way.
click_icon 3
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$PID" 2>/dev/null && fail "a right click on the tray icon did not end the reader"
wait "$PID" || fail "the reader ended with status $?"
PID=
[ -f "$DIR/Save/Setting.ini" ] && [ -f "$DIR/Save/clip.txt" ] || fail "the right click quit without saving"
echo "ok"
