# Sourced by the benchmarks that watch a real program on a virtual X server
# with the openbox window manager. bench_desktop NAME TOOL...: checks the
# tools (exits with a note when one is missing), runs the calling script
# again on a virtual X server of its own, gives it a home folder of its own
# in $work (no cache, setting or data folder of the user is touched) and
# starts openbox. The caller kills $app on exit if it sets it.
bench_desktop() {
    local name="$1" tool folder
    shift
    for tool in xvfb-run openbox xdotool "$@"; do
        command -v "$tool" >/dev/null || { echo "$name: $tool missing, skipped"; exit 0; }
    done
    if [ -z "${YAVO_BENCH_DESKTOP:-}" ]; then
        YAVO_BENCH_DESKTOP=1 exec xvfb-run --auto-servernum \
            --server-args="-screen 0 ${YAVO_BENCH_SCREEN:-1280x1024}x24 -nolisten tcp" "$0" "${bench_args[@]}"
    fi
    work=$(mktemp -d)
    wmpid="" app=""
    trap '[ -n "$app" ] && kill "$app" 2>/dev/null; [ -n "$wmpid" ] && kill "$wmpid" 2>/dev/null; rm -rf "$work"' EXIT
    for folder in HOME XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_RUNTIME_DIR; do
        mkdir -m 700 "$work/$folder" && export "$folder=$work/$folder"
    done
    unset QT_QPA_PLATFORM
    cd "$HOME" || exit 1
    openbox --sm-disable --startup "touch '$work/wm-ready'" >/dev/null 2>&1 &
    wmpid=$!
    for _ in $(seq 1 200); do [ -e "$work/wm-ready" ] && break; sleep 0.05; done
    [ -e "$work/wm-ready" ] || { echo "$name: openbox did not start"; exit 1; }
}

# The processor ticks the process has taken.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
