#!/usr/bin/env bash
# Plays Quillomar as a person would, on a private 1024x768 X screen: clicks the splash away, wins a game,
# starts a new one, tries the shortcuts, and quits with Ctrl+Q. Each step is checked on a screenshot, region
# by region. Usage: play.sh PATH/TO/bin/quillomar (the bundle's Resources folder beside bin/).
source "$(dirname "$0")/common.sh"

step "a private X screen"
start_screen
shot blank

step "the program shows its splash, centred"
start_program
within 10 eval 'shot splash; changed blank splash $splash' || fail "the splash shows nothing"
shows_picture splash "$splash" Splash.bmp || fail "the splash does not show Splash.bmp from the bundle"
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
shows_picture game0 "$game" Board.bmp || fail "the game window does not show Board.bmp from the bundle"

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
quit_with_ctrl_q "^About Quillomar$"
grep -q "stopped because" "$work/app.log" && fail "the program reported an unhandled exception"

echo "PASS"
