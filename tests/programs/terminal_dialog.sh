#!/usr/bin/env bash
# In tmux: single keys without echo, also after Ctrl-Z and fg at a question; the window
# only after the dialog; ESC ends with status 0 and the terminal mode restored.
set -euo pipefail
source "$(dirname "$0")/../support/programs.sh"
# What the terminal runs: the program, then its exit status and the terminal mode.
cat > "$work/run.sh" <<RUN
'$prog'
echo "EXIT=\$?"
echo "MODE: \$(stty -a | tr ' ;' '\n\n' | grep -x -e icanon -e -icanon -e echo -e -echo | tr '\n' ' ')"
RUN

on_window <<INNER
sock=cpt\$\$
tm() { tmux -L "\$sock" "\$@"; }
trap 'tm kill-server 2>/dev/null || true' EXIT
pane() { tm capture-pane -p -J -S -200; }
# Waits until the pane shows the text (at most 10 s).
wait_for() {
  for _ in \$(seq 100); do pane | grep -qF -- "\$1" && return 0; sleep 0.1; done
  echo "timed out waiting for: \$1"; pane; return 1
}
tm -f /dev/null new-session -d -x 200 -y 50 "bash --norc --noprofile"
tm send-keys "bash $work/run.sh" Enter
wait_for "ロボットタイプ変更する？"
sleep 0.3
tm send-keys C-z
wait_for "Stopped"
# The job is run.sh: wait until the program itself has stopped too, or 'fg'
# could continue it before its own stop and leave it stopped.
for _ in \$(seq 100); do [[ "\$(ps -o stat= -C cp_time_optimal)" == T* ]] && break; sleep 0.1; done
tm send-keys 'echo "STOPPED \$(stty -a | tr " ;" "\\n\\n" | grep -x -e icanon -e -icanon -e echo -e -echo | tr "\\n" " ")"' Enter
wait_for "STOPPED icanon"
tm send-keys fg Enter
sleep 0.3
# No window may exist while the dialog runs.
if xdotool search --name 'CP' >/dev/null 2>&1; then echo "window opened before the dialog ended"; exit 1; fi
tm send-keys n
wait_for "最大加速度変更する？"
tm send-keys n
wait_for "軌道曲線変更する？"
tm send-keys n
wait_for "計算終了"
win=\$(timeout 10 xdotool search --sync --onlyvisible --name 'CP' | head -n 1) || { echo "window not found"; pane; exit 1; }
xdotool windowfocus --sync "\$win" key Escape || true
wait_for "MODE: "
pane > "$work/pane.txt"
INNER

pane=$(cat "$work/pane.txt")
grep -q 'EXIT=0' <<<"$pane" || { echo "program did not end with status 0"; fail=1; }
# An echoed key would follow the prompt's own "no : n" on the same line.
if grep -qE 'no : n +n' <<<"$pane"; then echo "keys were echoed"; fail=1; fi
grep -q 'MODE: icanon echo' <<<"$pane" || { echo "terminal mode not restored:"; grep -E 'icanon' <<<"$pane"; fail=1; }
[ $fail -eq 0 ] || { echo "--- pane ---"; echo "$pane"; }
[ $fail -eq 0 ] && echo "terminal dialog test passed"
exit $fail
