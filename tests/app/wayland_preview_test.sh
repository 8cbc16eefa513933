#!/usr/bin/env bash
# The real program under a headless Wayland compositor, which composes windows with their alpha:
# at each pixel depth, the ten preview screens, the zoom view (screen 0 twice enlarged) and the
# S55 palette are on the screen pixel for pixel as `zef --render` draws them. Exits with 77,
# which CTest reports as skipped, when weston or Qt's Wayland platform is missing.
# Arguments: the program, the picture finder, Qt's platform plugin folder.
set -euo pipefail
zef=$1 find_pictures=$2 palette=$(dirname "$0")/../../assets/palettes/s55.png
for tool in weston weston-screenshooter "$3/libqwayland-generic.so"; do
    command -v "$tool" >/dev/null || [ -e "$tool" ] || { echo "skipped: no $tool"; exit 77; }
done
work=$(mktemp -d) compositor="" app=""
trap 'kill $app $compositor 2>/dev/null; rm -rf "$work"' EXIT
poll() { for _ in $(seq 100); do "$@" && return 0; sleep 0.2; done; return 1; }
fail() { echo "$*"; tail -n 20 "$work/weston.log" "$work/zef.log" 2>/dev/null; exit 1; }

export XDG_RUNTIME_DIR=$work/runtime HOME=$work ZEF_SETTINGS=$work/zef.conf
export WAYLAND_DISPLAY=zef-test QT_QPA_PLATFORM=wayland
unset DISPLAY
mkdir -m 700 "$XDG_RUNTIME_DIR" "$work/shots"
printf '[Settings]\nLanguage=English\n' >"$ZEF_SETTINGS"
"$zef" --starter Green -o "$work/scheme.col"
# --debug lets weston-screenshooter take the screen.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 --idle-time=0 >"$work/weston.log" 2>&1 &
compositor=$!
poll test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"

on_screen() { # takes the screen and looks for every picture in it
    rm -f "$work"/shots/*
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) &&
        "$find_pictures" "$work"/shots/*.png "$@" 2>"$work/find.log"
}
for depth in 32 24 16; do
    pictures=("$palette")
    for view in "0 --scale 2" 0 1 2 3 4 5 6 7 8 9; do # the zoom view, then the ten screens
        pictures+=("$work/screen $view.png")
        "$zef" --render "$work/scheme.col" -o "${pictures[-1]}" --depth "$depth" --screen $view
    done
    "$zef" --depth "$depth" "$work/scheme.col" >"$work/zef.log" 2>&1 &
    app=$!
    poll on_screen "${pictures[@]}" || fail "at depth $depth: $(cat "$work/find.log")"
    kill "$app" && wait "$app" 2>/dev/null || true
    app=""
done
echo "wayland preview test passed"
