# shellcheck shell=bash
# What the end-to-end scripts share: a home of their own, a virtual X server
# (and a window manager), waiting for windows and the keyboard, quitting
# yavo-pad through its File menu. Sourced by a script that has set
# "set -uo pipefail"; it starts the program itself and keeps its pid in apid.

skip=77
work=$(mktemp -d)
apid=""
# What cleanup ends besides the program, last started first.
helper_pids=()
cleanup() {
    # A program the script has stopped takes the signal once it runs again.
    [ -n "$apid" ] && { kill "$apid"; kill -CONT "$apid"; } 2>/dev/null
    local i
    for ((i = ${#helper_pids[@]} - 1; i >= 0; i--)); do
        kill "${helper_pids[i]}" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

# Exits as skipped when one of the programs is not installed.
require() {
    local p
    for p in "$@"; do
        command -v "$p" >/dev/null || { echo "$p missing: skipped"; exit $skip; }
    done
}

# A home of its own: settings, data and the current folder.
use_own_home() {
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
    export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    cd "$HOME" || exit 1
}

# Starts Xvfb with the further arguments and points DISPLAY at it; exits on
# failure. Xvfb picks a free display itself and tells it through the pipe.
start_x() {
    local line1 line2 l display=""
    exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 "$@" -nolisten tcp 2>/dev/null & echo "pid $!")
    read -r -t 10 line1 <&3; read -r -t 10 line2 <&3
    for l in "$line1" "$line2"; do
        case "$l" in pid*) helper_pids+=("${l#pid }") ;; *) display=$l ;; esac
    done
    [ -n "$display" ] || { echo "Xvfb did not start"; exit 1; }
    export DISPLAY=":$display"
}

# Starts the window manager on the display and waits until it manages the
# screen (openbox runs its start-up command then); exits on failure.
start_window_manager() {
    "$1" --startup "touch $work/managed" >/dev/null 2>&1 &
    helper_pids+=("$!")
    for _ in $(seq 1 100); do
        [ -e "$work/managed" ] && break
        sleep 0.1
    done
    [ -e "$work/managed" ] || { echo "$1 did not start"; exit 1; }
}

# Waits until a window whose title matches is shown (or, with "gone", is no
# longer shown).
wait_window() {
    for _ in $(seq 1 100); do
        if xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
            [ "${2:-}" != gone ] && return 0
        else
            [ "${2:-}" = gone ] && return 0
        fi
        sleep 0.1
    done
    echo "window \"$1\" ${2:-not shown}"; return 1
}

# Waits until the keyboard is the program's main window's (or, given a
# title, that window's). A window manager gives it to a new window only some
# time after showing it; without one the program has to take it itself.
wait_keyboard() {
    for _ in $(seq 1 100); do
        xdotool getwindowfocus getwindowname 2>/dev/null | grep -q "^${2:-YavoPad}" && return 0
        sleep 0.1
    done
    echo "the keyboard does not go to ${2:-the program} ($1)"; return 1
}

# Quits yavo-pad (pid apid) through File > Exit from the keyboard; fails
# unless it ends in time with exit code 0.
quit_through_file_menu() {
    local rc
    xdotool key --delay 200 alt+f Up Return
    for _ in $(seq 1 100); do
        kill -0 "$apid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$apid" 2>/dev/null; then
        echo "yavo-pad did not quit"; return 1
    fi
    wait "$apid"; rc=$?
    apid=""
    [ "$rc" -eq 0 ] || { echo "yavo-pad exit code $rc"; return 1; }
}
