# Sourced by the smoke tests: a virtual X display of a given depth for the real program, a
# settings file of its own, and clean-up of both on exit.
#   start_virtual_display DEPTH   sets DISPLAY, ZEF_SETTINGS and $work
#   wait_for_window PATTERN       prints the first window whose name matches, or nothing
#   window_shows WINDOW COLOUR    waits up to 5 s for a pixel of #RRGGBB in the window
app=""
xvfb=""
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; [ -z "$app" ] || kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT

start_virtual_display() {
    # Xvfb picks a free display itself and writes its number once it takes connections, so
    # that tests run side by side neither collide nor start before it is ready.
    Xvfb -displayfd 3 -screen 0 "1024x768x$1" -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb=$!
    for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "the virtual display did not start"; cat "$work/xvfb.log"; exit 1; }
    export DISPLAY=:$(head -n 1 "$work/display")
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    export ZEF_SETTINGS=$work/zef.conf
}

wait_for_window() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --name "$1" 2>/dev/null | head -n 1) && [ -n "$found" ] && break
        sleep 0.1
    done
    echo "$found"
}

window_shows() {
    for _ in $(seq 50); do
        if import -display "$DISPLAY" -window "$1" "$work/window.png"; then
            # The histogram is read whole first: grep -q leaving early would break convert's pipe.
            convert "$work/window.png" -format %c histogram:info:- >"$work/colours.txt" &&
                grep -qi "$2" "$work/colours.txt" && return 0
        fi
        sleep 0.1
    done
    return 1
}
