#!/usr/bin/env bash
# Starts the real program on a virtual X display with a scheme to open, checks that its window
# comes up with the scheme's preview painted, and closes it from its File menu shortcut.
set -euo pipefail
zef=$1
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 24
printf '[Settings]\nLanguage=English\n' >"$ZEF_SETTINGS"

"$zef" --starter Red -o "$work/red.col"
"$zef" "$work/red.col" >"$work/zef.log" 2>&1 &
app=$!

window=$(wait_for_window "ZEF - Colour Scheme Editor")
[ -n "$window" ] || { echo "no editor window appeared"; cat "$work/zef.log"; exit 1; }

# The opened file went into the recent files.
for _ in $(seq 50); do grep -q "red.col" "$ZEF_SETTINGS" 2>/dev/null && break; sleep 0.1; done
grep -q "File1=.*red.col" "$ZEF_SETTINGS" || { echo "the file was not opened"; exit 1; }

# The Red starter's title bar colour (255, 0, 0) shows on the main menu preview once the window
# has repainted after the file was read.
window_shows "$window" "#FF0000" ||
    { echo "the preview does not show the scheme's colours"; exit 1; }

xdotool windowfocus --sync "$window" key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "the editor did not close"; exit 1; fi
wait "$app"
echo "window smoke test passed"
