#!/usr/bin/env bash
# Takes the README's pictures of the quiz from the real program on a virtual X server (Xvfb): the
# terminal after one round answered "Y" and the graph window it opened, with the clock fixed so
# that the same function comes up every time. Writes docs/images/quiz_terminal.png and
# docs/images/quiz_graph.png.
#   scripts/quiz-pictures.sh [build folder, default: build]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
cmake --build "$build" --target kanvo-quiz >/dev/null
for tool in Xvfb tmux faketime import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
socket="$work/tmux"
xvfb_pid=
cleanup() {
  tmux -S "$socket" kill-server 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the pipe; -noreset keeps it from starting
# afresh, and turning a client away, each time its last client leaves.
exec {display_pipe}<> <(:)
Xvfb -displayfd "$display_pipe" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 number <&"$display_pipe"
display=":$number"

prompt='是否揭晓答案(Y/N):'
screen() { tmux -S "$socket" capture-pane -p "$@"; }
wait_for_prompts() {
  for _ in $(seq 150); do
    (($(screen | grep -c "$prompt") >= $1)) && return 0
    sleep 0.1
  done
  echo "the quiz did not show its prompt $1 time(s)" >&2
  exit 1
}

TERM=xterm-256color tmux -u -S "$socket" -f /dev/null new-session -d -x 64 -y 13 \
  "cd '$root' && env -u KANVO_DISPLAY -u WAYLAND_DISPLAY DISPLAY=$display SDL_AUDIODRIVER=dummy \
   LC_ALL=C.UTF-8 TZ=UTC faketime --exclude-monotonic -f '2023-11-14 22:13:20' \
   '$build/app/kanvo-quiz'; sleep 600"
wait_for_prompts 1
tmux -S "$socket" send-keys Y Enter
wait_for_prompts 2
sleep 1  # the display presents at its next refresh

DISPLAY=$display import -window root -crop 460x460+0+0 +repage -strip "$root/docs/images/quiz_graph.png"

# The terminal as Pango markup: its colour sequences become spans in the terminal's colours.
screen -e | awk '
  BEGIN {
    split("000000 cd3131 0dbc79 e5e510 2472c8 bc3fbc 11a8cd e5e5e5", dark)
    split("666666 f14c4c 23d18b f5f543 3b8eea d670d6 29b8db ffffff", bright)
    fg = "e5e5e5"; bg = ""; printf "<span foreground=\"#%s\">", fg
  }
  {
    line = $0
    gsub(/&/, "\\&amp;", line); gsub(/</, "\\&lt;", line); gsub(/>/, "\\&gt;", line)
    out = ""
    while (match(line, /\033\[[0-9;]*m/)) {
      out = out substr(line, 1, RSTART - 1)
      n = split(substr(line, RSTART + 2, RLENGTH - 3), codes, ";")
      if (n == 0) { n = 1; codes[1] = 0 }
      for (i = 1; i <= n; i++) {
        c = codes[i] + 0
        if (c == 0) { fg = "e5e5e5"; bg = "" }
        else if (c >= 30 && c <= 37) fg = dark[c - 29]
        else if (c >= 90 && c <= 97) fg = bright[c - 89]
        else if (c == 39) fg = "e5e5e5"
        else if (c >= 40 && c <= 47) bg = dark[c - 39]
        else if (c >= 100 && c <= 107) bg = bright[c - 99]
        else if (c == 49) bg = ""
      }
      out = out "</span><span foreground=\"#" fg "\"" (bg == "" ? "" : " background=\"#" bg "\"") ">"
      line = substr(line, RSTART + RLENGTH)
    }
    print out line
  }
  END { print "</span>" }' >"$work/terminal.pango"
# The markup goes in as text: the usual security policy does not let ImageMagick read it from a
# file.
# The quiz clears the screen in purple, which the terminal keeps wherever nothing is written.
convert -background "#bc3fbc" -font "WenQuanYi Micro Hei Mono" -pointsize 15 \
  "pango:$(<"$work/terminal.pango")" -bordercolor "#bc3fbc" -border 12 -strip \
  "$root/docs/images/quiz_terminal.png"
ls -l "$root/docs/images/quiz_graph.png" "$root/docs/images/quiz_terminal.png"
