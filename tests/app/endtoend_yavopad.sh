#!/usr/bin/env bash
# The real program under a virtual X server: type with the Phonetic layout,
# save with Ctrl+S, quit through File > Exit, and check the saved bytes.
# Usage: endtoend_yavopad.sh PATH/TO/yavo-pad
set -uo pipefail
program="$1"
skip=77
command -v Xvfb >/dev/null || { echo "Xvfb missing: skipped"; exit $skip; }
command -v xdotool >/dev/null || { echo "xdotool missing: skipped"; exit $skip; }

work=$(mktemp -d)
xpid="" apid=""
cleanup() {
    [ -n "$apid" ] && kill "$apid" 2>/dev/null
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

"$program" "$work/b.html" "$work/a.txt" &
apid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'YavoPad' | head -1)
[ -n "$window" ] || { echo "no window shown"; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
sleep 0.5
# The last file named is the current tab; click into its editor.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
xdotool type --delay 40 'satyamEva jayate'
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

expected=$(printf '\xef\xbb\xbf%s' 'ಸತ್ಯಮೇವ ಜಯತೆ' | od -An -tx1)
actual=$(od -An -tx1 "$work/a.txt")
if [ "$expected" != "$actual" ]; then
    echo "a.txt holds:"; echo "$actual"; echo "expected:"; echo "$expected"
    exit 1
fi
[ -s "$XDG_CONFIG_HOME/Quenvel/Yavo.conf" ] || { echo "settings not written at exit"; exit 1; }
echo "a.txt saved as typed"
