#!/bin/bash
# convert_peers.sh - our `textreader-cli convert` in the same table as the peer converters.
#
# Usage (from anywhere):
#   bench/convert_peers.sh [CORPUS_DIR] [--scaling]
# Runs ../shared/bench/peers.sh for the peers, then times textreader-cli convert with hyperfine
# on the very same files (empty.html, the corpus pages or the synthetic 1x/4x/16x pages) in the
# same run, and prints one table: every peer row, our rows, and per file our median against the
# fastest peer's, our conversion rate and our peak memory above the empty page's.
# Env: SKIP_PEERS, SKIP_OURS, TR_CLI (default build/release/bin/textreader-cli, a Release build), PEERS
# (default $ROOT/../shared/bench/peers.sh), and peers.sh's own TOOLS, WARMUP, MIN_RUNS, MAX_RUNS,
# SCALE_RUNS, SYNTH_FILES, OUT.
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(dirname "$HERE")
CORPUS=${1:-$ROOT/../shared/bench/corpus}
MODE=${2:-files}
PEERS=${PEERS:-$ROOT/../shared/bench/peers.sh}
TR_CLI=${TR_CLI:-$ROOT/build/release/bin/textreader-cli}
export LANG=C.UTF-8 LC_ALL=C.UTF-8
[ -x "$TR_CLI" ] || { echo "no $TR_CLI: build it with -DCMAKE_BUILD_TYPE=Release first" >&2; exit 1; }
export OUT=${OUT:-$(mktemp -d /tmp/convert-peers.XXXXXX)}
mkdir -p "$OUT"

# SKIP_PEERS=1 reuses the peer table of an earlier run in the same OUT.
[ -n "${SKIP_PEERS:-}" ] || bash "$PEERS" "$CORPUS" ${2:+"$2"} | tee "$OUT/peers-table.txt"

if [ "$MODE" = "--scaling" ]; then
  FILES=("$OUT/empty.html" "$OUT/synth-x01.html" "$OUT/synth-x04.html" "$OUT/synth-x16.html")
  HF=(-N --output=pipe --runs "${SCALE_RUNS:-3}")
else
  mapfile -t FILES < <(find "$CORPUS" -maxdepth 1 -type f \( -name '*.html' -o -name '*.htm' \) -printf '%s\t%p\n' | sort -n | cut -f2-)
  FILES=("$OUT/empty.html" "${FILES[@]}")
  HF=(-N --output=pipe --warmup "${WARMUP:-1}" --min-runs "${MIN_RUNS:-5}" --max-runs "${MAX_RUNS:-20}")
fi

# SKIP_OURS=1 only prints the table again from the timings kept in OUT.
[ -n "${SKIP_OURS:-}" ] || : > "$OUT/ours.tsv"
for f in "${FILES[@]}"; do
  [ -z "${SKIP_OURS:-}" ] || break
  b=$(basename "$f")
  # The fast peers again in the same hyperfine call, so the ratio compares runs made side by
  # side: this machine's speed drifts over the minutes the whole peer table takes.
  hyperfine "${HF[@]}" --export-json "$OUT/ours-$b.json" -n textreader "$TR_CLI convert $f" \
    -n w3m "w3m -dump -O UTF-8 -cols 80 $f" \
    -n lynx-nolist "lynx -dump -nolist -display_charset=utf-8 -width=80 $f" \
    -n lynx-refs "lynx -dump -display_charset=utf-8 -width=80 $f" \
    -n html2text "html2text -utf8 -nobs -width 80 $f" >/dev/null 2>"$OUT/ours-$b.err"
  /usr/bin/time -v -o "$OUT/ours-rss.txt" "$TR_CLI" convert "$f" > "$OUT/ours-out-$b.txt" 2>/dev/null
  rss=$(awk -F': ' '/Maximum resident/{print $2}' "$OUT/ours-rss.txt")
  printf '%s\t%s\t%s\t%s\n' "$b" "$(stat -c %s "$f")" "$rss" "$(stat -c %s "$OUT/ours-out-$b.txt")" >> "$OUT/ours.tsv"
done

python3 - "$OUT" <<'PYEOF'
import sys, json, os, re
out = sys.argv[1]
peers = {}
silent = set()  # (tool, file): the peer wrote nothing for a page that is not empty
in_table = False
for line in open(os.path.join(out, 'peers-table.txt')):
    f = line.split()
    in_table = in_table or line.startswith('tool ')
    if in_table and len(f) == 8 and re.fullmatch(r'[0-9.]+|nan', f[3]):
        if f[6] == '0' and f[2] != '0.000':
            silent.add((f[0], f[1]))
            continue
        peers.setdefault(f[1], []).append((f[0], float(f[3])))
ours = []
for line in open(os.path.join(out, 'ours.tsv')):
    b, size, rss, ob = line.rstrip('\n').split('\t')
    results = json.load(open(os.path.join(out, 'ours-%s.json' % b)))['results']
    r = results[0]
    side = min(((x['command'], x['median'] * 1e3) for x in results[1:] if (x['command'], b) not in silent),
               key=lambda t: t[1], default=('-', float('nan')))
    ours.append((b, int(size), int(rss) / 1024, int(ob), r['median'] * 1e3, len(r['times']), side))
base_rss = next((o[2] for o in ours if o[0] == 'empty.html'), 0.0)
print()
print('%-12s %-30s %8s %10s %8s %8s %10s %5s' % ('tool', 'file', 'in_MB', 'median_ms', 'MB/s', 'RSS_MB', 'out_bytes', 'runs'))
for b, size, rss, ob, ms, n, side in ours:
    mb = size / 1e6
    print('%-12s %-30s %8.3f %10.1f %8.2f %8.1f %10d %5d' % ('textreader', b, mb, ms, mb / (ms / 1e3), rss, ob, n))
print()
print('%-30s %-12s %10s %-12s %10s %10s %8s %12s' % ('file', 'fastest_peer', 'table_ms', 'side_peer', 'side_ms', 'ours_ms', 'speedup', 'RSS_over_in'))
for b, size, rss, ob, ms, n, side in ours:
    best = min(peers.get(b, [('-', float('nan'))]), key=lambda t: t[1])
    over = (rss - base_rss) * 1024 * 1024 / size if size and b != 'empty.html' else float('nan')
    print('%-30s %-12s %10.1f %-12s %10.1f %10.1f %7.2fx %11.2fx' % (b, best[0], best[1], side[0], side[1], ms, side[1] / ms, over))
print('# speedup = fastest peer timed in the same hyperfine call as ours (side_ms) / ours_ms;')
print('# table_ms is that file\'s fastest peer in the peer table above, timed minutes earlier.')
for tool, b in sorted(silent):
    print('# %s wrote nothing for %s, so it is not counted as a peer there.' % (tool, b))
PYEOF
