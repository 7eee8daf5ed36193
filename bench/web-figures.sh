#!/usr/bin/env bash
# The web page's figures, with headless chromium against build-web/site served
# by a local server (scripts/serve-site.py: http.server, no compression):
#  (a) first visit: navigation start until the status line has
#      data-pronto="si" (Default ready, a search can run), fresh profile;
#  (b) repeat visit: the same, chromium started again on the same profile
#      (service worker active, its cache and the HTTP cache warm);
#  (c) each search in the page (setting the link until #uscita has
#      data-stato="fine") against the same command of sillabor-cli (whole
#      process, hyperfine; also minus a bare `dizio carica`) and against the
#      time each one reports in its closing line; one round first, not counted,
#      so that both sides have their index cache files;
#  (d) the site's size: every file raw, gzip -9 and brotli -q 11, summed.
# Medians of RUNS runs. Results (JSON and the table) go to bench/results/.
# Usage: bench/web-figures.sh [RUNS]   (default 5; after scripts/web.sh --build-only)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"
runs="${1:-5}"
site="$repo/build-web/site"
cli="$repo/build/sillabor-cli"
results="$repo/bench/results"
site_port=8098
tools_port=9228

[[ -f "$site/sillabor-web.wasm" && -x "$cli" ]] || { echo "build first: bash scripts/web.sh --build-only" >&2; exit 1; }
command -v chromium > /dev/null || scripts/install-deps.sh chromium
command -v hyperfine > /dev/null || scripts/install-deps.sh hyperfine
mkdir -p "$results"
work="$(mktemp -d)"
pids=()
chrome=
cleanup() {
  [[ -n "$chrome" ]] && kill "$chrome" 2> /dev/null || true
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  wait 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The searches: the page's link and the same command line.
links=(
  '#anagr/marco%20polo%20viaggiatore?parole-max=4'
  '#cerca/mare?categoria=0' '#cerca/mare?categoria=1' '#cerca/mare?categoria=2' '#cerca/mare?categoria=3'
  '#cerca/mare?categoria=4' '#cerca/mare?categoria=5' '#cerca/mare?categoria=6' '#cerca/mare?categoria=7'
  '#trova/cambi?lettere=r%20l&seme=1'
  '#curio/18?seme=1'
)
commands=(
  "anagr 'marco polo viaggiatore' --parole-max 4"
  'cerca mare --categoria 0' 'cerca mare --categoria 1' 'cerca mare --categoria 2' 'cerca mare --categoria 3'
  'cerca mare --categoria 4' 'cerca mare --categoria 5' 'cerca mare --categoria 6' 'cerca mare --categoria 7'
  '--seme 1 trova cambi --lettere r l'
  '--seme 1 curio 18'
)

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)" | tee "$results/web-load.txt"

# The CLI, on a folder holding only the prepared Default the page ships.
mkdir -p "$work/cartella/Dizionari/Default"
cp "$site/Dizionari/Default/j_r_Default" "$work/cartella/Dizionari/Default/"
base="'$cli' --cartella '$work/cartella'"
hyper=(--warmup 1 --runs "$runs" --style none --export-json "$results/web-cli.json" --command-name load "$base dizio carica")
for i in "${!commands[@]}"; do hyper+=(--command-name "${links[$i]}" "$base ${commands[$i]} > /dev/null 2>&1"); done
hyperfine "${hyper[@]}" > /dev/null
# The time each command reports (its closing line, on standard error).
: > "$results/web-cli-closing.txt"
for i in "${!commands[@]}"; do
  for _ in $(seq "$runs"); do
    printf '%s\t%s\n' "${links[$i]}" "$(eval "$base ${commands[$i]}" 2>&1 > /dev/null | grep -v '^\s*$' | tail -1)"
  done >> "$results/web-cli-closing.txt"
done

python3 "$repo/scripts/serve-site.py" "$site_port" "$site" > /dev/null 2>&1 &
pids+=($!)
start_chrome() {
  chromium --headless --no-sandbox --disable-gpu --user-data-dir="$1" \
    --remote-debugging-address=127.0.0.1 --remote-debugging-port="$tools_port" about:blank > /dev/null 2>&1 &
  chrome=$!
  for _ in $(seq 100); do
    curl -sf "http://127.0.0.1:$tools_port/json/version" > /dev/null 2>&1 &&
      curl -sf "http://127.0.0.1:$site_port/" > /dev/null 2>&1 && return
    sleep 0.1
  done
  echo "chromium did not start" >&2
  exit 1
}
stop_chrome() {
  kill "$chrome" 2> /dev/null || true
  wait "$chrome" 2> /dev/null || true
  chrome=
}
visit() { node --experimental-websocket bench/web-figures.mjs "$tools_port" "http://127.0.0.1:$site_port" "$@"; }

: > "$results/web-visits.jsonl"
for run in $(seq "$runs"); do
  profile="$work/profile-$run"
  start_chrome "$profile"
  printf '{"visit":"first","result":%s}\n' "$(visit 0 --wait-cache)" >> "$results/web-visits.jsonl"
  stop_chrome
  start_chrome "$profile"
  printf '{"visit":"repeat","result":%s}\n' "$(visit 0)" >> "$results/web-visits.jsonl"
  stop_chrome
done
start_chrome "$work/profile-1"
visit $((runs + 1)) "${links[@]}" > "$results/web-searches.json"
stop_chrome

# The site's size, file by file.
raw=0 gz=0 br=0
while IFS= read -r -d '' file; do
  raw=$((raw + $(stat -c %s "$file")))
  gz=$((gz + $(gzip -9 -c "$file" | wc -c)))
  command -v brotli > /dev/null && br=$((br + $(brotli -q 11 -c "$file" | wc -c)))
done < <(find "$site" -type f -print0)
echo "{\"raw\": $raw, \"gzip\": $gz, \"brotli\": $br}" > "$results/web-size.json"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$results/web-load.txt"

python3 - "$results" "$runs" << 'EOF' | tee "$results/web-figures.md"
import json, re, statistics, sys
results, runs = sys.argv[1], int(sys.argv[2])
med = statistics.median
visits = [json.loads(line) for line in open(f'{results}/web-visits.jsonl')]
first = med(v['result']['ready'] for v in visits if v['visit'] == 'first')
repeat = med(v['result']['ready'] for v in visits if v['visit'] == 'repeat')
print(f"| first visit, until Default is ready | {first:.0f} ms | target < 1500 ms |")
print(f"| repeat visit | {repeat:.0f} ms | target < 500 ms |")
size = json.load(open(f'{results}/web-size.json'))
mb = lambda n: f"{n / 1e6:.2f} MB"
print(f"| site size: raw / gzip -9 / brotli -q 11 | {mb(size['raw'])} / {mb(size['gzip'])} / "
      f"{mb(size['brotli']) if size['brotli'] else '-'} | target < 5 MB compressed |")
print()
cli = {r['command']: r for r in json.load(open(f'{results}/web-cli.json'))['results']}
load = cli['load']['median'] * 1000
reported = {}
seconds = lambda line: float(m.group(1).replace(',', '.')) * 1000 if (m := re.search(r' (\d+[.,]\d+) sec', line)) else None
for line in open(f'{results}/web-cli-closing.txt'):
    link, closing = line.rstrip('\n').split('\t', 1)
    reported.setdefault(link, []).append(seconds(closing))
page = json.load(open(f'{results}/web-searches.json'))['searches']
print(f"CLI bare load (dizio carica): {load:.1f} ms")
print()
print("| search | lines | page ms | CLI ms (whole) | CLI - load | page / CLI | page reported | CLI reported | ratio |")
print("|:---|---:|---:|---:|---:|---:|---:|---:|---:|")
fmt = lambda x: '-' if x is None else f"{x:.1f}"
for link, rows in page.items():
    rows = rows[1:]  # the first round is not counted
    ms = med(r['ms'] for r in rows)
    whole = cli[link]['median'] * 1000
    got = [seconds(r['status']) for r in rows]
    page_rep = med(got) if None not in got else None
    cli_rep = med(reported[link]) if None not in reported[link] else None
    ratio = page_rep / cli_rep if page_rep is not None and cli_rep else None
    print(f"| `{link}` | {rows[-1]['lines']} | {ms:.1f} | {whole:.1f} | {whole - load:.1f} | {ms / whole:.2f} | "
          f"{fmt(page_rep)} | {fmt(cli_rep)} | {fmt(ratio) if ratio is None else f'{ratio:.2f}'} |")
EOF
