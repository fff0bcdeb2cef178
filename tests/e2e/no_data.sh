# No data folder at all: every picture is a plain quad, every sound silent, and the
# game still runs, draws, answers the keys and quits with status 0.
source "$(dirname "$0")/lib.sh"
printf 'pavad = Tankai\ndydis = 800, 600\n' > "$WORK/settings.cfg"
start_game
s=$(shot_until intro_plain 10 bright_over 300 250 150 300 300)
ok $([ "$(brightness "$s" 250 150 300 300)" -gt 300 ]; echo $?) "the intro's quad is drawn untextured (white)"
play_and_quit
finish
