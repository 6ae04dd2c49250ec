#!/usr/bin/env bash
# The word processor's idle cost on a virtual X server with the openbox
# window manager: the processor time yavo-pad takes over 10 s with its
# window as large as the screen and active, the text cursor blinking in an empty
# document, after 3 s alone (goal: under 2% of one core).
# Usage: bench_pad_idle.sh PATH/TO/yavo-pad
set -uo pipefail
pad=$(realpath "$1")
for tool in xvfb-run openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "bench_pad_idle: $tool missing, skipped"; exit 0; }
done
if [ -z "${YAVO_BENCH_PAD_X:-}" ]; then
    YAVO_BENCH_PAD_X=1 exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp" \
        "$0" "$@"
fi

work=$(mktemp -d)
wm="" app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$wm" ] && kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT
# A home of its own: no setting or file of the user is read or written.
for folder in HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR; do
    mkdir -m 700 "$work/$folder" && export "$folder=$work/$folder"
done
unset QT_QPA_PLATFORM
cd "$HOME" || exit 1

openbox --sm-disable --startup "touch '$work/wm'" >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 200); do [ -e "$work/wm" ] && break; sleep 0.05; done
[ -e "$work/wm" ] || { echo "bench_pad_idle: openbox did not start"; exit 1; }

"$pad" >"$work/pad.log" 2>&1 &
app=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$app" --class yavo-pad | head -n 1)
[ -n "$window" ] || { echo "bench_pad_idle: no window shown"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null
# Debian's xdotool cannot ask the window manager to maximize: the window
# is made as large as the screen instead.
xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 100% 100%
sleep 3
ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
before=$(ticks)
sleep 10
after=$(ticks)
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }')
awk -v d=$((after - before)) -v t="$(getconf CLK_TCK)" -v s="$size" \
    'BEGIN { printf "idle CPU, window of %s, empty document: %.1f%% of one core (10 s)\n", s, 100 * d / t / 10 }'
