#!/usr/bin/env bash
# Times the layout of a 5 MB Japanese text: `textreader-cli paginate` end to end (reading,
# decoding, laying out) and the Google Benchmark figures of bench_layout. Results go to
# bench/results/layout.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build/layout-bench}
CORPUS=${TR_BENCH_CORPUS:-../shared/bench/corpus/text}
OUT=bench/results/layout.txt

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_BENCH=ON \
  -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$BUILD" -j2 textreader-cli bench_layout >/dev/null

# The corpus texts repeated to 5 MB, cut at a line end so no character is split.
TEXT="$BUILD/layout-5mb.txt"
: >"$TEXT.tmp"
while [ "$(stat -c %s "$TEXT.tmp")" -lt 5242880 ]; do cat "$CORPUS"/*.txt >>"$TEXT.tmp"; done
head -c 5242880 "$TEXT.tmp" | sed '$d' >"$TEXT"
rm -f "$TEXT.tmp"

export QT_QPA_PLATFORM=offscreen
{
  echo "# layout benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
  echo "# text: $(stat -c %s "$TEXT") bytes UTF-8 from $CORPUS"
  for run in 1 2 3; do
    start=$(date +%s.%N)
    pages=$("$BUILD/bin/textreader-cli" paginate "$TEXT" 2>/dev/null | wc -l)
    end=$(date +%s.%N)
    echo "textreader-cli paginate run $run: $(echo "$end - $start" | bc) s, $pages pages"
  done
  TR_BENCH_CORPUS="$CORPUS" "$BUILD/bin/bench_layout" 2>/dev/null
} | tee "$OUT"
