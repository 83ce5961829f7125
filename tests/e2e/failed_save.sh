#!/usr/bin/env bash
# A close that cannot keep the text: with a folder where clip.txt belongs, Esc shows one
# message box naming the file, and only after it is answered does the reader end, with a
# status that is not success; the stored reading position is not moved to the lost text.
source "$(dirname "$0")/common.bash"
program_folder
mkdir -p "$DIR/Save/clip.txt"

"$DIR/textreader" >"$DIR/out.log" 2>&1 &
PID=$!
WID=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1) \
  || fail "the viewer window did not appear"
xdotool windowfocus --sync "$WID" 2>/dev/null || true
xdotool key --clearmodifiers Escape

# The viewer fades out; the message box (same caption) is what remains visible.
BOX=
for _ in $(seq 1 50); do
  BOX=$(xdotool search --onlyvisible --name '^テキストリーダ$' 2>/dev/null | grep -vx "$WID" | head -1 || true)
  [ -n "$BOX" ] && break
  kill -0 "$PID" 2>/dev/null || fail "the reader ended without telling that clip.txt was not saved"
  sleep 0.2
done
[ -n "$BOX" ] || fail "no message box about the failed save"
kill -0 "$PID" 2>/dev/null || fail "the reader did not wait for the message to be read"
xdotool windowfocus --sync "$BOX" 2>/dev/null || true
xdotool key --clearmodifiers Return
for _ in $(seq 1 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.2; done
kill -0 "$PID" 2>/dev/null && fail "answering the message did not end the reader"
STATUS=0
wait "$PID" || STATUS=$?
PID=
[ "$STATUS" -ne 0 ] || fail "a close that lost the text ended with status 0"
[ -d "$DIR/Save/clip.txt" ] || fail "the folder in clip.txt's place was replaced"
if grep -q '^Rireki=' "$DIR/Save/Setting.ini" 2>/dev/null; then
  fail "the position of a text that was not saved was stored"
fi
echo "ok"
