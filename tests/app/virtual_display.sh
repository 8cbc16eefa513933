# Sourced by the smoke tests: a virtual X display of a given depth for the real program, a
# settings file of its own, and clean-up of both on exit.
#   start_virtual_display DEPTH   sets DISPLAY, ZEF_SETTINGS and $work
#   wait_for_window PATTERN       prints the first window whose name matches, or nothing
app=""
xvfb=""
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; [ -z "$app" ] || kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT

start_virtual_display() {
    local display=:$((50 + RANDOM % 400))
    Xvfb "$display" -screen 0 "1024x768x$1" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    export DISPLAY=$display
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export ZEF_SETTINGS=$work/zef.conf
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}

wait_for_window() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}
