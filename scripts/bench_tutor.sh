#!/usr/bin/env bash
# The typing tutor on a virtual X server with the openbox window manager, as
# a desktop without a graphics driver (or a virtual machine, or a remote
# desktop) runs it, where OpenGL is Mesa's rasterizer on the processor:
#  - idle cost: the processor time the tutor takes over 10 s once it has
#    been left alone for 5 s, with the scene graph it chooses itself, with
#    the software one and with OpenGL (goal: under 2% of one core each);
#  - start-up: the time it takes to load its views, without Qt's QML disk
#    cache (as it runs) and with it, cold and warm.
# Usage: bench_tutor.sh PATH/TO/YavoTypingTutor
set -uo pipefail
tutor=$(realpath "$1")
runs=15
bench_args=("$@")
source "$(dirname "$(realpath "$0")")/benchdesktop.sh"
bench_desktop bench_tutor xauth
unset QT_QUICK_BACKEND QMLSCENE_DEVICE QML_DISABLE_DISK_CACHE QML_FORCE_DISK_CACHE
ticks=$(getconf CLK_TCK)

# idle LABEL [VARIABLE=VALUE...]: the tutor's processor time over 10 s,
# after 5 s alone.
idle() {
    local label="$1"
    shift
    env "$@" "$tutor" >"$work/idle.log" 2>&1 &
    app=$!
    if ! timeout 20 xdotool search --sync --onlyvisible --name 'Typing Tutor' >/dev/null; then
        echo "bench_tutor: no window shown ($label)"; return
    fi
    sleep 5
    local before after
    before=$(cpu_ticks "$app")
    sleep 10
    after=$(cpu_ticks "$app")
    kill "$app"; wait "$app" 2>/dev/null; app=""
    awk -v l="$label" -v d=$((after - before)) -v t="$ticks" \
        'BEGIN { printf "idle CPU, %-28s %5.1f%% of one core (10 s, after 5 s alone)\n", l ":", 100 * d / t / 10 }'
}

# load [VARIABLE=VALUE...]: microseconds the tutor takes to load its views
# (compiled, or read from the QML disk cache), as its debug output says.
load() {
    rm -f "$work/out" && mkfifo "$work/out"
    local line us=""
    env QT_LOGGING_RULES="yavo.tutor.debug=true" "$@" "$tutor" >"$work/out" 2>&1 &
    app=$!
    while IFS= read -r line; do
        if [[ $line == *"views loaded in"* ]]; then
            us=${line##*views loaded in }
            us=${us%% *}
            break
        fi
    done <"$work/out"
    kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=""
    echo "$us"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

idle "scene graph of its choice"
idle "software scene graph" QT_QUICK_BACKEND=software
# No adaptation is named "opengl": Qt says so and draws with OpenGL.
idle "OpenGL (Mesa llvmpipe)" QT_QUICK_BACKEND=opengl

# The tutor keeps no QML disk cache; QML_FORCE_DISK_CACHE brings it back.
qmlcache="$XDG_CACHE_HOME/YavoTypingTutor/qmlcache"
[ -d "$qmlcache" ] && echo "bench_tutor: the tutor wrote QML cache files"
# Runs taken in turns, so that a change of the machine's load touches both.
: >"$work/off" && : >"$work/warm" && : >"$work/cold"
for _ in $(seq $runs); do
    load >>"$work/off"
    rm -rf "$qmlcache"
    load QML_FORCE_DISK_CACHE=1 >>"$work/cold"
    load QML_FORCE_DISK_CACHE=1 >>"$work/warm"
done
[ -d "$qmlcache" ] || echo "bench_tutor: QML_FORCE_DISK_CACHE wrote no cache"
echo "loading the views, median of $runs: QML disk cache off $(median <"$work/off") us," \
    "on and cold $(median <"$work/cold") us, on and warm $(median <"$work/warm") us"
