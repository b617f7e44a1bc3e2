#!/usr/bin/env bash
# Ctrl-Z while the program waits for a key in a real terminal (tmux): the
# shell must get its terminal back in the normal mode while the program is
# stopped, and after `fg` keys must again be taken one by one, without Enter
# (bash restores its own mode at a stop; a shell without job control does not).
set -euo pipefail
batch=$(realpath "${1:?usage: terminal_stop.sh BATCH [WINDOW_PROGRAM]}")
export LC_ALL=C.UTF-8
sock=cptstop$$
tm() { tmux -L "$sock" "$@"; }
trap 'tm kill-server 2>/dev/null || true' EXIT
pane() { tm capture-pane -p -J -S -300; }
wait_for() {  # text [count]: until the pane shows the text that many times (10 s at most)
  for _ in $(seq 100); do
    [ "$(pane | grep -cF -- "$1")" -ge "${2:-1}" ] && return 0
    sleep 0.1
  done
  echo "timed out waiting for: $1"; pane; exit 1
}
mode='echo "MODE: $(stty -a | tr " ;" "\n\n" | grep -x -e icanon -e -icanon -e echo -e -echo | tr "\n" " ")"' 

tm -f /dev/null new-session -d -x 200 -y 50 "bash --norc --noprofile -i"
tm send-keys "PS1='$ '; $batch" Enter
wait_for "ロボットタイプ変更する？"
tm send-keys n
wait_for "最大加速度変更する？"
tm send-keys n
wait_for "軌道曲線変更する？"
tm send-keys n
wait_for "計算終了"
sleep 0.3  # the runner is now waiting for a window key
tm send-keys C-z
wait_for "Stopped"
tm send-keys "$mode" Enter
wait_for "MODE: " 2
tm send-keys "fg" Enter
sleep 0.3
tm send-keys s
tm send-keys Escape
wait_for "batch: obtained=no"
pane > /dev/null

fail=0
p=$(pane)
grep -q 'MODE: icanon echo' <<<"$p" || { echo "FAILED: the stopped program left the terminal in key mode"; fail=1; }
grep -q 'keys=1$' <<<"$p" || { echo "FAILED: after fg the key was not taken on its own"; fail=1; }
[ $fail = 0 ] && echo "terminal stop test passed" || pane
exit $fail
