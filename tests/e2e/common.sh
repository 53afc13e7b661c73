# What the end-to-end scripts share: the program's path, a private X screen, screenshots compared region by
# region, clicks and keys. Sourced; the script's own arguments are the program's path.
set -u
# The program must open real windows on the X screen, whatever the test environment says.
unset QT_QPA_PLATFORM

program=${1:?usage: $0 PATH/TO/quillomar}
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
for tool in import convert compare; do
    command -v "$tool" >/dev/null || { echo "FAIL: ImageMagick's $tool is not installed"; exit 1; }
done

# In a sanitizer build, a leak in the system's own libraries is not the program's.
export LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")" && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

work=$(mktemp -d)
xvfb='' app=''
cleanup() {
    [[ -n $app ]] && kill "$app" 2>/dev/null
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

step() { echo "--- $*"; }
fail() {
    if [[ -n $xvfb ]] && ! xdotool getdisplaygeometry >/dev/null 2>&1; then
        echo "FAIL: the test's X screen ${DISPLAY-} stopped answering, a fault of the machine, not the program ($*)"
        exit 1
    fi
    local ended=''
    if [[ -n $app ]] && ! kill -0 "$app" 2>/dev/null; then
        wait "$app"
        ended=" (the program had ended, with status $?)"
    fi
    echo "FAIL: $*$ended"
    import -window root "$PWD/e2e-failure.png" 2>/dev/null && echo "screen saved in $PWD/e2e-failure.png"
    [[ -s $work/app.log ]] && { echo "the program said:"; cat "$work/app.log"; }
    exit 1
}

# Polls a command for up to $1 seconds.
within() {
    local seconds=$1; shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# ---- The screen and its regions (screen coordinates, WxH+X+Y) ---------------------------------------------

splash=256x256+384+256  # the splash, centred on 1024x768
game=454x215+285+184    # the game window's board, at 285,184 on 1024x768
banner=297x46+362+185   # where the game-over banner shows
left_turn=30x30+293+190 # the turn indicators
right_turn=30x30+701+190
# Cells 1 to 9, front row first: where a click on the pit lands, and where the cell's piece stands.
pit_x=(0 378 516 648 406 514 615 434 514 594)
pit_y=(0 341 341 341 312 312 312 285 285 285)
piece=('' 80x80+331+266 80x80+470+266 80x80+607+266 64x64+371+252 64x64+478+252 64x64+591+252
       50x50+401+236 50x50+486+236 50x50+570+236)

shot() { import -window root "$work/$1.png" || fail "no screenshot"; }
crop() { convert "$work/$1.png" -crop "$2" +repage "$work/$3.png"; }
# How many pixels of the region differ between two screenshots (small colour differences aside).
differing() {
    crop "$1" "$3" a
    crop "$2" "$3" b
    compare -metric AE -fuzz 8% "$work/a.png" "$work/b.png" null: 2>&1 >/dev/null | cut -d' ' -f1
}
area() { local size=${1%%+*}; echo $((${size%x*} * ${size#*x})); }
changed() { (($(differing "$1" "$2" "$3") > $(area "$3") / 20)); }
same() { (($(differing "$1" "$2" "$3") <= $(area "$3") / 100)); }
# The region's mean brightness, 0 to 1000.
brightness() {
    crop "$1" "$2" a
    convert "$work/a.png" -format '%[fx:int(mean*1000)]' info:
}
dark() { (($(brightness "$1" "$2") == 0)); }
# Whether the region of screenshot $1 shows the picture file $3 of the program's bundle.
shows_picture() {
    local picture=$(dirname "$program")/../Resources/$3 off
    [[ -f $picture ]] || return 1
    crop "$1" "$2" a
    off=$(compare -metric AE -fuzz 8% "$work/a.png" "$picture" null: 2>&1 >/dev/null | cut -d' ' -f1)
    [[ $off =~ ^[0-9]+$ ]] && ((off <= $(area "$2") / 100))
}

# Takes screenshot $1 until the region $3 has changed from screenshot $2.
shot_when_changed() {
    local name=$1 from=$2 region=$3
    within 10 eval 'shot "$name"; changed "$from" "$name" "$region"'
}

visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
# Keys go to the window that has the keyboard, as after a click on it.
press() {
    local window
    window=$(visible_window "$1") && [[ -n $window ]] || fail "no window named $1 to type into"
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers "$2"
}
click() { xdotool mousemove "$1" "$2" click 1; }
click_pit() { click "${pit_x[$1]}" "${pit_y[$1]}"; }

# ---- Start ----------------------------------------------------------------------------------------------

# Without -noreset the server resets when its last client leaves (a screenshot, say), and refuses a program
# that connects meanwhile.
start_screen() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    within 10 test -s "$work/display" && export DISPLAY=:$(head -1 "$work/display") &&
        within 10 eval 'xdotool getdisplaygeometry >/dev/null 2>&1' && return
    echo "FAIL: the test's X screen could not be started, a fault of the machine, not the program"
    cat "$work/xvfb.log"
    exit 1
}

start_program() {
    "$program" >"$work/app.log" 2>&1 &
    app=$!
    within 15 eval '[[ -n $(visible_window "^Quillomar$") ]]' || fail "no window appeared"
}

# Ctrl+Q typed into the window named $1: the program must end, with status 0.
quit_with_ctrl_q() {
    press "$1" ctrl+q
    within 10 eval '! kill -0 $app 2>/dev/null' || fail "the program is still running after Ctrl+Q"
    local status=0
    wait "$app" || status=$?
    app=''
    ((status == 0)) || fail "the program ended with status $status"
}
