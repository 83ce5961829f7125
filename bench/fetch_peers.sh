#!/usr/bin/env bash
# fetch_peers.sh - `textreader-cli fetch` beside the browsers and text browsers that fetch the
# same page, in one run: every corpus page is served by a local HTTP server and fetched by
#   ours      textreader-cli fetch URL              (engine, our converter, marked text)
#   chromium  chromium --headless --dump-dom URL    (the same engine class, no conversion)
#   lynx      lynx -dump URL                        (no JavaScript: the floor for static pages)
#   w3m       w3m -dump URL
# whole process, median of RUNS runs (hyperfine), plus the peak memory of the whole process
# tree for ours and chromium (the sum of each process's proportional set size, so pages the
# engine's processes share are counted once), and, in the running reader with the engine loaded, the
# time from go to the first typed character of a 400 KB page (TEXTREADER_FETCH_PROBE).
# Usage: bench/fetch_peers.sh [CORPUS_DIR]     Env: TR_BIN (default build/release/bin), RUNS (3)
# Results: bench/results/fetch-peers.txt
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(dirname "$HERE")
# The shared corpus beside the checkout (or beside the folder of worktrees).
CORPUS=${1:-$ROOT/../shared/bench/corpus}
[ -d "$CORPUS" ] || CORPUS=$ROOT/../../shared/bench/corpus
TR_BIN=${TR_BIN:-$ROOT/build/release/bin}
RUNS=${RUNS:-3}
OUT=$ROOT/bench/results/fetch-peers.txt
export LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
for tool in hyperfine chromium lynx w3m python3; do
  command -v "$tool" >/dev/null || { echo "fetch_peers: $tool is missing (apt-get install $tool)" >&2; exit 1; }
done
[ -x "$TR_BIN/textreader-cli" ] || { echo "no $TR_BIN/textreader-cli: build a Release first" >&2; exit 1; }

WORK=$(mktemp -d /tmp/fetch-peers.XXXXXX)
PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$PORT" --bind 127.0.0.1 --directory "$CORPUS" >"$WORK/server.log" 2>&1 &
SERVER=$!
trap 'kill $SERVER 2>/dev/null; rm -rf "$WORK"' EXIT
sleep 1

# Chromium refuses to run as root with its sandbox; ours turns its own off then too.
SANDBOX=""
[ "$(id -u)" -ne 0 ] || SANDBOX="--no-sandbox"
CHROMIUM="chromium --headless $SANDBOX --disable-gpu --dump-dom"

# Peak memory of a command's whole process tree (sum of Pss), sampled every 20 ms, in MB.
peak_tree_mb() {
  python3 - "$@" <<'PYEOF'
import os, subprocess, sys, time
def tree_kb(root):
    kids = {}
    for p in os.listdir('/proc'):
        if p.isdigit():
            try:
                stat = open('/proc/%s/stat' % p).read()
                kids.setdefault(int(stat[stat.rindex(')') + 2:].split()[1]), []).append(int(p))
            except OSError:
                pass
    total, todo = 0, [root]
    while todo:
        pid = todo.pop()
        try:
            for line in open('/proc/%d/smaps_rollup' % pid):
                if line.startswith('Pss:'):
                    total += int(line.split()[1])
        except OSError:
            pass
        todo += kids.get(pid, [])
    return total
proc = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
peak = 0
while proc.poll() is None:
    peak = max(peak, tree_kb(proc.pid))
    time.sleep(0.02)
print('%.0f' % (peak / 1024))
PYEOF
}

mapfile -t FILES < <(find "$CORPUS" -maxdepth 1 -type f -name '*.html' -printf '%s\t%f\n' | sort -n | cut -f2-)
: >"$WORK/rows.tsv"
for f in "${FILES[@]}"; do
  url="http://127.0.0.1:$PORT/$f"
  hyperfine -N --output=pipe --warmup 1 --runs "$RUNS" --export-json "$WORK/$f.json" \
    -n ours "$TR_BIN/textreader-cli fetch $url" \
    -n chromium "$CHROMIUM $url" \
    -n lynx "lynx -dump $url" \
    -n w3m "w3m -dump $url" >/dev/null 2>"$WORK/$f.err" || { echo "hyperfine failed on $f" >&2; cat "$WORK/$f.err" >&2; }
  ours_mb=$(peak_tree_mb "$TR_BIN/textreader-cli" fetch "$url")
  chromium_mb=$(peak_tree_mb $CHROMIUM "$url")
  printf '%s\t%s\t%s\t%s\n' "$f" "$(stat -c %s "$CORPUS/$f")" "$ours_mb" "$chromium_mb" >>"$WORK/rows.tsv"
done

# In the reader: go to the first typed character, engine already loaded, on a 400 KB page.
PROBE_PAGE=${PROBE_PAGE:-en-git-config.html}
PROGRAM="$WORK/program"
mkdir -p "$PROGRAM/Save"
cp "$TR_BIN/textreader" "$TR_BIN/libtextreader-webengine.so" "$TR_BIN/Howto.txt" "$TR_BIN/KeyMap.tbl" "$PROGRAM/"
: >"$WORK/probe.txt"
for run in 1 2 3 4 5; do
  TEXTREADER_FETCH_PROBE="http://127.0.0.1:$PORT/$PROBE_PAGE" "$PROGRAM/textreader" /DEBUG 2>/dev/null \
    | grep '^load_ms=' >>"$WORK/probe.txt" || true
done

python3 - "$WORK" "$PROBE_PAGE" "$(stat -c %s "$CORPUS/$PROBE_PAGE")" <<'PYEOF' | tee "$OUT"
import json, os, statistics, sys, time
work, probe_page, probe_size = sys.argv[1], sys.argv[2], int(sys.argv[3])
print('# fetch benchmark, %s, %d cores, offscreen, local HTTP server, whole process'
      % (time.strftime('%Y-%m-%d %H:%M UTC', time.gmtime()), os.cpu_count()))
print('%-30s %7s %9s %9s %9s %9s %9s %8s %8s' % ('page', 'KB', 'ours_ms', 'chrom_ms', 'lynx_ms',
      'w3m_ms', 'ours/chr', 'ours_MB', 'chrom_MB'))
print('(median ms of whole processes; MB: peak summed Pss of the process tree)')
ratios = []
for line in open(os.path.join(work, 'rows.tsv')):
    page, size, ours_mb, chrom_mb = line.rstrip('\n').split('\t')
    try:
        res = {r['command']: r['median'] * 1e3 for r in json.load(open(os.path.join(work, page + '.json')))['results']}
    except (OSError, ValueError):
        continue
    ratio = res['ours'] / res['chromium']
    ratios.append(ratio)
    print('%-30s %7d %9.0f %9.0f %9.0f %9.0f %9.2f %8s %8s' % (page, int(size) / 1024, res['ours'], res['chromium'],
          res['lynx'], res['w3m'], ratio, ours_mb, chrom_mb))
if ratios:
    print('ours / chromium --dump-dom: worst %.2f, median %.2f (goal: at most 0.50 on every page)'
          % (max(ratios), statistics.median(ratios)))
probes = [dict(kv.split('=') for kv in l.split()) for l in open(os.path.join(work, 'probe.txt')) if l.strip()]
if probes:
    fc = statistics.median(int(p['first_char_ms']) for p in probes)
    print('in the reader, %s (%d KB), engine loaded: go to first typed character, median of %d: %d ms '
          '(goal under 300 ms); first fetch with the engine start: %s ms'
          % (probe_page, probe_size / 1024, len(probes), fc, statistics.median(int(p['load_ms']) for p in probes)))
    p = probes[-1]
    print('memory (Pss) after the fetches: reader %d MB + engine helper processes %d MB = %d MB'
          % (int(p['pss_kb']) / 1024, int(p['engine_pss_kb']) / 1024, (int(p['pss_kb']) + int(p['engine_pss_kb'])) / 1024))
else:
    print('in the reader: the fetch probe printed nothing')
PYEOF
