#!/usr/bin/env bash
# End to end under a real window manager: the birth-data form's keys and height and the
# save dialogs' proposals, as a user meets them.
#   run_e2e_form.sh <starloom executable> <output folder>
# In its own Xvfb (1280x1024) with Openbox and a fresh HOME it starts the program, then
#  - types Escape in every box of the empty form: no message box comes up;
#  - types a birth and then Return in every box: each time the chart window comes up and no
#    message box, and Back brings the form back whole on the screen;
#  - with a note showing under the zone list, changes the date 35 times: the form keeps
#    its height and stays on the screen;
#  - saves the reading (Save As), exports it accepting the name the dialog proposes: the
#    export is a .txt file beside the reading file, which is unchanged byte for byte.
# On failure the screen is saved in <output folder> and the program's output is printed.
set -euo pipefail

program=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"

if [ -z "${STARLOOM_E2E_INSIDE:-}" ]; then
    for tool in xvfb-run Xvfb openbox xdotool xprop xwininfo import cmp; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
    done
    export STARLOOM_E2E_INSIDE=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$0" "$@"
fi
screen_width=1280
screen_height=1024

. "$(dirname "$0")/e2e_session.sh"
e2e_private_session starloom-e2e-form
mkdir -p "$work/saved"
wm_pid='' app_pid='' step='set-up'

cleanup() {
    local status=$?
    if [ $status -ne 0 ]; then
        echo "FAILED at: $step"
        import -window root "$out/failure-form.png" 2>/dev/null && echo "screen saved in $out" || true
        [ -f "$work/app.log" ] && tail -n 40 "$work/app.log" || true
    fi
    for pid in $app_pid $wm_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT

key() { xdotool key --delay 60 "$@"; }
type_text() { xdotool type --delay 40 -- "$1"; }
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# Visible windows whose title matches the pattern, one id a line.
visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | sort -n || true; }
# Message boxes are titled with the program's name alone.
no_message_box() { [ -z "$(visible '^QM Starloom$')" ]; }
shown() { visible 'QM Starloom v1\.15$' | grep -qx "$1"; }
hidden() { ! shown "$1"; }
process_gone() { ! kill -0 "$1" 2>/dev/null; }
# The first visible program window other than `known`; sets found.
other_window() {
    local id
    for id in $(visible 'QM Starloom v1\.15$'); do
        [ "$id" = "$1" ] || { found=$id; return 0; }
    done
    return 1
}
new_window() {
    local id
    for id in $(visible '.'); do
        grep -qx "$id" <<<"$1" || { found=$id; return 0; }
    done
    return 1
}
try_activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null || return 1
    [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]
}
activate() { wait_for 10 try_activate "$1"; }
# The client area of a window: sets X, Y (absolute), WIDTH and HEIGHT.
client_geometry() {
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ {print "X=" $2+0} /Absolute upper-left Y/ {print "Y=" $2+0}
        /Width/ {print "WIDTH=" $2+0} /Height/ {print "HEIGHT=" $2+0}')"
}
# Fails unless the window, with the frame the window manager gave it, lies on the screen.
whole_on_screen() {
    local left right top bottom
    client_geometry "$1"
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    [ $((X - left)) -ge 0 ] && [ $((Y - top)) -ge 0 ] &&
        [ $((X + WIDTH + right)) -le $screen_width ] &&
        [ $((Y + HEIGHT + bottom)) -le $screen_height ] ||
        { echo "off the screen: ${WIDTH}x${HEIGHT} at $X,$Y, frame $left $right $top $bottom"; return 1; }
}

openbox --sm-disable >"$work/wm.log" 2>&1 &
wm_pid=$!
wait_for 30 wm_running || { echo "the window manager did not start"; exit 1; }

step='starting the program'
"$program" >"$work/app.log" 2>&1 &
app_pid=$!
found=''
wait_for 60 other_window '' || { echo "no form appeared"; exit 1; }
form=$found
activate "$form"

# The tab order's stops of the boxes: txtName, cboMonth, cboDate, cboYear, cboHour,
# cboMinute, cboTimeZone, chkDST, txtLatD, txtLatM, South/North, txtLonD, txtLonM, East/West,
# txtCity, txtState, txtCountry.
boxes=17

step='Escape in every box of the empty form'
for ((box = 1; box <= boxes; box++)); do
    key Escape
    sleep 0.3
    no_message_box || { echo "a message box after Escape in box $box"; exit 1; }
    key Tab
done
key $(printf 'shift+Tab %.0s' $(seq 1 $boxes))

step='typing a birth'
# A city the atlas does not know, so that no list of places opens and a note stays.
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
type_text 'Qwerty'
key Tab
type_text 'England'
key Tab
type_text 'UK'
key $(printf 'shift+Tab %.0s' $(seq 2 $boxes))

for ((box = 1; box <= boxes; box++)); do
    step="Return in box $box"
    key Return
    found=''
    wait_for 30 other_window "$form" || { echo "no chart window"; exit 1; }
    chart=$found
    wait_for 10 hidden "$form" || { echo "the form stayed up"; exit 1; }
    no_message_box || { echo "a message box came up"; exit 1; }
    step="Back after Return in box $box"
    activate "$chart"
    key alt+b
    wait_for 30 shown "$form" || { echo "the form did not come back"; exit 1; }
    wait_for 10 hidden "$chart" || { echo "the chart window stayed up"; exit 1; }
    sleep 0.3
    whole_on_screen "$form"
    activate "$form"
    [ $box -eq $boxes ] || key Tab
done

step='a note under the zone list'
# From the country box back to the zone list: a zone with its own summer time, and the
# daylight-saving box ticked as well, brings a note that stays as the date changes.
key $(printf 'shift+Tab %.0s' $(seq 1 10))
type_text 'British'     # British Double Summer Time, then the next entry:
key Down Tab space      # British Summer Time; the box ticked
sleep 1
client_geometry "$form"
noted=$HEIGHT
whole_on_screen "$form"
step='changing the date 35 times'
key $(printf 'shift+Tab %.0s' $(seq 1 5))
for ((change = 1; change <= 35; change++)); do
    if [ $((change % 2)) -eq 1 ]; then key Down; else key Up; fi
done
sleep 1
client_geometry "$form"
[ "$HEIGHT" -eq "$noted" ] || { echo "the form grew from $noted to $HEIGHT pixels"; exit 1; }
whole_on_screen "$form"
echo "form height $HEIGHT with the note, after 35 date changes"

step='Save As'
key alt+g
found=''
wait_for 30 other_window "$form" || { echo "no chart window"; exit 1; }
chart=$found
activate "$chart"
known=$(visible '.')
key ctrl+s
wait_for 30 new_window "$known" || { echo "no save dialog"; exit 1; }
dialog=$found
activate "$dialog"
key ctrl+a
type_text "$work/saved/anna.act"
key Return
wait_for 30 test -s "$work/saved/anna.act" || { echo "no reading file written"; exit 1; }
wait_for 10 hidden "$dialog" || true
cp "$work/saved/anna.act" "$work/anna.act.saved"

step='Export, accepting the proposed name'
activate "$chart"
known=$(visible '.')
key ctrl+e
wait_for 30 new_window "$known" || { echo "no export dialog"; exit 1; }
dialog=$found
activate "$dialog"
key Return
wait_for 30 test -s "$work/saved/anna.txt" || { echo "no anna.txt: $(ls "$work/saved")"; exit 1; }
cmp "$work/saved/anna.act" "$work/anna.act.saved" || { echo "the reading file changed"; exit 1; }
[ "$(ls "$work/saved" | tr '\n' ' ')" = 'anna.act anna.txt ' ] ||
    { echo "the folder holds: $(ls "$work/saved")"; exit 1; }
head -n 1 "$work/saved/anna.txt" | grep -q '^Name: Anna' || { echo "not the export"; exit 1; }

step='Exit'
activate "$chart"
key alt+x
wait_for 30 process_gone "$app_pid" || { echo "the program did not end"; exit 1; }
wait "$app_pid" || { echo "the program ended with a failure"; exit 1; }
app_pid=''
echo "e2e form passed"
