#!/usr/bin/env bash
# The real program under a virtual X server, on its own or under the openbox
# window manager: started with files, the last a long text that takes a few
# seconds to read, and typed into with the Phonetic layout as soon as its
# window has the keyboard, with no click first: the keys and a Ctrl+S typed
# while the text is still read wait for it and are then taken, in order.
# Then a dialog opened and shut with the keyboard, more typed and saved;
# quit through File > Exit; the saved bytes checked.
# Usage: endtoend_yavopad.sh PATH/TO/yavo-pad [openbox]
set -uo pipefail
program="$1"
manager="${2:-}"
skip=77
command -v Xvfb >/dev/null || { echo "Xvfb missing: skipped"; exit $skip; }
command -v xdotool >/dev/null || { echo "xdotool missing: skipped"; exit $skip; }
if [ -n "$manager" ]; then
    command -v "$manager" >/dev/null || { echo "$manager missing: skipped"; exit $skip; }
fi

work=$(mktemp -d)
xpid="" wpid="" apid=""
cleanup() {
    [ -n "$apid" ] && kill "$apid" 2>/dev/null
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
# Some 5 MB of text in short lines: below the size the program asks about.
seq -f 'line %g of a long document' 1 160000 > "$work/a.txt"
cp "$work/a.txt" "$work/original.txt"
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

# The program reads the files named at start after it has shown its window.
# Without a window manager nobody gives the window the keyboard before the
# program takes it itself, once the files are read: the test gives it.
"$program" "$work/b.html" "$work/a.txt" &
apid=$!
wait_window 'YavoPad' || exit 1
[ -n "$manager" ] || xdotool search --onlyvisible --name 'YavoPad' windowfocus --sync 2>/dev/null
wait_keyboard "at start" || exit 1
# The last file named is the current tab: the keys go to its editor with no
# click into it, at its start, where the cursor of a document just opened
# stands.
xdotool type --delay 40 'satyamEva jayate'
xdotool key --delay 100 ctrl+s
# Typed while the program still reads the file (it holds it open): else
# this run shows nothing about keys typed during a load.
ls -l "/proc/$apid/fd" 2>/dev/null | grep -q "$work/a.txt" \
    || { echo "a.txt was read before the keys were typed: the test needs a longer file"; exit 1; }
# Once read, the text holds the keys, and the Ctrl+S that followed them
# has saved it.
printf '\xef\xbb\xbf%s' 'ಸತ್ಯಮೇವ ಜಯತೆline 1 of' > "$work/typed"
saved() { cmp -s -n "$(stat -c %s "$work/typed")" "$work/typed" "$work/a.txt"; }
for _ in $(seq 1 200); do
    saved && break
    sleep 0.1
done
saved || { echo "a.txt was not saved with the keys typed while it was read:"; head -c 80 "$work/a.txt" | od -An -tx1; exit 1; }
# The keys come back to the document when a dialog closes.
xdotool key ctrl+o
wait_window 'Open File' || exit 1
wait_keyboard "a dialog opened" 'Open File' || exit 1
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

{ printf '\xef\xbb\xbf%s' 'ಸತ್ಯಮೇವ ಜಯತೆ ನಾವು'; cat "$work/original.txt"; } > "$work/expected.txt"
if ! cmp -s "$work/expected.txt" "$work/a.txt"; then
    echo "a.txt begins with:"; head -c 80 "$work/a.txt" | od -An -tx1
    echo "expected:"; head -c 80 "$work/expected.txt" | od -An -tx1
    cmp "$work/expected.txt" "$work/a.txt"
    exit 1
fi
[ -s "$XDG_CONFIG_HOME/Quenvel/Yavo.conf" ] || { echo "settings not written at exit"; exit 1; }
echo "a.txt saved as typed${manager:+ under $manager}"
