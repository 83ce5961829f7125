#!/usr/bin/env bash
# The viewer's unload with a full Setting.ini: from Esc to the end of the process, with the
# settings written key by key (the reader as it was before the writes were gathered, built
# from BEFORE_REV) and with one write per save (this tree), side by side in one run, under
# Xvfb. Two files: every key of the five sections (a few kB), and the same keys in a file
# near the 4 MiB the reader still reads. The start-up with each file is timed beside it.
# Results go to bench/results/unload.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
BEFORE_REV=${BEFORE_REV:-4343f42}
AFTER_BUILD=${AFTER_BUILD:-build/unload-bench}
BEFORE_DIR=${BEFORE_DIR:-build/unload-bench-before}
RUNS=${RUNS:-7}
OUT=bench/results/unload.txt

if [ "${1:-}" != --under-xvfb ]; then
cmake -S . -B "$AFTER_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$AFTER_BUILD" -j2 textreader >/dev/null
if [ ! -d "$BEFORE_DIR/src" ]; then
  mkdir -p "$BEFORE_DIR/src"
  git archive "$BEFORE_REV" | tar -x -C "$BEFORE_DIR/src"
fi
cmake -S "$BEFORE_DIR/src" -B "$BEFORE_DIR/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$BEFORE_DIR/build" -j2 textreader >/dev/null
# The rest runs again inside a virtual X server, where xdotool can press Esc.
exec xvfb-run -a -s '-screen 0 1280x800x24' "$0" --under-xvfb
fi

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Every key of TextView, TextFind, Favorite, FormData and HotKey, in code page 932.
full_settings() {
  printf '[TextView]\r\nIroai=2\r\nR=0\r\nG=0\r\nB=64\r\nNoudo=100\r\nFontSize=12\r\n'
  printf 'FontName=IPAGothic\r\nFontBold=1\r\nFontItalic=0\r\nAlfa=80\r\nCloseTime=300\r\nBackTouka=0\r\n'
  printf '[TextFind]\r\nFindKey=word\r\n'
  for i in $(seq 1 10); do printf 'FindKey%d=term %d\r\n' "$i" "$i"; done
  printf '[Favorite]\r\nFavKey=saved\r\n'
  printf '[FormData]\r\nFormL=600\r\nFormT=450\r\nFormW=8865\r\nFormH=2295\r\nMessageSpeed=5\r\n'
  printf 'ReturnMushi=False\r\nRirekiLen=1\r\nRireki=1\r\nTextlength=1\r\n'
  printf '[HotKey]\r\n'
  for s in $(seq 0 16); do printf 'Name%d=slot %d\r\nShift%d=%d\r\nKeyCode%d=%d\r\n' "$s" "$s" "$s" $((s % 8)) "$s" $((112 + s)); done
}

program_folder() { # name build padding-bytes
  local dir="$WORK/$1"
  mkdir -p "$dir/Save"
  cp "$2/bin/textreader" "$2/bin/Howto.txt" "$2/bin/KeyMap.tbl" "$dir/"
  printf 'A short text.\r\n' >"$dir/Save/clip.txt"
  full_settings >"$dir/Save/Setting.ini"
  if [ "$3" -gt 0 ]; then # notes a user keeps in the file, below the reader's 4 MiB limit
    printf '[Notes]\r\n' >>"$dir/Save/Setting.ini"
    yes '; a line of notes kept in the settings file, read and written back unchanged' |
      head -c "$3" | sed 's/$/\r/' >>"$dir/Save/Setting.ini"
  fi
  cp "$dir/Save/Setting.ini" "$dir/Setting.ini.orig"
  echo "$dir"
}

unload_ms() { # folder -> milliseconds from Esc to the end of the process
  local dir=$1 pid win start end
  cp "$dir/Setting.ini.orig" "$dir/Save/Setting.ini"
  "$dir/textreader" /DEBUG >/dev/null 2>&1 &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --name 'テキストリーダ' | head -1)
  sleep 1.5 # the page has been typed out and the fade-in is over
  xdotool windowfocus --sync "$win"
  start=$(date +%s%N)
  xdotool key --window "$win" Escape
  wait "$pid" || true
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

startup_ms() { # folder -> milliseconds from the process start to the first page on screen
  local start line shown
  cp "$1/Setting.ini.orig" "$1/Save/Setting.ini"
  start=$(date +%s%3N)
  line=$(TEXTREADER_STARTUP_PROBE=1 "$1/textreader" /DEBUG 2>/dev/null)
  shown=${line#first_page_ms=}
  echo $((${shown%% *} - start))
}

median() { sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"; }

run_all() {
  local size
  echo "# unload benchmark (Esc to process end), $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, Xvfb, /DEBUG run"
  echo "# before: $BEFORE_REV (each key a whole-file atomic replacement); after: $(git rev-parse --short HEAD) (one replacement per save)"
  for size in 0 4000000; do
    local before after
    before=$(program_folder "before-$size" "$BEFORE_DIR/build" "$size")
    after=$(program_folder "after-$size" "$AFTER_BUILD" "$size")
    local b=() a=()
    for run in $(seq 1 "$RUNS"); do # interleaved, so both see the same machine load
      b+=("$(unload_ms "$before")")
      a+=("$(unload_ms "$after")")
    done
    local bm am
    bm=$(printf '%s\n' "${b[@]}" | median)
    am=$(printf '%s\n' "${a[@]}" | median)
    echo "Setting.ini of $(stat -c %s "$before/Setting.ini.orig") bytes: key by key ${b[*]} ms, median $bm ms |" \
         "gathered ${a[*]} ms, median $am ms | ratio $(awk "BEGIN { printf \"%.1f\", $bm / ($am > 0 ? $am : 1) }")x"
    # The start with the same file: every key parsed the file anew before, once now.
    local sb=() sa=()
    for run in 1 2 3; do
      sb+=("$(startup_ms "$before")")
      sa+=("$(startup_ms "$after")")
    done
    echo "  start-up with it (first page on screen): re-read per key ${sb[*]} ms | read once ${sa[*]} ms"
  done
}

run_all | tee "$OUT"
