#!/usr/bin/env bash
# Quillomar where a person's session is rough: no display or platform to be had, a double-click on the splash,
# and the display going away under the open dialogs. Usage: robustness.sh PATH/TO/bin/quillomar.
source "$(dirname "$0")/common.sh"

step "where no window can be had, one sentence names the display or platform tried and the status is 1"
# Each case: the environment | the arguments | what the one line holds. An argument outranks the environment.
while IFS='|' read -r setting arguments expected; do
    env -u DISPLAY -u WAYLAND_DISPLAY $setting "$program" $arguments </dev/null >"$work/app.log" 2>&1
    status=$?
    [[ $status == 1 && $(wc -l <"$work/app.log") == 1 && $(cat "$work/app.log") == *"$expected" ]] ||
        fail "with '$setting' and '$arguments' the program ended with status $status"
done <<'EOF'
||needs a graphical display, but DISPLAY is not set.
DISPLAY=:59999||needs a graphical display, but none answered at DISPLAY=":59999".
QT_QPA_PLATFORM=bogus||cannot show a window: the display platform "bogus" could not be started.
QT_QPA_PLATFORM=xcb|-platform wayland-egl-nonexistent|platform "wayland-egl-nonexistent" could not be started.
QT_QPA_PLATFORM=bogus|-platform xcb|needs a graphical display, but DISPLAY is not set.
EOF

step "a double-click on the splash opens the game window and plays nothing"
start_screen
start_program
xdotool mousemove "${pit_x[5]}" "${pit_y[5]}" click --repeat 2 --delay 50 1
within 10 eval 'shot opened; dark opened 256x100+384+410' || fail "the splash did not go"

step "a click at the same spot, once the double-click time is over, plays in the centre pit"
sleep 1
shot before
click_pit 5
shot_when_changed after before "${piece[5]}" ||
    fail "no piece appeared in pit 5: the double-click on the splash had played there, or the click was lost"

step "the display goes away under the About box and the shape chooser: status 1, no crash"
press "^Quillomar$" ctrl+a
within 10 eval '[[ -n $(visible_window "^About Quillomar$") ]]' || fail "no About box"
press "^Quillomar$" ctrl+s
within 10 eval '[[ -n $(visible_window "^Choose a shape$") ]]' || fail "no shape chooser"
kill "$xvfb"
wait "$xvfb"
xvfb=''
within 10 eval '! kill -0 $app 2>/dev/null' || fail "the program is still running after its display went away"
wait "$app"
status=$?
app=''
((status == 1)) || fail "the program ended with status $status after its display went away"

echo "PASS"
