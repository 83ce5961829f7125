#!/usr/bin/env bash
# Times the term search on the 5 MB Japanese text of bench/layout.sh, beside a plain
# paginate of the same text in the same run: forwards to a match near the end (the search
# lays out every page before it, so paginate is its floor), backwards from the end to a
# match near the start (it only walks the page-start list); then saving, loading and
# renaming a library entry of that size. Results go to bench/results/search.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build/layout-bench}
CORPUS=${TR_BENCH_CORPUS:-../shared/bench/corpus/text}
[ -d "$CORPUS" ] || CORPUS=/work/shared/bench/corpus/text
OUT=bench/results/search.txt

cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTEXTREADER_BENCH=ON \
  -DTEXTREADER_TESTS=OFF >/dev/null
ninja -C "$BUILD" -j2 textreader-cli bench_library >/dev/null

# The corpus texts repeated to 5 MB as in layout.sh, with one marker near the start and one
# 50 lines before the end, so each search has exactly one place to go.
TEXT="$BUILD/search-5mb.txt"
: >"$TEXT.tmp"
while [ "$(stat -c %s "$TEXT.tmp")" -lt 5242880 ]; do cat "$CORPUS"/*.txt >>"$TEXT.tmp"; done
head -c 5242880 "$TEXT.tmp" | sed '$d' >"$TEXT.body"
{
  head -n 20 "$TEXT.body"
  echo "始まりの目印 FIRSTMARK"
  tail -n +21 "$TEXT.body" | head -n -50
  echo "終わりの目印 ＬＡＳＴＭＡＲＫ"
  tail -n 50 "$TEXT.body"
} >"$TEXT"
rm -f "$TEXT.tmp" "$TEXT.body"

CLI="$BUILD/bin/textreader-cli"
export QT_QPA_PLATFORM=offscreen
seconds() { local s e; s=$(date +%s.%N); "$@" >/dev/null 2>&1 || true; e=$(date +%s.%N); echo "$e - $s" | bc; }
{
  echo "# search benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores"
  echo "# text: $(stat -c %s "$TEXT") bytes UTF-8 from $CORPUS, $("$CLI" paginate "$TEXT" 2>/dev/null | wc -l) pages"
  echo "# forward: $("$CLI" search "$TEXT" lastmark 2>/dev/null | tr '\n' ' ')"
  echo "# backward: $("$CLI" search "$TEXT" FIRSTMARK --backward 2>/dev/null | tr '\n' ' ')"
  for run in 1 2 3 4 5; do
    p=$(seconds "$CLI" paginate "$TEXT")
    f=$(seconds "$CLI" search "$TEXT" lastmark)
    b=$(seconds "$CLI" search "$TEXT" FIRSTMARK --backward)
    echo "run $run: paginate $p s, search forward $f s (ratio $(echo "scale=2; $f / $p" | bc)), backward from the end $b s (lays out every page first)"
  done
  TR_BENCH_TEXT="$TEXT" "$BUILD/bin/bench_library" 2>/dev/null
} | tee "$OUT"
