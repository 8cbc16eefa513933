#!/usr/bin/env bash
# Starts the real program for the first time on a virtual X display: the language chooser comes
# first, and after "Deutsch" is chosen the main window speaks German and the settings hold the
# word and five empty recent files.
set -euo pipefail
zef=$1
. "$(dirname "$0")/virtual_display.sh"
start_virtual_display 24

"$zef" >"$work/zef.log" 2>&1 &
app=$!

chooser=$(wait_for_window "^Jazyk / Language / Sprache$")
[ -n "$chooser" ] || { echo "no language chooser appeared"; cat "$work/zef.log"; exit 1; }
if xdotool search --name "ZEF - " >/dev/null 2>&1; then
    echo "the main window came before a language was chosen"
    exit 1
fi

# The buttons stand one under another in the order Czech, English, German: Tab twice from
# the first reaches "Deutsch".
xdotool windowfocus --sync "$chooser" key Tab Tab space

window=$(wait_for_window "ZEF - Editor farbig schema v1.0")
[ -n "$window" ] || { echo "the main window did not come up in German"; cat "$work/zef.log"; exit 1; }

grep -q "^Language=Deutsch" "$ZEF_SETTINGS" || { echo "the language was not stored"; exit 1; }
for k in 1 2 3 4 5; do
    grep -q "^File$k=$" "$ZEF_SETTINGS" || { echo "recent file $k was not emptied"; exit 1; }
done

xdotool windowfocus --sync "$window" key ctrl+q
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "the editor did not close"; exit 1; fi
wait "$app"
echo "first run smoke test passed"
