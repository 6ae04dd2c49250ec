#!/usr/bin/env bash
# The real program under a small file-size limit (ulimit -f, as a shared
# machine may set): a document larger than the limit is opened, changed and
# saved with Ctrl+S. The save fails with its message; the program keeps
# running with the edit, and the file on disk is as it was.
# Usage: endtoend_filesizelimit.sh PATH/TO/yavo-pad
set -uo pipefail
program="$1"
. "$(dirname "$0")/endtoend_common.sh"
require Xvfb xdotool openbox
use_own_home
# Some 200 KB: twice the limit below.
seq -f 'line %g' 1 20000 > "$work/a.txt"
cp "$work/a.txt" "$work/original.txt"

start_x
start_window_manager openbox
# The limit in 1024-byte blocks; the shell hands it to the program.
bash -c 'ulimit -f 100 && exec "$0" "$@"' "$program" "$work/a.txt" &
apid=$!
wait_window 'YavoPad' || exit 1
wait_keyboard "at start" || exit 1
xdotool type --delay 40 'x'
xdotool key ctrl+s
wait_window '^Save\.\.\.' || { kill -0 "$apid" 2>/dev/null || echo "yavo-pad ended while saving"; exit 1; }
kill -0 "$apid" 2>/dev/null || { echo "yavo-pad ended while saving"; exit 1; }
cmp -s "$work/original.txt" "$work/a.txt" || { echo "a.txt changed by the failed save"; exit 1; }

# Its text, which names the cause ("File too large"), is checked where the
# editor saves (tst_unicodekaeditorfiles): this box is that message.
wait_keyboard "the message" 'Save\.\.\.' || exit 1
xdotool key Return
wait_window '^Save\.\.\.' gone || exit 1
kill -0 "$apid" 2>/dev/null || { echo "yavo-pad ended after the message"; exit 1; }
echo "the save failed with its message and yavo-pad kept running"
