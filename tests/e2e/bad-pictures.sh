#!/usr/bin/env bash
# Quillomar with bad pictures in a copy of its bundle: a board picture cut short while it is read, a splash
# too large to hold under a memory limit, a board larger than any image may be, named pipes for pictures. The
# program is never killed; such a picture's place stays blank and the game plays on.
# Usage: bad-pictures.sh PATH/TO/bin/quillomar.
source "$(dirname "$0")/common.sh"

bundle=$work/Quillomar
mkdir -p "$bundle"
cp -r "$(dirname "$program")" "$(dirname "$program")/../Resources" "$bundle/"
program=$bundle/bin/quillomar
resources=$bundle/Resources
cp "$resources/Board.bmp" "$work/Board.bmp"

le32() { printf '\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
# A valid, all black 24-bit BMP of any size, as a sparse file: $1 the file, $2 by $3 pixels.
black_bmp() {
    printf "BM$(le32 0)$(le32 0)$(le32 54)$(le32 40)$(le32 "$2")$(le32 "$3")\\x01\\x00\\x18\\x00" >"$1"
    truncate -s $((54 + (($2 * 3 + 3) & ~3) * $3)) "$1"
}

# Opens the game window from the splash, then checks that a move still shows.
open_and_play() {
    click 512 384
    within 10 eval 'shot game; dark game 256x100+384+410' || fail "the game window did not open $1"
    kill -0 "$app" 2>/dev/null || fail "the program was killed $1"
    click_pit 5
    shot_when_changed moved game "${piece[5]}" || fail "no piece appeared in pit 5 $1"
}

stop_program() {
    kill "$app" && wait "$app" 2>/dev/null
    app=''
}

start_screen

step "a board picture cut short while it is read: not killed, and the game plays on"
for delay in 0.02 0.05 0.1 0.2; do
    black_bmp "$resources/Board.bmp" 5400 5400  # within the memory Qt allows an image
    start_program
    click 512 384
    sleep "$delay"
    truncate -s 100 "$resources/Board.bmp"
    xdotool mousemove 0 0
    open_and_play "after the board was cut short ${delay}s after the click"
    stop_program
done
cp "$work/Board.bmp" "$resources/Board.bmp"

step "a splash too large for the memory at hand: not killed, its place blank"
black_bmp "$resources/Splash.bmp" 20000 20000
(ulimit -v 2500000 && exec "$program") >"$work/app.log" 2>&1 &
app=$!
within 15 eval '[[ -n $(visible_window "^Quillomar$") ]]' || fail "no window appeared"
open_and_play "with a huge splash under a memory limit"
stop_program

step "a board larger than any image may be: the game window opens at once, blank, in little memory"
black_bmp "$resources/Board.bmp" 32767 32767
start_program
SECONDS=0
open_and_play "with a huge board"
((SECONDS <= 5)) || fail "the game window took ${SECONDS}s to open"
rss=$(ps -o rss= -p "$app")
((rss < 200000)) || fail "the program holds ${rss} KiB with a huge board"
stop_program

step "named pipes in the pictures' places: read at once as blank, and every window opens and answers"
for file in Splash.bmp Board.bmp GameOver.bmp MorvLogo2x1.bmp; do
    rm -f "$resources/$file" && mkfifo "$resources/$file"
done
start_program
shot fifo_splash
click 512 384
within 10 eval 'shot fifo_game; changed fifo_splash fifo_game 454x1+285+184' || fail "the game window did not open"
click_pit 5
shot_when_changed fifo_moved fifo_game "${piece[5]}" || fail "no piece appeared in pit 5 with pipes for pictures"
press "^Quillomar$" ctrl+a
within 10 eval '[[ -n $(visible_window "^About Quillomar$") ]]' || fail "no About box with a pipe for its logo"
quit_with_ctrl_q "^About Quillomar$"

echo "PASS"
