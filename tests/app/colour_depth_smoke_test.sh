#!/usr/bin/env bash
# Starts the real program on a virtual X display of 8 bits a pixel: the colour-depth message
# appears, and once it is answered the program ends without ever showing its main window.
set -euo pipefail
zef=$1
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 8
printf '[Settings]\nLanguage=Deutsch\n' >"$ZEF_SETTINGS"

"$zef" >"$work/zef.log" 2>&1 &
app=$!

message=$(wait_for_window "^Fehler$")
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
