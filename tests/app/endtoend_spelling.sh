#!/usr/bin/env bash
# The real program under a virtual X server, beside the dictionary databases
# the build made from the aspell word lists: the word of the document it
# opens and Kannada words typed with the Phonetic layout are checked against
# the word list (the screen shows no red underline under them), a misspelled
# word is underlined and mended from its suggestions, a word is completed
# from the list, and the saved file holds what the user ended with.
# Usage: endtoend_spelling.sh PATH/TO/yavo-pad KANNADA-DATABASE
# An empty KANNADA-DATABASE: the build found no Kannada word list.
set -uo pipefail
program="$1"
database="${2:-}"
here=$(cd "$(dirname "$0")" && pwd)
. "$here/endtoend_common.sh"
[ -n "$database" ] || { echo "the build found no aspell word list for Kannada (aspell-kn): skipped"; exit $skip; }
[ -f "$database" ] || { echo "$database was not built"; exit 1; }
require Xvfb xdotool python3

use_own_home
mkdir -p "$work/fb"
printf '%s\n' 'ಭಾಷೆ' > "$work/a.txt"

# What the screen shows (screenpixels.py), asked a line at a time.
screen() {
    echo "$*" >&"${screener[1]}"
    read -r -t 30 answer <&"${screener[0]}" && echo "$answer"
}

start_x -fbdir "$work/fb"
coproc screener { python3 "$here/screenpixels.py" "$work/fb/Xvfb_screen0"; }
helper_pids+=("$screener_PID")

"$program" "$work/a.txt" &
apid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'YavoPad' | head -1)
[ -n "$window" ] || { echo "no window shown"; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
# The word list is loaded 300 ms after the start, after the document.
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
# Below the text: the caret goes to the empty last line.
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 2)) click 1
# The pointer is drawn into the frame buffer: out of the way.
xdotool mousemove 0 0
sleep 0.3
read -r px0 py0 px1 py1 <<< "$(screen page $((X + WIDTH / 2)) $((Y + HEIGHT / 2)))"
[ $((px1 - px0)) -gt 100 ] && [ $((py1 - py0)) -gt 50 ] || { echo "no page found: $px0 $py0 $px1 $py1"; exit 1; }
underlined() { screen red "$px0" "$py0" "$px1" "$py1"; }

xdotool type --delay 30 'namaskAra kannaDa taMtrAMSa '
sleep 0.7
red=$(underlined)
[ "$red" -eq 0 ] || { echo "words of the list are underlined ($red red pixels)"; exit 1; }

xdotool type --delay 30 'kannaDha '
sleep 0.7
red=$(underlined)
[ "$red" -gt 0 ] || { echo "a word missing from the list is not underlined"; exit 1; }

# The word's context menu from the keyboard; "Suggestions..." is fifth from
# its end. The popup lists ಕನ್ನಡ first; a double click takes it.
xdotool key --delay 100 Left Left Menu
sleep 0.4
xdotool key --delay 100 Up Up Up Up Up Return
sleep 0.5
popup=""
for w in $(xdotool search --onlyvisible --class 'yavo-pad'); do
    [ "$w" != "$window" ] && popup=$w
done
[ -n "$popup" ] || { echo "no suggestions shown"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$popup")"
xdotool mousemove "$((X + 20))" "$((Y + 10))" click --repeat 2 --delay 80 1
xdotool mousemove 0 0
sleep 0.7
red=$(underlined)
[ "$red" -eq 0 ] || { echo "still underlined after the suggestion ($red red pixels)"; exit 1; }

# Completion offers the list's words once five keys are typed.
xdotool key End
xdotool type --delay 30 'namaskA'
sleep 0.5
xdotool key Return
sleep 0.3

xdotool key --delay 100 ctrl+s
sleep 0.5
quit_through_file_menu || exit 1

text='ಭಾಷೆ\nನಮಸ್ಕಾರ ಕನ್ನಡ ತಂತ್ರಾಂಶ ಕನ್ನಡ ನಮಸ್ಕಾರ'
expected=$(printf "\xef\xbb\xbf$text" | od -An -tx1)
actual=$(od -An -tx1 "$work/a.txt")
if [ "$expected" != "$actual" ]; then
    echo "a.txt holds:"; cat "$work/a.txt"; echo; echo "expected:"; printf "$text\n"
    exit 1
fi
echo "spelling checked against the word list, mended and completed from it"
