#!/usr/bin/env bash
# Plays Quillomar as a person would, on a private 1024x768 X screen: clicks the splash away, wins a game,
# starts a new one, tries the shortcuts, and quits with Ctrl+Q. Each step is checked on a screenshot, region
# by region. Usage: play.sh PATH/TO/bin/quillomar (the bundle's Resources folder beside bin/).
set -u
# The program must open real windows on the X screen, whatever the test environment says.
unset QT_QPA_PLATFORM

program=${1:?usage: play.sh PATH/TO/quillomar}
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
    echo "FAIL: $*"
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

step "a private X screen"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
within 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display")
shot blank

step "the program shows its splash, centred"
"$program" >"$work/app.log" 2>&1 &
app=$!
within 15 eval '[[ -n $(visible_window "^Quillomar$") ]]' || fail "no window appeared"
within 10 eval 'shot splash; changed blank splash $splash' || fail "the splash shows nothing"
for edge in 256x1+384+255 256x1+384+512 1x256+383+256 1x256+640+256; do
    dark splash "$edge" || fail "the splash is not at 384,256 by 256x256 (something lies at $edge)"
done

step "a click on the splash opens the game window and the splash goes"
click 512 384
within 10 eval 'shot game0; changed splash game0 $game && dark game0 256x100+384+410' ||
    fail "the game window did not replace the splash"
for edge in 1x215+284+184 454x1+285+399; do
    dark game0 "$edge" || fail "the game window is not at 285,184 (something lies at $edge)"
done
same blank game0 "$banner" && fail "the board does not show"

step "a click on a pit puts a piece there and passes the turn"
click_pit 1
shot_when_changed move1 game0 "${piece[1]}" || fail "no piece appeared in pit 1"
changed game0 move1 "$left_turn" && changed game0 move1 "$right_turn" || fail "the turn indicators did not change"

step "player 1 wins along the front row; the game-over banner shows"
previous=move1
for cell in 4 2 5 3; do
    click_pit "$cell"
    shot_when_changed "move$cell" "$previous" "${piece[cell]}" || fail "no piece appeared in pit $cell"
    previous=move$cell
done
within 5 eval 'shot won; changed game0 won $banner' || fail "no banner after three in a row"
click_pit 6
sleep 0.5
shot after_end
same won after_end "${piece[6]}" || fail "a piece was placed after the game was over"

step "Ctrl+N starts a new game at once: the board is empty and the banner gone"
press "^Quillomar$" ctrl+n
within 5 eval 'shot new_game; same game0 new_game $banner' || fail "the banner stayed after New Game"
for cell in 1 2 3 4 5; do
    same game0 new_game "${piece[cell]}" || fail "pit $cell is not empty after New Game"
done
# Player 1 made the last move, so player 2 opens the new game.
same move1 new_game "$left_turn" && same move1 new_game "$right_turn" || fail "player 2 does not open the new game"

step "Ctrl+T hands the turn back to player 1"
press "^Quillomar$" ctrl+t
within 5 eval 'shot switched; same game0 switched $left_turn && same game0 switched $right_turn' ||
    fail "Switch Turns did not move the indicator"

step "Ctrl+1 makes the computer player 2: it answers a move at once"
press "^Quillomar$" ctrl+1
click_pit 5
shot_when_changed against_computer switched "${piece[5]}" || fail "no piece appeared in pit 5"
sleep 0.5
shot against_computer
same switched against_computer "$left_turn" && same switched against_computer "$right_turn" ||
    fail "the computer did not answer: it is not player 1's turn again"

step "Ctrl+A shows the About box"
press "^Quillomar$" ctrl+a
within 10 eval '[[ -n $(visible_window "^About Quillomar$") ]]' || fail "no About box"

step "Ctrl+Q quits with status 0"
press "^About Quillomar$" ctrl+q
within 10 eval '! kill -0 $app 2>/dev/null' || fail "the program is still running after Ctrl+Q"
wait "$app"
status=$?
app=''
((status == 0)) || fail "the program ended with status $status"
grep -q "stopped because" "$work/app.log" && fail "the program reported an unhandled exception"

echo "PASS"
