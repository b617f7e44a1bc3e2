# Shell functions that drive the real program under Xvfb: its console is
# answered through a fifo that stays open while the window lives, keys go to
# its window with xdotool, and screenshots come from ImageMagick.
# Source this file, then: wd_start PROG DIR; wd_answer TEXT; wd_window; ...

# wd_start PROG DIR: starts PROG with its console in DIR/console.txt.
wd_start() {
  WD_DIR=$2
  mkfifo "$WD_DIR/in"
  "$1" < "$WD_DIR/in" > "$WD_DIR/console.txt" 2>&1 &
  WD_PID=$!
  exec 3> "$WD_DIR/in"
}

# wd_answer TEXT: writes TEXT (printf format) to the program's console input.
wd_answer() { printf "$1" >&3; }

# wd_window: waits for the window and puts it at the screen's corner.
wd_window() {
  WD_WIN=$(timeout 10 xdotool search --sync --onlyvisible --name 'CP' | head -n 1) || return 1
  [ -n "$WD_WIN" ] || return 1
  xdotool windowmove --sync "$WD_WIN" 0 0 || true
}

# wd_keys KEY...: sends keys to the window (xdotool key names).
wd_keys() { xdotool windowfocus --sync "$WD_WIN" key --delay 5 "$@"; }

# wd_repeat N KEY: N times the same key.
wd_repeat() {
  local keys=()
  for ((i = 0; i < $1; i++)); do keys+=("$2"); done
  wd_keys "${keys[@]}"
}

# wd_wait_console TEXT [N]: waits (up to 20 s) until TEXT has been printed N times.
wd_wait_console() {
  local n=${2:-1}
  for _ in $(seq 200); do
    [ "$(grep -o -F -- "$1" "$WD_DIR/console.txt" | wc -l)" -ge "$n" ] && return 0
    sleep 0.1
  done
  echo "console never showed '$1' $n times"
  return 1
}

# wd_shot FILE: a screenshot once the window has stopped changing, i.e. once
# every key sent so far has run its frame.
wd_shot() {
  import -window "$WD_WIN" "$1.prev.png"
  for _ in $(seq 50); do
    sleep 0.3
    import -window "$WD_WIN" "$1"
    if compare -metric AE "$1" "$1.prev.png" null: 2>/dev/null; then
      rm -f "$1.prev.png"
      return 0
    fi
    mv "$1" "$1.prev.png"
  done
  echo "the window never settled"
  return 1
}

# wd_quit: ESC, then the program's exit status (124 when it does not end).
wd_quit() {
  xdotool windowfocus --sync "$WD_WIN" key Escape 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$WD_PID" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$WD_PID" 2>/dev/null; then kill "$WD_PID"; return 124; fi
  wait "$WD_PID"
}

# wd_count_colour FILE X0 Y0 W H R G B: pixels of exactly that colour in the region.
wd_count_colour() {
  convert "$1" -crop "$4x$5+$2+$3" +repage -fill black +opaque "rgb($6,$7,$8)" \
    -fill white -opaque "rgb($6,$7,$8)" -format '%[fx:round(mean*w*h)]' info:
}
