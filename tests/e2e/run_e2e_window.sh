#!/usr/bin/env bash
# End to end under a real window manager: the chart window's opening size and place.
#   run_e2e_window.sh <starloom executable> <starloom-cli executable> <output folder>
# For each screen size (1280x1024 and 1024x768) it starts its own Xvfb with Openbox, writes
# a reading file with starloom-cli, opens it with the program (which shows the chart
# window at once), and checks the chart window: framed by the window manager, not
# maximised, large enough for the whole report window with the bands, menus, toolbar and
# status bar, its frame inside the screen and centred on it. A screenshot of each screen
# is kept in <output folder>; on failure the program's output is printed.
set -euo pipefail

program=$(realpath "$1")
cli=$(realpath "$2")
out=$(realpath -m "$3")
mkdir -p "$out"

# The client area that shows the whole report window (701 x 534) with the heading band
# (57), the button band (41), the menu bar, the toolbar and the status bar (each at
# least 18 pixels high).
min_width=701
min_height=$((534 + 57 + 41 + 3 * 18))

if [ -z "${STARLOOM_E2E_SCREEN:-}" ]; then
    for tool in xvfb-run Xvfb openbox xdotool xprop import; do
        command -v "$tool" >/dev/null || { echo "missing tool: $tool"; exit 1; }
    done
    for screen in 1280x1024 1024x768; do
        STARLOOM_E2E_SCREEN=$screen xvfb-run -a -s "-screen 0 ${screen}x24 -nolisten tcp" \
            "$0" "$@"
    done
    echo "e2e window size passed"
    exit 0
fi

screen=$STARLOOM_E2E_SCREEN
screen_width=${screen%x*}
screen_height=${screen#*x}
. "$(dirname "$0")/e2e_session.sh"
e2e_private_session starloom-e2e-window
wm_pid='' app_pid=''

cleanup() {
    local status=$?
    if [ $status -ne 0 ]; then
        echo "FAILED on $screen"
        import -window root "$out/failure-$screen.png" 2>/dev/null || true
        [ -f "$work/app.log" ] && tail -n 40 "$work/app.log" || true
    fi
    for pid in $app_pid $wm_pid; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
# The client area of a window: sets X, Y (absolute), WIDTH and HEIGHT.
client_geometry() {
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ {print "X=" $2+0} /Absolute upper-left Y/ {print "Y=" $2+0}
        /Width/ {print "WIDTH=" $2+0} /Height/ {print "HEIGHT=" $2+0}')"
}
# The one visible window of that title that the window manager has framed, once it has
# stayed the only one for two seconds: the birth-data form shows first and hides when the
# chart window comes up.
framed_window() {
    local id found=''
    for id in $(xdotool search --onlyvisible --name 'QM Starloom v1.15' 2>/dev/null); do
        xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '= [1-9]\|, [1-9]' || continue
        [ -z "$found" ] || return 1
        found=$id
    done
    [ -n "$found" ] && echo "$found"
}
seen='' steady=0
chart_shown() {
    local now
    now=$(framed_window) || now=''
    if [ -n "$now" ] && [ "$now" = "$seen" ]; then
        steady=$((steady + 1))
    else
        steady=0
    fi
    seen=$now
    chart=$now
    [ $steady -ge 10 ]
}

openbox --sm-disable >"$work/wm.log" 2>&1 &
wm_pid=$!
wait_for 30 wm_running || { echo "the window manager did not start"; exit 1; }

"$cli" save "$work/anna.act" --date 1980-03-15 --time 7:05 --zone 34 --lat 28:36N \
    --lon 77:12E --name Anna --city 'New Delhi' --state Delhi --country India
"$program" "$work/anna.act" >"$work/app.log" 2>&1 &
app_pid=$!
chart=''
wait_for 60 chart_shown || { echo "no framed chart window"; exit 1; }

client_geometry "$chart"
read -r left right top bottom < <(xprop -id "$chart" _NET_FRAME_EXTENTS |
                                  sed 's/.*= //; s/,//g')
state=$(xprop -id "$chart" _NET_WM_STATE)
echo "$screen: client ${WIDTH}x${HEIGHT} at $X,$Y; frame $left $right $top $bottom; $state"
import -window root "$out/chart-$screen.png"

case $state in *MAXIMIZED*) echo "maximised although the screen holds it"; exit 1 ;; esac
[ "$WIDTH" -ge $min_width ] && [ "$HEIGHT" -ge $min_height ] ||
    { echo "client ${WIDTH}x${HEIGHT} is smaller than ${min_width}x${min_height}"; exit 1; }
gap_left=$((X - left))
gap_top=$((Y - top))
gap_right=$((screen_width - X - WIDTH - right))
gap_bottom=$((screen_height - Y - HEIGHT - bottom))
for gap in $gap_left $gap_top $gap_right $gap_bottom; do
    [ "$gap" -ge 0 ] || { echo "the frame runs off the screen"; exit 1; }
done
[ $((gap_left - gap_right)) -le 2 ] && [ $((gap_right - gap_left)) -le 2 ] &&
    [ $((gap_top - gap_bottom)) -le 2 ] && [ $((gap_bottom - gap_top)) -le 2 ] ||
    { echo "not centred: $gap_left $gap_right $gap_top $gap_bottom"; exit 1; }
echo "$screen passed"
