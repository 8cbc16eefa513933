#!/usr/bin/env bash
# Starts the real program on a virtual X display of 8 bits a pixel: the colour-depth message
# appears, and once it is answered the program ends without ever showing its main window.
set -euo pipefail
zef=$1
work=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null || true; kill "$app" 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$((50 + RANDOM % 400))
Xvfb "$display" -screen 0 800x600x8 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=$display
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export ZEF_SETTINGS=$work/zef.conf
printf '[Settings]\nLanguage=Deutsch\n' >"$ZEF_SETTINGS"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$zef" >"$work/zef.log" 2>&1 &
app=$!

message=""
for _ in $(seq 100); do
    message=$(xdotool search --name "^Fehler$" 2>/dev/null | head -n 1) && [ -n "$message" ] && break
    sleep 0.1
done
[ -n "$message" ] || { echo "no colour-depth message appeared"; cat "$work/zef.log"; exit 1; }
grep -q "Es werden nur 16-Bit, 24-Bit, 32-Bit Bitmaps unterstützt!" "$work/zef.log" ||
    { echo "the message is not the German one"; cat "$work/zef.log"; exit 1; }
if xdotool search --name "ZEF - |Jazyk / Language" >/dev/null 2>&1; then
    echo "a window of the editor came up on an 8-bit display"
    exit 1
fi

xdotool windowfocus --sync "$message" key Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "the program did not end"; exit 1; fi
wait "$app"
echo "colour depth smoke test passed"
