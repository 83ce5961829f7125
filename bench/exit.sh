#!/usr/bin/env bash
# Exit time of the reader under Xvfb with a 1 MB clip.txt: from the Esc key (fade-out of
# 6 x 25 ms, then the unload that writes every file) and from SIGTERM (the unload alone) to
# the end of the process; median of several runs. Results go to bench/results/exit.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
BUILD=${BUILD_DIR:-build/startup-bench}
RUNS=${RUNS:-7}
OUT=bench/results/exit.txt

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$BUILD" -j2 textreader >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/Save"
cp "$BUILD/bin/textreader" "$BUILD/bin/Howto.txt" "$BUILD/bin/KeyMap.tbl" "$WORK/"
while [ "$(stat -c %s "$WORK/Save/clip.txt" 2>/dev/null || echo 0)" -lt 1048576 ]; do
  for i in $(seq 1 1000); do printf 'line %d of a long text to be saved at exit\r\n' "$i"; done >>"$WORK/Save/clip.txt"
done

one_run() { # esc|term -> milliseconds from the request to the end of the process
  "$WORK/textreader" >/dev/null 2>&1 &
  local pid=$! wid start
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^テキストリーダ$' | head -1)
  sleep 1.5
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  start=$(date +%s%3N)
  if [ "$1" = esc ]; then xdotool key Escape; else kill -TERM "$pid"; fi
  while kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
  echo $(( $(date +%s%3N) - start ))
  wait "$pid" 2>/dev/null || true
}

median() { sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"; }
{
  echo "# exit benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, Xvfb, clip.txt $(stat -c %s "$WORK/Save/clip.txt") bytes"
  for how in esc term; do
    times=()
    for _ in $(seq 1 "$RUNS"); do times+=("$(one_run "$how")"); done
    echo "$how: ${times[*]} ms; median $(printf '%s\n' "${times[@]}" | median) ms"
  done
} | tee "$OUT"
