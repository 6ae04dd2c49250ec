#!/usr/bin/env bash
# The real program under a virtual X server, on its own or under the openbox
# window manager: started with files, the last a long text that takes a few
# seconds to read, and typed into with the Phonetic layout while it reads it,
# with no click first: the keys and a Ctrl+S typed while the text is still
# read wait for it and are then taken, in order.
# Then a dialog opened and shut with the keyboard, more typed and saved;
# quit through File > Exit; the saved bytes checked.
# Usage: endtoend_yavopad.sh PATH/TO/yavo-pad [openbox]
set -uo pipefail
program="$1"
manager="${2:-}"
. "$(dirname "$0")/endtoend_common.sh"
require Xvfb xdotool
[ -z "$manager" ] || require "$manager"
use_own_home
# Close to the most lines a text may have, in some 6 MB: below the size the
# program asks about, and as long to read as a text it opens can be, so that
# the test sees it being read, on a fast machine too.
seq -f 'line %g' 1 490000 > "$work/a.txt"
cp "$work/a.txt" "$work/original.txt"
printf '<html><body><p>Hello\nWorld</p></body></html>\n' > "$work/b.html"

start_x
[ -z "$manager" ] || start_window_manager "$manager"

# The program reads the files named at start after it has shown its window.
"$program" "$work/b.html" "$work/a.txt" &
apid=$!
wait_window 'YavoPad' || exit 1
# The keys below must come while a.txt is read (the program holds it open
# then), however busy the machine is: the program is stopped once it is seen
# reading it, typed into, and let go on, so the keys wait for it in the X
# server's queue as they would wait for a slow read.
reading() { ls -l "/proc/$apid/fd" 2>/dev/null | grep -q "$work/a.txt"; }
for _ in $(seq 1 1000); do
    kill -STOP "$apid" 2>/dev/null || break
    reading && break
    kill -CONT "$apid"
    sleep 0.01
done
reading || { echo "a.txt was not seen being read: the test needs a longer file"; exit 1; }
# Without a window manager nobody gives the window the keyboard before the
# program takes it itself, once the files are read: the test gives it.
[ -n "$manager" ] || xdotool search --onlyvisible --name 'YavoPad' windowfocus --sync 2>/dev/null
wait_keyboard "at start" || exit 1
# The last file named is the current tab: the keys go to its editor with no
# click into it, at its start, where the cursor of a document just opened
# stands.
xdotool type --delay 0 'satyamEva jayate'
xdotool key ctrl+s
kill -CONT "$apid"
# Once read, the text holds the keys, and the Ctrl+S that followed them
# has saved it.
printf '\xef\xbb\xbf%s\n' 'ಸತ್ಯಮೇವ ಜಯತೆline 1' > "$work/typed"
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
quit_through_file_menu || exit 1

{ printf '\xef\xbb\xbf%s' 'ಸತ್ಯಮೇವ ಜಯತೆ ನಾವು'; cat "$work/original.txt"; } > "$work/expected.txt"
if ! cmp -s "$work/expected.txt" "$work/a.txt"; then
    echo "a.txt begins with:"; head -c 80 "$work/a.txt" | od -An -tx1
    echo "expected:"; head -c 80 "$work/expected.txt" | od -An -tx1
    cmp "$work/expected.txt" "$work/a.txt"
    exit 1
fi
[ -s "$XDG_CONFIG_HOME/Quenvel/Yavo.conf" ] || { echo "settings not written at exit"; exit 1; }
echo "a.txt saved as typed${manager:+ under $manager}"
