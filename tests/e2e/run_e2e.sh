#!/usr/bin/env bash
# End to end in a real X server: the desktop program as a user drives it.
#   run_e2e.sh <starloom executable> <output folder>
# Starts its own Xvfb (xvfb-run -a) unless it is already inside one. In a fresh HOME and
# XDG_RUNTIME_DIR it starts the program, types a birth into the form with xdotool, presses
# the Calculate button, waits for the chart window, saves it with Save As JPEG through the
# real save dialog, starts a second copy (refused with its message box, titled "QM Starloom"
# and saying "Application is already running" as read off the screen by OCR, and gone once
# the box is dismissed), presses Exit, and checks the JPEG: there, a JPEG, 701 x 534 pixels.
# On failure the screen is saved as <output folder>/failure-*.png and the program's output
# is printed.
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"

if [ -z "${STARLOOM_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run Xvfb xdotool identify import convert tesseract; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
    done
    export STARLOOM_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi

# --- set-up --------------------------------------------------------------------------------
. "$(dirname "$0")/e2e_session.sh"
e2e_private_session starloom-e2e
mkdir -p "$work/saved"
first_pid='' second_pid=''
step='set-up'

cleanup() {
    local status=$?
    if [ $status -ne 0 ]; then
        echo "FAILED at: $step"
        import -window root "$out/failure-$(date +%H%M%S).png" 2>/dev/null &&
            echo "screen saved in $out" || true
        for log in "$work"/*.log; do
            [ -f "$log" ] && { echo "--- $(basename "$log")"; tail -n 80 "$log"; }
        done
    fi
    for pid in $second_pid $first_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT

# Visible top-level windows whose title matches, one id a line.
visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | sort -n || true; }

# The first visible window matching `title` that is not in the list `known`; sets found.
new_window() {
    local title=$1 known=$2 id
    for id in $(visible_windows "$title"); do
        if ! grep -qx "$id" <<<"$known"; then
            found=$id
            return 0
        fi
    done
    return 1
}

# Gives a window the keyboard focus (there is no window manager to do it) and checks it
# took it, retrying on the way.
focus() {
    local id=$1
    wait_for 10 try_focus "$id"
}
try_focus() {
    xdotool windowfocus --sync "$1" 2>/dev/null || return 1
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

type_text() { xdotool type --delay 40 -- "$1"; }
key() { xdotool key --delay 60 "$@"; }

# The text a window shows, read by OCR from an enlarged grey capture, on one line.
screen_text() {
    import -window "$1" "$work/capture.png" 2>/dev/null || return 1
    convert "$work/capture.png" -resize 400% -colorspace Gray "$work/capture-large.png" || return 1
    tesseract "$work/capture-large.png" - 2>/dev/null | tr -s ' \n' '  '
}
window_says() { screen_text "$1" | grep -qF "$2"; }

process_gone() { ! kill -0 "$1" 2>/dev/null; }
file_there() { [ -s "$1" ]; }
window_gone() { ! xdotool getwindowname "$1" >/dev/null 2>&1 || [ -z "$(xdotool search --onlyvisible --name . 2>/dev/null | grep -x "$1")" ]; }
process_gone_or_hidden() { window_gone "$1"; }

# --- the first copy and its form -----------------------------------------------------------
step='starting the program'
"$program" >"$work/first.log" 2>&1 &
first_pid=$!
found=''
wait_for 60 new_window 'QM Starloom v1.15' '' || { echo "no form appeared"; exit 1; }
form=$found
focus "$form"

step='typing the birth into the form'
# Tab order: txtName, cboMonth, cboDate, cboYear, cboHour, cboMinute, cboTimeZone, chkDST,
# txtLatD, txtLatM, South, North, txtLonD, txtLonM, East, West, txtCity, txtState,
# txtCountry. A closed list picks the entry its typed text starts. Each pair of direction
# buttons is one stop of the tab order: Tab reaches its first button, the space bar
# chooses it and the arrow key moves the choice to the second.
key ctrl+a
type_text 'Anna'
key Tab
type_text 'March'
key Tab
type_text '15'
key Tab
type_text '1980'
key Tab
type_text '7'
key Tab
type_text '5'
key Tab
type_text 'Greenwich'
key Tab Tab            # past chkDST, left clear
type_text '51'
key Tab
type_text '30'
key Tab space Right    # South chosen, then North
key Tab
type_text '0'
key Tab
type_text '7'
key Tab space Right    # East chosen, then West
key Tab
type_text 'London'
key Tab
type_text 'England'
key Tab
type_text 'UK'

step='pressing Calculate'
key alt+g              # "&Get My Starloom Reading"
wait_for 30 new_window 'QM Starloom v1.15' "$form" || { echo "no chart window"; exit 1; }
chart=$found
wait_for 10 process_gone_or_hidden "$form" || { echo "the form stayed up"; exit 1; }

step='Save As JPEG through the save dialog'
focus "$chart"
known=$(visible_windows '.')
key alt+j              # the chart window's "Save As &JPEG" button
wait_for 30 new_window '.' "$known" || { echo "no save dialog"; exit 1; }
dialog=$found
focus "$dialog"
# The dialog's name box has the focus: a full path goes there whole.
key ctrl+a
type_text "$work/saved/anna.jpg"
key Return
wait_for 30 file_there "$work/saved/anna.jpg" || { echo "no image written"; exit 1; }
wait_for 10 window_gone "$dialog" || { echo "the save dialog stayed up"; exit 1; }

step='a second copy is refused'
known=$(visible_windows '.')
"$program" >"$work/second.log" 2>&1 &
second_pid=$!
wait_for 60 new_window 'QM Starloom' "$known" || { echo "no refusal box"; exit 1; }
box=$found
box_title=$(xdotool getwindowname "$box")
[ "$box_title" = 'QM Starloom' ] || { echo "the box is titled \"$box_title\""; exit 1; }
wait_for 15 window_says "$box" 'Application is already running' ||
    { echo "the box does not say that the program is running: \"$(screen_text "$box")\""; exit 1; }
kill -0 "$second_pid" || { echo "the second copy ended before its box was dismissed"; exit 1; }
focus "$box"
key Return
wait_for 30 process_gone "$second_pid" || { echo "the second copy did not end"; exit 1; }
wait "$second_pid" || { echo "the second copy failed"; exit 1; }
second_pid=''
kill -0 "$first_pid" || { echo "the first copy ended with the second"; exit 1; }
[ -n "$(visible_windows 'QM Starloom v1.15')" ] || { echo "the first copy lost its window"; exit 1; }

step='Exit'
focus "$chart"
key alt+x              # the chart window's "E&xit" button
wait_for 30 process_gone "$first_pid" || { echo "the program did not end"; exit 1; }
wait "$first_pid" || { echo "the program ended with a failure"; exit 1; }
first_pid=''

step='checking the image'
file -b "$work/saved/anna.jpg" | grep -q '^JPEG image data' ||
    { echo "not a JPEG: $(file -b "$work/saved/anna.jpg")"; exit 1; }
size=$(identify -format '%m %wx%h' "$work/saved/anna.jpg")
[ "$size" = 'JPEG 701x534' ] || { echo "image is $size, not JPEG 701x534"; exit 1; }
ls "$work/saved"
[ "$(ls "$work/saved")" = 'anna.jpg' ] || { echo "other files beside the image"; exit 1; }
cp "$work/saved/anna.jpg" "$out/anna.jpg"
echo "e2e passed: $size"
