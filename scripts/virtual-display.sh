# Sourced by the scripts that need an X display of their own (Xvfb):
#   start_virtual_display FILE
# starts one on a free display number, which it writes to FILE, and sets
# virtual_display (":N") and virtual_display_pid. The caller stops it.
start_virtual_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$1" 2>/dev/null &
  virtual_display_pid=$!
  for _ in $(seq 100); do [ -s "$1" ] && break; sleep 0.1; done
  virtual_display=:$(cat "$1")
}
