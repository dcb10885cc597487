#!/usr/bin/env bash
# Start-up time of corvan50 with examples/demo.lay to the first painted frame
# of the main window, under a virtual X server. The program reports the time
# itself with CORVANE_STARTUP_PROBE=1 and quits after that first paint.
# Goal: below 700 ms. Usage: bench/startup.sh [runs] (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${CORVANE_BUILD_DIR:-build/release}
program="$build/src/app/corvan50"
[ -x "$program" ] || scripts/build-release >/dev/null
runs=${1:-5}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cat >"$tmp/runs.sh" <<RUNS
#!/usr/bin/env bash
export CORVANE_PROGRAM_FOLDER="$tmp"
export CORVANE_STARTUP_PROBE=1
unset QT_QPA_PLATFORM
for i in \$(seq 1 $runs); do
  timeout 30 "$PWD/$program" "$PWD/examples/demo.lay" 2>&1 | grep '^startup:' || echo "startup: failed"
done
RUNS
chmod +x "$tmp/runs.sh"
timeout 300 xvfb-run -a -s "-screen 0 1280x900x24" "$tmp/runs.sh" | tee "$tmp/out.txt"
awk '/^startup: [0-9]+ ms/ { n++; s += $2; if (min == "" || $2 < min) min = $2 } \
     END { if (n) printf "startup: %d runs, mean %.0f ms, best %d ms (goal < 700 ms)\n", n, s / n, min; else exit 1 }' "$tmp/out.txt"
