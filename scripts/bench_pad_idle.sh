#!/usr/bin/env bash
# The word processor's idle cost on a virtual X server with the openbox
# window manager: the processor time yavo-pad takes over 10 s with its
# window as large as the screen and active, the text cursor blinking in an
# empty document, after 3 s alone (goal: under 2% of one core). Then how
# long it takes to come to rest when started with a text of 200,000 short
# Kannada lines (laid out and spell checked, the word list arriving
# meanwhile), and what it takes at rest.
# Usage: bench_pad_idle.sh PATH/TO/yavo-pad
set -uo pipefail
pad=$(realpath "$1")
bench_args=("$@")
YAVO_BENCH_SCREEN=1920x1080
source "$(dirname "$(realpath "$0")")/benchdesktop.sh"
bench_desktop bench_pad_idle

"$pad" >"$work/pad.log" 2>&1 &
app=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" --class yavo-pad | head -n 1)
[ -n "$window" ] || { echo "bench_pad_idle: no window shown"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null
# Debian's xdotool cannot ask the window manager to maximize: the window
# is made as large as the screen instead.
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 100% 100%
sleep 3
before=$(cpu_ticks "$app")
sleep 10
after=$(cpu_ticks "$app")
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
awk -v d=$((after - before)) -v t="$(getconf CLK_TCK)" -v s="$size" \
    'BEGIN { printf "idle CPU, window of %s, empty document: %.1f%% of one core (10 s)\n", s, 100 * d / t / 10 }'
kill "$app" 2>/dev/null
wait "$app" 2>/dev/null

# At rest: a second in which it took under 2% of one core.
lines="$work/lines.txt"
seq -f 'ಕನ್ನಡ ಸಾಲು %g' 1 200000 >"$lines"
start=$(date +%s.%N)
"$pad" "$lines" >"$work/pad.log" 2>&1 &
app=$!
tick=$(getconf CLK_TCK)
rested=""
for second in $(seq 1 300); do
    before=$(cpu_ticks "$app") || break
    sleep 1
    after=$(cpu_ticks "$app") || break
    if [ $((100 * (after - before))) -lt $((2 * tick)) ]; then
        rested=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s - 1 }')
        break
    fi
done
[ -n "$rested" ] || { echo "bench_pad_idle: not at rest 300 s after starting with 200,000 lines"; exit 1; }
before=$(cpu_ticks "$app")
sleep 10
after=$(cpu_ticks "$app")
awk -v r="$rested" -v d=$((after - before)) -v t="$tick" \
    'BEGIN { printf "200,000 short lines: at rest %s s after start, then %.1f%% of one core (10 s)\n", r, 100 * d / t / 10 }'
