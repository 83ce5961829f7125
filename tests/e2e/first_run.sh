#!/usr/bin/env bash
# The whole reader in a fresh program folder: the first run makes Save/ and shows the help
# text; Esc fades it out and closes it, leaving the text in clip.txt and the window and
# reading position in Setting.ini.
source "$(dirname "$0")/common.bash"
program_folder

"$DIR/textreader" >"$DIR/out.log" 2>&1 &
PID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
  || fail "the viewer window did not appear"
[ -d "$DIR/Save" ] || fail "first run made no Save/ folder"

# Something other than the background is on the page once typing has begun.
COLOURS=1
for _ in $(seq 1 25); do
  import -window "$WID" "$DIR/shot.png"
  COLOURS=$(convert "$DIR/shot.png" -format '%k' info:)
  [ "$COLOURS" -gt 1 ] && break
  sleep 0.2
done
[ "$COLOURS" -gt 1 ] || fail "the viewer shows an empty page"

xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers Escape
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$PID" 2>/dev/null && fail "Esc did not end the reader"
wait "$PID" || fail "the reader ended with status $?"
PID=

# clip.txt holds the help text (code page 932, no byte-order mark), as it was shown.
tail -c +4 "$DIR/Howto.txt" | iconv -f UTF-8 -t CP932 >"$DIR/howto.932"
cmp -s "$DIR/howto.932" "$DIR/Save/clip.txt" || fail "clip.txt is not the help text"

INI="$DIR/Save/Setting.ini"
[ -f "$INI" ] || fail "no Setting.ini"
grep -q '^\[FormData\]' "$INI" || fail "no FormData section"
for line in 'FormW=8865' 'FormH=2295' 'MessageSpeed=5' 'ReturnMushi=False' 'RirekiLen=1' 'Rireki=1'; do
  grep -qxE "$line"$'\r?' "$INI" || fail "Setting.ini lacks $line"
done
grep -Eq '^Textlength=[0-9]+' "$INI" || fail "Setting.ini lacks the reading position"
[ ! -e "$DIR/Save/textreader.lock" ] || fail "the lock file was left behind"

# A later run starts where the first one stopped; one page on, the page list has two starts.
"$DIR/textreader" >>"$DIR/out.log" 2>&1 &
PID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
  || fail "the viewer window did not appear again"
xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers Down
sleep 3
xdotool key --clearmodifiers Escape
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$PID" 2>/dev/null && fail "Esc did not end the second run"
wait "$PID" || fail "the second run ended with status $?"
PID=
grep -Eq $'^Rireki=[0-9]+,1\r?$' "$INI" || fail "the page turn was not remembered: $(grep Rireki= "$INI")"
cmp -s "$DIR/howto.932" "$DIR/Save/clip.txt" || fail "the second run changed clip.txt"
echo "ok"
