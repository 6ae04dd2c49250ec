#!/usr/bin/env bash
# The real program under a virtual X server, on its own or under the openbox
# window manager: started with files and typed into with the Phonetic layout
# as soon as it has read them, with no click first; saved with Ctrl+S; then
# a dialog opened and shut with the keyboard, more typed and saved; quit
# through File > Exit; the saved bytes checked.
# Usage: endtoend_yavopad.sh PATH/TO/yavo-pad [openbox]
set -uo pipefail
program="$1"
manager="${2:-}"
skip=77
command -v Xvfb >/dev/null || { echo "Xvfb missing: skipped"; exit $skip; }
command -v xdotool >/dev/null || { echo "xdotool missing: skipped"; exit $skip; }
command -v inotifywait >/dev/null || { echo "inotifywait missing: skipped"; exit $skip; }
if [ -n "$manager" ]; then
    command -v "$manager" >/dev/null || { echo "$manager missing: skipped"; exit $skip; }
fi

work=$(mktemp -d)
xpid="" wpid="" apid="" ipid=""
cleanup() {
    [ -n "$apid" ] && kill "$apid" 2>/dev/null
    [ -n "$ipid" ] && kill "$ipid" 2>/dev/null
    [ -n "$wpid" ] && kill "$wpid" 2>/dev/null
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A home of its own: settings, data and the current folder.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
cd "$HOME"
: > "$work/a.txt"
printf '<html><body><p>Hello\nWorld</p></body></html>\n' > "$work/b.html"

# Xvfb picks a free display itself and tells it through the pipe.
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r -t 10 line1 <&3; read -r -t 10 line2 <&3
for l in "$line1" "$line2"; do
    case "$l" in pid*) xpid=${l#pid } ;; *) display=$l ;; esac
done
[ -n "${display:-}" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display"

if [ -n "$manager" ]; then
    # openbox runs its start-up command once it manages the screen.
    "$manager" --startup "touch $work/managed" >/dev/null 2>&1 &
    wpid=$!
    for _ in $(seq 1 100); do
        [ -e "$work/managed" ] && break
        sleep 0.1
    done
    [ -e "$work/managed" ] || { echo "$manager did not start"; exit 1; }
fi

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

# Waits until the keyboard is the program's main window's. A window manager
# gives it to a new window only some time after showing it; without one the
# program has to take it itself.
wait_keyboard() {
    for _ in $(seq 1 100); do
        xdotool getwindowfocus getwindowname 2>/dev/null | grep -q '^YavoPad' && return 0
        sleep 0.1
    done
    echo "the keyboard does not go to the program ($1)"; return 1
}

# Waits until the program is nearly idle (at most 2/100 s of processor time
# in half a second): the files named at start are open. (Keys typed while a
# file is read are not taken.)
wait_settled() {
    local last="" ticks
    for _ in $(seq 1 40); do
        ticks=$(awk '{ print $14 + $15 }' "/proc/$apid/stat" 2>/dev/null) || return 0
        [ -n "$last" ] && [ $((ticks - last)) -le 2 ] && return 0
        last=$ticks
        sleep 0.5
    done
}

# The program reads the files named at start after it has shown its window;
# keys typed while a file is read are not taken. a.txt, named last, is
# closed when both are in.
inotifywait -e close_nowrite "$work/a.txt" >/dev/null 2>"$work/watch" &
ipid=$!
for _ in $(seq 1 50); do
    grep -q 'Watches established' "$work/watch" && break
    sleep 0.1
done
"$program" "$work/b.html" "$work/a.txt" &
apid=$!
wait_window 'YavoPad' || exit 1
for _ in $(seq 1 200); do
    kill -0 "$ipid" 2>/dev/null || break
    sleep 0.1
done
ipid=""
wait_keyboard "at start" || exit 1
# The last file named is the current tab: the keys go to its editor with no
# click into it.
xdotool type --delay 40 'satyamEva jayate'
xdotool key --delay 100 ctrl+s
sleep 0.5
# The keys come back to the document when a dialog closes.
xdotool key ctrl+o
wait_window 'Open File' || exit 1
xdotool key Escape
wait_window 'Open File' gone || exit 1
wait_keyboard "after a dialog" || exit 1
sleep 0.3
xdotool type --delay 40 ' nAvu'
xdotool key --delay 100 ctrl+s
sleep 0.5
xdotool key --delay 200 alt+f Up Return
for _ in $(seq 1 100); do
    kill -0 "$apid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$apid" 2>/dev/null; then
    echo "yavo-pad did not quit"; exit 1
fi
wait "$apid"; rc=$?
apid=""
[ "$rc" -eq 0 ] || { echo "yavo-pad exit code $rc"; exit 1; }

expected=$(printf '\xef\xbb\xbf%s' 'ಸತ್ಯಮೇವ ಜಯತೆ ನಾವು' | od -An -tx1)
actual=$(od -An -tx1 "$work/a.txt")
if [ "$expected" != "$actual" ]; then
    echo "a.txt holds:"; echo "$actual"; echo "expected:"; echo "$expected"
    exit 1
fi
[ -s "$XDG_CONFIG_HOME/Quenvel/Yavo.conf" ] || { echo "settings not written at exit"; exit 1; }
echo "a.txt saved as typed${manager:+ under $manager}"
