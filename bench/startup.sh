#!/usr/bin/env bash
# Start-up of the reader off screen: from the process start to the first page on screen
# with a 1 MB clip.txt (median of several runs), and the resident size at that point with
# a 5 MB clip.txt. The reader reports the moment itself (TEXTREADER_STARTUP_PROBE) and ends
# without writing. Results go to bench/results/startup.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build/startup-bench}
CORPUS=${TR_BENCH_CORPUS:-../shared/bench/corpus/text}
RUNS=${RUNS:-11}
OUT=bench/results/startup.txt

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$BUILD" -j2 textreader >/dev/null

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# A program folder whose clip.txt is the corpus in code page 932 with CR LF, cut to size.
program_folder() { # name bytes
  local dir="$WORK/$1"
  mkdir -p "$dir/Save"
  cp "$BUILD/bin/textreader" "$BUILD/bin/Howto.txt" "$BUILD/bin/KeyMap.tbl" "$dir/"
  : >"$dir/text.932"
  while [ "$(stat -c %s "$dir/text.932")" -lt "$2" ]; do
    cat "$CORPUS"/*.txt | sed 's/$/\r/' | iconv -c -f UTF-8 -t CP932 >>"$dir/text.932"
  done
  # Cut at a line end so that no character is split.
  head -c "$2" "$dir/text.932" | sed '$d' >"$dir/Save/clip.txt"
  rm "$dir/text.932"
  echo "$dir"
}

probe() { # folder -> "milliseconds rss_kb"
  local start line
  start=$(date +%s%3N)
  line=$(TEXTREADER_STARTUP_PROBE=1 QT_QPA_PLATFORM=offscreen "$1/textreader" 2>/dev/null)
  local shown=${line#first_page_ms=}; shown=${shown%% *}
  echo "$((shown - start)) ${line##*rss_kb=}"
}

ONE=$(program_folder one-mb 1048576)
FIVE=$(program_folder five-mb 5242880)
{
  echo "# start-up benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, offscreen"
  echo "# clip.txt: $(stat -c %s "$ONE/Save/clip.txt") bytes and $(stat -c %s "$FIVE/Save/clip.txt") bytes (code page 932) from $CORPUS"
  times=()
  for run in $(seq 1 "$RUNS"); do
    read -r ms rss < <(probe "$ONE")
    times+=("$ms")
    echo "1 MB run $run: first page on screen after $ms ms, resident $rss kB"
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p")
  echo "1 MB median: $median ms (target under 300 ms)"
  for run in 1 2 3; do
    read -r ms rss < <(probe "$FIVE")
    echo "5 MB run $run: first page on screen after $ms ms, resident $rss kB (target under 80 MB)"
  done
  if ldd "$BUILD/bin/textreader" | grep -qi webengine; then
    echo "browser engine linked: yes"
  else
    echo "browser engine linked: no"
  fi
} | tee "$OUT"
